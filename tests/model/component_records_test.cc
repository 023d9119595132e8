// Component constructors: each one fails at each of its allocations in turn
#include "model/component_records.h"
#include "model/model_support.h"
#include "model/release.h"
#include "model/tagged_item.h"

namespace {

class ComponentRecords : public RecordsTest {
protected:
    template <typename Value>
    TaggedItem *item(int32_t tag, Value *value) {
        return mkstatement(ctx(), tag, reinterpret_cast<intptr_t>(value));
    }
    CellRecord *cell(const char *name) { return mkcell(ctx(), text(name), nullptr); }
};

}  // namespace

TEST_F(ComponentRecords, EveryConstructorReleasesWhatItWasHandedWhenAnAllocationFails) {
    // Only the constructor's own allocations fail. The session sweep over the examples fails each
    // constructor as the grammar calls it; these get what the grammar never hands over at once.
    HostContext *c = ctx();
    sweep_allocations("mkcomponent", [&](auto arm) {
        ItemList *items = list_of({item(TAG_CELL, cell("C1")), item(TAG_CELL, cell("C2")),
                                   item(TAG_BYPASS_REGISTER, mkbypassregister(c, text("B"), nullptr)),
                                   mkstatement(c, TAG_STANDARD, 1)});
        char *name = text("C");
        return arm(), mkcomponent(c, name, "source", items);
    }, release_component);
    sweep_allocations("mkcellmode", [&](auto arm) {
        ItemList *outputs = list_create(c, nullptr, 1);
        outputs = list_append_with(c, outputs, (ModeSpecRecord *)nullptr, release_mode_spec);
        outputs = list_append_with(c, outputs, mkmodespec(c, 4, text("PI")), release_mode_spec);
        ModeSpecRecord *mode = mkmodespec(c, 32, text("U")), *capture = mkmodespec(c, 5, text("0"));
        char *select = text("1");
        return arm(), mkcellmode(c, mode, select, capture, outputs);
    }, release_cell_mode);
    sweep_allocations("mkbistregister", [&](auto arm) {
        double *coverage = (double *)mem_alloc(c, sizeof(double));
        ItemList *items = list_of(
            {item(TAG_PRELOAD, mkpreload(c, text("R"), text("0"))), item(TAG_COVERAGE, coverage),
             item(TAG_CLOCK, mkpinref(c, OXEL_PINREF_PLAIN, text("CK"), nullptr)),
             item(TAG_CAPTURE,
                  mkcapture(c, text("1"), list_create(c, mkcapturestatus(c, text("1"), text("d")), 1))),
             item(TAG_ALTERED_REGISTERS, texts({"A"})), item(TAG_CONCATENATION, texts({"B"}))});
        char *name = text("B");
        return arm(), mkbistregister(c, name, items);
    }, release_bist_register);
}

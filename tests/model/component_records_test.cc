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
    IndexRecord *number(int32_t n) { return mkindex(ctx(), OXEL_INDEX_NUMBER, n, nullptr, 0); }
    IndexRecord *range(int32_t a, int32_t b) { return mkindex(ctx(), OXEL_INDEX_RANGE, a, nullptr, b); }
    CellRecord *cell(const char *name) { return mkcell(ctx(), text(name), nullptr); }
};

}  // namespace

TEST_F(ComponentRecords, EveryConstructorReleasesWhatItWasHandedWhenAnAllocationFails) {
    // Only the constructor's own allocations fail: each build arms the failures after making the inputs.
    // Constructors that make one record of what they are handed are swept with the examples.
    HostContext *c = ctx();
    sweep_allocations("mkcomponent", [&](auto arm) {
        ItemList *items = list_of({item(TAG_CELL, cell("C1")), item(TAG_CELL, cell("C2")),
                                   item(TAG_BYPASS_REGISTER, mkbypassregister(c, text("B"), nullptr)),
                                   mkstatement(c, TAG_STANDARD, 1)});
        char *name = text("C");
        return arm(), mkcomponent(c, name, "source", items);
    }, release_component);
    sweep_allocations("mkpin", [&](auto arm) {
        char *number = text("1"), *name = text("a"), *family = text("f");
        return arm(), mkpin(c, number, name, 1, family);
    }, release_pin);
    sweep_allocations("mkbus", [&](auto arm) {
        BusNamePair *pair = mkbusname(c, text("D"), list_of({range(0, 3)}));
        ItemList *numbers = list_of({number(1), range(2, 4)});
        char *family = text("f");
        return arm(), mkbus(c, numbers, pair, 4, family);
    }, release_pin);
    sweep_allocations("mkpinref", [&](auto arm) {
        char *name = text("D");
        ItemList *list = list_of({number(1), number(2)});
        return arm(), mkpinref(c, OXEL_PINREF_ELEMENT, name, list);
    }, release_pin_ref);
    sweep_allocations("mkcapture", [&](auto arm) {
        char *value = text("1");
        ItemList *status = list_create(c, mkcapturestatus(c, text("1"), text("d")), 1);
        return arm(), mkcapture(c, value, status);
    }, release_capture);
    sweep_allocations("mkinstruction", [&](auto arm) {
        ModeSpecRecord *kind = mkmodespec(c, 8, text("USER")), *mode = mkmodespec(c, 32, text("M"));
        char *code = text("0101"), *reg = text("R");
        ItemList *registers = texts({"A", "B"});
        return arm(), mkinstruction(c, kind, code, reg, mode, registers);
    }, release_instruction);
    sweep_allocations("mkcellmode", [&](auto arm) {
        ItemList *outputs = list_create(c, nullptr, 1);
        outputs = list_append_with(c, outputs, (ModeSpecRecord *)nullptr, release_mode_spec);
        outputs = list_append_with(c, outputs, mkmodespec(c, 4, text("PI")), release_mode_spec);
        ModeSpecRecord *mode = mkmodespec(c, 32, text("U")), *capture = mkmodespec(c, 5, text("0"));
        char *select = text("1");
        return arm(), mkcellmode(c, mode, select, capture, outputs);
    }, release_cell_mode);
    sweep_allocations("mkchainelement", [&](auto arm) {
        char *cell_name = text("BC_1");
        PinRefRecord *pin = mkpinref(c, OXEL_PINREF_ELEMENT, text("D"), list_of({range(1, 2)}));
        ItemList *a = texts({"1", "2"}), *b = texts({"-"}), *d = texts({"x"}), *e = texts({"4"}),
                 *f = texts({"0"});
        return arm(), mkchainelement(c, 3, cell_name, pin, a, b, d, e, f);
    }, release_chain_element);
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
    sweep_allocations("mkcell", [&](auto arm) {
        ItemList *items = list_of({item(TAG_INIT_UPDATE, text("X")), item(TAG_DATA_INPUTS, texts({"PI"})),
                                   item(TAG_MODE_LIST, list_create(c, nullptr, 1))});
        char *name = text("BC");
        return arm(), mkcell(c, name, items);
    }, release_cell);
    sweep_allocations("mkbsregister", [&](auto arm) {
        ItemList *chain = list_create_with(
            c, mkchainelement(c, 0, text("BC"), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr), 1,
            release_chain_element);
        ItemList *items = list_of({item(TAG_CHAIN_LIST, chain), item(TAG_PURPOSE, text("p"))});
        char *name = text("BSR");
        return arm(), mkbsregister(c, name, items);
    }, release_boundary_scan_register);
}

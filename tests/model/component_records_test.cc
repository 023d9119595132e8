// Component constructors: each one fails at each of its allocations in turn
#include "model/cell_constructors.h"
#include "model/component_constructors.h"
#include "model/model_support.h"
#include "model/pin_constructors.h"
#include "model/register_constructors.h"
#include "model/release.h"
#include "model/statements.h"

namespace {

class ComponentRecords : public RecordsTest {
protected:
    template <int32_t Tag>
    TaggedItem *item(carried_t<typename Statement<Tag>::Value> value) {
        return make_statement<Tag>(ctx(), value);
    }
    IndexRecord *number(int32_t n) { return make_index(ctx(), OXEL_INDEX_NUMBER, n, nullptr, 0); }
    IndexRecord *range(int32_t a, int32_t b) { return make_index(ctx(), OXEL_INDEX_RANGE, a, nullptr, b); }
    CellRecord *cell(const char *name) { return make_cell(ctx(), kNowhere, text(name), nullptr); }
};

}  // namespace

TEST_F(ComponentRecords, EveryConstructorReleasesWhatItWasHandedWhenAnAllocationFails) {
    // Only the constructor's own allocations fail: each build arms the failures after making the inputs.
    // Constructors that make one record of what they are handed are swept with the examples.
    HostContext *c = ctx();
    sweep_allocations("make_component", [&](auto arm) {
        ItemList *items = list_of({item<TAG_CELL>(cell("C1")), item<TAG_CELL>(cell("C2")),
                                   item<TAG_BYPASS_REGISTER>(make_register<BypassRegisterRecord>(c, kNowhere, text("B"), nullptr)),
                                   make_statement<TAG_STANDARD>(c, 1)});
        char *name = text("C");
        return arm(), make_component(c, kNowhere, OxelGetInfo(), name, "source", items);
    }, release_component);
    sweep_allocations("make_pin", [&](auto arm) {
        char *number = text("1"), *name = text("a"), *family = text("f");
        return arm(), make_pin(c, number, name, 1, family);
    }, release_pin);
    sweep_allocations("make_bus", [&](auto arm) {
        BusNamePair *pair = make_bus_name(c, text("D"), list_of({range(0, 3)}));
        ItemList *numbers = list_of({number(1), range(2, 4)});
        char *family = text("f");
        return arm(), make_bus(c, numbers, pair, 4, family);
    }, release_pin);
    sweep_allocations("make_pin_ref", [&](auto arm) {
        char *name = text("D");
        ItemList *list = list_of({number(1), number(2)});
        return arm(), make_pin_ref(c, OXEL_PINREF_ELEMENT, name, list);
    }, release_pin_ref);
    sweep_allocations("make_capture", [&](auto arm) {
        char *value = text("1");
        ItemList *status = list_create(c, make_capture_status(c, text("1"), text("d")), 1);
        return arm(), make_capture(c, value, status);
    }, release_capture);
    sweep_allocations("make_instruction", [&](auto arm) {
        ModeSpecRecord *kind = make_mode_spec(c, 8, text("USER")), *mode = make_mode_spec(c, 32, text("M"));
        char *code = text("0101"), *reg = text("R");
        ItemList *registers = texts({"A", "B"});
        return arm(), make_instruction(c, kind, code, reg, mode, registers);
    }, release_instruction);
    sweep_allocations("make_cell_mode", [&](auto arm) {
        ItemList *outputs = list_create(c, nullptr, 1);
        outputs = list_append_with(c, outputs, (ModeSpecRecord *)nullptr, release_mode_spec);
        outputs = list_append_with(c, outputs, make_mode_spec(c, 4, text("PI")), release_mode_spec);
        ModeSpecRecord *mode = make_mode_spec(c, 32, text("U")), *capture = make_mode_spec(c, 5, text("0"));
        char *select = text("1");
        return arm(), make_cell_mode(c, mode, select, capture, outputs);
    }, release_cell_mode);
    sweep_allocations("make_chain_element", [&](auto arm) {
        char *cell_name = text("BC_1");
        PinRefRecord *pin = make_pin_ref(c, OXEL_PINREF_ELEMENT, text("D"), list_of({range(1, 2)}));
        ItemList *a = texts({"1", "2"}), *b = texts({"-"}), *d = texts({"x"}), *e = texts({"4"}),
                 *f = texts({"0"});
        return arm(), make_chain_element(c, 3, cell_name, pin, a, b, d, e, f);
    }, release_chain_element);
    sweep_allocations("make_bist_register", [&](auto arm) {
        double *coverage = (double *)mem_alloc(c, sizeof(double));
        ItemList *items = list_of(
            {item<TAG_PRELOAD>(make_preload(c, text("R"), text("0"))), item<TAG_COVERAGE>(coverage),
             item<TAG_CLOCK>(make_pin_ref(c, OXEL_PINREF_PLAIN, text("CK"), nullptr)),
             item<TAG_CAPTURE>(
                  make_capture(c, text("1"), list_create(c, make_capture_status(c, text("1"), text("d")), 1))),
             item<TAG_ALTERED_REGISTERS>(texts({"A"})), item<TAG_CONCATENATION>(texts({"B"}))});
        char *name = text("B");
        return arm(), make_register<BistRegisterRecord>(c, kNowhere, name, items);
    }, release_bist_register);
    sweep_allocations("make_cell", [&](auto arm) {
        ItemList *items = list_of({item<TAG_INIT_UPDATE>(text("X")), item<TAG_DATA_INPUTS>(texts({"PI"})),
                                   item<TAG_MODE_LIST>(list_create(c, nullptr, 1))});
        char *name = text("BC");
        return arm(), make_cell(c, kNowhere, name, items);
    }, release_cell);
    sweep_allocations("make_boundary_scan_register", [&](auto arm) {
        ItemList *chain = list_create_with(
            c, make_chain_element(c, 0, text("BC"), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr), 1,
            release_chain_element);
        ItemList *items = list_of({item<TAG_CHAIN_LIST>(chain), item<TAG_PURPOSE>(text("p"))});
        char *name = text("BSR");
        return arm(), make_register<BoundaryScanRegisterRecord>(c, kNowhere, name, items);
    }, release_boundary_scan_register);
}

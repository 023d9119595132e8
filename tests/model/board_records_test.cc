// Board, technology and test records: constructors and their failure paths
#include "model/board_constructors.h"
#include "model/model_support.h"
#include "model/ppa_constructors.h"
#include "model/release.h"
#include "model/sequence_constructors.h"
#include "model/statements.h"
#include "model/technology_constructors.h"

namespace {

class BoardRecords : public RecordsTest {
protected:
    PpaSerialGroupRecord *serial_group(const char *name, int32_t signal, const char *net) {
        return ppa_serial_name(text(name),
                               ppa_serial_add(ctx(), kNowhere, nullptr, make_ppa_signal(ctx(), signal, texts({net}))));
    }
    PpaAssignment *serial(const char *name, int32_t signal, const char *net) {
        return make_ppa_assignment(ctx(), serial_group(name, signal, net), nullptr);
    }
    PpaAssignment *parallel(const char *name) {
        return make_ppa_assignment(ctx(), nullptr, make_ppa_parallel_group(ctx(), text(name), nullptr));
    }
};

}  // namespace

TEST_F(BoardRecords, EverySignalGivenTwiceSendsItsOwnNote) {
    const int32_t signals[] = {TAP_TMS, TAP_TDI, TAP_TDO, TAP_TCK, TAP_TRST};
    PpaSerialGroupRecord *group = nullptr;
    for (const char *net : {"first", "second"})
        for (int32_t signal : signals)
            group = ppa_serial_add(ctx(), kNowhere, group, make_ppa_signal(ctx(), signal, texts({net})));
    // A signal code outside the five is dropped without a word.
    group = ppa_serial_add(ctx(), kNowhere, group, make_ppa_signal(ctx(), 4, texts({"other"})));
    ASSERT_TRUE(group);
    std::string notes;
    for (const char *signal : {"TMS", "TDI", "TDO", "TCK", "TRST"})
        notes += "note: Redefinition of " + std::string(signal) + " list in PPA instruction\n";
    EXPECT_EQ(host.dump(), notes);
    for (ItemList *list : {group->tms, group->tdi, group->tdo, group->tck, group->trst})
        EXPECT_EQ(row(list ? list->count : 0, list ? static_cast<char *>(list->items[0]) : ""), "1|first");
    release_ppa_serial_group(ctx(), group);
}

// Here the inputs fail too: a construction handed what a failed one left
// still reports the failure once and releases everything exactly once.
TEST_F(BoardRecords, EveryConstructorSurvivesEachFailedAllocationOfItsInputs) {
    HostContext *c = ctx();
    sweep_allocations("board", [&](auto arm) {
        arm();
        ItemList *items = list_create(c, nullptr, 1);
        ItemList *code = list_create_with(c, make_vrak_comment(c, text("c")), 100, release_vrak_instruction);
        for (TaggedItem *statement :
             {make_statement<TAG_TEST_SEQUENCE>(c, make_sequence(c, text("S"), code)),
              make_statement<TAG_GLOBAL_FAMILY>(c, make_global_family(c, text("G"))),
              make_statement<TAG_PIN_FAMILY>(c, make_pin_family(c, text("F"))),
              make_statement<TAG_ILLEGAL_VECTORS>(c, make_sequence(c, text("I"), nullptr))})
            items = list_append_with(c, items, statement, release_statement);
        return make_board(c, OxelGetInfo(), text("B"), "reason", items);
    }, release_board, false);
    sweep_allocations("board chain", [&](auto arm) {
        arm();
        ItemList *signals = list_create_with(c, make_tap_map(c, TAP_TCK, text("CLK")), 1, release_tap_map);
        signals = list_append_with(c, signals, make_tap_map(c, TAP_TMS, text("MODE")), release_tap_map);
        ItemList *parts =
            list_create_with(c, make_part_chain(c, 1, text("U1"), text("C"), text("MODE"), text("CLK"), nullptr),
                             1, release_part_chain);
        return make_board_chain(c, kNowhere, text("CHAIN"), signals, parts);
    }, release_board_chain, false);
    sweep_allocations("net", [&](auto arm) {
        arm();
        return make_net(c, text("U1"), nullptr, texts({"N1", "N2"}));
    }, release_net, false);
    sweep_allocations("vrak", [&](auto arm) {
        arm();
        ItemList *operands =
            list_create_with(c, make_vrak_operand(c, text("T"), 4, text("0101")), 1, release_vrak_operand);
        operands =
            list_append_with(c, operands, make_vrak_operand(c, text("U"), 0, nullptr), release_vrak_operand);
        return make_vrak_instruction(c, OXEL_VRAK_DRS, operands);
    }, release_vrak_instruction, false);
    sweep_allocations("ppa", [&](auto arm) {
        arm();
        PpaRecord *ppa = ppa_add(c, make_ppa(c, serial("S", TAP_TDO, "q")), parallel("P"));
        return make_ppa_instruction(c, ppa_add(c, ppa, serial("S2", TAP_TRST, "r")));
    }, release_vrak_instruction, false);
}

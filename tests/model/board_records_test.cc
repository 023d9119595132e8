// Board, technology and test records: constructors and their failure paths
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "interface/library_state.h"
#include "interface/memory.h"
#include "model/board_records.h"
#include "model/header_records.h"
#include "model/item_list.h"
#include "model/release.h"
#include "model/tagged_item.h"
#include "support/recorder.h"

namespace {

class BoardRecords : public ::testing::Test {
public:
    void SetUp() override { OxelInitialize(host.host()); }
    void TearDown() override {
        memory_fail_at(0);
        OxelDestroy(host.host());
    }

    // Inputs of the constructors, built through the memory layer.

    HostContext *context() { return host.host(); }
    char *text(const char *value) { return str_duplicate(context(), value); }
    ItemList *texts(std::initializer_list<const char *> values) {
        ItemList *list = list_create(context(), nullptr, 1);
        for (const char *value : values)
            list = list_append(context(), list, text(value));
        return list;
    }
    PpaSerialGroupRecord *serial_group(const char *name, int32_t signal, const char *net) {
        PpaSerialGroupRecord *group =
            ppa_serial_add(context(), nullptr, mkppasignal(context(), signal, texts({net})));
        return ppa_serial_name(text(name), group);
    }
    PpaParallelGroupRecord *parallel_group(const char *name) {
        return mkppaparallel(context(), text(name), nullptr);
    }

    Recorder host;
};

}  // namespace

TEST_F(BoardRecords, ABoardRoutesItsStatementsAndSkipsUnknownTagsSilently) {
    ItemList *items = list_create(context(), nullptr, 1);
    items = list_append(context(), items, mkboardstatement(context(), TAG_NETLIST, list_create(context(), nullptr, 1)));
    items = list_append(context(), items, item_make(context(), TAG_CELL, 0));
    items = list_append(context(), items, item_make(context(), 99, 0));
    items = list_append(context(), items, mkboardstatement(context(), TAG_PIN_FAMILY, mkpinfamily(context(), text("F"))));
    items = list_append(context(), items, mkboardstatement(context(), TAG_HEADER, mkheader(context(), nullptr, nullptr)));
    items = list_append(context(), items, mkboardstatement(context(), TAG_HEADER, mkheader(context(), nullptr, nullptr)));
    BoardRecord *board = mkboard(context(), text("B"), "the reason", items);
    ASSERT_TRUE(board);
    EXPECT_TRUE(host.messages.empty()) << host.dump();
    EXPECT_STREQ(board->source_ref, "the reason");
    ASSERT_TRUE(board->netlists);
    EXPECT_EQ(board->netlists->count, 1);
    EXPECT_TRUE(board->header);
    EXPECT_EQ(board->chains, nullptr);
    ASSERT_TRUE(g_library.root.pin_families);
    EXPECT_EQ(g_library.root.pin_families->count, 1);
    release_board(context(), board);
}

TEST_F(BoardRecords, ABoardWithoutStatementsIsNotBuilt) {
    EXPECT_EQ(mkboard(context(), text("B"), nullptr, nullptr), nullptr);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(BoardRecords, ATapEntryOfNoTapSignalDropsTheChain) {
    ItemList *signals = list_create(context(), mktapmap(context(), TAP_TDI, text("N1")), 1);
    signals = list_append(context(), signals, mktapmap(context(), 8, text("GROUND")));
    ItemList *parts = list_create(context(), mkpartchain(context(), 1, text("U1"), text("C"), text("A"), text("B"), nullptr), 1);
    EXPECT_EQ(mkboardchain(context(), text("CHAIN"), signals, parts), nullptr);
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR), std::vector<std::string>{"Invalid pintype in boardtap"});
    EXPECT_EQ(host.counters.errors, 1);
}

TEST_F(BoardRecords, ARepeatedTapSignalKeepsTheLastNet) {
    ItemList *signals = list_create(context(), mktapmap(context(), TAP_TDI, text("FIRST")), 1);
    signals = list_append(context(), signals, mktapmap(context(), TAP_TDI, text("SECOND")));
    BoardChainRecord *chain = mkboardchain(context(), text("C"), signals, nullptr);
    ASSERT_TRUE(chain);
    EXPECT_STREQ(chain->tdi_net, "SECOND");
    EXPECT_EQ(chain->parts, nullptr);
    release_board_chain(context(), chain);
}

TEST_F(BoardRecords, PpaRecordsMakeEachListAtItsFirstGroup) {
    PpaRecord *ppa = mkppa(context(), mkppaassignment(context(), serial_group("S", TAP_TDI, "a"), nullptr));
    ASSERT_TRUE(ppa);
    ASSERT_TRUE(ppa->serial_groups);
    EXPECT_EQ(ppa->serial_groups->count, 1);
    EXPECT_EQ(ppa->parallel_groups, nullptr);
    ASSERT_EQ(ppa_add(context(), ppa, mkppaassignment(context(), nullptr, parallel_group("P"))), ppa);
    ASSERT_TRUE(ppa->parallel_groups);
    EXPECT_EQ(ppa->parallel_groups->count, 1);
    // A null assignment changes nothing.
    EXPECT_EQ(ppa_add(context(), ppa, nullptr), ppa);
    EXPECT_EQ(ppa->serial_groups->count, 1);
    release_ppa(context(), ppa);
}

TEST_F(BoardRecords, AnAssignmentWithoutGroupsIsNothingAndMakesAnEmptyRecord) {
    memory_fail_at(1);
    EXPECT_EQ(mkppaassignment(context(), nullptr, nullptr), nullptr);
    EXPECT_EQ(memory_allocations(), 0);
    memory_fail_at(0);
    PpaRecord *empty = mkppa(context(), nullptr);
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->serial_groups, nullptr);
    EXPECT_EQ(empty->parallel_groups, nullptr);
    release_ppa(context(), empty);
}

TEST_F(BoardRecords, EmptySignalListsMakeNoSerialGroup) {
    EXPECT_EQ(mkppasignal(context(), TAP_TDI, list_create(context(), nullptr, 1)), nullptr);
    EXPECT_EQ(mkppasignal(context(), TAP_TDI, nullptr), nullptr);
    EXPECT_EQ(ppa_serial_add(context(), nullptr, nullptr), nullptr);
    EXPECT_EQ(ppa_serial_name(text("lost"), nullptr), nullptr);
}

TEST_F(BoardRecords, EverySignalGivenTwiceSendsItsOwnNote) {
    const int32_t signals[] = {TAP_TMS, TAP_TDI, TAP_TDO, TAP_TCK, TAP_TRST};
    PpaSerialGroupRecord *group = nullptr;
    for (int32_t signal : signals)
        group = ppa_serial_add(context(), group, mkppasignal(context(), signal, texts({"first"})));
    for (int32_t signal : signals)
        group = ppa_serial_add(context(), group, mkppasignal(context(), signal, texts({"second"})));
    // A signal code outside the five is dropped without a word.
    group = ppa_serial_add(context(), group, mkppasignal(context(), 4, texts({"other"})));
    ASSERT_TRUE(group);
    EXPECT_EQ(host.texts(OXEL_KIND_NOTE), (std::vector<std::string>{
                                               "Redefinition of TMS list in PPA instruction",
                                               "Redefinition of TDI list in PPA instruction",
                                               "Redefinition of TDO list in PPA instruction",
                                               "Redefinition of TCK list in PPA instruction",
                                               "Redefinition of TRST list in PPA instruction"}));
    for (ItemList *list : {group->tms, group->tdi, group->tdo, group->tck, group->trst}) {
        ASSERT_TRUE(list);
        ASSERT_EQ(list->count, 1);
        EXPECT_STREQ(static_cast<char *>(list->items[0]), "first");
    }
    EXPECT_EQ(host.counters.errors, 0);
    EXPECT_EQ(host.counters.warnings, 0);
    release_ppa_serial_group(context(), group);
}

// Each allocation of a construction, its inputs included, fails in turn:
// the failure is reported once, and whatever was built is released exactly
// once (the sanitizer build watches for leaks and double releases).
TEST_F(BoardRecords, EveryConstructorSurvivesEachFailedAllocation) {
    struct Case {
        const char *what;
        void *(*build)(BoardRecords &);
        void (*release)(HostContext *, void *);
    };
    const Case cases[] = {
        {"board",
         [](BoardRecords &t) -> void * {
             HostContext *c = t.context();
             ItemList *items = list_create(c, nullptr, 1);
             items = list_append_with(c, items, mkboardstatement(c, TAG_TEST_SEQUENCE,
                 mksequence(c, t.text("S"), list_create_with(c, mkvrakcomment(c, t.text("c")), 100,
                                                             release_vrak_instruction))),
                 release_board_statement);
             items = list_append_with(c, items, mkboardstatement(c, TAG_GLOBAL_FAMILY, mkglobalfamily(c, t.text("G"))),
                                      release_board_statement);
             items = list_append_with(c, items, mkboardstatement(c, TAG_PIN_FAMILY, mkpinfamily(c, t.text("F"))),
                                      release_board_statement);
             items = list_append_with(c, items, mkboardstatement(c, TAG_ILLEGAL_VECTORS, mksequence(c, t.text("I"), nullptr)),
                                      release_board_statement);
             return mkboard(c, t.text("B"), "reason", items);
         },
         [](HostContext *c, void *r) { release_board(c, static_cast<BoardRecord *>(r)); }},
        {"board chain",
         [](BoardRecords &t) -> void * {
             HostContext *c = t.context();
             ItemList *signals = list_create_with(c, mktapmap(c, TAP_TCK, t.text("CLK")), 1, release_tap_map);
             signals = list_append_with(c, signals, mktapmap(c, TAP_TMS, t.text("MODE")), release_tap_map);
             ItemList *parts = list_create_with(c, mkpartchain(c, 1, t.text("U1"), t.text("C"), t.text("MODE"),
                                                               t.text("CLK"), nullptr),
                                                1, release_part_chain);
             return mkboardchain(c, t.text("CHAIN"), signals, parts);
         },
         [](HostContext *c, void *r) { release_board_chain(c, static_cast<BoardChainRecord *>(r)); }},
        {"net",
         [](BoardRecords &t) -> void * {
             return mknet(t.context(), t.text("U1"), nullptr, t.texts({"N1", "N2"}));
         },
         [](HostContext *c, void *r) { release_net(c, static_cast<NetRecord *>(r)); }},
        {"vrak",
         [](BoardRecords &t) -> void * {
             ItemList *operands = list_create_with(t.context(), mkvrakoperand(t.context(), t.text("T"), 4, t.text("0101")), 1,
                                                   release_vrak_operand);
             operands = list_append_with(t.context(), operands, mkvrakoperand(t.context(), t.text("U"), 0, nullptr),
                                         release_vrak_operand);
             return mkvrak(t.context(), OXEL_VRAK_DRS, operands);
         },
         [](HostContext *c, void *r) { release_vrak_instruction(c, static_cast<VrakInstructionRecord *>(r)); }},
        {"ppa",
         [](BoardRecords &t) -> void * {
             PpaRecord *ppa = mkppa(t.context(), mkppaassignment(t.context(), t.serial_group("S", TAP_TDO, "q"), nullptr));
             ppa = ppa_add(t.context(), ppa, mkppaassignment(t.context(), nullptr, t.parallel_group("P")));
             ppa = ppa_add(t.context(), ppa, mkppaassignment(t.context(), t.serial_group("S2", TAP_TRST, "r"), nullptr));
             return mkppainstruction(t.context(), ppa);
         },
         [](HostContext *c, void *r) { release_vrak_instruction(c, static_cast<VrakInstructionRecord *>(r)); }},
    };
    for (const Case &c : cases) {
        memory_fail_at(0);
        void *whole = c.build(*this);
        long allocations = memory_allocations();
        ASSERT_TRUE(whole) << c.what;
        c.release(context(), whole);
        for (long nth = 1; nth <= allocations; nth++) {
            host.clear();
            OxelDestroy(context());
            memory_fail_at(nth);
            void *record = c.build(*this);
            memory_fail_at(0);
            EXPECT_EQ(host.texts(OXEL_KIND_ERROR), std::vector<std::string>{"Memory allocation error"})
                << c.what << " allocation " << nth;
            c.release(context(), record);
        }
    }
}

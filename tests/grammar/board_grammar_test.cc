// Board sections: items, board-level chains, part chains, netlists and headers
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grammar/description_support.h"

namespace {

const std::string kChain =
    "BOARD_LEVEL_CHAIN MAIN\n"
    "  BOARD_LEVEL_TAP TDI J1_TDI TDO J1_TDO TMS J1_TMS TCK J1_TCK END BOARD_LEVEL_TAP\n"
    "  PART_CHAIN 1 U1 JX200 J1_TMS J1_TCK -\n"
    "             2 U2 JX200 J1_TMS J1_TCK J1_TRST END PART_CHAIN\n"
    "END BOARD_LEVEL_CHAIN\n";

std::string header(const std::string &reason) {
    return "OXEL_HEADER CREATION_LOG \"d\" \"c\" \"t\" \"" + reason + "\" END OXEL_HEADER\n";
}

std::string chain_of(const BoardChainRecord *c) { return row(c->name, c->tdi_net, c->tdo_net, c->tms_net, c->tck_net, c->trst_net); }
std::string part_of(const PartChainRecord *p) {
    return row(p->position, p->part_name, p->component_name, p->tms_net, p->tck_net, p->trst_net);
}

class BoardGrammar : public DescriptionTest {};

}  // namespace

TEST_F(BoardGrammar, EveryKindOfBoardItemLandsInItsFieldInOrder) {
    DescriptionRoot *root = parse_ok(
        "BOARD Main_Board\n"
        "  PIN_LIST 1 J1_TDI IN - 2 J1_TDO OUT - END PIN_LIST\n" + header("older") + kChain +
        "  BOARD_LEVEL_CHAIN SECOND BOARD_LEVEL_TAP TDI B END BOARD_LEVEL_TAP\n"
        "    PART_CHAIN 1 U2 C TMS_N TCK_N - END PART_CHAIN END BOARD_LEVEL_CHAIN\n" + header("newer") +
        "  NETLIST_MAP U1 12 NET_A END NETLIST_MAP\n"
        "  NETLIST_MAP U2 1 N2 U2 2 N3 END NETLIST_MAP\n"
        "  TEST_SEQUENCE RESET RST(MAIN, R0) END TEST_SEQUENCE\n"
        "  ILLEGAL_VECTORS NEVER DRS(MAIN, 2, 11) END ILLEGAL_VECTORS\n"
        "  GLOBAL_FAMILY G TCK_STOP_AT_ONE YES END GLOBAL_FAMILY\n"
        "  PIN_FAMILY LVTTL SETUP_TIME 2 END PIN_FAMILY\n"
        "END BOARD\n"
        "BOARD Bare NETLIST_MAP U1 1 N END NETLIST_MAP END BOARD");
    ASSERT_TRUE(root);
    std::vector<BoardRecord *> boards = items_of<BoardRecord>(root->boards);
    ASSERT_EQ(boards.size(), 2u);
    BoardRecord *board = boards[0];
    EXPECT_EQ(row(board->name, board->source_ref), "Main_Board|(null)");
    ASSERT_TRUE(board->header);
    EXPECT_EQ(text_of(board->header->creation_log->reason), "newer");
    EXPECT_EQ(only_item<ItemList>(board->pin_lists)->count, 2);
    std::vector<BoardChainRecord *> chains = items_of<BoardChainRecord>(board->chains);
    ASSERT_EQ(chains.size(), 2u);
    EXPECT_EQ(row(chains[0]->name, chains[1]->name), "MAIN|SECOND");
    std::vector<ItemList *> netlists = items_of<ItemList>(board->netlists);
    ASSERT_EQ(netlists.size(), 2u);
    EXPECT_EQ(row(netlists[0]->count, netlists[1]->count), "1|2");
    EXPECT_EQ(text_of(only_item<SequenceRecord>(board->test_sequences)->name), "RESET");
    EXPECT_EQ(text_of(only_item<SequenceRecord>(board->illegal_sequences)->name), "NEVER");
    EXPECT_EQ(text_of(only_item<GlobalPerformanceRecord>(board->global_performances)->name), "G");
    // The board's pin family belongs to the description, its header to the board.
    EXPECT_EQ(text_of(only_item<PinFamilyRecord>(root->pin_families)->name), "LVTTL");
    EXPECT_EQ(root->header, nullptr);
    for (ItemList *list : {boards[1]->pin_lists, boards[1]->chains, boards[1]->test_sequences,
                           boards[1]->illegal_sequences, boards[1]->global_performances})
        EXPECT_EQ(list, nullptr);
    EXPECT_EQ(boards[1]->header, nullptr);
}

TEST_F(BoardGrammar, TheTapSectionFillsTheNetsItNamesAndPartsKeepTheirOrder) {
    DescriptionRoot *root = parse_ok(
        "board MixedCase\n"
        "  board_level_chain Tdi\n"
        // A repeated signal replaces its net; nets may spell keywords.
        "    board_level_tap TDI FIRST TRST NRST TDO J_TDO tck TMS TMS J_TMS tdi Tck end board_level_tap\n"
        "    part_chain 7 In Out Tms Tck Trst 1 U1 CPLD TMS_NET TCK_NET - end part_chain\n"
        "  end board_level_chain\n"
        "  BOARD_LEVEL_CHAIN C BOARD_LEVEL_TAP TCK CLK END BOARD_LEVEL_TAP\n"
        "    PART_CHAIN 3 U9 X A B C END PART_CHAIN END BOARD_LEVEL_CHAIN\n"
        "end board");
    BoardRecord *board = root ? only_item<BoardRecord>(root->boards) : nullptr;
    ASSERT_TRUE(board);
    EXPECT_EQ(text_of(board->name), "MixedCase");
    std::vector<BoardChainRecord *> chains = items_of<BoardChainRecord>(board->chains);
    ASSERT_EQ(chains.size(), 2u);
    EXPECT_EQ(chain_of(chains[0]), "Tdi|Tck|J_TDO|J_TMS|TMS|NRST");
    std::vector<PartChainRecord *> parts = items_of<PartChainRecord>(chains[0]->parts);
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_EQ(part_of(parts[0]), "7|In|Out|Tms|Tck|Trst");
    EXPECT_EQ(part_of(parts[1]), "1|U1|CPLD|TMS_NET|TCK_NET|(null)");
    // Signals left out leave their nets null.
    EXPECT_EQ(chain_of(chains[1]), "C|(null)|(null)|(null)|CLK|(null)");
}

TEST_F(BoardGrammar, NetEntriesTakePlainAndBusPinReferences) {
    DescriptionRoot *root = parse_ok(
        "BOARD B NETLIST_MAP\n"
        "  U1 12 NET_A\n"
        "  U1 D(3) [N1 N2]\n"
        "  U2 Q(1:3) [N3, N4]\n"
        "  U3 - NC_NET\n"
        // The pin after the component is read in name mode, a bracketed list's first net too.
        "  \"U 4\" TDI [TCK]\n"
        "END NETLIST_MAP END BOARD");
    ASSERT_TRUE(root);
    std::vector<NetRecord *> nets =
        items_of<NetRecord>(only_item<ItemList>(only_item<BoardRecord>(root->boards)->netlists));
    const std::pair<std::string, Texts> expected[] = {
        {row("U1", OXEL_PINREF_PLAIN, "12", 0), {"NET_A"}}, {row("U1", OXEL_PINREF_ELEMENT, "D", 3), {"N1", "N2"}},
        {row("U2", OXEL_PINREF_ELEMENTS, "Q", "1:3"), {"N3", "N4"}}, {row("U3", OXEL_PINREF_PLAIN, "(null)", 0), {"NC_NET"}},
        {row("U 4", OXEL_PINREF_PLAIN, "TDI", 0), {"TCK"}}};
    ASSERT_EQ(nets.size(), std::size(expected));
    for (size_t i = 0; i < nets.size(); i++) {
        EXPECT_EQ(text_of(nets[i]->component_name) + "|" + pin_ref_of(nets[i]->pin), expected[i].first);
        EXPECT_EQ(texts_of(nets[i]->nets), expected[i].second);
    }
}

TEST_F(BoardGrammar, EachBrokenConstructNamesWhatWasExpected) {
    const std::string chain = "BOARD B BOARD_LEVEL_CHAIN C ", tap = chain + "BOARD_LEVEL_TAP ";
    const std::string parts = tap + "TDI A END BOARD_LEVEL_TAP\n";
    expect_details({
        {"BOARD B1 END BOARD", "Board section or END BOARD expected"},
        {"BOARD B1 NETLIST_MAP U1 1 N END NETLIST_MAP COMPONENT END BOARD", "Board section or END BOARD expected"},
        {chain + "PART_CHAIN 1 U1 X A B - END PART_CHAIN END BOARD_LEVEL_CHAIN END BOARD", "Board tap expected"},
        {tap + "TDX NET1 END BOARD_LEVEL_TAP", "TDI, TDO, TMS, TCK or TRST expected"},
        {tap + "TDI A \"TDX\" NET1", "TDI, TDO, TMS, TCK or TRST expected"},
        {tap + "TCK END BOARD_LEVEL_TAP", "TAP map error"},
        {tap + "TDI A 5 B END BOARD_LEVEL_TAP", "TAP map error"},
        {tap + "END BOARD_LEVEL_TAP", "TAP map error"},
        {parts + "END BOARD_LEVEL_CHAIN END BOARD", "Part chain expected"},
        {parts + "PART_CHAIN 1 U1 X TMS_N TCK_N END PART_CHAIN", "Chain element or END PART_CHAIN expected"},
        {parts + "PART_CHAIN 1 U1 X A B - U2 END PART_CHAIN", "Chain element or END PART_CHAIN expected"},
        {"BOARD B NETLIST_MAP END NETLIST_MAP END BOARD", "Netlist map error - name expected"},
        {"BOARD B NETLIST_MAP U1 1 N1 U2 3 END NETLIST_MAP END BOARD", "Netlist map error - name expected"},
        {"OXEL_HEADER CREATION_LOG \"a\" \"b\" \"c\" END OXEL_HEADER", "CREATIONLOG expected"},
        {"OXEL_HEADER CREATION_LOG \"a\" \"b\" \"c\" d END OXEL_HEADER", "CREATIONLOG expected"},
        {"BOARD B OXEL_HEADER END OXEL_HEADER END BOARD", "CREATIONLOG expected"},
        // Everything built up to the error is released with the stack.
        {"PIN_FAMILY F SETUP_TIME 1 END PIN_FAMILY\nBOARD B\n" + header("r") + kChain +
             "  PIN_FAMILY G HOLD_TIME 2 END PIN_FAMILY\n"
             "  TEST_SEQUENCE S CMT(\"x\") PPA(T, G (TDI: A B); P, Q, 1, X(1:2)) END TEST_SEQUENCE\n"
             "  NETLIST_MAP U1 1 N1 END NETLIST_MAP\n"
             "  BOARD_LEVEL_CHAIN C2 BOARD_LEVEL_TAP TDI A TDO B TCK C TMS D TRST E TXX",
         "TDI, TDO, TMS, TCK or TRST expected"},
    });
}

TEST_F(BoardGrammar, BoardsCopyTheReasonOfTheLatestFileHeader) {
    DescriptionRoot *root = parse_ok(
        "BOARD BEFORE NETLIST_MAP U1 1 N END NETLIST_MAP END BOARD\n" + header("first reason") +
        "BOARD AFTER_FIRST NETLIST_MAP U1 1 N END NETLIST_MAP\n" + header("board reason") + "END BOARD\n"
        "BOARD STILL_FIRST NETLIST_MAP U1 1 N END NETLIST_MAP END BOARD\n"
        "OXEL_HEADER CREATION_LOG: \"5\" \"e\" \"t\" \"second reason\"\n"
        "  CHANGE_LOG \"2\" \"b\" \"t2\" \"change one\" CHANGE_LOG: \"3\" \"c\" \"t3\" \"change two\"\n"
        "END OXEL_HEADER\n"
        "BOARD AFTER_SECOND NETLIST_MAP U1 1 N END NETLIST_MAP END BOARD");
    ASSERT_TRUE(root);
    std::vector<BoardRecord *> boards = items_of<BoardRecord>(root->boards);
    ASSERT_EQ(boards.size(), 4u);
    // A header inside a board is the board's own and changes nothing else.
    EXPECT_EQ(row(boards[0]->source_ref, boards[1]->source_ref, boards[2]->source_ref, boards[3]->source_ref),
              "(null)|first reason|first reason|second reason");
    // The second file header replaced the first; each board owns a copy.
    ASSERT_TRUE(root->header);
    LogRecord *log = root->header->creation_log;
    EXPECT_EQ(row(log->date, log->creator, log->tool, log->reason), "5|e|t|second reason");
    EXPECT_NE(boards[3]->source_ref, log->reason);
    std::vector<LogRecord *> changes = items_of<LogRecord>(root->header->change_logs);
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(row(changes[0]->date, changes[0]->creator, changes[0]->tool, changes[0]->reason), "2|b|t2|change one");
    EXPECT_EQ(row(changes[1]->date, changes[1]->creator, changes[1]->tool, changes[1]->reason), "3|c|t3|change two");
}

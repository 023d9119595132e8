// Board sections: items, board-level chains, part chains, netlists and headers
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "grammar/description_support.h"

namespace {

const char *const kChain =
    "BOARD_LEVEL_CHAIN MAIN\n"
    "  BOARD_LEVEL_TAP TDI J1_TDI TDO J1_TDO TMS J1_TMS TCK J1_TCK END BOARD_LEVEL_TAP\n"
    "  PART_CHAIN 1 U1 JX200 J1_TMS J1_TCK -\n"
    "             2 U2 JX200 J1_TMS J1_TCK J1_TRST END PART_CHAIN\n"
    "END BOARD_LEVEL_CHAIN\n";

const char *const kHeader =
    "OXEL_HEADER CREATION_LOG \"2026-01-05\" \"A. Tester\" \"hand edit\" \"First cut\" END OXEL_HEADER\n";

class BoardGrammar : public DescriptionTest {};

}  // namespace

TEST_F(BoardGrammar, EveryKindOfBoardItemLandsInItsField) {
    DescriptionRoot *root = parse_ok(
        "BOARD Main_Board\n"
        "  PIN_LIST 1 J1_TDI IN - 2 J1_TDO OUT - END PIN_LIST\n"
        "  " + std::string(kHeader) + std::string(kChain) +
        "  NETLIST_MAP U1 12 NET_A END NETLIST_MAP\n"
        "  TEST_SEQUENCE RESET RST(MAIN, R0) END TEST_SEQUENCE\n"
        "  ILLEGAL_VECTORS NEVER DRS(MAIN, 2, 11) END ILLEGAL_VECTORS\n"
        "  GLOBAL_FAMILY G TCK_STOP_AT_ONE YES END GLOBAL_FAMILY\n"
        "  PIN_FAMILY LVTTL SETUP_TIME 2 END PIN_FAMILY\n"
        "END BOARD");
    ASSERT_TRUE(root);
    BoardRecord *board = only_item<BoardRecord>(root->boards);
    ASSERT_TRUE(board);
    EXPECT_EQ(text_of(board->name), "Main_Board");
    EXPECT_EQ(board->source_ref, nullptr);
    ASSERT_TRUE(board->header);
    EXPECT_EQ(text_of(board->header->creation_log->reason), "First cut");
    ItemList *pins = only_item<ItemList>(board->pin_lists);
    ASSERT_TRUE(pins);
    EXPECT_EQ(pins->count, 2);
    ASSERT_TRUE(board->chains);
    EXPECT_EQ(board->chains->count, 1);
    ASSERT_TRUE(board->netlists);
    EXPECT_EQ(board->netlists->count, 1);
    EXPECT_EQ(text_of(only_item<SequenceRecord>(board->test_sequences)->name), "RESET");
    EXPECT_EQ(text_of(only_item<SequenceRecord>(board->illegal_sequences)->name), "NEVER");
    EXPECT_EQ(text_of(only_item<GlobalPerformanceRecord>(board->global_performances)->name), "G");
    // The board's pin family belongs to the description, not to the board.
    EXPECT_EQ(text_of(only_item<PinFamilyRecord>(root->pin_families)->name), "LVTTL");
    // A board header is the board's own: the file has none.
    EXPECT_EQ(root->header, nullptr);
}

TEST_F(BoardGrammar, RepeatedItemsKeepTheirOrderAndTheLastHeaderWins) {
    DescriptionRoot *root = parse_ok(
        "BOARD B\n"
        "  BOARD_LEVEL_CHAIN FIRST BOARD_LEVEL_TAP TDI A END BOARD_LEVEL_TAP\n"
        "    PART_CHAIN 1 U1 C TMS_N TCK_N - END PART_CHAIN END BOARD_LEVEL_CHAIN\n"
        "  OXEL_HEADER CREATION_LOG \"d\" \"c\" \"t\" \"older\" END OXEL_HEADER\n"
        "  BOARD_LEVEL_CHAIN SECOND BOARD_LEVEL_TAP TDI B END BOARD_LEVEL_TAP\n"
        "    PART_CHAIN 1 U2 C TMS_N TCK_N - END PART_CHAIN END BOARD_LEVEL_CHAIN\n"
        "  OXEL_HEADER CREATION_LOG \"d\" \"c\" \"t\" \"newer\" END OXEL_HEADER\n"
        "  NETLIST_MAP U1 1 N1 END NETLIST_MAP\n"
        "  NETLIST_MAP U2 1 N2 U2 2 N3 END NETLIST_MAP\n"
        "END BOARD");
    ASSERT_TRUE(root);
    BoardRecord *board = only_item<BoardRecord>(root->boards);
    ASSERT_TRUE(board);
    std::vector<BoardChainRecord *> chains = items_of<BoardChainRecord>(board->chains);
    ASSERT_EQ(chains.size(), 2u);
    EXPECT_EQ(text_of(chains[0]->name), "FIRST");
    EXPECT_EQ(text_of(chains[1]->name), "SECOND");
    EXPECT_EQ(text_of(board->header->creation_log->reason), "newer");
    std::vector<ItemList *> netlists = items_of<ItemList>(board->netlists);
    ASSERT_EQ(netlists.size(), 2u);
    EXPECT_EQ(netlists[0]->count, 1);
    EXPECT_EQ(netlists[1]->count, 2);
    EXPECT_EQ(board->test_sequences, nullptr);
    EXPECT_EQ(board->pin_lists, nullptr);
}

TEST_F(BoardGrammar, NamesKeepTheirCaseAndMaySpellKeywords) {
    DescriptionRoot *root = parse_ok(
        "board MixedCase\n"
        "  board_level_chain Tdi\n"
        "    board_level_tap tdi Tck tck TMS end board_level_tap\n"
        "    part_chain 7 In Out Tms Tck Trst end part_chain\n"
        "  end board_level_chain\n"
        "end board");
    ASSERT_TRUE(root);
    BoardRecord *board = only_item<BoardRecord>(root->boards);
    ASSERT_TRUE(board);
    EXPECT_EQ(text_of(board->name), "MixedCase");
    BoardChainRecord *chain = only_item<BoardChainRecord>(board->chains);
    ASSERT_TRUE(chain);
    EXPECT_EQ(text_of(chain->name), "Tdi");
    EXPECT_EQ(text_of(chain->tdi_net), "Tck");
    EXPECT_EQ(text_of(chain->tck_net), "TMS");
    PartChainRecord *part = only_item<PartChainRecord>(chain->parts);
    ASSERT_TRUE(part);
    EXPECT_EQ(part->position, 7);
    EXPECT_EQ(text_of(part->part_name), "In");
    EXPECT_EQ(text_of(part->component_name), "Out");
    EXPECT_EQ(text_of(part->tms_net), "Tms");
    EXPECT_EQ(text_of(part->tck_net), "Tck");
    EXPECT_EQ(text_of(part->trst_net), "Trst");
}

TEST_F(BoardGrammar, TheTapSectionFillsTheFiveNetsAndARepeatedSignalReplacesItsNet) {
    DescriptionRoot *root = parse_ok(
        "BOARD B BOARD_LEVEL_CHAIN C\n"
        "  BOARD_LEVEL_TAP TDI FIRST_TDI TRST NRST TDO J_TDO TCK CLK_NET TMS J_TMS TDI \"J TDI\"\n"
        "  END BOARD_LEVEL_TAP\n"
        "  PART_CHAIN 1 U1 CPLD TMS_NET TCK_NET - END PART_CHAIN\n"
        "END BOARD_LEVEL_CHAIN END BOARD");
    ASSERT_TRUE(root);
    BoardChainRecord *chain = only_item<BoardChainRecord>(only_item<BoardRecord>(root->boards)->chains);
    ASSERT_TRUE(chain);
    EXPECT_EQ(text_of(chain->tdi_net), "J TDI");
    EXPECT_EQ(text_of(chain->tdo_net), "J_TDO");
    EXPECT_EQ(text_of(chain->tms_net), "J_TMS");
    EXPECT_EQ(text_of(chain->tck_net), "CLK_NET");
    EXPECT_EQ(text_of(chain->trst_net), "NRST");
    PartChainRecord *part = only_item<PartChainRecord>(chain->parts);
    ASSERT_TRUE(part);
    EXPECT_EQ(part->position, 1);
    EXPECT_EQ(text_of(part->part_name), "U1");
    EXPECT_EQ(text_of(part->component_name), "CPLD");
    EXPECT_EQ(text_of(part->tms_net), "TMS_NET");
    EXPECT_EQ(text_of(part->tck_net), "TCK_NET");
    EXPECT_EQ(part->trst_net, nullptr);
}

TEST_F(BoardGrammar, ATapSectionWithoutSomeSignalsLeavesTheirNetsNull) {
    DescriptionRoot *root = parse_ok(
        "BOARD B BOARD_LEVEL_CHAIN C BOARD_LEVEL_TAP TCK CLK END BOARD_LEVEL_TAP\n"
        "  PART_CHAIN 3 U9 X A B C END PART_CHAIN END BOARD_LEVEL_CHAIN END BOARD");
    ASSERT_TRUE(root);
    BoardChainRecord *chain = only_item<BoardChainRecord>(only_item<BoardRecord>(root->boards)->chains);
    ASSERT_TRUE(chain);
    EXPECT_EQ(text_of(chain->tck_net), "CLK");
    EXPECT_EQ(chain->tdi_net, nullptr);
    EXPECT_EQ(chain->tdo_net, nullptr);
    EXPECT_EQ(chain->tms_net, nullptr);
    EXPECT_EQ(chain->trst_net, nullptr);
}

TEST_F(BoardGrammar, NetEntriesTakePlainAndBusPinReferences) {
    DescriptionRoot *root = parse_ok(
        "BOARD B NETLIST_MAP\n"
        "  U1 12 NET_A\n"
        "  U1 D(3) [N1 N2]\n"
        "  U2 Q(1:3) [N3, N4]\n"
        "  U3 - NC_NET\n"
        "  \"U 4\" TDI [TCK]\n"
        "END NETLIST_MAP END BOARD");
    ASSERT_TRUE(root);
    ItemList *netlist = only_item<ItemList>(only_item<BoardRecord>(root->boards)->netlists);
    std::vector<NetRecord *> nets = items_of<NetRecord>(netlist);
    ASSERT_EQ(nets.size(), 5u);

    EXPECT_EQ(text_of(nets[0]->component_name), "U1");
    ASSERT_TRUE(nets[0]->pin);
    EXPECT_EQ(nets[0]->pin->kind, OXEL_PINREF_PLAIN);
    EXPECT_EQ(text_of(nets[0]->pin->name), "12");
    EXPECT_EQ(texts_of(nets[0]->nets), std::vector<std::string>{"NET_A"});

    EXPECT_EQ(nets[1]->pin->kind, OXEL_PINREF_ELEMENT);
    EXPECT_EQ(text_of(nets[1]->pin->name), "D");
    EXPECT_EQ(nets[1]->pin->selector, 3);
    EXPECT_EQ(texts_of(nets[1]->nets), (std::vector<std::string>{"N1", "N2"}));

    EXPECT_EQ(nets[2]->pin->kind, OXEL_PINREF_ELEMENTS);
    IndexRecord *range = only_item<IndexRecord>(reinterpret_cast<ItemList *>(nets[2]->pin->selector));
    ASSERT_TRUE(range);
    EXPECT_EQ(range->kind, OXEL_INDEX_RANGE);
    EXPECT_EQ(range->first, 1);
    EXPECT_EQ(range->last, 3);
    EXPECT_EQ(texts_of(nets[2]->nets), (std::vector<std::string>{"N3", "N4"}));

    EXPECT_EQ(nets[3]->pin->kind, OXEL_PINREF_PLAIN);
    EXPECT_EQ(nets[3]->pin->name, nullptr);

    // The pin after the component is read in name mode, a bracketed list's
    // first net too.
    EXPECT_EQ(text_of(nets[4]->component_name), "U 4");
    EXPECT_EQ(text_of(nets[4]->pin->name), "TDI");
    EXPECT_EQ(texts_of(nets[4]->nets), std::vector<std::string>{"TCK"});
}

TEST_F(BoardGrammar, EachBrokenConstructNamesWhatWasExpected) {
    EXPECT_EQ(detail_of("BOARD B1 END BOARD"), "Board section or END BOARD expected");
    EXPECT_EQ(detail_of("BOARD B1 NETLIST_MAP U1 1 N END NETLIST_MAP COMPONENT END BOARD"),
              "Board section or END BOARD expected");
    EXPECT_EQ(detail_of("BOARD B BOARD_LEVEL_CHAIN C PART_CHAIN 1 U1 X A B - END PART_CHAIN\n"
                        "END BOARD_LEVEL_CHAIN END BOARD"),
              "Board tap expected");
    EXPECT_EQ(detail_of("BOARD B BOARD_LEVEL_CHAIN C BOARD_LEVEL_TAP TDX NET1 END BOARD_LEVEL_TAP"),
              "TDI, TDO, TMS, TCK or TRST expected");
    EXPECT_EQ(detail_of("BOARD B BOARD_LEVEL_CHAIN C BOARD_LEVEL_TAP TDI A \"TDX\" NET1"),
              "TDI, TDO, TMS, TCK or TRST expected");
    EXPECT_EQ(detail_of("BOARD B BOARD_LEVEL_CHAIN C BOARD_LEVEL_TAP TCK END BOARD_LEVEL_TAP"),
              "TAP map error");
    EXPECT_EQ(detail_of("BOARD B BOARD_LEVEL_CHAIN C BOARD_LEVEL_TAP TDI A 5 B END BOARD_LEVEL_TAP"),
              "TAP map error");
    EXPECT_EQ(detail_of("BOARD B BOARD_LEVEL_CHAIN C BOARD_LEVEL_TAP END BOARD_LEVEL_TAP"),
              "TAP map error");
    EXPECT_EQ(detail_of("BOARD B BOARD_LEVEL_CHAIN C BOARD_LEVEL_TAP TDI A END BOARD_LEVEL_TAP\n"
                        "END BOARD_LEVEL_CHAIN END BOARD"),
              "Part chain expected");
    EXPECT_EQ(detail_of("BOARD B BOARD_LEVEL_CHAIN C BOARD_LEVEL_TAP TDI A END BOARD_LEVEL_TAP\n"
                        "PART_CHAIN 1 U1 X TMS_N TCK_N END PART_CHAIN"),
              "Chain element or END PART_CHAIN expected");
    EXPECT_EQ(detail_of("BOARD B BOARD_LEVEL_CHAIN C BOARD_LEVEL_TAP TDI A END BOARD_LEVEL_TAP\n"
                        "PART_CHAIN 1 U1 X A B - U2 END PART_CHAIN"),
              "Chain element or END PART_CHAIN expected");
    EXPECT_EQ(detail_of("BOARD B NETLIST_MAP END NETLIST_MAP END BOARD"),
              "Netlist map error - name expected");
    EXPECT_EQ(detail_of("BOARD B NETLIST_MAP U1 1 N1 U2 3 END NETLIST_MAP END BOARD"),
              "Netlist map error - name expected");
}

TEST_F(BoardGrammar, AFailedBoardLeavesNoDescription) {
    // Everything built up to the error is released: the sanitizer build
    // watches for leaks, the roots show nothing was filed.
    std::string detail = detail_of(
        "PIN_FAMILY F SETUP_TIME 1 END PIN_FAMILY\n"
        "BOARD B\n" + std::string(kHeader) + std::string(kChain) +
        "  PIN_FAMILY G HOLD_TIME 2 END PIN_FAMILY\n"
        "  TEST_SEQUENCE S CMT(\"x\") PPA(T, G (TDI: A B); P, Q, 1, X(1:2)) END TEST_SEQUENCE\n"
        "  NETLIST_MAP U1 1 N1 END NETLIST_MAP\n"
        "  BOARD_LEVEL_CHAIN C2 BOARD_LEVEL_TAP TDI A TDO B TCK C TMS D TRST E TXX");
    EXPECT_EQ(detail, "TDI, TDO, TMS, TCK or TRST expected");
    DescriptionRoot *root = OxelGetInfo();
    EXPECT_EQ(root->boards, nullptr);
    EXPECT_EQ(root->pin_families, nullptr);
    EXPECT_EQ(root->header, nullptr);
}

// Headers at the top level and the source reference they give boards.

TEST_F(BoardGrammar, AHeaderWithoutChangeLogsHasAnEmptyList) {
    DescriptionRoot *root = parse_ok(kHeader);
    ASSERT_TRUE(root);
    ASSERT_TRUE(root->header);
    LogRecord *log = root->header->creation_log;
    ASSERT_TRUE(log);
    EXPECT_EQ(text_of(log->date), "2026-01-05");
    EXPECT_EQ(text_of(log->creator), "A. Tester");
    EXPECT_EQ(text_of(log->tool), "hand edit");
    EXPECT_EQ(text_of(log->reason), "First cut");
    ASSERT_TRUE(root->header->change_logs);
    EXPECT_EQ(root->header->change_logs->count, 0);
}

TEST_F(BoardGrammar, BoardsCopyTheReasonOfTheLatestFileHeader) {
    DescriptionRoot *root = parse_ok(
        "BOARD BEFORE NETLIST_MAP U1 1 N END NETLIST_MAP END BOARD\n"
        "OXEL_HEADER CREATION_LOG \"1\" \"a\" \"t\" \"first reason\"\n"
        "  CHANGE_LOG: \"2\" \"b\" \"t\" \"change one\" CHANGE_LOG \"3\" \"c\" \"t\" \"change two\"\n"
        "END OXEL_HEADER\n"
        "BOARD AFTER_FIRST NETLIST_MAP U1 1 N END NETLIST_MAP\n"
        "  OXEL_HEADER CREATION_LOG \"4\" \"d\" \"t\" \"board reason\" END OXEL_HEADER\n"
        "END BOARD\n"
        "BOARD STILL_FIRST NETLIST_MAP U1 1 N END NETLIST_MAP END BOARD\n"
        "OXEL_HEADER CREATION_LOG: \"5\" \"e\" \"t\" \"second reason\" END OXEL_HEADER\n"
        "BOARD AFTER_SECOND NETLIST_MAP U1 1 N END NETLIST_MAP END BOARD");
    ASSERT_TRUE(root);
    std::vector<BoardRecord *> boards = items_of<BoardRecord>(root->boards);
    ASSERT_EQ(boards.size(), 4u);
    EXPECT_EQ(boards[0]->source_ref, nullptr);
    EXPECT_EQ(text_of(boards[1]->source_ref), "first reason");
    // A header inside a board is the board's own and changes nothing else.
    EXPECT_EQ(text_of(boards[2]->source_ref), "first reason");
    EXPECT_EQ(text_of(boards[3]->source_ref), "second reason");
    // The second file header replaced the first; each board owns a copy.
    ASSERT_TRUE(root->header);
    EXPECT_EQ(text_of(root->header->creation_log->reason), "second reason");
    EXPECT_EQ(root->header->change_logs->count, 0);
    EXPECT_NE(boards[3]->source_ref, root->header->creation_log->reason);
}

TEST_F(BoardGrammar, ChangeLogsFollowTheCreationLogInOrder) {
    DescriptionRoot *root = parse_ok(
        "OXEL_HEADER CREATION_LOG \"1\" \"a\" \"t\" \"r\"\n"
        "  CHANGE_LOG \"2\" \"b\" \"t2\" \"second\" CHANGE_LOG: \"3\" \"c\" \"t3\" \"third\"\n"
        "END OXEL_HEADER");
    ASSERT_TRUE(root);
    std::vector<LogRecord *> logs = items_of<LogRecord>(root->header->change_logs);
    ASSERT_EQ(logs.size(), 2u);
    EXPECT_EQ(text_of(logs[0]->date), "2");
    EXPECT_EQ(text_of(logs[0]->reason), "second");
    EXPECT_EQ(text_of(logs[1]->creator), "c");
    EXPECT_EQ(text_of(logs[1]->tool), "t3");
}

TEST_F(BoardGrammar, BrokenHeadersNameWhatWasExpected) {
    EXPECT_EQ(detail_of("OXEL_HEADER CREATION_LOG \"a\" \"b\" \"c\" END OXEL_HEADER"),
              "CREATIONLOG expected");
    EXPECT_EQ(detail_of("OXEL_HEADER CREATION_LOG \"a\" \"b\" \"c\" d END OXEL_HEADER"),
              "CREATIONLOG expected");
    EXPECT_EQ(detail_of("OXEL_HEADER CREATION_LOG \"a\" \"b\" \"c\" \"d\" TEST END OXEL_HEADER"),
              "CHANGELOG or END OXEL_HEADER expected");
    EXPECT_EQ(detail_of("BOARD B OXEL_HEADER END OXEL_HEADER END BOARD"), "CREATIONLOG expected");
}

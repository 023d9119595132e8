// Message locations: where the messages a host receives point, read through oxel_message_location
#include <cstdio>

#include "base/memory.h"
#include "support/recorder.h"

namespace {

// Where the first message whose text begins with `start` points; "?" when no message does.
std::string where_of(const Recorder &host, const std::string &start) {
    for (const RecordedMessage &m : host.messages)
        if (m.text.rfind(start, 0) == 0)
            return m.where;
    return "?";
}

std::string at(const std::string &file, int line, int column) {
    return file + ":" + std::to_string(line) + ":" + std::to_string(column);
}

using MessageLocation = ParseTest;

}  // namespace

// A syntax error after an include names the main file and its own line,
// while the message text keeps the running count of the whole input.
TEST_F(MessageLocation, ASyntaxErrorAfterAnIncludePointsAtTheTokenInTheMainFile) {
    std::string good = write_temp_file("loc_good.oxel", "COMPONENT C\nEND COMPONENT\n");
    std::string path = write_temp_file("loc_main2.oxel", "OXEL\n#include " + good + "\n  FOO\nEND OXEL\n");
    ASSERT_EQ(parse_file(path), OXEL_FAILED);
    ASSERT_EQ(host.texts(OXEL_KIND_ERROR), Texts{"syntax error >> line 7 near \"FOO\""}) << host.dump();
    EXPECT_EQ(where_of(host, "syntax error"), at(path, 3, 3));
    // The detail line points where its message does.
    ASSERT_EQ(host.messages.back().kind, OXEL_KIND_NOTE);
    EXPECT_EQ(host.messages.back().where, at(path, 3, 3));
}

// The lexer's and the include handling's own messages point at the token or
// the directive they are about, in the file that holds it.
TEST_F(MessageLocation, LexerAndIncludeMessagesPointAtTheirDirectiveOrToken) {
    std::string inner = write_temp_file(
        "loc_lexer_inner.oxel", "* inner\n#pragma once\n    " + std::string(5121, 'w') + "\n");
    std::string path = write_temp_file(
        "loc_lexer_main.oxel", "OXEL\n\n#include /no/such/file.oxel\n#include " + inner + "\nEND OXEL\n");
    EXPECT_EQ(parse_file(path), OXEL_FAILED);
    EXPECT_EQ(where_of(host, "syntax error >> line 4\n            Couldn't open"), at(path, 3, 1));
    EXPECT_EQ(where_of(host, "syntax error >> line 4\n            Ignoring"), at(path, 3, 1));
    EXPECT_EQ(where_of(host, "syntax error >> line 8\n            Illegal directive #pragma"), at(inner, 2, 1));
    EXPECT_EQ(where_of(host, "syntax error >> line 8\n            String exceeds"), at(inner, 3, 5));
}

// Findings of the checks point at the record they are about, also when the record was read from an include
// file or its section began in one and ended in the main file. A finding about the board as a whole points at
// the board, a progress or status line nowhere.
TEST_F(MessageLocation, CheckFindingsPointAtTheirRecord) {
    std::string component_start = write_temp_file(
        "loc_component.oxel", "COMPONENT C\n  PIN_LIST\n    1 TCK TCK -\n    2 TMS TMS -\n    3 TDI TDI -\n"
                              "    4 TDO TDO -\n    5 A   IN  -\n    6 B   IN  -\n    7 B   IN  -\n  END PIN_LIST\n");
    std::string board = write_temp_file(
        "loc_board.oxel", "BOARD B\n  NETLIST_MAP\n    C A NA\n    ZZ B NB\n  END NETLIST_MAP\nEND BOARD\n");
    std::string path = write_temp_file(
        "loc_check_main.oxel",
        "OXEL\n#include " + component_start +
            "\n  INSTRUCTION_REGISTER IR LENGTH 2 PURPOSE \"p\" CAPTURE \"01\"\n    INSTRUCTION_LIST\n"
            "      BYPASS \"11\" BPR SAMPLE -\n      EXTEST \"00\" NOPE EXTERNAL -\n"
            "    END INSTRUCTION_LIST\n  END INSTRUCTION_REGISTER\n"
            "  BYPASS_REGISTER BPR PURPOSE \"b\" LENGTH 1 CAPTURE \"0\" END BYPASS_REGISTER\n"
            "  BOUNDARY_SCAN_REGISTER BSR PURPOSE \"s\" LENGTH 1 CHAIN_LIST\n    0 BC_9 A - - - - -\n"
            "  END CHAIN_LIST END BOUNDARY_SCAN_REGISTER\nEND COMPONENT\n#include " + board + "\nEND OXEL\n");
    ASSERT_EQ(parse_file(path), OXEL_OK) << host.dump();
    host.clear();
    ASSERT_EQ(OxelCheck(host.host()), OXEL_FAILED);
    EXPECT_EQ(where_of(host, "Pin \"B\" has BST type"), at(component_start, 8, 5)) << host.dump();
    EXPECT_EQ(where_of(host, "Instruction \"EXTEST\" is accessing"), at(path, 6, 7));
    EXPECT_EQ(where_of(host, "Using undefined cell \"BC_9\""), at(path, 11, 5));
    EXPECT_EQ(where_of(host, "Component \"ZZ\" in net description"), at(board, 4, 5));
    EXPECT_EQ(where_of(host, "Missing BoardTAP list"), at(board, 1, 1));
    // A repeated pin name points at its second entry, here in the include file.
    EXPECT_EQ(where_of(host, "Pin name \"B\" is multiple defined"), at(component_start, 9, 5));
    for (const RecordedMessage &m : host.messages)
        EXPECT_TRUE(m.where.empty() || (m.kind != OXEL_KIND_PROGRESS && m.kind != OXEL_KIND_STATUS))
            << m.text;
}

// A finding that names one entry of a list points at that entry: a repeated
// pin name or number at its second entry (a bus's numbers at the bus), a
// repeated TAP name at the second TAP, a register name met again at the
// register that repeats it, a cell mode at its line of the mode list.
TEST_F(MessageLocation, FindingsAboutAnEntryPointAtTheEntry) {
    std::string path = write_temp_file(
        "loc_entries.oxel",
        "OXEL\n"
        "COMPONENT C\n"
        "  PIN_LIST\n"
        "    1 TCK TCK -\n    2 TMS TMS -\n    3 TDI TDI -\n    4 TDO TDO -\n"
        "    5 A   IN  -\n"                                              // 8
        "    6 A   IN  -\n"                                              // 9: A again
        "    5 B   IN  -\n"                                              // 10: 5 again
        "    (12:13) D(0:1) IN -\n"                                      // 11
        "    12 E IN -\n"                                                // 12: 12 again, after the bus
        "    (13) F(0) IN -\n"                                           // 13: 13 again, in a bus
        "  END PIN_LIST\n"
        "  INSTRUCTION_REGISTER IR LENGTH 2 PURPOSE \"p\" CAPTURE \"01\"\n"
        "    INSTRUCTION_LIST\n      BYPASS \"11\" BPR SAMPLE -\n    END INSTRUCTION_LIST\n"
        "  END INSTRUCTION_REGISTER\n"
        "  BYPASS_REGISTER BPR PURPOSE \"b\" LENGTH 1 CAPTURE \"0\" END BYPASS_REGISTER\n"   // 20
        "  DATA_REGISTER BPR PURPOSE \"d\" LENGTH 1 CAPTURE \"0\" END DATA_REGISTER\n"       // 21: BPR again
        "  CELL BC_1\n"                                                  // 22
        "    DATA_INPUTS [PI] DATA_OUTPUTS [PO]\n"
        "    MODE_LIST\n"
        "      INTERNAL 0 PI PI\n"
        "      HIZ 1 PI PI\n"                                            // 26
        "      EXTERNAL 1 - PI\n"                                        // 27
        "    END MODE_LIST\n"
        "  END CELL\n"
        "END COMPONENT\n"
        "BOARD B\n"                                                      // 31
        "  BOARD_LEVEL_CHAIN T1\n"                                       // 32
        "    BOARD_LEVEL_TAP TDI N1 TDO N2 TMS N3 TCK N4 END BOARD_LEVEL_TAP\n"
        "    PART_CHAIN 1 U1 C N3 N4 - END PART_CHAIN\n"
        "  END BOARD_LEVEL_CHAIN\n"
        "  BOARD_LEVEL_CHAIN T1\n"                                       // 36: T1 again
        "    BOARD_LEVEL_TAP TDI N1 TDO N2 TMS N3 TCK N4 END BOARD_LEVEL_TAP\n"
        "    PART_CHAIN 1 U1 C N3 N4 - END PART_CHAIN\n"
        "  END BOARD_LEVEL_CHAIN\n"
        "END BOARD\n"
        "END OXEL\n");
    ASSERT_EQ(parse_file(path), OXEL_OK) << host.dump();
    host.clear();
    ASSERT_EQ(OxelCheck(host.host()), OXEL_FAILED);
    EXPECT_EQ(where_of(host, "Pin name \"A\" is multiple defined"), at(path, 9, 5)) << host.dump();
    EXPECT_EQ(where_of(host, "Pin number \"5\" is multiple defined"), at(path, 10, 5));
    EXPECT_EQ(where_of(host, "Pin number \"12\" is multiple defined"), at(path, 12, 5));
    EXPECT_EQ(where_of(host, "Pin number \"13\" is multiple defined"), at(path, 13, 5));
    EXPECT_EQ(where_of(host, "Name conflict with register \"BPR\""), at(path, 21, 3));
    EXPECT_EQ(where_of(host, "Cell mode HIZ with wrong PO data"), at(path, 26, 7));
    EXPECT_EQ(where_of(host, "Missing capture for mode \"EXTERNAL\""), at(path, 27, 7));
    EXPECT_EQ(where_of(host, "Board tap T1 multiple defined"), at(path, 36, 3));
    // What the findings say and in which order stays as it was.
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR),
              (Texts{"Board tap T1 multiple defined",
                     "Net \"N1\" is not a valid net or connector name", "Net \"N2\" is not a valid net or connector name",
                     "Net \"N3\" is not a valid net or connector name", "Net \"N4\" is not a valid net or connector name",
                     "TMS name \"N3\" in part chain not defined as net or connector",
                     "TCK name \"N4\" in part chain not defined as net or connector",
                     "Net \"N1\" is not a valid net or connector name", "Net \"N2\" is not a valid net or connector name",
                     "Net \"N3\" is not a valid net or connector name", "Net \"N4\" is not a valid net or connector name",
                     "TMS name \"N3\" in part chain not defined as net or connector",
                     "TCK name \"N4\" in part chain not defined as net or connector",
                     "Pin name \"A\" is multiple defined", "Pin number \"5\" is multiple defined",
                     "Pin number \"12\" is multiple defined", "Pin number \"13\" is multiple defined",
                     "Cell mode HIZ with wrong PO data (not 1,0,Z) in cell \"BC_1\"",
                     "Missing capture for mode \"EXTERNAL\" in cell \"BC_1\""}));
}

// A repeated cell or chain position points at its second entry; a finding
// about a part of a chain, a net node or a step of a test sequence at that
// entry's own line, not at the section that holds it.
TEST_F(MessageLocation, FindingsAboutCellsElementsPartsNodesAndStepsPointAtTheirLine) {
    std::string path = write_temp_file(
        "loc_lines.oxel",
        "OXEL\n"
        "COMPONENT C\n"
        "  PIN_LIST\n    1 TCK TCK -\n    2 TMS TMS -\n    3 TDI TDI -\n    4 TDO TDO -\n    5 A IN -\n"
        "  END PIN_LIST\n"
        "  CELL BC_1 DATA_INPUTS [PI] DATA_OUTPUTS [PO] MODE_LIST INTERNAL 0 PI PI END MODE_LIST END CELL\n"
        "  CELL BC_1 DATA_INPUTS [PI] DATA_OUTPUTS [PO] MODE_LIST INTERNAL 0 PI PI END MODE_LIST END CELL\n"  // 11
        "  BOUNDARY_SCAN_REGISTER BSR PURPOSE \"s\" LENGTH 2 CHAIN_LIST\n"
        "    0 BC_1 A - - - - -\n"
        "    0 BC_1 A - - - - -\n"                                       // 14
        "  END CHAIN_LIST END BOUNDARY_SCAN_REGISTER\n"
        "  TEST_SEQUENCE S1\n"
        "    PPA(P, G1, 1, A)\n"
        "    WTN(NOGROUP, 5)\n"                                          // 18
        "  END TEST_SEQUENCE\n"
        "END COMPONENT\n"
        "BOARD B\n"
        "  BOARD_LEVEL_CHAIN T1\n"
        "    BOARD_LEVEL_TAP TDI NA TDO NA TMS NA TCK NA END BOARD_LEVEL_TAP\n"
        "    PART_CHAIN\n"
        "      1 U1 NOSUCH NA NA -\n"                                    // 25
        "    END PART_CHAIN\n"
        "  END BOARD_LEVEL_CHAIN\n"
        "  NETLIST_MAP\n    C A NA\n    ZZ B NB\n  END NETLIST_MAP\n"    // 30: ZZ
        "END BOARD\n"
        "END OXEL\n");
    ASSERT_EQ(parse_file(path), OXEL_OK) << host.dump();
    host.clear();
    ASSERT_EQ(OxelCheck(host.host()), OXEL_FAILED);
    EXPECT_EQ(where_of(host, "Cell \"BC_1\" multiple defined"), at(path, 11, 3)) << host.dump();
    EXPECT_EQ(where_of(host, "Chain position 0 multiple defined"), at(path, 14, 5));
    EXPECT_EQ(where_of(host, "Undefined pingroup \"NOGROUP\""), at(path, 18, 5));
    EXPECT_EQ(where_of(host, "Referenced component \"NOSUCH\" not defined"), at(path, 25, 7));
    EXPECT_EQ(where_of(host, "Component \"ZZ\" in net description"), at(path, 30, 5));
}

// A second parse into the same description, from a path given in the same
// buffer: the records of each file keep their own file.
TEST_F(MessageLocation, TwoParsesIntoOneDescriptionKeepTheirFiles) {
    const std::string component =
        "OXEL\nCOMPONENT C\n  PIN_LIST\n    1 A IN -\n  END PIN_LIST\nEND COMPONENT\nEND OXEL\n";
    std::string first = write_temp_file("loc_first.oxel", component);
    std::string second = write_temp_file("loc_other.oxel", "\n" + component);
    char path[512];
    ASSERT_LT(second.size(), sizeof path);
    std::snprintf(path, sizeof path, "%s", first.c_str());
    ASSERT_EQ(OxelParse(host.host(), path), OXEL_OK);
    std::snprintf(path, sizeof path, "%s", second.c_str());
    ASSERT_EQ(OxelParse(host.host(), path), OXEL_OK);
    host.clear();
    OxelCheck(host.host());
    Texts places;
    for (const RecordedMessage &m : host.messages)
        if (m.text.rfind("Pin \"A\" has BST type", 0) == 0)
            places.push_back(m.where);
    EXPECT_EQ(places, (Texts{at(first, 4, 5), at(second, 5, 5)})) << host.dump();
}

// Outside a callback, and for a memory failure, nothing is pointed at; the out-pointers may be null.
TEST_F(MessageLocation, NothingIsPointedAtOutsideACallbackOrForAMemoryFailure) {
    const char *file = "untouched";
    int32_t line = -1, column = -1;
    const int32_t found = oxel_message_location(&file, &line, &column);
    EXPECT_EQ(row(found, file, line, column), "0|(null)|0|0");
    EXPECT_EQ(oxel_message_location(nullptr, nullptr, nullptr), 0);

    std::string path = write_temp_file("loc_memory.oxel", "OXEL\nCOMPONENT C END COMPONENT\nEND OXEL\n");
    memory_fail_at(3);
    int32_t result = parse_file(path);
    memory_fail_at(0);
    EXPECT_EQ(result, OXEL_FAILED);
    EXPECT_EQ(where_of(host, "Memory allocation error"), "");
}

// A host asks where a record was written without a message: a board's chain read from an include file, a
// component of the main file. A text that is no record, and every record once the description is released,
// have no place; the out-pointers may be null.
TEST_F(MessageLocation, ARecordTellsWhereItWasWritten) {
    std::string board = write_temp_file(
        "loc_record_board.oxel",
        "BOARD B\n  BOARD_LEVEL_CHAIN MAIN\n    BOARD_LEVEL_TAP TDI A TDO B TMS C TCK D END BOARD_LEVEL_TAP\n"
        "    PART_CHAIN 1 U1 C C D - END PART_CHAIN\n  END BOARD_LEVEL_CHAIN\nEND BOARD\n");
    std::string path = write_temp_file("loc_record_main.oxel",
                                       "OXEL\n  COMPONENT C END COMPONENT\n#include " + board + "\nEND OXEL\n");
    ASSERT_EQ(parse_file(path), OXEL_OK) << host.dump();
    const DescriptionRoot *root = OxelGetInfo();
    const auto *parsed = items_of<BoardRecord>(root->boards).at(0);
    const auto *chain = items_of<BoardChainRecord>(parsed->chains).at(0);
    const char *file = nullptr;
    int32_t line = 0, column = 0;
    const auto place_of = [&](const void *record) {
        const int32_t found = oxel_record_location(record, &file, &line, &column);
        return row(found, file, line, column);
    };
    EXPECT_EQ(place_of(chain), row(1, board, 2, 3));
    EXPECT_EQ(place_of(items_of<PartChainRecord>(chain->parts).at(0)), row(1, board, 4, 16));
    EXPECT_EQ(place_of(items_of<ComponentRecord>(root->components).at(0)), row(1, path, 2, 3));
    EXPECT_EQ(place_of(chain->name), "0|(null)|0|0");
    EXPECT_EQ(oxel_record_location(parsed, nullptr, nullptr, nullptr), 1);
    OxelDestroy(host.host());
    EXPECT_EQ(place_of(chain), "0|(null)|0|0");
}

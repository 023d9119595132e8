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
    // A finding about the component: its section began in the include file.
    EXPECT_EQ(where_of(host, "Pin name \"B\" is multiple defined"), at(component_start, 1, 1));
    for (const RecordedMessage &m : host.messages)
        EXPECT_TRUE(m.where.empty() || (m.kind != OXEL_KIND_PROGRESS && m.kind != OXEL_KIND_STATUS))
            << m.text;
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

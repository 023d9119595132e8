// Syntax messages: composition, the quoted token and its cut-off, the detail line of each broken construct
#include "base/messages.h"
#include "support/recorder.h"

namespace {

using SyntaxErrors = ParseTest;

// The two messages of a syntax error as the recorder dumps them.
std::string at(int line, const std::string &token, const std::string &detail) {
    return "error: syntax error >> line " + std::to_string(line) + " near \"" + token + "\"\nnote: " +
           std::string(12, ' ') + detail + "\n";
}

const char *const kFrame = "File must start with OXEL and end with END OXEL";

}  // namespace

TEST_F(SyntaxErrors, TheMessageNamesLineAndTokenAndTheDetailLineWhatWasExpected) {
    const std::string header = "OXEL OXEL_HEADER CREATION_LOG \"a\" \"b\" \"c\" \"d\" ";
    const std::pair<std::string, std::string> cases[] = {
        {"OXEL\nEND OXEL\n", at(2, "END", "Board, component, technology, header or END OXEL expected")},
        {"BOARD b END BOARD\n", at(1, "BOARD", kFrame)},
        {header + "END OXEL_HEADER END OXEL\nOXEL\n", at(2, "OXEL", kFrame)},
        {"OXEL OXEL_HEADER CHANGE_LOG \"a\" \"b\" \"c\" \"d\" END OXEL_HEADER END OXEL",
         at(1, "CHANGE_LOG", "CREATIONLOG expected")},
        {header + "BOARD END OXEL_HEADER END OXEL", at(1, "BOARD", "CHANGELOG or END OXEL_HEADER expected")},
        {"OXEL = END OXEL", at(1, "=", "Board, component, technology, header or END OXEL expected")},
        // A percent sign in the token is no format.
        {"OXEL a%s%n END OXEL", at(1, "A%S%N", "Board, component, technology, header or END OXEL expected")},
    };
    for (const auto &[text, messages] : cases) {
        SCOPED_TRACE(text);
        const std::string path = write_temp_file("frame.oxel", text);
        EXPECT_EQ(parse_file(path), OXEL_FAILED);
        EXPECT_EQ(host.dump(), "progress: Reading file '" + path + "'\n" + messages);
        EXPECT_EQ(OxelGetSyntaxErrors(), 1);
    }
    // The detail line obeys the level but the error is counted once.
    Recorder quiet(2);
    OxelParse(quiet.host(), write_temp_file("level2.oxel", "OXEL END OXEL").c_str());
    EXPECT_EQ(quiet.dump() + shown(quiet.counters.errors), "error: syntax error >> line 1 near \"END\"\n1");
}

// The token is quoted while it stays 20 characters clear of the buffer's end
// behind the head ("syntax error: PROGRAM >>"); a head too long is cut.
TEST_F(SyntaxErrors, TheTokenIsQuotedOnlyWhileItLeavesRoomInTheBuffer) {
    const std::string fits(kMessageSize - 36, 'Q'), program(3000, 'P');
    const struct {
        std::string program, token, error;
    } cases[] = {
        {"", fits, "syntax error >> line 2 near \"" + fits + "\""},
        {"", fits + "Q", "syntax error >> line 2"},
        {"oxel", fits.substr(6), "syntax error: oxel >> line 2 near \"" + fits.substr(6) + "\""},
        {"oxel", fits.substr(5), "syntax error: oxel >> line 2"},
        {program, "Q", ("syntax error: " + program).substr(0, kMessageSize - 1)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.program.substr(0, 8) + " " + std::to_string(c.token.size()));
        OxelDestroy(host.host());
        host.clear();
        OxelSetProgName(host.host(), c.program.c_str());
        OxelParse(host.host(), write_temp_file("cut_off.oxel", "OXEL\n" + c.token + " END OXEL").c_str());
        EXPECT_EQ(host.texts(OXEL_KIND_ERROR), Texts{c.error});
    }
}

TEST_F(SyntaxErrors, EachBrokenConstructNamesWhatWasExpected) {
    const char *const value = "Only an integer value or a double-quoted string is allowed";
    const char *const section = "Board, component, technology, header or END OXEL expected";
    const std::string ir = "INSTRUCTION_REGISTER IR INSTRUCTION_LIST ", bsr = "BOUNDARY_SCAN_REGISTER BSR CHAIN_LIST ";
    const std::string status = "INSTRUCTION_REGISTER IR CAPTURE 1 CAPTURE_STATUS_LIST ";
    const std::string chain = "BOARD B BOARD_LEVEL_CHAIN C ", tap = chain + "BOARD_LEVEL_TAP ";
    const std::string parts = tap + "TDI A END BOARD_LEVEL_TAP\n";
    const struct {
        std::string head, tail;
        std::vector<std::pair<std::string, const char *>> rows;
    } sections[] = {
        {"COMPONENT Good END COMPONENT COMPONENT C1\n", "\nEND COMPONENT", {
            {"LENGTH 4", "Data section expected"},
            {"PIN_LIST 1 a IN - END PIN_LIST PURPOSE \"x\"", "Data section expected"},
            {"STANDARD FOO", "Standard name expected"},
            {"STANDARD : 1990", "Standard name expected"},
            {"PIN_LIST END PIN_LIST", "Pin definition or END PIN_LIST expected"},
            {"PIN_LIST 1 a IN - ; END PIN_LIST", "Pin definition or END PIN_LIST expected"},
            {"PIN_LIST 1 a FOO - END PIN_LIST", "Unknown pin type"},
            {"PIN_LIST (1,2) D(0:1) \"IN\" - END PIN_LIST", "Unknown pin type"},
            {"BYPASS_REGISTER BP END BYPASS_REGISTER", "Register section expected"},
            // LENGTH must be followed by an integer; the innermost list reports.
            {"DATA_REGISTER D LENGTH \"4\" END DATA_REGISTER", "Register section expected"},
            {"IDENTIFICATION_REGISTER I LENGTH 1 CELL END IDENTIFICATION_REGISTER", "Register section expected"},
            {"BIST_REGISTER B CAPTURE ; END BIST_REGISTER", value},
            {"BIST_REGISTER B COVERAGE - END BIST_REGISTER", "Float or integer expected"},
            // A capture status list chooses its line by the token found.
            {status + "END CAPTURE_STATUS_LIST", "Capture status list expected"},
            {status + "1 : 5 END CAPTURE_STATUS_LIST", "Capture status list expected"},
            {status + "1 \"a\" LENGTH END CAPTURE_STATUS_LIST", "Capture status list expected"},
            {status + ": \"a\" END CAPTURE_STATUS_LIST", value},
            {status + "1 \"a\" : \"b\" END CAPTURE_STATUS_LIST", value},
            {status + "1 : : \"b\" END CAPTURE_STATUS_LIST", value},
            {ir + "END INSTRUCTION_LIST END INSTRUCTION_REGISTER", "Instruction specification error"},
            {ir + "EXTEST 0 R - - ; END INSTRUCTION_LIST", "Instruction specification error"},
            // A broken opcode is the value's own error.
            {ir + "EXTEST R - - END INSTRUCTION_LIST", value},
            {"CELL C1 END CELL", "Cell specification error"},
            {"CELL C1 INIT_UPDATE 0 LENGTH 1 END CELL", "Cell specification error"},
            // Without colon or bracket the name marker acts only after the
            // word following it, so the next item keyword is read as a name.
            {"CELL B DATA_INPUTS PI DATA_OUTPUTS PO END CELL", "Cell specification error"},
            {"CELL C1 MODE_LIST ; END MODE_LIST END CELL", "Mode element expected"},
            {"CELL C1 MODE_LIST EXTERNAL - UPDATE SI ; END MODE_LIST END CELL", "Mode element expected"},
            // Inside an entry the innermost construct with an error alternative is the select value.
            {"CELL C1 MODE_LIST EXTERNAL - UPDATE [SI ; END MODE_LIST END CELL", value},
            {bsr + "END CHAIN_LIST", "Chain element expected"},
            {bsr + "0 BC_1 TDI - - - - END CHAIN_LIST", "Chain element expected"},
            {bsr + "0 BC_1 TDI - - - - - 1 BC_1 END CHAIN_LIST", "Chain element expected"},
            {bsr + "0 BC_1 TDI [1 2 END CHAIN_LIST", "Pin name list expected"},
            {bsr + "0 BC_1 TDI [ ] END CHAIN_LIST", "Pin name list expected"},
            // Records built before the error are released with the stack.
            {"PIN_LIST 1 a IN - END PIN_LIST CELL BC MODE_LIST EXTERNAL - UPDATE [SI Z] END MODE_LIST END CELL\n"
             "BIST_REGISTER B CLOCK D(1,2) PRELOAD R 1 END BIST_REGISTER\n" + bsr +
                 "0 BC D(1:2) [1 2] - - - - END CHAIN_LIST END BOUNDARY_SCAN_REGISTER\n" + status +
                 "1 \"x\" END CAPTURE_STATUS_LIST INSTRUCTION_LIST EXTEST 0 BSR EXTERNAL [A, B] ;",
             "Instruction specification error"},
        }},
        {"BOARD B TEST_SEQUENCE S ", " END TEST_SEQUENCE END BOARD", {
            {"", "VRAK instruction expected"},
            {"RST(TAP1, R4)", "Only R0,R1,R2,R3 allowed in RST instruction"},
            {"RST(TAP1, R0; TAP2, TDI)", "Only R0,R1,R2,R3 allowed in RST instruction"},
            {"RST(TAP1, R0; TAP2)", "VRAK instruction expected"},
            // A lone at sign is a word of its own, and no instruction.
            {"@ RST(TAP1, R0)", "VRAK instruction expected"},
            {"CMT(\"a\") DRS(1, X, 01)", "VRAK instruction expected"},
            {"WTN(CLK, 100", "VRAK instruction expected"},
            {"CMT(unquoted)", "VRAK instruction expected"},
            {"PPA(T, G (TDI: A) (RST: B))", "VRAK instruction expected"},
            {"PPA(P, G, 1, X, , Y)", "Pin reference expected"},
            // Groups, lists and pins built before the error go with the parse.
            {"CMT(\"x\") PPA(T, G (TDI: A B) (TMS: 1); P, H, 2, X(1,2), Y; T, K (TCK: C) FOO)",
             "VRAK instruction expected"},
        }},
        {"", "", {
            {"COMPONENT C1 PIN_LIST 1 a IN - END PIN_LIST", "Data section expected"},
            {"BOARD B ILLEGAL_VECTORS S1 END ILLEGAL_VECTORS END BOARD", "VRAK instruction expected"},
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
            {"PIN_FAMILY F SETUP_TIME 1 END PIN_FAMILY\nBOARD B OXEL_HEADER CREATION_LOG \"a\" \"b\" \"c\" \"d\"\n"
             "  END OXEL_HEADER PIN_FAMILY G HOLD_TIME 2 END PIN_FAMILY\n"
             "  TEST_SEQUENCE S CMT(\"x\") PPA(T, G (TDI: A B); P, Q, 1, X(1:2)) END TEST_SEQUENCE\n"
             "  NETLIST_MAP U1 1 N1 END NETLIST_MAP BOARD_LEVEL_CHAIN C1 BOARD_LEVEL_TAP TDI A END BOARD_LEVEL_TAP\n"
             "  PART_CHAIN 1 U1 X A B - END PART_CHAIN END BOARD_LEVEL_CHAIN\n"
             "  BOARD_LEVEL_CHAIN C2 BOARD_LEVEL_TAP TDI A TDO B TCK C TMS D TRST E TXX",
             "TDI, TDO, TMS, TCK or TRST expected"},
            {"PIN_FAMILY F SETUP_TIME - END PIN_FAMILY", "Float or integer expected"},
            {"PIN_FAMILY F HOLD_TIME X END PIN_FAMILY", "Float or integer expected"},
            {"PIN_FAMILY F TPLH 1 2 X END PIN_FAMILY", "Float or integer or dash expected"},
            {"PIN_FAMILY F VCC_VOLTAGE 1 2 END PIN_FAMILY", "Float or integer or dash expected"},
            {"PIN_FAMILY F1 END PIN_FAMILY", "Pin-family element expected"},
            {"PIN_FAMILY F1 SETUP_TIME 1 TEST_FREQUENCY 1 2 3 END PIN_FAMILY", "Pin-family element expected"},
            {"BOARD B GLOBAL_FAMILY G END GLOBAL_FAMILY END BOARD", "Global element expected"},
            {"BOARD B GLOBAL_FAMILY G TCK_STOP_AT_ONE YES SETUP_TIME 1 END GLOBAL_FAMILY END BOARD",
             "Global element expected"},
            {"BOARD B GLOBAL_FAMILY G TEMPERATURE_RANGE 1 x 3 END GLOBAL_FAMILY END BOARD",
             "Float or integer or dash expected"},
            // A global family stands only inside a board or a component.
            {"GLOBAL_FAMILY G TEST_FREQUENCY 1 2 3 END GLOBAL_FAMILY", section},
            // A family broken halfway is released with the description.
            {"PIN_FAMILY DONE SETUP_TIME 1 END PIN_FAMILY\n"
             "PIN_FAMILY HALF SETUP_TIME 1 TPLH 1 2 3 VCC_VOLTAGE 1 2 3 HOLD_TIME -", "Float or integer expected"},
            {"BOARD B GLOBAL_FAMILY G TEST_FREQUENCY 1 2 3 CLOCK_FREQUENCY 1 2", "Float or integer or dash expected"},
        }},
    };
    for (const auto &s : sections)
        for (const auto &[body, detail] : s.rows) {
            SCOPED_TRACE(body);
            EXPECT_EQ(detail_of(s.head + body + s.tail), detail);
        }
}

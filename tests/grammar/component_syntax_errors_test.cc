// Component syntax errors: the detail line each broken component construct draws
#include <gtest/gtest.h>

#include "grammar/description_support.h"

namespace {

class ComponentSyntaxErrors : public DescriptionTest {};

const char *const kValue = "Only an integer value or a double-quoted string is allowed";

}  // namespace

TEST_F(ComponentSyntaxErrors, EachBrokenConstructNamesWhatWasExpected) {
    EXPECT_EQ(detail_of("COMPONENT C1 PIN_LIST 1 a IN - END PIN_LIST"), "Data section expected");
    const std::string ir = "INSTRUCTION_REGISTER IR INSTRUCTION_LIST ";
    const std::string status = "INSTRUCTION_REGISTER IR CAPTURE 1 CAPTURE_STATUS_LIST ";
    const std::string bsr = "BOUNDARY_SCAN_REGISTER BSR CHAIN_LIST ";
    expect_details(
        {
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
            {"BIST_REGISTER B CAPTURE ; END BIST_REGISTER", kValue},
            {"BIST_REGISTER B COVERAGE - END BIST_REGISTER", "Float or integer expected"},
            // A capture status list chooses its line by the token found.
            {status + "END CAPTURE_STATUS_LIST", "Capture status list expected"},
            {status + "1 : 5 END CAPTURE_STATUS_LIST", "Capture status list expected"},
            {status + "1 \"a\" LENGTH END CAPTURE_STATUS_LIST", "Capture status list expected"},
            {status + ": \"a\" END CAPTURE_STATUS_LIST", kValue},
            {status + "1 \"a\" : \"b\" END CAPTURE_STATUS_LIST", kValue},
            {status + "1 : : \"b\" END CAPTURE_STATUS_LIST", kValue},
            {ir + "END INSTRUCTION_LIST END INSTRUCTION_REGISTER", "Instruction specification error"},
            {ir + "EXTEST 0 R - - ; END INSTRUCTION_LIST", "Instruction specification error"},
            // A broken opcode is the value's own error.
            {ir + "EXTEST R - - END INSTRUCTION_LIST", kValue},
            {"CELL C1 END CELL", "Cell specification error"},
            {"CELL C1 INIT_UPDATE 0 LENGTH 1 END CELL", "Cell specification error"},
            {"CELL C1 MODE_LIST ; END MODE_LIST END CELL", "Mode element expected"},
            {"CELL C1 MODE_LIST EXTERNAL - UPDATE SI ; END MODE_LIST END CELL", "Mode element expected"},
            // Inside an entry the innermost construct with an error alternative is the select value.
            {"CELL C1 MODE_LIST EXTERNAL - UPDATE [SI ; END MODE_LIST END CELL", kValue},
            {bsr + "END CHAIN_LIST", "Chain element expected"},
            {bsr + "0 BC_1 TDI - - - - END CHAIN_LIST", "Chain element expected"},
            {bsr + "0 BC_1 TDI - - - - - 1 BC_1 END CHAIN_LIST", "Chain element expected"},
            {bsr + "0 BC_1 TDI [1 2 END CHAIN_LIST", "Pin name list expected"},
            {bsr + "0 BC_1 TDI [ ] END CHAIN_LIST", "Pin name list expected"},
            // Records built before the error are released with the stack.
            {"PIN_LIST 1 a IN - END PIN_LIST CELL BC MODE_LIST EXTERNAL - UPDATE [SI Z] END MODE_LIST END CELL\n"
             "BIST_REGISTER B CLOCK D(1,2) PRELOAD R 1 END BIST_REGISTER\n" +
                 bsr + "0 BC D(1:2) [1 2] - - - - END CHAIN_LIST END BOUNDARY_SCAN_REGISTER\n" + status +
                 "1 \"x\" END CAPTURE_STATUS_LIST INSTRUCTION_LIST EXTEST 0 BSR EXTERNAL [A, B] ;",
             "Instruction specification error"},
        },
        "COMPONENT Good END COMPONENT COMPONENT C1\n", "\nEND COMPONENT");
}

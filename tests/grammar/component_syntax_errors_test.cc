// Component syntax errors: the detail line each broken component construct draws
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grammar/description_support.h"

namespace {

class ComponentSyntaxErrors : public DescriptionTest {
protected:
    // The detail line of a component holding `items` that must not parse.
    std::string detail_in_component(const std::string &items) {
        return detail_of("COMPONENT C1\n" + items + "\nEND COMPONENT");
    }
};

}  // namespace

TEST_F(ComponentSyntaxErrors, ComponentItems) {
    EXPECT_EQ(detail_in_component("LENGTH 4"), "Data section expected");
    EXPECT_EQ(detail_in_component("PIN_LIST 1 a IN - END PIN_LIST PURPOSE \"x\""), "Data section expected");
    EXPECT_EQ(detail_of("COMPONENT C1 PIN_LIST 1 a IN - END PIN_LIST"), "Data section expected");
    EXPECT_EQ(detail_in_component("STANDARD FOO"), "Standard name expected");
    EXPECT_EQ(detail_in_component("STANDARD : 1990"), "Standard name expected");
}

TEST_F(ComponentSyntaxErrors, PinLists) {
    EXPECT_EQ(detail_in_component("PIN_LIST END PIN_LIST"), "Pin definition or END PIN_LIST expected");
    EXPECT_EQ(detail_in_component("PIN_LIST 1 a IN - ; END PIN_LIST"), "Pin definition or END PIN_LIST expected");
    EXPECT_EQ(detail_in_component("PIN_LIST 1 a FOO - END PIN_LIST"), "Unknown pin type");
    EXPECT_EQ(detail_in_component("PIN_LIST (1,2) D(0:1) \"IN\" - END PIN_LIST"), "Unknown pin type");
}

TEST_F(ComponentSyntaxErrors, Registers) {
    EXPECT_EQ(detail_in_component("BYPASS_REGISTER BP END BYPASS_REGISTER"), "Register section expected");
    // LENGTH must be followed by an integer; the innermost list reports.
    EXPECT_EQ(detail_in_component("DATA_REGISTER D LENGTH \"4\" END DATA_REGISTER"), "Register section expected");
    EXPECT_EQ(detail_in_component("IDENTIFICATION_REGISTER I LENGTH 1 CELL END IDENTIFICATION_REGISTER"),
              "Register section expected");
    EXPECT_EQ(detail_in_component("BIST_REGISTER B CAPTURE ; END BIST_REGISTER"),
              "Only an integer value or a double-quoted string is allowed");
    EXPECT_EQ(detail_in_component("BIST_REGISTER B COVERAGE - END BIST_REGISTER"), "Float or integer expected");
}

TEST_F(ComponentSyntaxErrors, CaptureStatusListsChooseTheirLineByTheTokenFound) {
    const std::string head = "INSTRUCTION_REGISTER IR CAPTURE 1 CAPTURE_STATUS_LIST ";
    const std::string tail = " END CAPTURE_STATUS_LIST END INSTRUCTION_REGISTER";
    EXPECT_EQ(detail_in_component(head + tail), "Capture status list expected");
    EXPECT_EQ(detail_in_component(head + "1 : 5" + tail), "Capture status list expected");
    EXPECT_EQ(detail_in_component(head + "1 \"a\" LENGTH" + tail), "Capture status list expected");
    // A colon where the entry's value belongs.
    EXPECT_EQ(detail_in_component(head + ": \"a\"" + tail), "Only an integer value or a double-quoted string is allowed");
    EXPECT_EQ(detail_in_component(head + "1 \"a\" : \"b\"" + tail),
              "Only an integer value or a double-quoted string is allowed");
    EXPECT_EQ(detail_in_component(head + "1 : : \"b\"" + tail),
              "Only an integer value or a double-quoted string is allowed");
}

TEST_F(ComponentSyntaxErrors, Instructions) {
    EXPECT_EQ(detail_in_component("INSTRUCTION_REGISTER IR INSTRUCTION_LIST END INSTRUCTION_LIST END INSTRUCTION_REGISTER"),
              "Instruction specification error");
    EXPECT_EQ(detail_in_component("INSTRUCTION_REGISTER IR INSTRUCTION_LIST EXTEST 0 R - - ; END INSTRUCTION_LIST "
                                  "END INSTRUCTION_REGISTER"),
              "Instruction specification error");
    // A broken opcode is the value's own error.
    EXPECT_EQ(detail_in_component("INSTRUCTION_REGISTER IR INSTRUCTION_LIST EXTEST R - - END INSTRUCTION_LIST "
                                  "END INSTRUCTION_REGISTER"),
              "Only an integer value or a double-quoted string is allowed");
}

TEST_F(ComponentSyntaxErrors, Cells) {
    EXPECT_EQ(detail_in_component("CELL C1 END CELL"), "Cell specification error");
    EXPECT_EQ(detail_in_component("CELL C1 INIT_UPDATE 0 LENGTH 1 END CELL"), "Cell specification error");
    EXPECT_EQ(detail_in_component("CELL C1 MODE_LIST ; END MODE_LIST END CELL"), "Mode element expected");
    EXPECT_EQ(detail_in_component("CELL C1 MODE_LIST EXTERNAL - UPDATE SI ; END MODE_LIST END CELL"),
              "Mode element expected");
    // Inside an entry the innermost construct with an error alternative is
    // the select value.
    EXPECT_EQ(detail_in_component("CELL C1 MODE_LIST EXTERNAL - UPDATE [SI ; END MODE_LIST END CELL"),
              "Only an integer value or a double-quoted string is allowed");
}

TEST_F(ComponentSyntaxErrors, Chains) {
    const std::string head = "BOUNDARY_SCAN_REGISTER BSR CHAIN_LIST ";
    const std::string tail = " END CHAIN_LIST END BOUNDARY_SCAN_REGISTER";
    EXPECT_EQ(detail_in_component(head + tail), "Chain element expected");
    EXPECT_EQ(detail_in_component(head + "0 BC_1 TDI - - - -" + tail), "Chain element expected");
    EXPECT_EQ(detail_in_component(head + "0 BC_1 TDI - - - - - 1 BC_1" + tail), "Chain element expected");
    EXPECT_EQ(detail_in_component(head + "0 BC_1 TDI [1 2" + tail), "Pin name list expected");
    EXPECT_EQ(detail_in_component(head + "0 BC_1 TDI [ ]" + tail), "Pin name list expected");
}

TEST_F(ComponentSyntaxErrors, AStoppedParseLeavesNothingBehind) {
    // Records built before the error are released with the stack; the
    // description is destroyed (the sanitizer build checks the leaks).
    EXPECT_EQ(detail_of("COMPONENT Good PIN_LIST 1 a IN - END PIN_LIST END COMPONENT\n"
                        "COMPONENT C CELL BC MODE_LIST EXTERNAL - UPDATE [SI Z] END MODE_LIST END CELL\n"
                        "BIST_REGISTER B CLOCK D(1,2) PRELOAD R 1 END BIST_REGISTER\n"
                        "BOUNDARY_SCAN_REGISTER BSR CHAIN_LIST 0 BC D(1:2) [1 2] - - - - END CHAIN_LIST "
                        "END BOUNDARY_SCAN_REGISTER\n"
                        "INSTRUCTION_REGISTER IR CAPTURE 1 CAPTURE_STATUS_LIST 1 \"x\" END CAPTURE_STATUS_LIST\n"
                        " INSTRUCTION_LIST EXTEST 0 BSR EXTERNAL [A, B] ;"),
              "Instruction specification error");
    DescriptionRoot *root = OxelGetInfo();
    EXPECT_EQ(root->components, nullptr);
    EXPECT_EQ(root->header, nullptr);
}

// Register queries, register types, source reference, standard, frequency
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "query/query_support.h"

using RegisterQueries = ChipTest;

TEST_F(RegisterQueries, LengthsCaptureCodesAndTheComponentAttributes) {
    EXPECT_EQ(oxel_get_current_component_instruction_register_length(), 4);
    EXPECT_EQ(text_or_null(oxel_get_current_component_instruction_register_capture_code()), "0001");
    const std::string id = "00010000000000000000000000000001";
    EXPECT_EQ(text_or_null(oxel_get_current_component_idcode_register_capture_code()), id);
    EXPECT_EQ(text_or_null(oxel_get_current_component_usercode_register_capture_code()),
              "10101010");
    EXPECT_EQ(oxel_open_current_component_boundary_scan_register(c), 1);
    EXPECT_EQ(oxel_get_current_component_boundary_scan_register_length(), 6);
    // The chip takes its first global family and its BSDL file.
    EXPECT_EQ(oxel_get_current_component_highest_frequency(), 2.5);
    EXPECT_EQ(text_or_null(oxel_get_current_component_bsd_ref()), "chip.bsd");
    EXPECT_EQ(oxel_get_current_component_standard(c), OXEL_STANDARD_JTAG_V2_0);

    // By name, ignoring case. Capture codes come only from the first register
    // of each kind, and never from the boundary-scan or instruction register.
    const struct {
        const char *name;
        int32_t length;
        std::string capture;
    } registers[] = {{"bsr", 6, "<null>"}, {"BP", 1, "0"}, {"ID", 32, id}, {"id2", 16, "<null>"},
                     {"BI", 5, "11111"}, {"ir", 4, "<null>"}, {"Uc", 8, "10101010"},
                     {"dr1", 12, "000000000000"}, {"BPREG", 3, "101"}, {"nosuch", 0, "<null>"},
                     {nullptr, 0, "<null>"}};
    for (const auto &r : registers) {
        SCOPED_TRACE(text_or_null(r.name));
        EXPECT_EQ(oxel_get_current_component_register_length(c, r.name), r.length);
        EXPECT_EQ(text_or_null(oxel_get_current_component_register_capture_code(c, r.name)),
                  r.capture);
    }
}

TEST_F(RegisterQueries, TheSelectedRegisterIsNamedByItsKind) {
    char buffer[64] = "untouched";
    oxel_get_current_component_register_type_selected(c, buffer);  // no current instruction
    EXPECT_STREQ(buffer, "NOT_FOUND");
    // A data register shows its own name, unless that name is a type word.
    std::vector<std::string> types;
    for (int32_t kind = oxel_get_current_component_first_instruction(); kind != -1;
         kind = oxel_get_current_component_next_instruction()) {
        oxel_get_current_component_register_type_selected(c, buffer);
        types.push_back(buffer);
    }
    EXPECT_EQ(types, (std::vector<std::string>{"BSREG", "BPREG", "BSREG", "IDREG", "DR1", "DREG",
                                               "BPREG", "NOT_FOUND", "UCREG", "BISTREG",
                                               "NOT_FOUND"}));
}

TEST(RegisterTypes, TheBoundedRegisterTypeNeverWritesPastTheBuffer) {
    std::string long_name(300, 'R');
    ParsedFile file("OXEL COMPONENT Long INSTRUCTION_REGISTER IR LENGTH 2 INSTRUCTION_LIST\n"
                    "LONG_ONE \"01\" " + long_name + " - - END INSTRUCTION_LIST\n"
                    "END INSTRUCTION_REGISTER DATA_REGISTER " + long_name + " LENGTH 2\n"
                    "END DATA_REGISTER END COMPONENT END OXEL");
    ASSERT_EQ(file.result, OXEL_OK) << file.host.dump();
    ASSERT_EQ(oxel_get_first_component(), 1);
    ASSERT_EQ(oxel_get_current_component_first_instruction(), OXEL_INSTRUCTION_NAMED);
    char buffer[16 + 8];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(oxel_get_current_component_register_type_selected_n(file.c, buffer, 16), 300);
    EXPECT_EQ(std::string(buffer), std::string(15, 'R'));
    EXPECT_EQ(std::string(buffer + 16, 8), "########");
    std::vector<char> roomy(301);
    EXPECT_EQ(oxel_get_current_component_register_type_selected_n(file.c, roomy.data(), 301), 300);
    EXPECT_EQ(std::string(roomy.data()), long_name);
    EXPECT_EQ(oxel_get_current_component_register_type_selected_n(file.c, buffer, 0), -1);
    EXPECT_EQ(oxel_get_current_component_register_type_selected_n(file.c, nullptr, 16), -1);
    oxel_get_current_component_register_type_selected(file.c, nullptr);
}

TEST(ComponentAttributes, SourceReferenceStandardAndHighestFrequency) {
    ParsedFile file(R"(OXEL
  COMPONENT Early END COMPONENT
  OXEL_HEADER CREATION_LOG "d" "c" "t" "bsdl" END OXEL_HEADER
  COMPONENT Zeros GLOBAL_FAMILY G TEST_FREQUENCY 0 0 0 END GLOBAL_FAMILY END COMPONENT
  OXEL_HEADER CREATION_LOG "d" "c" "t" "VHDL chip.vhd" END OXEL_HEADER
  COMPONENT Dashes
    STANDARD IEEE_1149.1_1990
    GLOBAL_FAMILY G TEST_FREQUENCY - - - END GLOBAL_FAMILY
  END COMPONENT
  OXEL_HEADER CREATION_LOG "d" "c" "t" "BSDLnear.bsd" END OXEL_HEADER
  COMPONENT TypicalZero
    STANDARD UNKNOWN
    GLOBAL_FAMILY G TEST_FREQUENCY 1.25 0 - END GLOBAL_FAMILY
  END COMPONENT
  COMPONENT NoneAtAll GLOBAL_FAMILY G CLOCK_FREQUENCY 1 2 3 END GLOBAL_FAMILY END COMPONENT
END OXEL)");
    ASSERT_EQ(file.result, OXEL_OK) << file.host.dump();
    const struct {
        const char *component, *bsd_ref;
        int32_t standard;
        double frequency;
    } expected[] = {
        {"Early", "<null>", 0, -2.0},
        {"Zeros", "", 0, 0.0},
        {"Dashes", "<null>", OXEL_STANDARD_IEEE_1149_1_1990, -2.0},
        {"TypicalZero", "near.bsd", OXEL_STANDARD_UNKNOWN, 1.25},
        {"NoneAtAll", "near.bsd", 0, -2.0},
    };
    for (const auto &e : expected) {
        SCOPED_TRACE(e.component);
        ASSERT_EQ(oxel_open_component(file.c, e.component), 1);
        EXPECT_EQ(text_or_null(oxel_get_current_component_bsd_ref()), e.bsd_ref);
        EXPECT_EQ(oxel_get_current_component_standard(file.c), e.standard);
        EXPECT_EQ(oxel_get_current_component_highest_frequency(), e.frequency);
    }
}

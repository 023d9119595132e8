// Register queries, register types, source reference, standard, frequency
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "query/query_support.h"

namespace {

// The register type written for each instruction of the chip, in order.
std::vector<std::string> selected_types(HostContext *context) {
    std::vector<std::string> types;
    for (int32_t kind = oxel_get_current_component_first_instruction(); kind != -1;
         kind = oxel_get_current_component_next_instruction()) {
        char buffer[64];
        oxel_get_current_component_register_type_selected(context, buffer);
        types.push_back(buffer);
    }
    return types;
}

std::string component_frequency_file() {
    return R"(
OXEL
  COMPONENT Early END COMPONENT
  OXEL_HEADER
    CREATION_LOG "d" "c" "t" "bsdl"
  END OXEL_HEADER
  COMPONENT Zeros
    GLOBAL_FAMILY G TEST_FREQUENCY 0 0 0 END GLOBAL_FAMILY
  END COMPONENT
  OXEL_HEADER
    CREATION_LOG "d" "c" "t" "VHDL chip.vhd"
  END OXEL_HEADER
  COMPONENT Dashes
    STANDARD IEEE_1149.1_1990
    GLOBAL_FAMILY G TEST_FREQUENCY - - - END GLOBAL_FAMILY
  END COMPONENT
  OXEL_HEADER
    CREATION_LOG "d" "c" "t" "BSDLnear.bsd"
  END OXEL_HEADER
  COMPONENT TypicalZero
    STANDARD UNKNOWN
    GLOBAL_FAMILY G TEST_FREQUENCY 1.25 0 - END GLOBAL_FAMILY
  END COMPONENT
  COMPONENT NoneAtAll
    GLOBAL_FAMILY G CLOCK_FREQUENCY 1 2 3 END GLOBAL_FAMILY
  END COMPONENT
END OXEL
)";
}

}  // namespace

TEST(RegisterQueries, LengthsAndCaptureValuesOfTheFirstRegisters) {
    ParsedFile file("lengths.oxel", kChipDescription);
    ASSERT_EQ(file.result, OXEL_OK) << file.host.dump();
    ASSERT_EQ(oxel_get_first_component(), 1);
    HostContext *c = file.context();
    EXPECT_EQ(oxel_get_current_component_instruction_register_length(), 4);
    EXPECT_EQ(text_or_null(oxel_get_current_component_instruction_register_capture_code()), "0001");
    EXPECT_EQ(text_or_null(oxel_get_current_component_idcode_register_capture_code()),
              "00010000000000000000000000000001");
    EXPECT_EQ(text_or_null(oxel_get_current_component_usercode_register_capture_code()), "10101010");
    EXPECT_EQ(oxel_open_current_component_boundary_scan_register(c), 1);
    EXPECT_EQ(oxel_get_current_component_boundary_scan_register_length(), 6);

    const std::vector<std::pair<const char *, int32_t>> lengths = {
        {"bsr", 6}, {"BP", 1}, {"id2", 16}, {"BI", 5}, {"ir", 4}, {"Uc", 8}, {"dr1", 12},
        {"BPREG", 3}, {"nosuch", 0}};
    for (const auto &[name, length] : lengths)
        EXPECT_EQ(oxel_get_current_component_register_length(c, name), length) << name;
    EXPECT_EQ(oxel_get_current_component_register_length(c, nullptr), 0);
}

TEST(RegisterQueries, CaptureCodesByNameLookOnlyAtTheFirstOfEachKind) {
    ParsedFile file("captures.oxel", kChipDescription);
    ASSERT_EQ(file.result, OXEL_OK) << file.host.dump();
    ASSERT_EQ(oxel_get_first_component(), 1);
    HostContext *c = file.context();
    EXPECT_EQ(text_or_null(oxel_get_current_component_register_capture_code(c, "bp")), "0");
    EXPECT_EQ(text_or_null(oxel_get_current_component_register_capture_code(c, "ID")),
              "00010000000000000000000000000001");
    EXPECT_EQ(text_or_null(oxel_get_current_component_register_capture_code(c, "BI")), "11111");
    EXPECT_EQ(text_or_null(oxel_get_current_component_register_capture_code(c, "uc")), "10101010");
    EXPECT_EQ(text_or_null(oxel_get_current_component_register_capture_code(c, "bpreg")), "101");
    // The second identification register, the boundary-scan register and
    // the instruction register are not looked at.
    EXPECT_EQ(oxel_get_current_component_register_capture_code(c, "ID2"), nullptr);
    EXPECT_EQ(oxel_get_current_component_register_capture_code(c, "BSR"), nullptr);
    EXPECT_EQ(oxel_get_current_component_register_capture_code(c, "IR"), nullptr);
    EXPECT_EQ(oxel_get_current_component_register_capture_code(c, nullptr), nullptr);
}

TEST(RegisterQueries, TheSelectedRegisterIsNamedByItsKind) {
    ParsedFile file("types.oxel", kChipDescription);
    ASSERT_EQ(file.result, OXEL_OK) << file.host.dump();
    ASSERT_EQ(oxel_get_first_component(), 1);
    HostContext *c = file.context();
    char buffer[64] = "untouched";
    // No current instruction yet.
    oxel_get_current_component_register_type_selected(c, buffer);
    EXPECT_STREQ(buffer, "NOT_FOUND");
    // A data register shows its own name, unless that name is a type word.
    EXPECT_EQ(selected_types(c),
              (std::vector<std::string>{"BSREG", "BPREG", "BSREG", "IDREG", "DR1", "DREG", "BPREG",
                                        "NOT_FOUND", "UCREG", "BISTREG", "NOT_FOUND"}));
}

TEST(RegisterQueries, TheBoundedRegisterTypeNeverWritesPastTheBuffer) {
    std::string long_name(300, 'R');
    std::string text = R"(
OXEL
  COMPONENT Long
    INSTRUCTION_REGISTER IR
      LENGTH 2
      INSTRUCTION_LIST
        LONG_ONE "01" )" + long_name + R"( - -
      END INSTRUCTION_LIST
    END INSTRUCTION_REGISTER
    DATA_REGISTER )" + long_name + R"(
      LENGTH 2
    END DATA_REGISTER
  END COMPONENT
END OXEL
)";
    ParsedFile file("long.oxel", text);
    ASSERT_EQ(file.result, OXEL_OK) << file.host.dump();
    ASSERT_EQ(oxel_get_first_component(), 1);
    HostContext *c = file.context();
    ASSERT_EQ(oxel_get_current_component_first_instruction(), OXEL_INSTRUCTION_NAMED);
    char buffer[16 + 8];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(oxel_get_current_component_register_type_selected_n(c, buffer, 16), 300);
    EXPECT_EQ(std::string(buffer), std::string(15, 'R'));
    EXPECT_EQ(std::string(buffer + 16, 8), "########");
    std::vector<char> roomy(301);
    EXPECT_EQ(oxel_get_current_component_register_type_selected_n(c, roomy.data(), 301), 300);
    EXPECT_EQ(std::string(roomy.data()), long_name);
    EXPECT_EQ(oxel_get_current_component_register_type_selected_n(c, buffer, 0), -1);
    EXPECT_EQ(oxel_get_current_component_register_type_selected_n(c, nullptr, 16), -1);
    oxel_get_current_component_register_type_selected(c, nullptr);
}

TEST(RegisterQueries, SourceReferenceStandardAndHighestFrequency) {
    ParsedFile file("frequency.oxel", component_frequency_file());
    ASSERT_EQ(file.result, OXEL_OK) << file.host.dump();
    HostContext *c = file.context();
    struct Expected {
        const char *component;
        const char *bsd_ref;
        int32_t standard;
        double frequency;
    };
    const Expected expected[] = {
        {"Early", "<null>", 0, -2.0},
        {"Zeros", "", 0, 0.0},
        {"Dashes", "<null>", OXEL_STANDARD_IEEE_1149_1_1990, -2.0},
        {"TypicalZero", "near.bsd", OXEL_STANDARD_UNKNOWN, 1.25},
        {"NoneAtAll", "near.bsd", 0, -2.0},
    };
    for (const Expected &e : expected) {
        ASSERT_EQ(oxel_open_component(c, e.component), 1) << e.component;
        EXPECT_EQ(text_or_null(oxel_get_current_component_bsd_ref()), e.bsd_ref) << e.component;
        EXPECT_EQ(oxel_get_current_component_standard(c), e.standard) << e.component;
        EXPECT_EQ(oxel_get_current_component_highest_frequency(), e.frequency) << e.component;
    }
}

TEST(RegisterQueries, TheChipTakesItsFirstGlobalFamilyAndItsBsdlFile) {
    ParsedFile file("chip.oxel", kChipDescription);
    ASSERT_EQ(file.result, OXEL_OK) << file.host.dump();
    ASSERT_EQ(oxel_get_first_component(), 1);
    EXPECT_EQ(oxel_get_current_component_highest_frequency(), 2.5);
    EXPECT_EQ(text_or_null(oxel_get_current_component_bsd_ref()), "chip.bsd");
    EXPECT_EQ(oxel_get_current_component_standard(file.context()), OXEL_STANDARD_JTAG_V2_0);
}

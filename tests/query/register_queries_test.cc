// Register queries: lengths and captures by name, the selected register's type, bounded writes
#include <cstring>

#include "query/query_support.h"

using RegisterQueries = ChipTest;
using RegisterTypes = ParseTest;

TEST_F(RegisterQueries, ByNameAnyRegisterGivesItsLengthButOnlySomeTheirCaptureCode) {
    // By name, ignoring case. Capture codes come only from the first register
    // of each kind, and never from the boundary-scan or instruction register.
    const std::string id = "00010000000000000000000000000001";
    const struct {
        const char *name;
        int32_t length;
        std::string capture;
    } registers[] = {{"bsr", 6, "(null)"}, {"BP", 1, "0"}, {"ID", 32, id}, {"id2", 16, "(null)"},
                     {"BI", 5, "11111"}, {"ir", 4, "(null)"}, {"Uc", 8, "10101010"},
                     {"dr1", 12, "000000000000"}, {"BPREG", 3, "101"}, {"nosuch", 0, "(null)"},
                     {nullptr, 0, "(null)"}};
    for (const auto &r : registers) {
        SCOPED_TRACE(shown(r.name));
        EXPECT_EQ(oxel_get_current_component_register_length(c, r.name), r.length);
        EXPECT_EQ(shown(oxel_get_current_component_register_capture_code(c, r.name)), r.capture);
    }
    // Without a global family, or with none that applies, it is -2 (the tool shows "-").
    for (const char *device : {"Early", "Dashes", "NoneAtAll"}) {
        ASSERT_EQ(oxel_open_component(c, device), 1);
        EXPECT_EQ(oxel_get_current_component_highest_frequency(), -2.0) << device;
    }
}

// A data register shows its own name, unless that name is a type word (the
// tool shows DREG for both); no current instruction selects no register.
TEST_F(RegisterQueries, TheSelectedRegisterIsNamedByItsKind) {
    char buffer[64] = "untouched";
    oxel_get_current_component_register_type_selected(c, buffer);
    std::vector<std::string> types{buffer};
    for (int32_t kind = oxel_get_current_component_first_instruction(); kind != -1;
         kind = oxel_get_current_component_next_instruction()) {
        oxel_get_current_component_register_type_selected(c, buffer);
        types.push_back(buffer);
    }
    EXPECT_EQ(types, (std::vector<std::string>{"NOT_FOUND", "BSREG", "BPREG", "BSREG", "IDREG", "DR1", "DREG",
                                               "BPREG", "NOT_FOUND", "UCREG", "BISTREG", "NOT_FOUND"}));
}

TEST_F(RegisterTypes, TheBoundedRegisterTypeNeverWritesPastTheBuffer) {
    std::string long_name(300, 'R');
    ASSERT_TRUE(parse_ok("COMPONENT Long INSTRUCTION_REGISTER IR LENGTH 2 INSTRUCTION_LIST\n"
                    "LONG_ONE \"01\" " + long_name + " - - END INSTRUCTION_LIST\n"
                    "END INSTRUCTION_REGISTER DATA_REGISTER " + long_name + " LENGTH 2\n"
                    "END DATA_REGISTER END COMPONENT"));
    ASSERT_EQ(oxel_get_first_component(), 1);
    ASSERT_EQ(oxel_get_current_component_first_instruction(), OXEL_INSTRUCTION_NAMED);
    char buffer[16 + 8];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(oxel_get_current_component_register_type_selected_n(host.host(), buffer, 16), 300);
    EXPECT_EQ(std::string(buffer), std::string(15, 'R'));
    EXPECT_EQ(std::string(buffer + 16, 8), "########");
    std::vector<char> roomy(301);
    EXPECT_EQ(oxel_get_current_component_register_type_selected_n(host.host(), roomy.data(), 301), 300);
    EXPECT_EQ(std::string(roomy.data()), long_name);
    EXPECT_EQ(oxel_get_current_component_register_type_selected_n(host.host(), buffer, 0), -1);
    EXPECT_EQ(oxel_get_current_component_register_type_selected_n(host.host(), nullptr, 16), -1);
    oxel_get_current_component_register_type_selected(host.host(), nullptr);
}

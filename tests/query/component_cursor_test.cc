// Component cursor: first, next, open by name, delete, and no component
#include "base/memory.h"
#include "query/query_support.h"

namespace {

const char *const kFour = R"(
  COMPONENT P INSTRUCTION_REGISTER IR LENGTH 2
    INSTRUCTION_LIST EXTEST "00" - - - BYPASS "11" - - - END INSTRUCTION_LIST
  END INSTRUCTION_REGISTER END COMPONENT
  COMPONENT Q INSTRUCTION_REGISTER IR LENGTH 3
    INSTRUCTION_LIST EXTEST "000" - - - BYPASS "111" - - - END INSTRUCTION_LIST
  END INSTRUCTION_REGISTER END COMPONENT
  COMPONENT CPU END COMPONENT COMPONENT R END COMPONENT)";

std::string current_name() { return shown(oxel_get_current_component_name()); }

// Every query of the current component gives its absence result.
void expect_no_component(HostContext *c) {
    EXPECT_EQ(oxel_get_current_component_entry(), nullptr);
    const void *nulls[] = {
        oxel_get_current_component_name(), oxel_get_current_component_bsd_ref(),
        oxel_get_current_component_extest_instruction(), oxel_get_current_component_bypass_instruction(),
        oxel_get_current_component_sample_preload_instruction(),
        oxel_get_current_component_ident_instruction(), oxel_get_current_component_clamp_instruction(),
        oxel_get_current_component_highz_instruction(),
        oxel_get_current_component_instruction_register_capture_code(),
        oxel_get_current_component_idcode_register_capture_code(),
        oxel_get_current_component_usercode_register_capture_code(),
        oxel_get_current_component_current_instruction_name(),
        oxel_get_current_component_current_instruction_code(),
        oxel_get_current_component_register_selected(),
        oxel_get_current_component_register_capture_code(c, "IR"),
        oxel_get_current_component_tap_pin_name(c, OXEL_PIN_TDI),
        oxel_get_current_component_pin_id(c, OXEL_PIN_TDI),
        oxel_get_current_component_pin_id_special(c, OXEL_PIN_TDI),
        oxel_get_current_component_pin_nr(c, "TDI"), oxel_find_current_component_pin_name(c, "1"),
        oxel_get_current_component_pin_name_by_position(c, 0), oxel_get_current_component_first_pin_name(),
        oxel_get_current_component_next_pin_name(), oxel_get_current_component_first_pin_nr(),
        oxel_get_current_component_next_pin_nr(), oxel_get_current_component_current_pin_name(),
        oxel_get_current_component_current_pin_nr(), oxel_get_current_component_current_cell_name()};
    for (const void *const &p : nulls)
        EXPECT_EQ(p, nullptr) << &p - nulls;
    const int32_t zeros[] = {
        oxel_get_current_component_standard(c), oxel_open_current_component_boundary_scan_register(c),
        oxel_get_current_component_boundary_scan_register_length(),
        oxel_get_current_component_instruction_register_length(),
        oxel_get_current_component_register_length(c, "IR"), oxel_get_current_component_trst_available(c),
        oxel_get_current_component_pin_type(c, "TDI"), oxel_find_current_component_pin(c, "TDI"),
        oxel_nr_current_component_pins(), oxel_get_current_component_current_pin_direction(c),
        oxel_get_current_component_first_cell(c), oxel_get_current_component_next_cell(c)};
    for (const int32_t &zero : zeros)
        EXPECT_EQ(zero, 0) << &zero - zeros;
    EXPECT_EQ(oxel_get_current_component_highest_frequency(), -1.0);
    EXPECT_EQ(
        row(oxel_get_current_component_first_instruction(), oxel_get_current_component_next_instruction(),
            oxel_get_current_component_current_cell_position(),
            oxel_get_current_component_current_cell_CD_output(c),
            oxel_get_current_component_current_cell_CD_value(c)),
        "-1|-1|-1|-1|0");
    const char *names[4] = {};
    int32_t codes[4] = {};
    EXPECT_EQ(oxel_get_current_component_current_cell_function_list(c, names, codes, 4), 0);
    char buffer[16] = "untouched";
    EXPECT_EQ(oxel_current_component_instruction2text(c, 1, buffer), 0);
    EXPECT_EQ(oxel_current_component_instruction2text_n(c, 1, buffer, sizeof buffer), -1);
    oxel_get_current_component_register_type_selected(c, buffer);
    EXPECT_EQ(oxel_get_current_component_register_type_selected_n(c, buffer, sizeof buffer), -1);
    EXPECT_STREQ(buffer, "untouched");
}

}  // namespace

using ComponentCursor = ParseTest;

// Before a parse, after one that made nothing current, and once the
// description that held the current component is released.
TEST_F(ComponentCursor, EveryQueryGivesItsAbsenceResultWithoutAComponent) {
    HostContext *c = host.host();
    OxelInitialize(c);
    EXPECT_EQ(row(oxel_nr_components(), oxel_get_first_component(), oxel_get_next_component(),
                  oxel_open_component(c, "P"), oxel_delete_current_component(c)),
              "0|0|0|0|0");
    expect_no_component(c);

    ASSERT_TRUE(parse_ok(kFour));
    expect_no_component(c);
    ASSERT_EQ(oxel_open_component(c, "Q"), 1);
    ASSERT_EQ(oxel_get_current_component_first_instruction(), OXEL_INSTRUCTION_EXTEST);
    OxelDestroy(c);
    expect_no_component(c);
    EXPECT_EQ(oxel_delete_current_component(c), 0);
    EXPECT_EQ(oxel_nr_components(), 0);
}

TEST_F(ComponentCursor, TheWalkEndsOnTheLastAndOpeningByNameIgnoresCase) {
    ASSERT_TRUE(parse_ok(kFour));
    EXPECT_EQ(oxel_nr_components(), 4);
    ASSERT_EQ(oxel_get_first_component(), 1);
    EXPECT_EQ(oxel_get_current_component_entry(), OxelGetInfo()->components->items[0]);
    for (int i = 0; i < 3; i++)
        ASSERT_EQ(oxel_get_next_component(), 1);
    EXPECT_EQ(oxel_get_next_component(), 0);
    EXPECT_EQ(current_name(), "R");
    EXPECT_EQ(oxel_open_component(host.host(), "cpu"), 1);
    EXPECT_EQ(current_name(), "CPU");
    // A name that none has leaves the last component current.
    EXPECT_EQ(oxel_open_component(host.host(), "nosuch"), 0);
    EXPECT_EQ(current_name(), "R");
    EXPECT_EQ(oxel_open_component(host.host(), nullptr), 0);
    EXPECT_EQ(current_name(), "R");
    // Opening the current component again keeps its cursors; another resets them.
    ASSERT_EQ(oxel_open_component(host.host(), "Q"), 1);
    ASSERT_EQ(oxel_get_current_component_first_instruction(), OXEL_INSTRUCTION_EXTEST);
    ASSERT_EQ(oxel_get_current_component_next_instruction(), OXEL_INSTRUCTION_BYPASS);
    EXPECT_EQ(oxel_open_component(host.host(), "q"), 1);
    EXPECT_EQ(shown(oxel_get_current_component_current_instruction_code()), "111");
    ASSERT_EQ(oxel_open_component(host.host(), "P"), 1);
    EXPECT_EQ(oxel_get_current_component_current_instruction_code(), nullptr);
    ASSERT_EQ(oxel_open_component(host.host(), "Q"), 1);
    EXPECT_EQ(oxel_get_current_component_current_instruction_code(), nullptr);
}

// The same deletions with the shrinking of the list failing each time: the
// component is removed all the same.
TEST_F(ComponentCursor, DeletingMovesToTheFollowingThenTheLastThenNone) {
    for (int32_t fail : {0, 1}) {
        SCOPED_TRACE(fail);
        ASSERT_TRUE(parse_ok(kFour));
        host.clear();
        auto remove = [&] {
            memory_fail_at(fail);
            int32_t deleted = oxel_delete_current_component(host.host());
            memory_fail_at(0);
            return deleted;
        };
        ASSERT_EQ(oxel_get_first_component(), 1);
        EXPECT_EQ(remove(), 1);
        EXPECT_EQ(current_name(), "Q");
        EXPECT_EQ(oxel_get_next_component(), 1);
        EXPECT_EQ(current_name(), "CPU");

        ASSERT_EQ(oxel_open_component(host.host(), "Q"), 1);
        ASSERT_EQ(oxel_get_current_component_first_instruction(), OXEL_INSTRUCTION_EXTEST);
        EXPECT_EQ(remove(), 1);
        EXPECT_EQ(current_name(), "CPU");
        EXPECT_EQ(oxel_nr_components(), 2);
        // The cursors under the new current component start afresh.
        EXPECT_EQ(oxel_get_current_component_current_instruction_code(), nullptr);

        ASSERT_EQ(oxel_get_next_component(), 1);
        EXPECT_EQ(remove(), 1);
        EXPECT_EQ(current_name(), "CPU");
        EXPECT_EQ(oxel_delete_current_component(nullptr), 1);
        EXPECT_EQ(current_name(), "(null)");
        EXPECT_EQ(oxel_nr_components(), 0);
        EXPECT_EQ(oxel_delete_current_component(host.host()), 0);
        EXPECT_EQ(oxel_get_first_component(), 0);
        EXPECT_TRUE(fail || host.messages.empty()) << host.dump();
    }
}

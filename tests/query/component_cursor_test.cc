// Component cursor: first, next, open by name, delete, and no component
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "interface/memory.h"
#include "query/query_support.h"

namespace {

const char *const kThree = R"(
OXEL
  COMPONENT P
    INSTRUCTION_REGISTER IR
      LENGTH 2
      INSTRUCTION_LIST
        EXTEST "00" - - -
        BYPASS "11" - - -
      END INSTRUCTION_LIST
    END INSTRUCTION_REGISTER
  END COMPONENT
  COMPONENT Q
    INSTRUCTION_REGISTER IR
      LENGTH 3
      INSTRUCTION_LIST
        EXTEST "000" - - -
        BYPASS "111" - - -
      END INSTRUCTION_LIST
    END INSTRUCTION_REGISTER
  END COMPONENT
  COMPONENT CPU END COMPONENT
END OXEL
)";

std::string current_name() { return text_or_null(oxel_get_current_component_name()); }

}  // namespace

TEST(ComponentCursor, NothingIsCurrentBeforeAParse) {
    Recorder host;
    OxelInitialize(host.host());
    EXPECT_EQ(oxel_nr_components(), 0);
    EXPECT_EQ(oxel_get_first_component(), 0);
    EXPECT_EQ(oxel_get_next_component(), 0);
    EXPECT_EQ(oxel_get_current_component_entry(), nullptr);
    EXPECT_EQ(oxel_get_current_component_name(), nullptr);
    EXPECT_EQ(oxel_open_component(host.host(), "P"), 0);
    EXPECT_EQ(oxel_delete_current_component(host.host()), 0);
}

TEST(ComponentCursor, FirstAndNextWalkTheComponentsInFileOrder) {
    ParsedFile file("walk.oxel", kThree);
    ASSERT_EQ(file.result, OXEL_OK) << file.host.dump();
    EXPECT_EQ(oxel_nr_components(), 3);
    // Parsing makes no component current.
    EXPECT_EQ(oxel_get_current_component_name(), nullptr);
    ASSERT_EQ(oxel_get_first_component(), 1);
    EXPECT_EQ(current_name(), "P");
    EXPECT_EQ(oxel_get_current_component_entry(), OxelGetInfo()->components->items[0]);
    ASSERT_EQ(oxel_get_next_component(), 1);
    EXPECT_EQ(current_name(), "Q");
    ASSERT_EQ(oxel_get_next_component(), 1);
    EXPECT_EQ(current_name(), "CPU");
    // The last one stays current.
    EXPECT_EQ(oxel_get_next_component(), 0);
    EXPECT_EQ(current_name(), "CPU");
}

TEST(ComponentCursor, OpenFindsANameIgnoringCaseAndLeavesTheLastOneWhenNoneHasIt) {
    ParsedFile file("open.oxel", kThree);
    ASSERT_EQ(file.result, OXEL_OK) << file.host.dump();
    EXPECT_EQ(oxel_open_component(file.context(), "cpu"), 1);
    EXPECT_EQ(current_name(), "CPU");
    EXPECT_EQ(oxel_open_component(file.context(), "q"), 1);
    EXPECT_EQ(current_name(), "Q");
    EXPECT_EQ(oxel_open_component(file.context(), "nosuch"), 0);
    EXPECT_EQ(current_name(), "CPU");
    EXPECT_EQ(oxel_open_component(file.context(), nullptr), 0);
    EXPECT_EQ(current_name(), "CPU");
}

TEST(ComponentCursor, OpeningTheCurrentComponentKeepsItsCursors) {
    ParsedFile file("keep.oxel", kThree);
    ASSERT_EQ(file.result, OXEL_OK) << file.host.dump();
    ASSERT_EQ(oxel_open_component(file.context(), "Q"), 1);
    ASSERT_EQ(oxel_get_current_component_first_instruction(), OXEL_INSTRUCTION_EXTEST);
    ASSERT_EQ(oxel_get_current_component_next_instruction(), OXEL_INSTRUCTION_BYPASS);
    EXPECT_EQ(oxel_open_component(file.context(), "q"), 1);
    EXPECT_EQ(text_or_null(oxel_get_current_component_current_instruction_code()), "111");
    // Another component resets them, and so does coming back.
    ASSERT_EQ(oxel_open_component(file.context(), "P"), 1);
    EXPECT_EQ(oxel_get_current_component_current_instruction_code(), nullptr);
    ASSERT_EQ(oxel_open_component(file.context(), "Q"), 1);
    EXPECT_EQ(oxel_get_current_component_current_instruction_code(), nullptr);
}

TEST(ComponentCursor, DeletingMovesToTheFollowingThenTheLastThenNone) {
    ParsedFile file("delete.oxel", kThree);
    ASSERT_EQ(file.result, OXEL_OK) << file.host.dump();
    file.host.clear();
    ASSERT_EQ(oxel_open_component(file.context(), "Q"), 1);
    ASSERT_EQ(oxel_get_current_component_first_instruction(), OXEL_INSTRUCTION_EXTEST);

    EXPECT_EQ(oxel_delete_current_component(file.context()), 1);
    EXPECT_EQ(current_name(), "CPU");
    EXPECT_EQ(oxel_nr_components(), 2);
    // The cursors under the new current component start afresh.
    EXPECT_EQ(oxel_get_current_component_current_instruction_code(), nullptr);

    EXPECT_EQ(oxel_delete_current_component(file.context()), 1);
    EXPECT_EQ(current_name(), "P");
    EXPECT_EQ(oxel_get_current_component_instruction_register_length(), 2);

    EXPECT_EQ(oxel_delete_current_component(nullptr), 1);
    EXPECT_EQ(oxel_get_current_component_entry(), nullptr);
    EXPECT_EQ(oxel_nr_components(), 0);
    EXPECT_EQ(oxel_delete_current_component(file.context()), 0);
    EXPECT_EQ(oxel_get_first_component(), 0);
    EXPECT_TRUE(file.host.messages.empty()) << file.host.dump();
}

TEST(ComponentCursor, DeletingTheFirstMakesTheNextOneFirst) {
    ParsedFile file("delete1.oxel", kThree);
    ASSERT_EQ(file.result, OXEL_OK) << file.host.dump();
    ASSERT_EQ(oxel_get_first_component(), 1);
    EXPECT_EQ(oxel_delete_current_component(file.context()), 1);
    EXPECT_EQ(current_name(), "Q");
    EXPECT_EQ(oxel_get_next_component(), 1);
    EXPECT_EQ(current_name(), "CPU");
    EXPECT_EQ(oxel_get_next_component(), 0);
}

TEST(ComponentCursor, AComponentReleasedWithTheDescriptionIsNoLongerCurrent) {
    Recorder host;
    OxelInitialize(host.host());
    ASSERT_EQ(OxelParse(host.host(), write_temp_file("released.oxel", kThree).c_str()), OXEL_OK);
    ASSERT_EQ(oxel_open_component(host.host(), "Q"), 1);
    ASSERT_EQ(oxel_get_current_component_first_instruction(), OXEL_INSTRUCTION_EXTEST);
    OxelDestroy(host.host());
    // The cursors were left as they were; the queries still see no component.
    EXPECT_EQ(oxel_get_current_component_entry(), nullptr);
    EXPECT_EQ(oxel_get_current_component_name(), nullptr);
    EXPECT_EQ(oxel_get_current_component_current_instruction_code(), nullptr);
    EXPECT_EQ(oxel_get_current_component_next_instruction(), -1);
    EXPECT_EQ(oxel_get_current_component_instruction_register_length(), 0);
    EXPECT_EQ(oxel_delete_current_component(host.host()), 0);
    EXPECT_EQ(oxel_nr_components(), 0);
    OxelInitialize(host.host());
}

TEST(ComponentCursor, DeletingStillWorksWhenShrinkingTheListFails) {
    // Four components: removing one from a list of four shrinks its array.
    std::string text = std::string(kThree);
    text.insert(text.find("END OXEL"), "  COMPONENT R END COMPONENT\n");
    ParsedFile file("shrink.oxel", text);
    ASSERT_EQ(file.result, OXEL_OK) << file.host.dump();
    ASSERT_EQ(oxel_open_component(file.context(), "Q"), 1);
    std::vector<std::string> current;
    for (int i = 0; i < 4; i++) {
        memory_fail_at(1);
        int32_t deleted = oxel_delete_current_component(file.context());
        memory_fail_at(0);
        EXPECT_EQ(deleted, 1);
        current.push_back(current_name());
    }
    EXPECT_EQ(current, (std::vector<std::string>{"CPU", "R", "P", "<null>"}));
    EXPECT_EQ(oxel_nr_components(), 0);
}

// Every query answers its absence result when no component is current.
TEST(ComponentCursor, EveryQueryGivesItsAbsenceResultWithoutAComponent) {
    ParsedFile file("absent.oxel", kThree);
    ASSERT_EQ(file.result, OXEL_OK) << file.host.dump();
    HostContext *c = file.context();
    EXPECT_EQ(oxel_get_current_component_bsd_ref(), nullptr);
    EXPECT_EQ(oxel_get_current_component_highest_frequency(), -1.0);
    EXPECT_EQ(oxel_get_current_component_standard(c), 0);
    EXPECT_EQ(oxel_get_current_component_extest_instruction(), nullptr);
    EXPECT_EQ(oxel_get_current_component_bypass_instruction(), nullptr);
    EXPECT_EQ(oxel_get_current_component_sample_preload_instruction(), nullptr);
    EXPECT_EQ(oxel_get_current_component_ident_instruction(), nullptr);
    EXPECT_EQ(oxel_get_current_component_clamp_instruction(), nullptr);
    EXPECT_EQ(oxel_get_current_component_highz_instruction(), nullptr);
    EXPECT_EQ(oxel_open_current_component_boundary_scan_register(c), 0);
    EXPECT_EQ(oxel_get_current_component_boundary_scan_register_length(), 0);
    EXPECT_EQ(oxel_get_current_component_instruction_register_length(), 0);
    EXPECT_EQ(oxel_get_current_component_instruction_register_capture_code(), nullptr);
    EXPECT_EQ(oxel_get_current_component_idcode_register_capture_code(), nullptr);
    EXPECT_EQ(oxel_get_current_component_usercode_register_capture_code(), nullptr);
    EXPECT_EQ(oxel_get_current_component_first_instruction(), -1);
    EXPECT_EQ(oxel_get_current_component_next_instruction(), -1);
    EXPECT_EQ(oxel_get_current_component_current_instruction_name(), nullptr);
    EXPECT_EQ(oxel_get_current_component_current_instruction_code(), nullptr);
    EXPECT_EQ(oxel_get_current_component_register_selected(), nullptr);
    char buffer[16] = "untouched";
    EXPECT_EQ(oxel_current_component_instruction2text(c, 1, buffer), 0);
    EXPECT_STREQ(buffer, "untouched");
    EXPECT_EQ(oxel_current_component_instruction2text_n(c, 1, buffer, sizeof buffer), -1);
    oxel_get_current_component_register_type_selected(c, buffer);
    EXPECT_EQ(oxel_get_current_component_register_type_selected_n(c, buffer, sizeof buffer), -1);
    EXPECT_STREQ(buffer, "untouched");
    EXPECT_EQ(oxel_get_current_component_register_length(c, "IR"), 0);
    EXPECT_EQ(oxel_get_current_component_register_capture_code(c, "IR"), nullptr);
    EXPECT_EQ(oxel_get_current_component_tap_pin_name(c, OXEL_PIN_TDI), nullptr);
    EXPECT_EQ(oxel_get_current_component_pin_id(c, OXEL_PIN_TDI), nullptr);
    EXPECT_EQ(oxel_get_current_component_pin_id_special(c, OXEL_PIN_TDI), nullptr);
    EXPECT_EQ(oxel_get_current_component_trst_available(c), 0);
    EXPECT_EQ(oxel_get_current_component_pin_type(c, "TDI"), 0);
    EXPECT_EQ(oxel_get_current_component_pin_nr(c, "TDI"), nullptr);
    EXPECT_EQ(oxel_find_current_component_pin_name(c, "1"), nullptr);
    EXPECT_EQ(oxel_find_current_component_pin(c, "TDI"), 0);
    EXPECT_EQ(oxel_get_current_component_pin_name_by_position(c, 0), nullptr);
    EXPECT_EQ(oxel_get_current_component_first_pin_name(), nullptr);
    EXPECT_EQ(oxel_get_current_component_next_pin_name(), nullptr);
    EXPECT_EQ(oxel_get_current_component_first_pin_nr(), nullptr);
    EXPECT_EQ(oxel_get_current_component_next_pin_nr(), nullptr);
    EXPECT_EQ(oxel_get_current_component_current_pin_name(), nullptr);
    EXPECT_EQ(oxel_get_current_component_current_pin_nr(), nullptr);
    EXPECT_EQ(oxel_get_current_component_current_pin_direction(c), 0);
    EXPECT_EQ(oxel_nr_current_component_pins(), 0);
    EXPECT_EQ(oxel_get_current_component_first_cell(c), 0);
    EXPECT_EQ(oxel_get_current_component_next_cell(c), 0);
    EXPECT_EQ(oxel_get_current_component_current_cell_position(), -1);
    EXPECT_EQ(oxel_get_current_component_current_cell_name(), nullptr);
    const char *names[4] = {};
    int32_t codes[4] = {};
    EXPECT_EQ(oxel_get_current_component_current_cell_function_list(c, names, codes, 4), 0);
    EXPECT_EQ(oxel_get_current_component_current_cell_CD_output(c), -1);
    EXPECT_EQ(oxel_get_current_component_current_cell_CD_value(c), '\0');
}

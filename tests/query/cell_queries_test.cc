// Boundary-scan cell queries: the chain walk, functions, control cells
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "query/query_support.h"

namespace {

const char *const kCells = R"(
OXEL
  COMPONENT Cells
    BOUNDARY_SCAN_REGISTER B
      LENGTH 13
      CHAIN_LIST
        7 BC_1 q - q - 7 -
        3 BC_1 q - q - 7 -
        4 BC_1 q - q - - -
        5 CONTROL_CELL - - - - 5 -
        6 CONTROL_CELL - - - - - -
        8 bc_2 x [a b] b - - -
        9 BC_1 - [p1 p2 p3 p4 p5 p6 p7 p8 p9 p10 p11] - - "12 " 0
        10 BC_1 - [- a] [- b] - "12a" 1
        11 BC_1 - - - - "" -
        12 BC_1 - - - - 12 -
        13 BC_1 - - - - "  " -
      END CHAIN_LIST
    END BOUNDARY_SCAN_REGISTER
  END COMPONENT
END OXEL
)";

using Functions = std::vector<std::pair<std::string, int32_t>>;

// The function list of the current cell with room for `capacity` entries.
Functions functions(HostContext *context, int32_t capacity = 32) {
    std::vector<const char *> names(capacity + 1, "unwritten");
    std::vector<int32_t> codes(capacity + 1, -7);
    int32_t count = oxel_get_current_component_current_cell_function_list(context, names.data(),
                                                                          codes.data(), capacity);
    Functions out;
    for (int32_t i = 0; i < count; i++)
        out.emplace_back(text_or_null(names[i]), codes[i]);
    // Nothing beyond the count, and never beyond the capacity.
    EXPECT_STREQ(names[count], "unwritten");
    EXPECT_EQ(codes[count], -7);
    return out;
}

// Makes the chain element at the position the current cell.
bool go_to_cell(HostContext *context, int32_t position) {
    for (int32_t more = oxel_get_current_component_first_cell(context); more;
         more = oxel_get_current_component_next_cell(context))
        if (oxel_get_current_component_current_cell_position() == position)
            return true;
    return false;
}

}  // namespace

TEST(CellQueries, TheWalkVisitsEveryElementAndThenHasNoCell) {
    ParsedFile file("walk.oxel", kChipDescription);
    ASSERT_EQ(file.result, OXEL_OK) << file.host.dump();
    ASSERT_EQ(oxel_get_first_component(), 1);
    HostContext *c = file.context();
    std::vector<std::pair<int32_t, std::string>> cells;
    for (int32_t more = oxel_get_current_component_first_cell(c); more;
         more = oxel_get_current_component_next_cell(c))
        cells.emplace_back(oxel_get_current_component_current_cell_position(),
                           text_or_null(oxel_get_current_component_current_cell_name()));
    EXPECT_EQ(cells, (std::vector<std::pair<int32_t, std::string>>{
                         {0, "BC_1"}, {1, "bc_7"}, {2, "control_cell"}, {3, "BC_1"}, {4, "BC_1"},
                         {5, "MYCONTROL"}}));
    EXPECT_EQ(oxel_get_current_component_current_cell_position(), -1);
    EXPECT_EQ(oxel_get_current_component_current_cell_name(), nullptr);
    EXPECT_EQ(oxel_get_current_component_current_cell_CD_output(c), -1);
    EXPECT_EQ(oxel_get_current_component_next_cell(c), 0);
}

TEST(CellQueries, FunctionsControlCellsAndDisableValuesOfTheChip) {
    ParsedFile file("chipcells.oxel", kChipDescription);
    ASSERT_EQ(file.result, OXEL_OK) << file.host.dump();
    ASSERT_EQ(oxel_get_first_component(), 1);
    HostContext *c = file.context();
    struct Expected {
        Functions functions;
        int32_t control;
        char disable;
    };
    const std::vector<Expected> expected = {
        {{{"10", 1}}, -1, '\0'},
        {{{"12", 6}}, 2, 'Z'},
        {{{"<null>", 5}}, -1, '\0'},
        {{{"13", 2}}, 3, '0'},
        {{{"20", 3}}, 2, '1'},
        {{{"<null>", 4}}, 5, '\0'},
    };
    ASSERT_EQ(oxel_get_current_component_first_cell(c), 1);
    for (const Expected &e : expected) {
        int32_t position = oxel_get_current_component_current_cell_position();
        EXPECT_EQ(functions(c), e.functions) << position;
        EXPECT_EQ(oxel_get_current_component_current_cell_CD_output(c), e.control) << position;
        EXPECT_EQ(oxel_get_current_component_current_cell_CD_value(c), e.disable) << position;
        oxel_get_current_component_next_cell(c);
    }
}

TEST(CellQueries, OutputsAreControlledOnlyByAnotherCell) {
    ParsedFile file("outputs.oxel", kCells);
    ASSERT_EQ(file.result, OXEL_OK) << file.host.dump();
    ASSERT_EQ(oxel_get_first_component(), 1);
    HostContext *c = file.context();
    ASSERT_TRUE(go_to_cell(c, 7));
    EXPECT_EQ(functions(c), (Functions{{"q", 2}}));
    ASSERT_TRUE(go_to_cell(c, 3));
    EXPECT_EQ(functions(c), (Functions{{"q", 3}}));
    ASSERT_TRUE(go_to_cell(c, 4));
    EXPECT_EQ(functions(c), (Functions{{"q", 2}}));
    ASSERT_TRUE(go_to_cell(c, 5));
    EXPECT_EQ(functions(c), (Functions{{"<null>", 4}}));
    ASSERT_TRUE(go_to_cell(c, 6));
    EXPECT_EQ(functions(c), (Functions{{"<null>", 5}}));
    ASSERT_TRUE(go_to_cell(c, 10));
    // "-" entries are no parameters; "12a" is no control position.
    EXPECT_EQ(functions(c), (Functions{{"a", 1}, {"b", 2}}));
}

TEST(CellQueries, InputsAndOutputsTheCapacityAndTheLimitOfTen) {
    ParsedFile file("inputs.oxel", kCells);
    ASSERT_EQ(file.result, OXEL_OK) << file.host.dump();
    ASSERT_EQ(oxel_get_first_component(), 1);
    HostContext *c = file.context();
    ASSERT_TRUE(go_to_cell(c, 8));
    EXPECT_EQ(functions(c), (Functions{{"a", 1}, {"b", 6}}));
    EXPECT_EQ(functions(c, 1), (Functions{{"a", 1}}));
    EXPECT_TRUE(functions(c, 0).empty());
    const char *name = nullptr;
    int32_t code = 0;
    EXPECT_EQ(oxel_get_current_component_current_cell_function_list(c, &name, &code, -1), 0);
    EXPECT_EQ(oxel_get_current_component_current_cell_function_list(c, nullptr, &code, 1), 0);

    ASSERT_TRUE(go_to_cell(c, 9));
    Functions ten;
    for (int i = 1; i <= 10; i++)
        ten.emplace_back("p" + std::to_string(i), 1);
    EXPECT_EQ(functions(c), ten);
}

TEST(CellQueries, TheFunctionListUpperCasesTheStoredCellName) {
    ParsedFile file("upper.oxel", kCells);
    ASSERT_EQ(file.result, OXEL_OK) << file.host.dump();
    ASSERT_EQ(oxel_get_first_component(), 1);
    HostContext *c = file.context();
    ASSERT_TRUE(go_to_cell(c, 8));
    EXPECT_EQ(text_or_null(oxel_get_current_component_current_cell_name()), "bc_2");
    functions(c);
    EXPECT_EQ(text_or_null(oxel_get_current_component_current_cell_name()), "BC_2");
    ASSERT_TRUE(go_to_cell(c, 8));
    EXPECT_EQ(text_or_null(oxel_get_current_component_current_cell_name()), "BC_2");
}

TEST(CellQueries, ControlParametersAreReadAsDecimalPositions) {
    ParsedFile file("control.oxel", kCells);
    ASSERT_EQ(file.result, OXEL_OK) << file.host.dump();
    ASSERT_EQ(oxel_get_first_component(), 1);
    HostContext *c = file.context();
    const std::vector<std::pair<int32_t, int32_t>> expected = {
        {9, 12}, {10, -1}, {11, 0}, {12, 12}, {13, 0}, {4, -1}, {7, 7}};
    for (const auto &[position, control] : expected) {
        ASSERT_TRUE(go_to_cell(c, position)) << position;
        EXPECT_EQ(oxel_get_current_component_current_cell_CD_output(c), control) << position;
    }
    ASSERT_TRUE(go_to_cell(c, 9));
    EXPECT_EQ(oxel_get_current_component_current_cell_CD_value(c), '0');
    ASSERT_TRUE(go_to_cell(c, 11));
    EXPECT_EQ(oxel_get_current_component_current_cell_CD_value(c), '\0');
}

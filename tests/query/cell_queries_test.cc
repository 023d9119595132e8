// Boundary-scan cell queries: the chain walk, functions, control cells
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "query/query_support.h"

namespace {

using Functions = std::vector<std::pair<std::string, int32_t>>;

// The function list of the current cell with room for `capacity` entries.
Functions functions(HostContext *c, int32_t capacity = 32) {
    std::vector<const char *> names(capacity + 1, "unwritten");
    std::vector<int32_t> codes(capacity + 1, -7);
    int32_t count = oxel_get_current_component_current_cell_function_list(c, names.data(),
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
bool go_to_cell(HostContext *c, int32_t position) {
    for (int32_t more = oxel_get_current_component_first_cell(c); more;
         more = oxel_get_current_component_next_cell(c))
        if (oxel_get_current_component_current_cell_position() == position)
            return true;
    return false;
}

struct Cell {
    int32_t position;
    Functions functions;
    int32_t control;
    char disable;
};

void expect_cell(HostContext *c, const Cell &cell) {
    SCOPED_TRACE(cell.position);
    ASSERT_TRUE(go_to_cell(c, cell.position));
    EXPECT_EQ(functions(c), cell.functions);
    EXPECT_EQ(oxel_get_current_component_current_cell_CD_output(c), cell.control);
    EXPECT_EQ(oxel_get_current_component_current_cell_CD_value(c), cell.disable);
}

}  // namespace

using CellQueries = ChipTest;

TEST_F(CellQueries, TheWalkVisitsEveryElementAndThenHasNoCell) {
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

    for (const Cell &cell : {Cell{0, {{"10", 1}}, -1, '\0'}, Cell{1, {{"12", 6}}, 2, 'Z'},
                             Cell{2, {{"<null>", 5}}, -1, '\0'}, Cell{3, {{"13", 2}}, 3, '0'},
                             Cell{4, {{"20", 3}}, 2, '1'}, Cell{5, {{"<null>", 4}}, 5, '\0'}})
        expect_cell(c, cell);
}

TEST(CellFunctions, CodesCapacityTheLimitOfTenAndDecimalControlCells) {
    ParsedFile file(R"(OXEL COMPONENT Cells BOUNDARY_SCAN_REGISTER B LENGTH 13 CHAIN_LIST
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
    END CHAIN_LIST END BOUNDARY_SCAN_REGISTER END COMPONENT END OXEL)");
    ASSERT_EQ(file.result, OXEL_OK) << file.host.dump();
    ASSERT_EQ(oxel_get_first_component(), 1);
    HostContext *c = file.c;
    // The function list upper-cases the stored cell name.
    ASSERT_TRUE(go_to_cell(c, 8));
    EXPECT_EQ(text_or_null(oxel_get_current_component_current_cell_name()), "bc_2");
    EXPECT_EQ(functions(c, 1), (Functions{{"a", 1}}));
    EXPECT_EQ(text_or_null(oxel_get_current_component_current_cell_name()), "BC_2");
    EXPECT_TRUE(functions(c, 0).empty());
    const char *name = nullptr;
    int32_t code = 0;
    EXPECT_EQ(oxel_get_current_component_current_cell_function_list(c, &name, &code, -1), 0);
    EXPECT_EQ(oxel_get_current_component_current_cell_function_list(c, nullptr, &code, 1), 0);
    ASSERT_TRUE(go_to_cell(c, 8));
    EXPECT_EQ(text_or_null(oxel_get_current_component_current_cell_name()), "BC_2");

    Functions ten;
    for (int i = 1; i <= 10; i++)
        ten.emplace_back("p" + std::to_string(i), 1);
    // An output is controlled only by another cell; "-" entries are no
    // parameters; a control cell is read as a decimal position.
    const Cell cells[] = {
        {7, {{"q", 2}}, 7, '\0'}, {3, {{"q", 3}}, 7, '\0'}, {4, {{"q", 2}}, -1, '\0'},
        {5, {{"<null>", 4}}, 5, '\0'}, {6, {{"<null>", 5}}, -1, '\0'},
        {8, {{"a", 1}, {"b", 6}}, -1, '\0'}, {9, ten, 12, '0'}, {10, {{"a", 1}, {"b", 2}}, -1, '1'},
        {11, {{"<null>", 5}}, 0, '\0'}, {12, {{"<null>", 5}}, 12, '\0'},
        {13, {{"<null>", 5}}, 0, '\0'}};
    for (const Cell &cell : cells)
        expect_cell(c, cell);
}

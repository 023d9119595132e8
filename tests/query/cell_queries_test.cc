// Boundary-scan cell queries: the end of the walk and the bounds of the function list
//
// What each cell of devices.oxel answers (functions, control cell, disable
// value) is compared through the tool: tests/tools/golden/devices.show.txt.
#include "query/query_support.h"

using CellQueries = ChipTest;

TEST_F(CellQueries, TheWalkVisitsEveryElementAndThenHasNoCell) {
    int32_t cells = 0;
    for (int32_t more = oxel_get_current_component_first_cell(c); more;
         more = oxel_get_current_component_next_cell(c))
        cells++;
    EXPECT_EQ(cells, 6);
    EXPECT_EQ(row(oxel_get_current_component_current_cell_position(),
                  oxel_get_current_component_current_cell_name(),
                  oxel_get_current_component_current_cell_CD_output(c)),
              "-1|(null)|-1");
    EXPECT_EQ(oxel_get_current_component_next_cell(c), 0);
}

// The list is written up to its capacity and never beyond; writing it
// upper-cases the stored cell name.
TEST_F(CellQueries, TheFunctionListKeepsToItsCapacity) {
    ASSERT_EQ(oxel_open_component(c, "Cells"), 1);
    ASSERT_EQ(oxel_get_current_component_first_cell(c), 1);
    while (oxel_get_current_component_current_cell_position() != 8)
        ASSERT_EQ(oxel_get_current_component_next_cell(c), 1);
    EXPECT_EQ(shown(oxel_get_current_component_current_cell_name()), "bc_2");
    const char *names[3] = {"unwritten", "unwritten", "unwritten"};
    int32_t codes[3] = {-7, -7, -7};
    EXPECT_EQ(oxel_get_current_component_current_cell_function_list(c, names, codes, 1), 1);
    EXPECT_EQ(row(names[0], codes[0], names[1], codes[1]), "a|1|unwritten|-7");
    EXPECT_EQ(shown(oxel_get_current_component_current_cell_name()), "BC_2");
    EXPECT_EQ(oxel_get_current_component_current_cell_function_list(c, names, codes, 2), 2);
    EXPECT_EQ(row(names[1], codes[1], names[2], codes[2]), "b|6|unwritten|-7");
    for (int32_t capacity : {0, -1})
        EXPECT_EQ(oxel_get_current_component_current_cell_function_list(c, names, codes, capacity), 0);
    EXPECT_EQ(oxel_get_current_component_current_cell_function_list(c, nullptr, codes, 1), 0);
    EXPECT_EQ(oxel_get_current_component_current_cell_function_list(c, names, nullptr, 1), 0);
}

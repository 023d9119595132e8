// Boundary-scan cell queries: the end of the walk and the bounds of the function list
#include "query/query_support.h"

using CellQueries = ChipTest;

TEST_F(CellQueries, AfterTheWalkThereIsNoCell) {
    for (int32_t more = oxel_get_current_component_first_cell(c); more;)
        more = oxel_get_current_component_next_cell(c);
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

// Positions are looked up through an index of the chain: the first element
// of a repeated position answers, an absent one leaves the view on the last
// element as a walk would, and the index follows the current component, also
// across a deletion that brings another chain to the same place.
using CellQueryIndex = ParseTest;

TEST_F(CellQueryIndex, ThePositionIndexAnswersAsTheWalkForTheChainThatIsCurrent) {
    HostContext *c = host.host();
    auto device = [](const std::string &name, const std::string &chain) {
        return "COMPONENT " + name + "\nPIN_LIST 1 TDI TDI - 2 TDO TDO - 10 A IN - 11 B IN - 12 C IN -\n"
               "END PIN_LIST BOUNDARY_SCAN_REGISTER BSR LENGTH 4 CHAIN_LIST\n" + chain +
               "END CHAIN_LIST END BOUNDARY_SCAN_REGISTER END COMPONENT\n";
    };
    ASSERT_TRUE(parse_ok(device("First", "3 BC_1 A - - - - -\n7 BC_1 B - - - - -\n3 BC_1 C - - - - -\n"
                                         "1 BC_1 - - - - - -\n") +
                         device("Second", "0 BC_1 C - - - - -\n1 BC_1 A - - - - -\n2 BC_1 B - - - - -\n"
                                          "3 BC_1 B - - - - -\n")));
    ASSERT_EQ(oxel_get_first_component(), 1);
    ASSERT_EQ(oxel_get_current_component_first_cell(c), 1);
    const std::pair<int32_t, std::string> first[] = {{3, "A|3"}, {7, "B|7"}, {1, "(null)|1"}, {5, "(null)|1"},
                                                     {-4, "(null)|1"}, {3, "A|3"}};
    for (const auto &[position, expected] : first) {
        const char *pin = oxel_get_current_component_pin_name_by_position(c, position);
        EXPECT_EQ(row(pin, oxel_get_current_component_current_cell_position()), expected) << position;
    }
    ASSERT_EQ(oxel_get_next_component(), 1);
    ASSERT_EQ(oxel_get_current_component_first_cell(c), 1);
    EXPECT_EQ(shown(oxel_get_current_component_pin_name_by_position(c, 3)), "B");
    EXPECT_EQ(shown(oxel_get_current_component_pin_name_by_position(c, 0)), "C");
    ASSERT_EQ(oxel_get_first_component(), 1);
    ASSERT_EQ(oxel_delete_current_component(c), 1);
    ASSERT_EQ(oxel_get_current_component_first_cell(c), 1);
    EXPECT_EQ(shown(oxel_get_current_component_pin_name_by_position(c, 1)), "A");
    OxelDestroy(c);
    EXPECT_EQ(oxel_get_current_component_pin_name_by_position(c, 1), nullptr);
}

// Pin and TAP queries: buses, case, the IN rule, walks
#include "query/query_support.h"

using PinQueries = ChipTest;

TEST_F(PinQueries, TapPinsTypesNamesAndNumbers) {
    // The only IO entry is the bus at the end (the TAP pins are in the tool's listing).
    EXPECT_EQ(row(oxel_get_current_component_pin_id_special(c, OXEL_PIN_TCK),
                  oxel_get_current_component_trst_available(c),
                  oxel_get_current_component_tap_pin_name(c, OXEL_PIN_IO),
                  oxel_get_current_component_pin_id(c, OXEL_PIN_IO),
                  oxel_get_current_component_pin_id(c, OXEL_PIN_GND)),
              "TCK|1|(null)|(null)|(null)");
    // The type compares names with case; only the first pin list is seen.
    const std::pair<const char *, int32_t> types[] = {{"TDI", OXEL_PIN_TDI}, {"tdi", 0}, {"D0", OXEL_PIN_IOZ},
                                                      {"VCC", OXEL_PIN_PWR}, {"EXTRA", 0}, {nullptr, 0}};
    for (const auto &[name, type] : types)
        EXPECT_EQ(oxel_get_current_component_pin_type(c, name), type) << shown(name);
    // A0's number 10 is a PI parameter of the chain; A1's 11 is nowhere.
    EXPECT_EQ(oxel_get_current_component_pin_type(c, "A0"), OXEL_PIN_IN);
    EXPECT_EQ(oxel_get_current_component_current_cell_position(), 0);
    EXPECT_EQ(oxel_get_current_component_pin_type(c, "A1"), 7);
    EXPECT_EQ(oxel_get_current_component_current_cell_position(), -1);
    // A bus gives null, and so does a null number that meets it.
    EXPECT_EQ(
        row(oxel_get_current_component_pin_nr(c, "tdi"), oxel_get_current_component_pin_nr(c, "q0"),
            oxel_get_current_component_pin_nr(c, "nosuch"), oxel_find_current_component_pin_name(c, "12"),
            oxel_find_current_component_pin_name(c, "20"), oxel_find_current_component_pin_name(c, "77"),
            oxel_find_current_component_pin_name(c, nullptr)),
        "1|13|(null)|D0|(null)|(null)|(null)");
    EXPECT_EQ(row(oxel_find_current_component_pin(c, "a0"), oxel_find_current_component_pin(c, "nosuch"),
                  oxel_find_current_component_pin(c, "EXTRA")),
              "1|0|0");
}

// The walk by names stops at the first bus, which becomes the current pin.
TEST_F(PinQueries, AWalkByNamesStopsAtTheBus) {
    std::vector<std::string> names;
    for (const char *name = oxel_get_current_component_first_pin_name(); name;
         name = oxel_get_current_component_next_pin_name())
        names.push_back(name);
    EXPECT_EQ(names, (std::vector<std::string>{"TDI", "TDO", "TMS", "TCK", "nTRST", "A0", "A1", "D0", "Q0",
                                               "N1", "VCC"}));
    EXPECT_EQ(row(oxel_get_current_component_current_pin_name(), oxel_get_current_component_current_pin_nr(),
                  oxel_get_current_component_current_pin_direction(c)),
              "D|(null)|3");
    EXPECT_EQ(oxel_get_current_component_next_pin_name(), nullptr);
    // A change of component clears the current pin.
    ASSERT_EQ(oxel_get_first_component(), 1);
    EXPECT_EQ(row(oxel_get_current_component_current_pin_name(),
                  oxel_get_current_component_current_pin_direction(c)),
              "(null)|0");
}

// Only a plain pin reference names a pin (not D(0) at 4, "-" at 2, nothing
// at 9); the search sets no current cell, but moves a current one.
TEST_F(PinQueries, PinNameByPositionServesOnlyPlainPinReferences) {
    EXPECT_EQ(row(oxel_get_current_component_pin_name_by_position(c, 0),
                  oxel_get_current_component_pin_name_by_position(c, 3),
                  oxel_get_current_component_pin_name_by_position(c, 4),
                  oxel_get_current_component_pin_name_by_position(c, 2),
                  oxel_get_current_component_pin_name_by_position(c, 9)),
              "A0|Q0|(null)|(null)|(null)");
    EXPECT_EQ(oxel_get_current_component_current_cell_position(), -1);
    ASSERT_EQ(oxel_get_current_component_first_cell(c), 1);
    EXPECT_EQ(shown(oxel_get_current_component_pin_name_by_position(c, 3)), "Q0");
    EXPECT_EQ(oxel_get_current_component_current_cell_position(), 3);
}

TEST_F(PinQueries, ABusFirstHidesPinsFromTheNameSearchesAndNoChainMakesInputsSeven) {
    ASSERT_EQ(oxel_open_component(c, "BusFirst"), 1);
    for (int32_t type = OXEL_PIN_IN; type <= OXEL_PIN_TRST; type++)
        EXPECT_EQ(oxel_get_current_component_tap_pin_name(c, type), nullptr) << type;
    EXPECT_EQ(row(oxel_get_current_component_trst_available(c), oxel_get_current_component_pin_type(c, "TDI"),
                  oxel_get_current_component_pin_nr(c, "TDI"), oxel_find_current_component_pin(c, "TDI"),
                  oxel_find_current_component_pin_name(c, "3")),
              "1|0|(null)|0|TDI");
    EXPECT_EQ(oxel_get_current_component_first_pin_name(), nullptr);
    EXPECT_EQ(shown(oxel_get_current_component_current_pin_name()), "B");
    ASSERT_EQ(oxel_open_component(c, "NoChain"), 1);
    EXPECT_EQ(row(oxel_get_current_component_pin_type(c, "I1"),
                  oxel_get_current_component_pin_name_by_position(c, 0)),
              "7|(null)");
    ASSERT_EQ(oxel_open_component(c, "Early"), 1);
    EXPECT_EQ(row(oxel_get_current_component_trst_available(c), oxel_get_current_component_first_pin_name(),
                  oxel_find_current_component_pin_name(c, "1"), oxel_find_current_component_pin(c, "X")),
              "0|(null)|(null)|0");
}

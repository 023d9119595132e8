// Pin and TAP queries: buses, case, the IN rule, directions, walks
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "query/query_support.h"

using PinQueries = ChipTest;

TEST_F(PinQueries, TapPinsTypesNamesAndNumbers) {
    EXPECT_EQ(text_or_null(oxel_get_current_component_tap_pin_name(c, OXEL_PIN_TMS)), "TMS");
    EXPECT_EQ(text_or_null(oxel_get_current_component_tap_pin_name(c, OXEL_PIN_TRST)), "nTRST");
    EXPECT_EQ(text_or_null(oxel_get_current_component_pin_id(c, OXEL_PIN_TDO)), "TDO");
    EXPECT_EQ(text_or_null(oxel_get_current_component_pin_id_special(c, OXEL_PIN_TCK)), "TCK");
    EXPECT_EQ(oxel_get_current_component_trst_available(c), 1);
    // The only IO entry is the bus at the end.
    EXPECT_EQ(oxel_get_current_component_tap_pin_name(c, OXEL_PIN_IO), nullptr);
    EXPECT_EQ(oxel_get_current_component_pin_id(c, OXEL_PIN_IO), nullptr);
    EXPECT_EQ(oxel_get_current_component_pin_id(c, OXEL_PIN_GND), nullptr);
    EXPECT_EQ(oxel_nr_current_component_pins(), 12);

    // The type compares names with case; only the first pin list is seen.
    const std::vector<std::pair<const char *, int32_t>> types = {
        {"TDI", OXEL_PIN_TDI}, {"tdi", 0}, {"D0", OXEL_PIN_IOZ}, {"VCC", OXEL_PIN_PWR},
        {"EXTRA", 0}, {nullptr, 0}};
    for (const auto &[name, type] : types)
        EXPECT_EQ(oxel_get_current_component_pin_type(c, name), type) << text_or_null(name);
    // A0's number 10 is a PI parameter of the chain; A1's 11 is nowhere.
    EXPECT_EQ(oxel_get_current_component_pin_type(c, "A0"), OXEL_PIN_IN);
    EXPECT_EQ(oxel_get_current_component_current_cell_position(), 0);
    EXPECT_EQ(oxel_get_current_component_pin_type(c, "A1"), 7);
    EXPECT_EQ(oxel_get_current_component_current_cell_position(), -1);

    EXPECT_EQ(text_or_null(oxel_get_current_component_pin_nr(c, "tdi")), "1");
    EXPECT_EQ(text_or_null(oxel_get_current_component_pin_nr(c, "q0")), "13");
    EXPECT_EQ(oxel_get_current_component_pin_nr(c, "nosuch"), nullptr);
    EXPECT_EQ(text_or_null(oxel_find_current_component_pin_name(c, "12")), "D0");
    // A bus gives null, and so does a null number that meets it.
    for (const char *number : {"20", "77", static_cast<const char *>(nullptr)})
        EXPECT_EQ(oxel_find_current_component_pin_name(c, number), nullptr) << text_or_null(number);
    EXPECT_EQ(oxel_find_current_component_pin(c, "a0"), 1);
    EXPECT_EQ(oxel_find_current_component_pin(c, "nosuch"), 0);
    EXPECT_EQ(oxel_find_current_component_pin(c, "EXTRA"), 0);
}

TEST_F(PinQueries, WalksAndDirections) {
    std::vector<std::string> names;
    std::vector<int32_t> directions;
    for (const char *name = oxel_get_current_component_first_pin_name(); name;
         name = oxel_get_current_component_next_pin_name()) {
        names.push_back(name);
        directions.push_back(oxel_get_current_component_current_pin_direction(c));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"TDI", "TDO", "TMS", "TCK", "nTRST", "A0", "A1",
                                               "D0", "Q0", "N1", "VCC"}));
    EXPECT_EQ(directions, (std::vector<int32_t>{1, 2, 1, 1, 1, 1, 1, 3, 2, 0, 1}));
    // The walk stopped on the bus, which is now the current pin.
    EXPECT_EQ(text_or_null(oxel_get_current_component_current_pin_name()), "D");
    EXPECT_EQ(oxel_get_current_component_current_pin_nr(), nullptr);
    EXPECT_EQ(oxel_get_current_component_current_pin_direction(c), 3);
    EXPECT_EQ(oxel_get_current_component_next_pin_name(), nullptr);

    std::vector<std::string> numbers{text_or_null(oxel_get_current_component_first_pin_nr())};
    for (int i = 1; i < 12; i++)
        numbers.push_back(text_or_null(oxel_get_current_component_next_pin_nr()));
    EXPECT_EQ(numbers, (std::vector<std::string>{"1", "2", "3", "4", "5", "10", "11", "12", "13",
                                                 "14", "15", "<null>"}));
    // A change of component clears the current pin.
    ASSERT_EQ(oxel_get_first_component(), 1);
    EXPECT_EQ(oxel_get_current_component_current_pin_name(), nullptr);
    EXPECT_EQ(oxel_get_current_component_current_pin_direction(c), 0);
}

TEST_F(PinQueries, PinNameByPositionServesOnlyPlainPinReferences) {
    EXPECT_EQ(text_or_null(oxel_get_current_component_pin_name_by_position(c, 0)), "A0");
    EXPECT_EQ(text_or_null(oxel_get_current_component_pin_name_by_position(c, 3)), "Q0");
    EXPECT_EQ(oxel_get_current_component_pin_name_by_position(c, 4), nullptr);  // D(0)
    EXPECT_EQ(oxel_get_current_component_pin_name_by_position(c, 2), nullptr);  // "-"
    EXPECT_EQ(oxel_get_current_component_pin_name_by_position(c, 9), nullptr);
    // The walk sets no current cell; a current cell shows what it visited last.
    EXPECT_EQ(oxel_get_current_component_current_cell_position(), -1);
    ASSERT_EQ(oxel_get_current_component_first_cell(c), 1);
    EXPECT_EQ(text_or_null(oxel_get_current_component_pin_name_by_position(c, 3)), "Q0");
    EXPECT_EQ(oxel_get_current_component_current_cell_position(), 3);
}

TEST(PinQueriesOdd, ABusFirstHidesPinsFromTheNameSearchesAndNoChainMakesInputsSeven) {
    ParsedFile file(R"(OXEL
  COMPONENT BusFirst
    PIN_LIST (1,2) B(0:1) IO -  3 TDI TDI -  4 RST TRST - END PIN_LIST
  END COMPONENT
  COMPONENT NoChain PIN_LIST 7 I1 IN - END PIN_LIST END COMPONENT
  COMPONENT NoPins END COMPONENT
END OXEL)");
    ASSERT_EQ(file.result, OXEL_OK) << file.host.dump();
    HostContext *c = file.c;
    ASSERT_EQ(oxel_open_component(c, "BusFirst"), 1);
    for (int32_t type = OXEL_PIN_IN; type <= OXEL_PIN_TRST; type++)
        EXPECT_EQ(oxel_get_current_component_tap_pin_name(c, type), nullptr) << type;
    EXPECT_EQ(text_or_null(oxel_get_current_component_pin_id(c, OXEL_PIN_TDI)), "TDI");
    EXPECT_EQ(oxel_get_current_component_trst_available(c), 1);
    EXPECT_EQ(oxel_get_current_component_pin_type(c, "TDI"), 0);
    EXPECT_EQ(oxel_get_current_component_pin_nr(c, "TDI"), nullptr);
    EXPECT_EQ(oxel_find_current_component_pin(c, "TDI"), 0);
    EXPECT_EQ(text_or_null(oxel_find_current_component_pin_name(c, "3")), "TDI");
    // A walk by names stops at the bus; one by numbers goes past it.
    EXPECT_EQ(oxel_get_current_component_first_pin_name(), nullptr);
    EXPECT_EQ(text_or_null(oxel_get_current_component_current_pin_name()), "B");
    EXPECT_EQ(oxel_get_current_component_first_pin_nr(), nullptr);
    EXPECT_EQ(text_or_null(oxel_get_current_component_next_pin_nr()), "3");
    EXPECT_EQ(text_or_null(oxel_get_current_component_next_pin_nr()), "4");
    EXPECT_EQ(oxel_get_current_component_next_pin_nr(), nullptr);
    EXPECT_EQ(text_or_null(oxel_get_current_component_current_pin_name()), "RST");
    EXPECT_EQ(oxel_nr_current_component_pins(), 3);

    // Without a boundary-scan register every input pin answers 7.
    ASSERT_EQ(oxel_open_component(c, "NoChain"), 1);
    EXPECT_EQ(oxel_get_current_component_pin_type(c, "I1"), 7);
    EXPECT_EQ(oxel_get_current_component_pin_name_by_position(c, 0), nullptr);

    ASSERT_EQ(oxel_open_component(c, "NoPins"), 1);
    EXPECT_EQ(oxel_get_current_component_trst_available(c), 0);
    EXPECT_EQ(oxel_get_current_component_first_pin_name(), nullptr);
    EXPECT_EQ(oxel_find_current_component_pin_name(c, "1"), nullptr);
    EXPECT_EQ(oxel_find_current_component_pin(c, "X"), 0);
    EXPECT_EQ(oxel_nr_current_component_pins(), 0);
}

// Technology sections: pin families and global families
#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <string>

#include "grammar/description_support.h"

namespace {

class TechnologyGrammar : public DescriptionTest {};

// The value of a family field, or NAN for a null one (which no expectation
// equals by accident).
double value_of(const double *field) { return field ? *field : NAN; }

}  // namespace

TEST_F(TechnologyGrammar, APinFamilyKeepsWhatIsGivenAndNullForDashesAndTheRest) {
    DescriptionRoot *root = parse_ok("PIN_FAMILY F1 SETUP_TIME 1.5 TPLH - 2 3e-9 END PIN_FAMILY");
    ASSERT_TRUE(root);
    PinFamilyRecord *family = only_item<PinFamilyRecord>(root->pin_families);
    ASSERT_TRUE(family);
    EXPECT_EQ(text_of(family->name), "F1");
    EXPECT_DOUBLE_EQ(value_of(family->setup_time), 1.5);
    EXPECT_EQ(family->tplh_min, nullptr);
    EXPECT_DOUBLE_EQ(value_of(family->tplh_typ), 2.0);
    EXPECT_DOUBLE_EQ(value_of(family->tplh_max), 3e-9);
    double *others[] = {family->hold_time, family->tphl_min, family->tphl_typ, family->tphl_max,
                        family->iil, family->iih, family->vil, family->vih, family->iol,
                        family->ioh, family->vol, family->voh, family->vcc_min, family->vcc_typ,
                        family->vcc_max};
    for (double *other : others)
        EXPECT_EQ(other, nullptr);
}

TEST_F(TechnologyGrammar, EveryPinFamilyStatementFillsItsOwnFields) {
    DescriptionRoot *root = parse_ok(
        "PIN_FAMILY \"3V3 CMOS\"\n"
        "  SETUP_TIME: 1 HOLD_TIME 2\n"
        "  TPLH 3 4 5 TPHL: 6 7 8\n"
        "  INPUT_CURRENT 9 10 INPUT_VOLTAGE 11 12\n"
        "  OUTPUT_CURRENT -13 14 OUTPUT_VOLTAGE 15 16.5\n"
        "  VCC_VOLTAGE 17 18 19\n"
        "END PIN_FAMILY");
    ASSERT_TRUE(root);
    PinFamilyRecord *f = only_item<PinFamilyRecord>(root->pin_families);
    ASSERT_TRUE(f);
    EXPECT_EQ(text_of(f->name), "3V3 CMOS");
    const double *fields[] = {f->setup_time, f->hold_time, f->tplh_min, f->tplh_typ, f->tplh_max,
                              f->tphl_min, f->tphl_typ, f->tphl_max, f->iil, f->iih, f->vil,
                              f->vih, f->iol, f->ioh, f->vol, f->voh, f->vcc_min, f->vcc_typ,
                              f->vcc_max};
    const double expected[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, -13, 14, 15, 16.5, 17, 18, 19};
    for (size_t i = 0; i < std::size(fields); i++)
        EXPECT_DOUBLE_EQ(value_of(fields[i]), expected[i]) << "field " << i + 2;
}

TEST_F(TechnologyGrammar, ARepeatedStatementReplacesTheEarlierValues) {
    DescriptionRoot *root = parse_ok(
        "PIN_FAMILY F TPHL 1 2 3 SETUP_TIME 4 TPHL 5 - 7 SETUP_TIME 8 END PIN_FAMILY\n"
        "BOARD B GLOBAL_FAMILY G CLOCK_FREQUENCY 1 2 3 TCK_STOP_AT_ONE YES\n"
        "  CLOCK_FREQUENCY - 20 - TCK_STOP_AT_ONE NO END GLOBAL_FAMILY END BOARD");
    ASSERT_TRUE(root);
    PinFamilyRecord *family = only_item<PinFamilyRecord>(root->pin_families);
    ASSERT_TRUE(family);
    EXPECT_DOUBLE_EQ(value_of(family->tphl_min), 5);
    EXPECT_EQ(family->tphl_typ, nullptr);
    EXPECT_DOUBLE_EQ(value_of(family->tphl_max), 7);
    EXPECT_DOUBLE_EQ(value_of(family->setup_time), 8);
    GlobalPerformanceRecord *global =
        only_item<GlobalPerformanceRecord>(only_item<BoardRecord>(root->boards)->global_performances);
    ASSERT_TRUE(global);
    EXPECT_EQ(global->clock_freq_min, nullptr);
    EXPECT_DOUBLE_EQ(value_of(global->clock_freq_typ), 20);
    EXPECT_EQ(global->clock_freq_max, nullptr);
    EXPECT_EQ(global->tck_stop_at_one, 0);
    EXPECT_EQ(global->tck_stop_at_one_given, 1);
}

TEST_F(TechnologyGrammar, PinFamiliesJoinTheDescriptionInFileOrder) {
    DescriptionRoot *root = parse_ok(
        "PIN_FAMILY FIRST HOLD_TIME 1 END PIN_FAMILY\n"
        "BOARD B PIN_FAMILY SECOND HOLD_TIME 2 END PIN_FAMILY\n"
        "        PIN_FAMILY THIRD HOLD_TIME 3 END PIN_FAMILY END BOARD\n"
        "COMPONENT C PIN_FAMILY FOURTH HOLD_TIME 4 END PIN_FAMILY END COMPONENT\n"
        "PIN_FAMILY FIFTH HOLD_TIME 5 END PIN_FAMILY");
    ASSERT_TRUE(root);
    std::vector<std::string> names;
    for (PinFamilyRecord *family : items_of<PinFamilyRecord>(root->pin_families))
        names.push_back(text_of(family->name));
    EXPECT_EQ(names, (std::vector<std::string>{"FIRST", "SECOND", "THIRD", "FOURTH", "FIFTH"}));
}

TEST_F(TechnologyGrammar, AGlobalFamilyHoldsFrequenciesTemperaturesAndTheTckStop) {
    DescriptionRoot *root = parse_ok(
        "BOARD B GLOBAL_FAMILY Limits\n"
        "  TEST_FREQUENCY 1e6 - 25e6\n"
        "  CLOCK_FREQUENCY: 2 3 4\n"
        "  STANDARD IEEE_1149.1_1990\n"
        "  TEMPERATURE_RANGE -40 25 85\n"
        "  TCK_STOP_AT_ONE: YES\n"
        "END GLOBAL_FAMILY\n"
        "GLOBAL_FAMILY Bare TEST_FREQUENCY 1 1 1 END GLOBAL_FAMILY END BOARD");
    ASSERT_TRUE(root);
    std::vector<GlobalPerformanceRecord *> globals =
        items_of<GlobalPerformanceRecord>(only_item<BoardRecord>(root->boards)->global_performances);
    ASSERT_EQ(globals.size(), 2u);
    GlobalPerformanceRecord *g = globals[0];
    EXPECT_EQ(text_of(g->name), "Limits");
    EXPECT_DOUBLE_EQ(value_of(g->test_freq_min), 1e6);
    EXPECT_EQ(g->test_freq_typ, nullptr);
    EXPECT_DOUBLE_EQ(value_of(g->test_freq_max), 25e6);
    EXPECT_DOUBLE_EQ(value_of(g->clock_freq_min), 2);
    EXPECT_DOUBLE_EQ(value_of(g->clock_freq_typ), 3);
    EXPECT_DOUBLE_EQ(value_of(g->clock_freq_max), 4);
    EXPECT_DOUBLE_EQ(value_of(g->temperature_min), -40);
    EXPECT_DOUBLE_EQ(value_of(g->temperature_typ), 25);
    EXPECT_DOUBLE_EQ(value_of(g->temperature_max), 85);
    EXPECT_EQ(g->tck_stop_at_one, 1);
    EXPECT_EQ(g->tck_stop_at_one_given, 1);
    EXPECT_EQ(g->reserved, 0);
    // Without the statement both stay 0.
    EXPECT_EQ(globals[1]->tck_stop_at_one, 0);
    EXPECT_EQ(globals[1]->tck_stop_at_one_given, 0);
    EXPECT_EQ(globals[1]->temperature_min, nullptr);
}

TEST_F(TechnologyGrammar, EachBrokenStatementNamesWhatWasExpected) {
    EXPECT_EQ(detail_of("PIN_FAMILY F SETUP_TIME - END PIN_FAMILY"), "Float or integer expected");
    EXPECT_EQ(detail_of("PIN_FAMILY F HOLD_TIME X END PIN_FAMILY"), "Float or integer expected");
    EXPECT_EQ(detail_of("PIN_FAMILY F TPLH 1 2 X END PIN_FAMILY"), "Float or integer or dash expected");
    EXPECT_EQ(detail_of("PIN_FAMILY F VCC_VOLTAGE 1 2 END PIN_FAMILY"), "Float or integer or dash expected");
    EXPECT_EQ(detail_of("PIN_FAMILY F1 END PIN_FAMILY"), "Pin-family element expected");
    EXPECT_EQ(detail_of("PIN_FAMILY F1 SETUP_TIME 1 TEST_FREQUENCY 1 2 3 END PIN_FAMILY"),
              "Pin-family element expected");
    EXPECT_EQ(detail_of("BOARD B GLOBAL_FAMILY G END GLOBAL_FAMILY END BOARD"), "Global element expected");
    EXPECT_EQ(detail_of("BOARD B GLOBAL_FAMILY G TCK_STOP_AT_ONE YES SETUP_TIME 1 END GLOBAL_FAMILY END BOARD"),
              "Global element expected");
    EXPECT_EQ(detail_of("BOARD B GLOBAL_FAMILY G TEMPERATURE_RANGE 1 x 3 END GLOBAL_FAMILY END BOARD"),
              "Float or integer or dash expected");
    // A global family stands only inside a board or a component.
    EXPECT_EQ(detail_of("GLOBAL_FAMILY G TEST_FREQUENCY 1 2 3 END GLOBAL_FAMILY"),
              "Board, component, technology, header or END OXEL expected");
}

TEST_F(TechnologyGrammar, AFamilyBrokenHalfwayIsReleasedWithTheDescription) {
    EXPECT_EQ(detail_of("PIN_FAMILY DONE SETUP_TIME 1 END PIN_FAMILY\n"
                        "PIN_FAMILY HALF SETUP_TIME 1 TPLH 1 2 3 VCC_VOLTAGE 1 2 3 HOLD_TIME -"),
              "Float or integer expected");
    EXPECT_EQ(OxelGetInfo()->pin_families, nullptr);
    EXPECT_EQ(detail_of("BOARD B GLOBAL_FAMILY G TEST_FREQUENCY 1 2 3 CLOCK_FREQUENCY 1 2"),
              "Float or integer or dash expected");
    // The next parse starts with no family under construction.
    DescriptionRoot *root = parse_ok("PIN_FAMILY NEXT SETUP_TIME 3 END PIN_FAMILY");
    ASSERT_TRUE(root);
    EXPECT_DOUBLE_EQ(value_of(only_item<PinFamilyRecord>(root->pin_families)->setup_time), 3);
}

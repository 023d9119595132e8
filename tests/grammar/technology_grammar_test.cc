// Technology sections: pin families and global families
#include <gtest/gtest.h>

#include <iomanip>
#include <sstream>
#include <string>

#include "grammar/description_support.h"

namespace {

class TechnologyGrammar : public DescriptionTest {};

// The values of a family's fields in record order, spaced; a null field reads "-".
std::string values_of(std::initializer_list<const double *> fields) {
    std::ostringstream out;
    out << std::setprecision(15);
    for (const double *field : fields) {
        out << (out.tellp() > 0 ? " " : "");
        field ? out << *field : out << "-";
    }
    return out.str();
}
std::string values_of(const PinFamilyRecord *f) {
    return values_of({f->setup_time, f->hold_time, f->tplh_min, f->tplh_typ, f->tplh_max, f->tphl_min, f->tphl_typ,
                      f->tphl_max, f->iil, f->iih, f->vil, f->vih, f->iol, f->ioh, f->vol, f->voh, f->vcc_min,
                      f->vcc_typ, f->vcc_max});
}
std::string values_of(const GlobalPerformanceRecord *g) {
    return values_of({g->test_freq_min, g->test_freq_typ, g->test_freq_max, g->clock_freq_min, g->clock_freq_typ,
                      g->clock_freq_max, g->temperature_min, g->temperature_typ, g->temperature_max}) +
           "|" + row(g->tck_stop_at_one, g->tck_stop_at_one_given, g->reserved);
}

}  // namespace

TEST_F(TechnologyGrammar, PinFamiliesKeepWhatIsGivenAndJoinTheDescriptionInFileOrder) {
    DescriptionRoot *root = parse_ok(
        "PIN_FAMILY F1 SETUP_TIME 1.5 TPLH - 2 3e-9 END PIN_FAMILY\n"
        "BOARD B PIN_FAMILY \"3V3 CMOS\"\n"
        "  SETUP_TIME: 1 HOLD_TIME 2 TPLH 3 4 5 TPHL: 6 7 8 INPUT_CURRENT 9 10 INPUT_VOLTAGE 11 12\n"
        "  OUTPUT_CURRENT -13 14 OUTPUT_VOLTAGE 15 16.5 VCC_VOLTAGE 17 18 19\n"
        "END PIN_FAMILY\n"
        // A repeated statement replaces the earlier values.
        "PIN_FAMILY F3 TPHL 1 2 3 SETUP_TIME 4 TPHL 5 - 7 SETUP_TIME 8 END PIN_FAMILY END BOARD\n"
        "COMPONENT C PIN_FAMILY FOURTH HOLD_TIME 4 END PIN_FAMILY END COMPONENT\n"
        "PIN_FAMILY FIFTH HOLD_TIME 5 END PIN_FAMILY");
    ASSERT_TRUE(root);
    std::vector<PinFamilyRecord *> families = items_of<PinFamilyRecord>(root->pin_families);
    const std::pair<const char *, const char *> expected[] = {
        {"F1", "1.5 - - 2 3e-09 - - - - - - - - - - - - - -"},
        {"3V3 CMOS", "1 2 3 4 5 6 7 8 9 10 11 12 -13 14 15 16.5 17 18 19"},
        {"F3", "8 - - - - 5 - 7 - - - - - - - - - - -"},
        {"FOURTH", "- 4 - - - - - - - - - - - - - - - - -"},
        {"FIFTH", "- 5 - - - - - - - - - - - - - - - - -"}};
    ASSERT_EQ(families.size(), std::size(expected));
    for (size_t i = 0; i < families.size(); i++)
        EXPECT_EQ(text_of(families[i]->name) + "|" + values_of(families[i]),
                  std::string(expected[i].first) + "|" + expected[i].second);
}

TEST_F(TechnologyGrammar, AGlobalFamilyHoldsFrequenciesTemperaturesAndTheTckStop) {
    DescriptionRoot *root = parse_ok(
        "BOARD B GLOBAL_FAMILY Limits\n"
        "  TEST_FREQUENCY 1e6 - 25e6 CLOCK_FREQUENCY: 2 3 4 STANDARD IEEE_1149.1_1990\n"
        "  TEMPERATURE_RANGE -40 25 85 TCK_STOP_AT_ONE: YES\n"
        "END GLOBAL_FAMILY\n"
        "GLOBAL_FAMILY Bare TEST_FREQUENCY 1 1 1 END GLOBAL_FAMILY\n"
        // A repeated statement replaces the earlier values.
        "GLOBAL_FAMILY G CLOCK_FREQUENCY 1 2 3 TCK_STOP_AT_ONE YES\n"
        "  CLOCK_FREQUENCY - 20 - TCK_STOP_AT_ONE NO END GLOBAL_FAMILY END BOARD");
    ASSERT_TRUE(root);
    std::vector<GlobalPerformanceRecord *> globals =
        items_of<GlobalPerformanceRecord>(only_item<BoardRecord>(root->boards)->global_performances);
    ASSERT_EQ(globals.size(), 3u);
    EXPECT_EQ(text_of(globals[0]->name), "Limits");
    EXPECT_EQ(values_of(globals[0]), "1000000 - 25000000 2 3 4 -40 25 85|1|1|0");
    // Without the statement both TCK fields stay 0.
    EXPECT_EQ(values_of(globals[1]), "1 1 1 - - - - - -|0|0|0");
    EXPECT_EQ(values_of(globals[2]), "- - - - 20 - - - -|0|1|0");
}

TEST_F(TechnologyGrammar, EachBrokenStatementNamesWhatWasExpected) {
    expect_details({
        {"PIN_FAMILY F SETUP_TIME - END PIN_FAMILY", "Float or integer expected"},
        {"PIN_FAMILY F HOLD_TIME X END PIN_FAMILY", "Float or integer expected"},
        {"PIN_FAMILY F TPLH 1 2 X END PIN_FAMILY", "Float or integer or dash expected"},
        {"PIN_FAMILY F VCC_VOLTAGE 1 2 END PIN_FAMILY", "Float or integer or dash expected"},
        {"PIN_FAMILY F1 END PIN_FAMILY", "Pin-family element expected"},
        {"PIN_FAMILY F1 SETUP_TIME 1 TEST_FREQUENCY 1 2 3 END PIN_FAMILY", "Pin-family element expected"},
        {"BOARD B GLOBAL_FAMILY G END GLOBAL_FAMILY END BOARD", "Global element expected"},
        {"BOARD B GLOBAL_FAMILY G TCK_STOP_AT_ONE YES SETUP_TIME 1 END GLOBAL_FAMILY END BOARD",
         "Global element expected"},
        {"BOARD B GLOBAL_FAMILY G TEMPERATURE_RANGE 1 x 3 END GLOBAL_FAMILY END BOARD",
         "Float or integer or dash expected"},
        // A global family stands only inside a board or a component.
        {"GLOBAL_FAMILY G TEST_FREQUENCY 1 2 3 END GLOBAL_FAMILY", "Board, component, technology, header or END OXEL expected"},
        // A family broken halfway is released with the description.
        {"PIN_FAMILY DONE SETUP_TIME 1 END PIN_FAMILY\n"
         "PIN_FAMILY HALF SETUP_TIME 1 TPLH 1 2 3 VCC_VOLTAGE 1 2 3 HOLD_TIME -",
         "Float or integer expected"},
        {"BOARD B GLOBAL_FAMILY G TEST_FREQUENCY 1 2 3 CLOCK_FREQUENCY 1 2", "Float or integer or dash expected"},
    });
    // The next parse starts with no family under construction.
    DescriptionRoot *root = parse_ok("PIN_FAMILY NEXT SETUP_TIME 3 END PIN_FAMILY");
    ASSERT_TRUE(root);
    EXPECT_EQ(values_of(only_item<PinFamilyRecord>(root->pin_families)), "3 - - - - - - - - - - - - - - - - - -");
}

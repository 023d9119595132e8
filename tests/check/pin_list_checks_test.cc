// Pin list and pin family checks through OxelCheck: pins, buses, controller pins and families
#include "check/check_support.h"
#include "check/pin_list_checks.h"

namespace {

// The four controller pins a pin list needs.
const std::string kTap = "1 TDI TDI -\n2 TDO TDO -\n3 TMS TMS -\n4 TCK TCK -\n";
std::string pin_list(const std::string &pins, const std::string &tap = kTap) {
    return "PIN_LIST\n" + tap + pins + "END PIN_LIST\n";
}
std::string chain_of(const std::string &pin) {
    return "BOUNDARY_SCAN_REGISTER BSR LENGTH 1 CHAIN_LIST 0 BC_1 " + pin +
           " - - - - - END CHAIN_LIST END BOUNDARY_SCAN_REGISTER\n";
}
const std::string kFamilies = "PIN_FAMILY EMPTY TPLH - - - END PIN_FAMILY\n";
const int32_t kAnyResult = -1;

class PinListChecks : public CheckTest {
protected:
    // This family's messages only, so that the other families may add theirs.
    Texts pin_messages() const {
        return messages_starting(received(), {"empty pin", "Bus Index", "Number of pins in bus", "pintype",
                                              "Pin name \"", "Pin number \"", "-controller ", "Missing pin",
                                              "Pinfamily", "undefined in family", "has BST type"}, true);
    }
};

// The warning of a boundary-scan pin that a register's chain leaves out.
std::string not_in_chain(const std::string &pin) {
    return "W:Pin \"" + pin + "\" has BST type but is not specified in the Boundary-Scan Register";
}

// The warnings of the values that family EMPTY lacks, in the order given.
void add_family_warnings(Texts &out, const Texts &values, const std::string &pin) {
    for (const std::string &value : values)
        out.push_back("W:" + value + " undefined in family \"EMPTY\" for " + pin);
}

}  // namespace

TEST_F(PinListChecks, EveryRuleReportsInOrder) {
    Texts families{not_in_chain("P")};
    add_family_warnings(families, {"Iil", "Iih", "Vil", "Vih", "Iol", "Ioh", "Vol", "Voh", "SetupTime", "HoldTime",
                                   "tpLHMin", "tpLHTyp", "tpLHMax", "tpHLMin", "tpHLTyp", "tpHLMax"}, "pin P");
    add_family_warnings(families, {"VccMin", "VccTyp", "VccMax"}, "powerpin V");
    const struct { std::string before, items; int32_t result; Texts found; } rows[] = {
        // A bus keeps its numbers in a list: a named bus of the right size is clean.
        {"", pin_list("(5:8) D(0:3) NC -\n(A1, 9) E(0, 1) NC -\n"), OXEL_OK, {}},
        {"", pin_list("12 - NC -\n\"\" P1 NC -\n\"\" - NC -\n\"-\" P2 NC -\n"), OXEL_FAILED,
         {"E:Illegal empty pin name for pin with pin number \"12\"",
          "E:Illegal empty pin number for pin with pin name \"P1\"",
          "E:Pin with illegal empty pin name and empty pin number",
          "E:Illegal empty pin number for pin with pin name \"P2\""}},
        {"", pin_list("(N1, 6) \"\"(0:1) NC -\n(7:8) \"-\"(0:1) NC -\n"), OXEL_FAILED,
         {"E:Illegal empty pin name for pin with pin number \"N1\"",
          "E:Illegal empty pin name for pin with pin number \"7\""}},
        {"", pin_list("(5, 6, 9:11) B(0:3) NC -\n(12:17) C(0, 1, 1, 2:3, 2) NC -\n"), OXEL_FAILED,
         {"E:Number of pins in bus B not equal to bus size (5 vs 4)", "E:Bus Index 1 multiple defined in bus C",
          "E:Bus Index 2 multiple defined in bus C"}},
        // Repetitions come in bucket order, not in the order of the list.
        {"", pin_list("5 B NC -\n6 B NC -\n7 A NC -\n7 A NC -\n"), OXEL_FAILED,
         {"E:Pin name \"A\" is multiple defined", "E:Pin name \"B\" is multiple defined",
          "E:Pin number \"7\" is multiple defined"}},
        {"", pin_list("1 C1 TCK -\n2 C2 TCK -\n3 R1 TRST -\n4 R2 TRST -\n", ""), OXEL_FAILED,
         {"E:Missing TDI-controller pin in current device", "E:Missing TDO-controller pin in current device",
          "E:Missing TMS-controller pin in current device", "E:Multiple TCK-controller pins in current device",
          "E:Multiple TRST-controller pins in current device"}},
        // The tables hold the device's earlier lists; the counters do not.
        {"", pin_list("5 P NC -\n6 P NC -\n") + pin_list("7 Q NC -\n", ""), OXEL_FAILED,
         {"E:Pin name \"P\" is multiple defined", "E:Pin name \"P\" is multiple defined",
          "E:Missing TDI-controller pin in current device", "E:Missing TDO-controller pin in current device",
          "E:Missing TMS-controller pin in current device", "E:Missing TCK-controller pin in current device"}},
        {"", "STANDARD IEEE_1149.1_1990\n", OXEL_FAILED, {"E:Missing pin list"}},
        // Each boundary-scan register that leaves a pin out is told.
        {"", pin_list("5 P IN -\n6 Q OUT -\n"), OXEL_WARNINGS,
         {not_in_chain("P"), not_in_chain("Q")}},
        {"", pin_list("5 P IOZ -\n6 Q OUTZ -\n7 R GND -\n") + chain_of("P") + chain_of("R"), kAnyResult,
         {not_in_chain("P"), not_in_chain("Q"), not_in_chain("Q")}},
        {kFamilies, pin_list("5 P IO EMPTY\n6 V PWR EMPTY\n7 G GND EMPTY\n"), OXEL_WARNINGS,
         families},
        {kFamilies, pin_list("5 P NC NOFAM\n"), OXEL_FAILED, {"E:Undefined Pinfamily : \"NOFAM\""}},
        // Without any pin family there is nothing to hold a pin to.
        {"", pin_list("5 P NC NOFAM\n"), OXEL_OK, {}},
        {kFamilies + "PIN_FAMILY EMPTY TPHL - - - END PIN_FAMILY\n", "", OXEL_FAILED,
         {"E:Pinfamily \"EMPTY\" is multiple defined"}},
    };
    for (const auto &[before, items, result, found] : rows) {
        SCOPED_TRACE(before + items);
        ASSERT_TRUE(parse_ok(before + component("U1", items)));
        int32_t checked = check();
        EXPECT_TRUE(result == kAnyResult || checked == result) << checked;
        EXPECT_EQ(pin_messages(), found);
    }
}

TEST_F(PinListChecks, TypeCodesTheGrammarCannotGive) {
    // Code 0 needs no family data and is no boundary-scan pin; 14 is illegal.
    ASSERT_TRUE(parse_ok(kFamilies + component("U1", pin_list("5 P IO EMPTY\n(6:7) Q(0:1) IO -\n"))));
    std::vector<PinRecord *> pins = items_of<PinRecord>(items_of<ItemList>(first_component()->pin_lists)[0]);
    pins[4]->type = 0;
    pins[5]->type = 14;
    EXPECT_EQ(check(), OXEL_FAILED);
    EXPECT_EQ(pin_messages(), Texts{"E:Illegal pintype at pin \"6\" pinname \"Q\""});
}

TEST_F(PinListChecks, AbsentFamiliesAndEmptyPinLists) {
    char name[] = "F";
    PinFamilyRecord nameless{}, named{};
    named.name = name;
    void *family_items[] = {nullptr, &nameless, &named, &named};
    ItemList families{4, 4, family_items};
    host.clear();
    NameLists names{};
    const Subject nowhere{host.host(), nullptr, nullptr};
    EXPECT_EQ(register_pin_families(nowhere, names, &families), kError);
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR), (Texts{"Missing pin family in familylist", "Pinfamily name undefined",
                                                  "Pinfamily \"F\" is multiple defined"}));

    ItemList empty{0, 1, nullptr};
    void *list_items[] = {&empty, nullptr};
    ItemList pin_lists{2, 2, list_items};
    host.clear();
    DeviceTables tables{};
    EXPECT_EQ(check_pin_lists(nowhere, DeviceChecks{tables, names, nullptr}, &pin_lists, nullptr, false), kError);
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR), (Texts{"Missing pinlist in pinlists", "Missing pinlist in pinlists"}));
    free_name_lists(host.host(), names);
}

// Bypass, identification, usercode, BIST and data register checks through OxelCheck
#include <algorithm>
#include <utility>

#include "check/check_support.h"
#include "check/data_register_checks.h"

namespace {

std::string reg(const std::string &kind, const std::string &name, const std::string &items) {
    return kind + "_REGISTER " + name + " " + items + " END " + kind + "_REGISTER\n";
}
// Its one instruction connects BPR: with kBypass, a component without a
// standard in which no other check family finds anything.
const std::string kIr = reg("INSTRUCTION", "IR", "PURPOSE \"i\" LENGTH 2 CAPTURE \"01\" INSTRUCTION_LIST "
                                                 "BYPASS \"11\" BPR SAMPLE - END INSTRUCTION_LIST");
const std::string kBypass = reg("BYPASS", "BPR", "PURPOSE \"b\" LENGTH 1 CAPTURE \"0\"");
const std::string kCodes = " MANUFACTURER_IDCODE \"1\" PARTNUMBER_IDCODE \"1\" VERSION_IDCODE \"1\"";
const std::string kId =
    reg("IDENTIFICATION", "IDR", "PURPOSE \"i\" LENGTH 32 CAPTURE \"0x0F\" CONCATENATION [IR, BPR]" + kCodes);
const std::string kData = reg("DATA", "DR", "PURPOSE \"d\" LENGTH 8 CAPTURE \"0000 0000\"");
// A BIST register B whose only finding is its clock "-", with `items` added.
std::string bist(const std::string &items) {
    return reg("BIST", "B", "PURPOSE \"b\" LENGTH 4 CAPTURE \"0101\" COVERAGE 90 CLOCK - MIN_DURATION 1 " +
                                items);
}
const std::string kNoClock = "W:BIST clock is undefined in register \"B\"";
// Pins that no check family asks more of without a boundary-scan register.
const std::string kPins =
    "PIN_LIST 1 TCK TCK - 2 TMS TMS - 3 TDI TDI - 4 TDO TDO - 5 CLK NC - (6:13) D(0:7) NC - END PIN_LIST\n";

using DataRegisterChecks = CheckTest;

}  // namespace

TEST_F(DataRegisterChecks, EveryRuleOfEveryKindReportsInOrder) {
    const std::string not_0 = "W:Bypass-register capture value in \"BPR\" is not '0'";
    const std::pair<std::string, Texts> rows[] = {
        {kPins + kBypass + kId + kData + bist("CLOCK CLK PRELOAD IDR : \"0000000000000000 0000000000000000\""),
         {}},
        {reg("BYPASS", "BPR", "LENGTH 2 CAPTURE \"0 1\""),
         {"W:Missing Bypass-register purpose in \"BPR\"",
          "W:Bypass-register length more than one in \"BPR\"", not_0}},
        {reg("BYPASS", "BPR", "PURPOSE \"b\" LENGTH 1 CAPTURE \"11\"") + reg("BYPASS", "B", "PURPOSE \"b\""),
         {"E:More than 1 Bypass register",
          "E:Capture length of \"BPR\" not equal to register length (1 vs 2)", not_0, not_0,
          "W:Missing Bypass-register capture in \"B\""}},
        {kBypass + reg("IDENTIFICATION", "IDR", "LENGTH 16"),
         {"W:Mising Identification-register purpose in IR \"IDR\"",
          "W:Identification register \"IDR\" with illegal length (16)",
          "E:Missing Manufacturer in Identification register \"IDR\"",
          "E:Missing PartNumber in Identification register \"IDR\"",
          "E:Missing version code in Identification register \"IDR\""}},
        {kBypass + kId + reg("IDENTIFICATION", "I2", "PURPOSE \"i\" LENGTH 0 CONCATENATION [IR,NO]" + kCodes),
         {"E:More than 1 Identification register", "E:Zero Identification-register length in \"I2\"",
          "E:Unknown register concatenation \"NO\" in ID reg \"I2\""}},
        {kBypass + reg("USERCODE", "UCR", "LENGTH 31 CAPTURE \"15\" CONCATENATION [BPR, NOPE]"),
         {"W:Missing UserCode-register purpose in \"UCR\"",
          "W:UserCode register \"UCR\" with illegal length (31)",
          "E:Unknown register concatenation \"NOPE\" in UC reg \"UCR\""}},
        {kBypass + reg("USERCODE", "UCR", "LENGTH 0 PURPOSE \"u\" CAPTURE \"1\" "
                                          "CAPTURE_STATUS_LIST \"11\" : \"s\" END CAPTURE_STATUS_LIST") +
             reg("USERCODE", "U2", "PURPOSE \"u\" LENGTH 32"),
         {"E:More than 1 UserCode register", "E:UserCode-register length is 0 in \"UCR\"",
          "E:Capture length of \"UCR\" not equal to register length (0 vs 1)",
          "E:Capture status length in \"UCR\" not equal to register length (0 vs 2)"}},
        {kBypass + reg("BIST", "B", "LENGTH 0"),
         {"W:Missing BIST-register purpose in \"B\"", "E:BIST-register length is 0 in \"B\"",
          "E:Missing BIST-register capture in \"B\"", "W:BIST coverage is undefined in \"B\"", kNoClock,
          "W:Unspecified minimumduration in BIST reg \"B\""}},
        {kBypass + kId + bist("PRELOAD IDR : \"000000000000000000000000000000 0\""),
         {"E:Length of preload in bist register \"B\" not equal to target register length (32 vs 31)",
          kNoClock}},
        // No clock resolves: the component has no pin list.
        {kBypass + bist("PRELOAD NOPE : \"0\" COVERAGE -1 CLOCK CLK"),
         {"E:Unknown preload register \"NOPE\" in BIST register \"B\"",
          "W:BIST coverage is less than 0 in \"B\"",
          "E:Invalid clock pin reference \"CLK\" in BIST register \"B\", Reason: Undefined name"}},
        // Several bus elements: a warning in two lines, whatever the resolution gives.
        {kPins + kBypass + bist("CLOCK D(6:7)"),
         {"W:Reference to multiple bus elements from clock pin (D)", "W:in BIST register \"B\""}},
        {kPins + kBypass + bist("CLOCK CLK(0, 1)"),
         {"E:Invalid clock pin reference \"CLK\" in BIST register \"B\", Reason: Not a bus reference",
          "W:Reference to multiple bus elements from clock pin (CLK)", "W:in BIST register \"B\""}},
        {kBypass + kData + bist("PRELOAD DR : \"0\" ALTERED_REGISTERS [IR, DR, NO] CONCATENATION [DR, NO2]") +
             bist(""),
         {"E:More than 1 BIST register",
          "E:Length of preload in bist register \"B\" not equal to target register length (8 vs 1)", kNoClock,
          "E:Illegal register alteration \"IR\" in BIST reg \"B\"",
          "E:Unknown altered register \"NO\" in BIST register \"B\"",
          "E:Unknown register concatenation \"NO2\" in BIST reg \"B\"", kNoClock}},
        {kBypass + reg("DATA", "DR", "LENGTH 0"),
         {"W:Missing Data-register purpose in \"DR\"", "E:Data-register length is 0 in \"DR\"",
          "E:Missing Data-register capture in \"DR\""}},
        {kBypass + kData + reg("DATA", "D2", "PURPOSE \"d\" LENGTH 1 CAPTURE \"0\" "
                                             "ALTERED_REGISTERS [IR, NOPE, DR] CONCATENATION [NOPE]"),
         {"E:Illegal register alteration \"IR\" in Data reg \"D2\"",
          "E:Unknown altered register \"NOPE\" in DATA register \"D2\"",
          "E:Unknown register concatenation \"NOPE\" in DATA reg \"D2\""}},
    };
    for (const auto &[registers, expected] : rows) {
        SCOPED_TRACE(registers);
        ASSERT_TRUE(parse_ok(component("U1", kIr + registers)));
        int32_t result = check();
        Texts findings = received();
        std::erase_if(findings, [](const std::string &text) { return text[0] != 'E' && text[0] != 'W'; });
        EXPECT_EQ(findings, expected);
        // Every finding is counted: the clock's two-line warning twice.
        auto errors = std::ranges::count_if(expected, [](const std::string &text) { return text[0] == 'E'; });
        EXPECT_EQ(host.counters.errors, errors);
        EXPECT_EQ(host.counters.warnings, std::ssize(expected) - errors);
        EXPECT_EQ(result, errors ? OXEL_FAILED : expected.empty() ? OXEL_OK : OXEL_WARNINGS);
    }
}

TEST_F(DataRegisterChecks, OnlyAStatedStandardAsksForABypassRegister) {
    ASSERT_TRUE(parse_ok(component("U1", "STANDARD IEEE_1149.1_1990\n" + kIr) + component("U2", kIr)));
    EXPECT_EQ(check(), OXEL_FAILED);
    EXPECT_EQ(std::ranges::count(received(), std::string("E:Missing Bypass-register list")), 1);
}

// Absent entries and names cannot be written, but a host's own records may
// hold them. Absent bypass and identification registers are passed over.
TEST_F(DataRegisterChecks, AbsentEntriesAndNamesAreReported) {
    void *entry[] = {nullptr};
    ItemList one{1, 1, entry};
    ComponentRecord c{};
    c.bypass_registers = c.identification_registers = c.usercode_registers = &one;
    c.bist_registers = c.data_registers = &one;
    host.clear();
    const Subject h{host.host(), nullptr, &c};
    RegisterNames names{};
    DeviceTables tables{};
    const ComponentChecks checks{&c, names, tables, false};
    EXPECT_EQ(check_bypass_registers(h, checks) | check_identification_registers(h, checks), kClean);
    EXPECT_EQ(check_usercode_registers(h, checks) | check_bist_registers(h, checks) | check_data_registers(h, checks),
              kError);
    EXPECT_EQ(received(), (Texts{"E:Missing Usercode register in register list",
                                 "E:Missing BIST register in register list",
                                 "E:Missing Data register in register list"}));
    char capture[] = "0 1";
    DataRegisterRecord nameless{nullptr, capture, 2, capture, nullptr, 0, nullptr, nullptr};
    entry[0] = &nameless;
    host.clear();
    EXPECT_EQ(check_data_registers(h, checks), kError);
    EXPECT_EQ(received(), (Texts{"E:Missing name in Data register", "E:No register name"}));
    EXPECT_STREQ(capture, "01");
    release_register_names(host.host(), names);
}

// The component checks through OxelCheck: the walk, the standard and the instruction register
#include "check/check_support.h"
#include "check/component_checks.h"
#include "check/instruction_checks.h"
#include "check/register_name_table.h"

namespace {

class ComponentSequence : public CheckTest {
protected:
    // This family's messages only, so that the other families may add theirs.
    Texts sequence_messages() const {
        return messages_starting(received(), {"OXEL semantic check", "Component \"", "Illegal standard",
                                              "Missing Instruction", "More than 1 Instruction register",
                                              "Instruction-register", "Name conflict"});
    }
    InstructionRegisterRecord *first_ir() {
        return items_of<InstructionRegisterRecord>(first_component()->instruction_registers)[0];
    }
};

const std::string kIeee = "STANDARD IEEE_1149.1_1990\n";

}  // namespace

TEST_F(ComponentSequence, EveryComponentRunsTheWholeSequenceAndDuplicatesAreErrors) {
    // Twice: each run starts a registry of its own. Nameless components are
    // not registered.
    for (int run = 0; run < 2; run++) {
        ASSERT_TRUE(parse_ok(component("U0", "") + component("U1", kIeee + good_registers()) +
                             component("U0", "") + component("U1", kIeee)));
        for (int32_t i : {0, 2})
            drop(static_cast<ComponentRecord *>(OxelGetInfo()->components->items[i])->name);
        EXPECT_EQ(check(), OXEL_FAILED);
        EXPECT_EQ(sequence_messages(),
                  (Texts{"E:OXEL semantic check on unspecified component", "P:OXEL semantic check on \"U1\"",
                         "E:OXEL semantic check on unspecified component", "P:OXEL semantic check on \"U1\"",
                         "E:Component \"U1\" is multiple defined", "E:Missing Instruction-register list"}));
    }
}

TEST_F(ComponentSequence, OnlyAStatedStandardAsksForTheInstructionRegister) {
    const std::tuple<std::string, int32_t, Texts> rows[] = {
        {"", -1, {}},
        {"STANDARD UNKNOWN\n", -1, {}},
        {kIeee, -1, {"E:Missing Instruction-register list"}},
        {"STANDARD JTAG_V2.0\n", -1, {"E:Missing Instruction-register list"}},
        {"", 3, {"E:Illegal standard"}},  // a code the grammar cannot give; then no standard
    };
    for (const auto &[standard, poked, found] : rows) {
        SCOPED_TRACE(standard + std::to_string(poked));
        // The standard of U1 does not carry over to U2.
        ASSERT_TRUE(parse_ok(component("U1", standard) + component("U2", "")));
        if (poked >= 0)
            first_component()->standard = poked;
        EXPECT_EQ(check(), found.empty() ? OXEL_OK : OXEL_FAILED);
        Texts expected{"P:OXEL semantic check on \"U1\""};
        expected.insert(expected.end(), found.begin(), found.end());
        expected.push_back("P:OXEL semantic check on \"U2\"");
        EXPECT_EQ(sequence_messages(), expected);
    }
}

TEST_F(ComponentSequence, EveryInstructionRegisterRuleReportsInOrder) {
    const std::string second = "INSTRUCTION_REGISTER IR1 LENGTH 1 END INSTRUCTION_REGISTER\n";
    ASSERT_TRUE(parse_ok(component("U1", good_registers() + second)));
    EXPECT_EQ(check(), OXEL_FAILED);
    EXPECT_EQ(sequence_messages(),
              (Texts{"P:OXEL semantic check on \"U1\"", "E:More than 1 Instruction register",
                     "W:Missing Instruction-register purpose in \"IR1\"",
                     "E:Instruction-register length is < 2 in \"IR1\"",
                     "E:Instruction-register capture missing in \"IR1\""}));

    // A register without a name is counted from 0 and called (noname); the
    // register name table, built first, cannot enter it.
    ASSERT_TRUE(parse_ok(component("U1", "INSTRUCTION_REGISTER IR LENGTH 1 END INSTRUCTION_REGISTER\n")));
    drop(first_ir()->name);
    EXPECT_EQ(check(), OXEL_FAILED);
    EXPECT_EQ(sequence_messages(),
              (Texts{"P:OXEL semantic check on \"U1\"", "N:Name conflict with register \"(noname)\"",
                     "E:Missing Instruction-register name in register number 0",
                     "W:Missing Instruction-register purpose in \"(noname)\"",
                     "E:Instruction-register length is < 2 in \"(noname)\"",
                     "E:Instruction-register capture missing in \"(noname)\""}));

    // An empty list is a missing register, but only under a standard.
    ItemList empty{0, 1, nullptr};
    ComponentRecord c{};
    c.instruction_registers = &empty;
    host.clear();
    RegisterNames names{};
    DeviceTables tables{};
    const Subject about{host.host(), nullptr, &c};
    EXPECT_EQ(check_instruction_register(about, ComponentChecks{&c, names, tables, false}), kClean);
    EXPECT_EQ(check_instruction_register(about, ComponentChecks{&c, names, tables, true}), kError);
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR), Texts{"Missing Instruction register"});
}

TEST_F(ComponentSequence, RegisterNamesAreTheFirstRegisterOfEachNameAndCapturesAreCleaned) {
    const std::string data = "DATA_REGISTER BPR PURPOSE \"data\" LENGTH 3 CAPTURE \"000\" END DATA_REGISTER\n";
    ASSERT_TRUE(parse_ok(component("U1", good_registers("PURPOSE \"p\" CAPTURE \"0 1\"") + data)));
    EXPECT_EQ(check(), OXEL_OK);
    EXPECT_EQ(sequence_messages(),
              (Texts{"P:OXEL semantic check on \"U1\"", "N:Name conflict with register \"BPR\""}));
    EXPECT_EQ(host.counters.errors + host.counters.warnings, 0);
    EXPECT_STREQ(first_ir()->capture_value, "01");

    ComponentRecord *c = first_component();
    const std::tuple<const char *, int32_t, int32_t> rows[] = {
        {"IR", 1, 2}, {"BPR", 3, 1}, {"bpr", 0, -1}, {nullptr, -1, -1}};
    RegisterNames names{};
    const Subject about{host.host(), nullptr, c};
    for (const auto &[name, kind, length] : rows) {
        EXPECT_EQ(register_kind_named(about, names, c, name), kind);
        EXPECT_EQ(register_length(c, name), length);
    }
    EXPECT_TRUE(names.built);
    release_register_names(host.host(), names);
    EXPECT_FALSE(names.built);
}

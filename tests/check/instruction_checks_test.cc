// The instruction checks through OxelCheck: kind rules, the early stop, codes, cells, mandatory instructions
#include <algorithm>
#include <functional>

#include "check/check_support.h"

namespace {

// One register of every kind, and cells that raise nothing of their own:
// C0 and C3 have no modes (before C0 no mode entry has been looked at,
// before C3 those of C1 have), C2 has no mode list.
const std::string kParts = "BOUNDARY_SCAN_REGISTER BSR LENGTH 1 END BOUNDARY_SCAN_REGISTER\n"
                           "BYPASS_REGISTER BPR LENGTH 1 END BYPASS_REGISTER\n"
                           "IDENTIFICATION_REGISTER IDR LENGTH 32 END IDENTIFICATION_REGISTER\n"
                           "USERCODE_REGISTER UCR LENGTH 32 END USERCODE_REGISTER\n"
                           "BIST_REGISTER BIST LENGTH 4 END BIST_REGISTER\nDATA_REGISTER DR LENGTH 4 END DATA_REGISTER\n";
const std::string kCells = "CELL C0 DATA_SELECT [S] MODE_LIST END MODE_LIST END CELL\n"
                           "CELL C1 DATA_SELECT [S] MODE_LIST INTERNAL 0 PI PI HIZ 1 - Z END MODE_LIST END CELL\n"
                           "CELL C2 DATA_SELECT [S] END CELL\nCELL C3 DATA_SELECT [S] MODE_LIST END MODE_LIST END CELL\n";
const std::string kIeee = "STANDARD IEEE_1149.1_1990\n";
const std::string kMandatory = "EXTEST \"00\" BSR EXTERNAL - BYPASS \"11\" BPR SAMPLE - PRELOAD \"01\" BSR SAMPLE - ";

struct Row {
    std::string head;  // standard and cells
    std::string list;
    Texts expected;
    std::function<void(InstructionRecord **)> change = nullptr;  // what the grammar cannot write
};

class InstructionChecks : public CheckTest {
protected:
    void expect_rows(const std::vector<Row> &rows) {
        for (const Row &row : rows) {
            SCOPED_TRACE(row.head + row.list);
            ASSERT_TRUE(parse_ok(component("U1", row.head + "INSTRUCTION_REGISTER IR PURPOSE \"p\" LENGTH 2 "
                                           "CAPTURE \"01\" INSTRUCTION_LIST " + row.list + " END INSTRUCTION_LIST\n"
                                           "END INSTRUCTION_REGISTER\n" + kParts)));
            auto *ir = items_of<InstructionRegisterRecord>(first_component()->instruction_registers)[0];
            if (row.change)
                row.change(reinterpret_cast<InstructionRecord **>(ir->instructions->items));
            // The registers and cells here are bare, so other families report on
            // them too: only an error of this family fixes the result.
            bool error = std::any_of(row.expected.begin(), row.expected.end(),
                                     [](const std::string &m) { return m[0] == 'E'; });
            int32_t result = check();
            EXPECT_TRUE(!error || result == OXEL_FAILED) << result;
            EXPECT_EQ(messages_starting(received(), {"Missing instruction", "Missing contents", "Instruction", "No ",
                                                     "Registerlist", "Mode ", "The ", "Illegal register",
                                                     "Missing name in", "Missing mandatory"}),
                      row.expected);
        }
    }
};

}  // namespace

TEST_F(InstructionChecks, EachKindRunsInItsModeAndConnectsItsRegister) {
    const char *usercode = " connected between TDI and TDO with an usercode instruction";
    expect_rows({
        {kIeee, kMandatory + "INTEST \"10\" BSR INTERNAL [BIST, DR]", {}},
        {"", "EXTEST \"00\" BSR SAMPLE -", {"E:The EXTEST instruction must run in EXTERNAL mode"}},
        {"", "RUNBIST \"10\" DR INTERNAL - RUNBIST \"11\" BIST INTERNAL - RUNBIST \"01\" IDR INTERNAL -",
         {"E:Illegal register connected between TDI and TDO with a runbist instruction"}},
        // An undefined register has its own message instead of the illegal one.
        {"", "IDCODE \"10\" NOWHERE INTERNAL -", {"E:The IDCODE instruction must run in SAMPLE mode",
                                                  "E:Instruction \"IDCODE\" is accessing an undefined register \"NOWHERE\""}},
        {"", "USERCODE \"10\" UCR SAMPLE - USERCODE \"11\" BPR SAMPLE -",
         {"E:Illegal register (name = 'BPR', type = 3)" + std::string(usercode)}},
        {"", "USERCODE \"01\" - SAMPLE -", {"E:Illegal register (name = '(noname)', type = -1)" + std::string(usercode)}},
        {"", "HIGHZ \"11\" BPR PRIVATE - CLAMP \"10\" BPR SAMPLE -", {"E:The CLAMP instruction must run in EXTERNAL mode"}},
        {"", "HIGHZ \"01\" BSR HIGHZ -", {"E:The HIGHZ instruction requires the Bypass register between TDI and TDO"}},
        // A user instruction connects what it likes and may leave gaps in its further registers.
        {"", "MINE \"11\" NOWHERE - [BSR, BPR] EXTEST \"00\" BSR EXTERNAL [BSR, BPR]", {"E:Registerlist number 0 is null"},
         [this](InstructionRecord **in) {
             for (int32_t i : {0, 1})
                 drop(reinterpret_cast<char *&>(in[i]->registers->items[0]));
         }},
        {kCells, "EXTEST \"00\" BSR EXTERNAL -",
         {"E:Mode (unknown) (inst EXTEST) not supported by cell \"C0\"",
          "E:Mode \"EXTERNAL\" (inst EXTEST) not supported by cell \"C1\"",
          "E:Mode \"EXTERNAL\" (inst EXTEST) not supported by cell \"C3\""}},
        {kCells, "HIGHZ \"11\" BPR HIZ - INTEST \"10\" BSR INTERNAL -",
         {"E:Mode (unknown) (inst HIGHZ) not supported by cell \"C0\"",
          "E:Mode \"HIZ\" (inst HIGHZ) not supported by cell \"C3\""}},
    });
}

TEST_F(InstructionChecks, AnErrorStopsTheListAfterTheCodeOfTheNextInstructionAndWarningsDoNot) {
    expect_rows({
        {kIeee, "EXTEST \"00\" BSR SAMPLE - BYPASS \"00\" NOWHERE HIZ [GONE] PRELOAD \"10\" BPR SAMPLE -",
         {"E:The EXTEST instruction must run in EXTERNAL mode", "E:No register \"GONE\" specified",
          "W:Instructions EXTEST and BYPASS with identical code"}},
        {kIeee, "EXTEST \"00\" BSR EXTERNAL - BYPASS \"1 1 1\" NOWHERE HIZ - PRELOAD \"0\" BPR SAMPLE -",
         {"E:Instruction length in \"BYPASS\" not equal to register length (2 vs 3)"}},
        {kIeee, "EXTEST \"10\" BSR EXTERNAL - BYPASS \"1 0\" BPR SAMPLE -",
         {"W:Instructions EXTEST and BYPASS with identical code",
          "W:No ByPass instructions with the required instruction value {111..1}",
          "E:Missing mandatory SAMPLE/PRELOAD instructions"}},
        {kIeee, "EXTEST \"00\" BSR EXTERNAL - BYPASS \"1X\" BPR SAMPLE - PRELOAD \"01\" BSR SAMPLE -", {}},
        {"", "INTEST \"10\" BSR INTERNAL -", {}},
        {kIeee, "INTEST \"10\" BSR INTERNAL -", {"E:Missing mandatory EXTEST instructions",
                                                 "E:Missing mandatory BYPASS instructions",
                                                 "E:Missing mandatory SAMPLE/PRELOAD instructions"}},
        // An unknown kind skips its own rules: as the last one it stops nothing.
        {kIeee, "EXTEST \"00\" BSR EXTERNAL - " + kMandatory, {"E:Instruction number 0 is unknown"},
         [](InstructionRecord **in) { in[0]->kind = 0, in[3]->kind = 11; }},
        {kIeee, kMandatory, {"E:Instruction number 2 is unknown", "E:Missing mandatory SAMPLE/PRELOAD instructions"},
         [](InstructionRecord **in) { in[2]->kind = 0; }},
        {"", kMandatory, {"W:No instruction value in inst number 0", "E:No register name"},
         [this](InstructionRecord **in) { drop(in[0]->code); }},
        // The earlier of two equal values is named first, by its kind or its own name.
        {"", kMandatory + "PRIV \"0 0\" BSR PRIVATE - OTHER \"00\" - - -",
         {"W:Instructions EXTEST and PRIV with identical code", "W:Instructions EXTEST and USERINST with identical code",
          "E:Missing name in Userinstruction"},
         [this](InstructionRecord **in) { drop(in[4]->name); }},
    });
}

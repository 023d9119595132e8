// The strict rules: each broken by a device that draws its finding at its place, each kept by one that does not
#include <string>
#include <vector>

#include "check_support.h"

namespace {

// A device that keeps every strict rule and every rule of the designed check.
const char *const kDevice = R"(OXEL
COMPONENT U1
  STANDARD IEEE_1149.1-1990
  PIN_LIST
    1 TCK TCK -
    2 TMS TMS -
    3 TDI TDI -
    4 TDO TDO -
    (5:8) D(0:3) IOZ -
    9 A IN -
    10 Y OUTZ -
    11 B IO -
    12 VCC PWR -
  END PIN_LIST
  INSTRUCTION_REGISTER IR
    PURPOSE "Instructions"
    LENGTH 3
    CAPTURE "X01"
    INSTRUCTION_LIST
      EXTEST "000" BSR EXTERNAL -
      SAMPLE_PRELOAD "001" BSR SAMPLE -
      IDCODE "010" IDR SAMPLE -
      CLAMP "100" BPR EXTERNAL -
      BYPASS "111" BPR SAMPLE -
    END INSTRUCTION_LIST
  END INSTRUCTION_REGISTER
  BYPASS_REGISTER BPR
    PURPOSE "Bypass"
    LENGTH 1
    CAPTURE "0"
  END BYPASS_REGISTER
  IDENTIFICATION_REGISTER IDR
    PURPOSE "Identification"
    LENGTH 32
    CAPTURE "0001 0010001101000000 00000111111 1"
    VERSION_IDCODE "0001"
    PARTNUMBER_IDCODE "0010001101000000"
    MANUFACTURER_IDCODE "00000111111"
  END IDENTIFICATION_REGISTER
  CELL BC_1
    DATA_INPUTS [PI]
    DATA_OUTPUTS [PO]
    MODE_LIST
      EXTERNAL 1 PI UPDATE
      SAMPLE 0 PI PI
      HIGHZ 1 PI Z
    END MODE_LIST
  END CELL
  CELL BC_2
    DATA_INPUTS [PI]
    DATA_OUTPUTS [PO]
    MODE_LIST
      EXTERNAL 1 UPDATE UPDATE
      SAMPLE 0 PI PI
      HIGHZ 1 UPDATE 0
    END MODE_LIST
  END CELL
  BOUNDARY_SCAN_REGISTER BSR
    PURPOSE "Boundary scan"
    LENGTH 9
    CHAIN_LIST
      0 BC_1 A    9  -  - -  -
      1 BC_2 -    -  -  - -  -
      2 BC_1 D(0) 5  5  - 1  0
      3 BC_1 D(1) 6  6  - 1  0
      4 BC_1 D(2) 7  7  - 1  0
      5 BC_1 D(3) 8  8  - 1  x
      6 BC_2 -    -  -  - -  -
      7 BC_1 Y    -  10 - 6  1
      8 BC_1 B    11 11 - 6  1
    END CHAIN_LIST
  END BOUNDARY_SCAN_REGISTER
END COMPONENT
END OXEL
)";

// The device with each `from` replaced by its `to`.
std::string device_with(std::initializer_list<std::pair<std::string, std::string>> changes) {
    std::string text = kDevice;
    for (const auto &[from, to] : changes) {
        size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        if (at != std::string::npos)
            text.replace(at, from.size(), to);
    }
    return text;
}

// "line:column" of the first line of `text` that holds `mark`, at its first word.
std::string place_of(const std::string &text, const std::string &mark) {
    size_t at = text.find(mark);
    if (at == std::string::npos)
        return "(no " + mark + ")";
    size_t line_start = text.rfind('\n', at) + 1;
    size_t first = text.find_first_not_of(' ', line_start);
    int line = 1 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<long>(line_start), '\n'));
    return std::to_string(line) + ":" + std::to_string(first - line_start + 1);
}

struct Finding {
    std::string text;   // "E:..." or "W:..."
    std::string mark;   // what the line the finding points at holds
};

class StrictRules : public CheckTest {
protected:
    // Checks `text` with the strict rules: its findings "kind:text @line:column", errors and warnings only.
    Texts strict_findings(const std::string &text, int32_t *result = nullptr) {
        path = write_temp_file("strict.oxel", text);
        EXPECT_EQ(parse_file(path), OXEL_OK) << host.dump();
        host.clear();
        int32_t got = oxel_check_strict(host.host());
        if (result)
            *result = got;
        return findings();
    }
    Texts designed_findings(const std::string &text) {
        path = write_temp_file("strict.oxel", text);
        EXPECT_EQ(parse_file(path), OXEL_OK) << host.dump();
        host.clear();
        OxelCheck(host.host());
        return findings();
    }
    Texts findings() const {
        Texts out;
        for (const RecordedMessage &m : host.messages)
            if (m.kind == OXEL_KIND_ERROR || m.kind == OXEL_KIND_WARNING)
                out.push_back(std::string(1, "EW"[m.kind]) + ":" + m.text + " @" + where_in_file(m.where));
        return out;
    }
    // "line:column" of a place in the checked file.
    std::string where_in_file(const std::string &where) const {
        return where.rfind(path + ":", 0) == 0 ? where.substr(path.size() + 1) : where;
    }
    static Texts expected(const std::string &text, const std::vector<Finding> &findings) {
        Texts out;
        for (const Finding &f : findings)
            out.push_back(f.text + " @" + place_of(text, f.mark));
        return out;
    }
    std::string path;
};

TEST_F(StrictRules, TheDeviceKeepingEveryRuleDrawsNothingAndStays) {
    int32_t result = -1;
    EXPECT_EQ(strict_findings(kDevice, &result), Texts{});
    EXPECT_EQ(result, OXEL_OK);
    EXPECT_FALSE(no_description());
}

struct BrokenRule {
    const char *rule;
    std::initializer_list<std::pair<std::string, std::string>> changes;
    std::vector<Finding> findings;   // every error and warning of the strict check, in order
};

TEST_F(StrictRules, EachBrokenRuleDrawsItsFindingAtItsPlaceAndTheDesignedCheckStaysSilentOnIt) {
    const BrokenRule cases[] = {
        {"instruction-register capture ends in 01",
         {{"CAPTURE \"X01\"", "CAPTURE \"X00\""}},
         {{"E:Instruction-register capture value \"X00\" of \"IR\" does not end in 01", "INSTRUCTION_REGISTER IR"}}},
        {"instruction-register capture: a 1 before the last bit",
         {{"CAPTURE \"X01\"", "CAPTURE \"111\""}},
         {{"E:Instruction-register capture value \"111\" of \"IR\" does not end in 01", "INSTRUCTION_REGISTER IR"}}},
        {"a BYPASS opcode is all ones, read as bits",
         {{"BYPASS \"111\"", "BYPASS \"5\""}},
         {{"W:BYPASS opcode \"5\" is not all ones", "BYPASS \"5\""}}},
        {"no other instruction has the all-ones opcode",
         {{"CLAMP \"100\"", "CLAMP \"7\""}},
         {{"E:CLAMP has the all-ones opcode \"7\", which selects BYPASS", "CLAMP \"7\""}}},
        {"an opcode with an X decodes to another instruction's",
         {{"CLAMP \"100\"", "CLAMP \"01X\""}},
         {{"E:Opcode \"01X\" of CLAMP decodes to the opcode \"010\" of IDCODE", "CLAMP \"01X\""}}},
        {"a number decodes to another instruction's bit pattern",
         {{"CLAMP \"100\"", "CLAMP \"2\""}},
         {{"E:Opcode \"2\" of CLAMP decodes to the opcode \"010\" of IDCODE", "CLAMP \"2\""}}},
        {"the bypass register has a bit",
         {{"LENGTH 1\n    CAPTURE \"0\"\n", ""}},
         {{"W:Missing Bypass-register capture in \"BPR\"", "BYPASS_REGISTER BPR"},
          {"E:Bypass register \"BPR\" has 0 bits: it has one", "BYPASS_REGISTER BPR"}}},
        {"the identification code ends in 1",
         {{"00000111111 1\"", "00000111111 0\""}},
         {{"E:Identification-register capture value \"00010010001101000000000001111110\" of \"IDR\" ends in 0: it "
           "must end in 1",
           "IDENTIFICATION_REGISTER IDR"}}},
        {"the manufacturer code is not the reserved one",
         {{"00000111111 1\"", "00001111111 1\""},
          {"MANUFACTURER_IDCODE \"00000111111\"", "MANUFACTURER_IDCODE \"00001111111\""}},
         {{"E:Identification register \"IDR\" has the reserved manufacturer code 00001111111",
           "IDENTIFICATION_REGISTER IDR"}}},
        {"the part number is the capture's bits",
         {{"PARTNUMBER_IDCODE \"0010001101000000\"", "PARTNUMBER_IDCODE \"0010001101000001\""}},
         {{"E:PARTNUMBER_IDCODE \"0010001101000001\" of \"IDR\" differs from bits 27 to 12 of its capture value",
           "IDENTIFICATION_REGISTER IDR"}}},
        {"the version has four bits",
         {{"VERSION_IDCODE \"0001\"", "VERSION_IDCODE \"001\""}},
         {{"E:VERSION_IDCODE \"001\" of \"IDR\" is not 4 bits", "IDENTIFICATION_REGISTER IDR"}}},
        {"no two cells serve one bus bit, and every bit has one",
         {{"4 BC_1 D(2) 7  7", "4 BC_1 D(1) 6  6"}},
         {{"E:Cells at chain positions 3 and 4 both read pin D(1)", "4 BC_1 D(1)"},
          {"E:Cells at chain positions 3 and 4 both drive pin D(1)", "4 BC_1 D(1)"},
          {"W:Bit 2 of bus D has no cell in boundary-scan register \"BSR\"", "(5:8) D(0:3)"}}},
        {"a bidirectional pin's output cell names a control cell",
         {{"8 BC_1 B    11 11 - 6  1", "8 BC_1 B    11 11 - -  -"}},
         {{"W:Cell at chain position 8 drives bidirectional pin B and names no control cell", "8 BC_1 B"}}},
        {"a control cell drives no pin",
         {{"2 BC_1 D(0) 5  5  - 1  0", "2 BC_1 D(0) 5  5  - 8  0"}},
         {{"E:Control cell 8 of chain position 2 drives a pin: it is no control cell", "2 BC_1 D(0)"}}},
        {"a control cell has a disable value of 0 or 1",
         {{"7 BC_1 Y    -  10 - 6  1", "7 BC_1 Y    -  10 - 6  X"},
          {"8 BC_1 B    11 11 - 6  1", "8 BC_1 B    11 11 - 6  x"}},
         {{"E:Control cell 6 has no disable value of 0 or 1 (chain position 7)", "7 BC_1 Y"}}},
        {"a control cell has one disable value however it is named",
         {{"5 BC_1 D(3) 8  8  - 1  x", "5 BC_1 D(3) 8  8  - 01 1"}},
         {{"E:Control cell 1 turns its pins off with 0 at chain position 2 and with 1 at chain position 5",
           "5 BC_1 D(3)"}}},
    };
    for (const BrokenRule &broken : cases) {
        SCOPED_TRACE(broken.rule);
        const std::string text = device_with(broken.changes);
        int32_t result = -1;
        const Texts strict = strict_findings(text, &result);
        const Texts want = expected(text, broken.findings);
        EXPECT_EQ(strict, want);
        const bool errors = std::any_of(want.begin(), want.end(), [](const std::string &f) { return f[0] == 'E'; });
        EXPECT_EQ(result, errors ? OXEL_FAILED : OXEL_WARNINGS);
        EXPECT_EQ(no_description(), errors);
        // The designed check tells what it told before, and nothing of the strict rules.
        const Texts designed = designed_findings(text);
        Texts designed_part;
        for (const std::string &f : strict)
            if (std::find(designed.begin(), designed.end(), f) != designed.end())
                designed_part.push_back(f);
        EXPECT_EQ(designed, designed_part);
        EXPECT_LT(designed.size(), strict.size());
    }
}

TEST_F(StrictRules, BitsOfNoFixedValueAndEquivalentFormsAreNoFaults) {
    const BrokenRule kept[] = {
        {"an instruction-register capture of unknown bits", {{"CAPTURE \"X01\"", "CAPTURE \"XXX\""}}, {}},
        {"the all-ones BYPASS opcode written as a number", {{"BYPASS \"111\"", "BYPASS \"7\""}}, {}},
        {"a second BYPASS opcode beside the all-ones one",
         {{"BYPASS \"111\" BPR SAMPLE -", "BYPASS \"110\" BPR SAMPLE -\n      BYPASS \"111\" BPR SAMPLE -"}},
         {}},
        {"a BYPASS opcode of an unknown bit", {{"BYPASS \"111\"", "BYPASS \"11X\""}}, {}},
        {"an output read back by an observe-only cell drives without a control cell",
         {{"8 BC_1 B    11 11 - 6  1", "8 BC_1 B    -  11 - -  -\n      9 BC_4_OBSERVE_ONLY B 11 - - - -"},
          {"LENGTH 9", "LENGTH 10"},
          {"  BOUNDARY_SCAN_REGISTER BSR",
           "  CELL BC_4_OBSERVE_ONLY\n    DATA_INPUTS [PI]\n    DATA_OUTPUTS [SO]\n    MODE_LIST\n"
           "      EXTERNAL - PI SI\n      SAMPLE - PI SI\n      HIGHZ - PI SI\n    END MODE_LIST\n  END CELL\n"
           "  BOUNDARY_SCAN_REGISTER BSR"}},
         {}},
        {"one instruction with two opcodes that overlap",
         {{"CLAMP \"100\" BPR EXTERNAL -", "CLAMP \"100\" BPR EXTERNAL -\n      CLAMP \"10X\" BPR EXTERNAL -"}},
         {}},
        {"an octal opcode of its own", {{"CLAMP \"100\"", "CLAMP \"04\""}}, {}},
        {"an identification code with unknown bits",
         {{"CAPTURE \"0001 0010001101000000 00000111111 1\"", "CAPTURE \"XXXX XXXXXXXXXXXXXXXX 00000111111 X\""}},
         {}},
        {"identification fields written with X", {{"VERSION_IDCODE \"0001\"", "VERSION_IDCODE \"XXXX\""}}, {}},
        {"an identification register without a capture value",
         {{"CAPTURE \"0001 0010001101000000 00000111111 1\"\n", ""}},
         {}},
        {"a disable value x settled by the others", {{"3 BC_1 D(1) 6  6  - 1  0", "3 BC_1 D(1) 6  6  - 1  X"}}, {}},
        {"a disable value X given under another spelling of the control cell",
         {{"5 BC_1 D(3) 8  8  - 1  x", "5 BC_1 D(3) 8  8  - 01 X"}},
         {}},
    };
    for (const BrokenRule &keep : kept) {
        SCOPED_TRACE(keep.rule);
        int32_t result = -1;
        EXPECT_EQ(strict_findings(device_with(keep.changes), &result), Texts{});
        EXPECT_EQ(result, OXEL_OK);
    }
}

TEST_F(StrictRules, RunOverADescriptionTheDesignedCheckFailsAndNotOverSyntaxErrors) {
    // A designed error (an undefined register) leaves the description to the strict rules, then goes with it.
    const std::string text =
        device_with({{"IDCODE \"010\" IDR", "IDCODE \"010\" IDX"}, {"CAPTURE \"X01\"", "CAPTURE \"X11\""}});
    int32_t result = -1;
    const Texts found = strict_findings(text, &result);
    EXPECT_EQ(result, OXEL_FAILED);
    EXPECT_TRUE(no_description());
    ASSERT_EQ(found.size(), 2u) << ::testing::PrintToString(found);
    EXPECT_EQ(found[0].substr(0, 40), "E:Instruction \"IDCODE\" is accessing an u");
    EXPECT_EQ(found[1].substr(0, 40), "E:Instruction-register capture value \"X1");
    // Without a description nothing is checked; without a context the answer is no context.
    host.clear();
    EXPECT_EQ(oxel_check_strict(host.host()), OXEL_OK);
    EXPECT_EQ(oxel_check_strict(nullptr), OXEL_NO_CONTEXT);
    OxelSetSyntaxErrors(1);
    host.clear();
    EXPECT_EQ(oxel_check_strict(host.host()), OXEL_FAILED);
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR), Texts{});
    OxelSetSyntaxErrors(0);
}

TEST_F(StrictRules, EveryAllocationFailureIsReportedAndSurvived) {
    const std::string text =
        device_with({{"4 BC_1 D(2) 7  7", "4 BC_1 D(1) 6  6"}, {"CLAMP \"100\"", "CLAMP \"01X\""}});
    // The strict rules allocate beyond what the check does: the sweep reaches their allocations too.
    long allocations[2] = {};
    for (int strict = 0; strict < 2; strict++) {
        path = write_temp_file("strict.oxel", text);
        ASSERT_EQ(parse_file(path), OXEL_OK);
        memory_fail_at(0);
        strict ? oxel_check_strict(host.host()) : OxelCheck(host.host());
        allocations[strict] = memory_allocations();
    }
    EXPECT_GT(allocations[1], allocations[0]);
    long last = 0;
    for (long nth = 1;; nth++) {
        path = write_temp_file("strict.oxel", text);
        ASSERT_EQ(parse_file(path), OXEL_OK);
        host.clear();
        memory_fail_at(nth);
        int32_t result = oxel_check_strict(host.host());
        const bool failed = memory_allocations() >= nth;
        memory_fail_at(0);
        if (!failed) {
            EXPECT_EQ(result, OXEL_FAILED);
            last = nth;
            break;
        }
        EXPECT_EQ(result, OXEL_FAILED) << nth;
        EXPECT_FALSE(host.texts(OXEL_KIND_ERROR).empty()) << nth;
    }
    EXPECT_EQ(last, allocations[1] + 1);
}

}   // namespace

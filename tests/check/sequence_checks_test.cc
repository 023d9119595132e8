// Test sequence checks: VRAK instructions, PPA groups and their pins
#include <utility>

#include "check/check_support.h"
#include "check/sequence_checks.h"

namespace {

std::string sequence(const std::string &name, const std::string &code) {
    return "TEST_SEQUENCE " + name + " " + code + " END TEST_SEQUENCE\n";
}
// Component U1 with pins I, O, M, K (numbered 1 to 4), a bus D(0:3)
// numbered 5 to 8, and sequence S of `code`.
std::string with_pins(const std::string &code, const std::string &more = "") {
    const std::string pins = "PIN_LIST 1 I TDI - 2 O TDO - 3 M TMS - 4 K TCK - "
                             "(5:8) D(0:3) NC - END PIN_LIST\n";
    return component("U1", pins + sequence("S", code) + more);
}
const std::string kNoPinLists = "W:There are not defined any pin lists in this device for which reason a PPA "
                                "consistency check is undefined";

class SequenceChecks : public CheckTest {
protected:
    // This family's messages only, so that the other families may add theirs.
    Texts sequence_messages() const {
        return messages_starting(received(), {"Undefined pin", "Redefinition of", "TDI undefined",
                                              "Multiple references", "Illegal pin reference", "There are not"});
    }
};

}  // namespace

TEST_F(SequenceChecks, GroupsAndPinsOfEachSequence) {
    const struct { std::string description; int32_t result; Texts found; } rows[] = {
        // A name passes until the sequence's first group is defined.
        {with_pins("WTN(X, 1) PPA(P, A, 1, I) WTN(A, 1; B, 2) DRS(A, 1, 0)"), OXEL_FAILED,
         {"E:Undefined pingroup \"B\" in VRAK WTN reference"}},
        // A group is defined once per sequence.
        {with_pins("PPA(P, A, 1, I) PPA(P, A, 1, O)", sequence("S2", "PPA(P, A, 1, I) BPV(A, 1, 0)")),
         OXEL_FAILED, {"E:Redefinition of \"A\" in PPA instruction"}},
        // TRST is optional, TDI is not; the other lists are still checked.
        {with_pins("PPA(T, G (TDO: O) (TMS: M) (TCK: K Q))"), OXEL_FAILED,
         {"W:TDI undefined in serial PPA assignment \"G\"", "E:Undefined pin \"Q\" in PPA inst (grp \"G\")"}},
        {with_pins("PPA(T, G (TDI: I) (TDO: O I) (TMS: M) (TCK: K))"), OXEL_FAILED,
         {"E:Multiple references to pin \"I\" in PPA group \"G\""}},
        // A pin may be named by its number, a single pin's or a bus pin's.
        {with_pins("PPA(T, G (TDI: 1) (TDO: 6) (TMS: M) (TCK: K) (TRST: 4))"), OXEL_OK, {}},
        {with_pins("PPA(P, A, 2, D(4), K; P, B, 1, I, I)"), OXEL_FAILED,
         {"E:Illegal pin reference \"D\" in PPA inst (grp \"A\"), Reason: Not a member of bus (can be out of "
          "range)",
          "E:Multiple references to pin \"I\" in PPA group \"B\""}},
        // Without pin lists each sequence is told once, however many PPAs it has.
        {component("U1", sequence("S", "PPA(P, A, 1, I) PPA(P, A, 1, I) PPA(P, B, 1, Q) WTN(Z, 1)") +
                             sequence("S2", "PPA(P, A, 1, I)")),
         OXEL_WARNINGS, {kNoPinLists, kNoPinLists}},
        // The pin lists of one device do not count for the next.
        {"BOARD B1 PIN_LIST 1 I TDI - END PIN_LIST END BOARD\nBOARD B2 " + sequence("S", "PPA(P, A, 1, I)") +
             "END BOARD\n" + component("U1", sequence("S", "PPA(P, A, 1, I)")),
         OXEL_FAILED, {kNoPinLists, kNoPinLists}},
    };
    for (const auto &[description, result, found] : rows) {
        SCOPED_TRACE(description);
        ASSERT_TRUE(parse_ok(description));
        EXPECT_EQ(check(), result);
        EXPECT_EQ(sequence_messages(), found);
    }
}

// Records the grammar never builds, in a test sequence list and an illegal
// vector list: an illegal vector needs no name.
TEST_F(SequenceChecks, BrokenRecordsAreToldByKind) {
    VrakOperandRecord nameless{};
    void *operand_items[] = {nullptr, &nameless};
    ItemList operands{2, 2, operand_items};
    PpaRecord no_groups{};
    VrakInstructionRecord code[] = {{OXEL_VRAK_RST, &operands}, {OXEL_VRAK_DRS, &operands},
                                    {2, nullptr},               {OXEL_VRAK_CMT, nullptr},
                                    {OXEL_VRAK_PPA, &no_groups}, {OXEL_VRAK_PPA, nullptr}};
    void *code_items[] = {&code[0], &code[1], &code[2], nullptr, &code[3], &code[4], &code[5]};
    ItemList instructions{7, 7, code_items};
    SequenceRecord with_code{nullptr, &instructions}, without_code{nullptr, nullptr};
    void *sequence_items[] = {&with_code, &without_code, nullptr};
    ItemList sequences{3, 3, sequence_items};
    const Texts told_of_code{"Missing TAP name in VRAK RST instruction",
                             "Missing TAP/Group name in VRAK DRS instruction", "Unknown VRAK instruction",
                             "Missing VRAK instruction in list", "Missing/empty PPA instruction in VRAK list",
                             "Empty PPA instruction"};
    const std::pair<int32_t, Texts> kinds[] = {
        {kTestSequences, {"Missing vectors in Testsequence \"(noname)\"", "Missing testsequence"}},
        {kIllegalVectors, {"Missing vectors in Illegalsequence \"(noname)\"", "Missing illegal vector"}}};
    for (const auto &[kind, told_of_sequences] : kinds) {
        host.clear();
        DeviceTables tables{};
        EXPECT_EQ(check_sequences(Subject{host.host(), nullptr, nullptr}, tables, true, &sequences, kind),
                  kError | kWarning);
        Texts expected = told_of_code;
        if (kind == kTestSequences) {
            expected.insert(expected.begin(), "Missing name in Testsequence");
            expected.push_back("Missing name in Testsequence");
        }
        expected.insert(expected.end(), told_of_sequences.begin(), told_of_sequences.end());
        EXPECT_EQ(host.texts(OXEL_KIND_ERROR), expected);
        EXPECT_EQ(host.texts(OXEL_KIND_WARNING), Texts{"VRAK CMT instruction with NULL comment"});
    }
}

// Test sequences and illegal vectors: the VRAK instructions and PPA groups
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grammar/description_support.h"

namespace {

class SequenceGrammar : public DescriptionTest {
protected:
    // The instructions of the one test sequence of a board holding `body`.
    std::vector<VrakInstructionRecord *> instructions_of(const std::string &body) {
        DescriptionRoot *root = parse_ok("BOARD B TEST_SEQUENCE S " + body + " END TEST_SEQUENCE END BOARD");
        if (!root)
            return {};
        SequenceRecord *sequence = only_item<SequenceRecord>(only_item<BoardRecord>(root->boards)->test_sequences);
        return items_of<VrakInstructionRecord>(sequence ? sequence->instructions : nullptr);
    }
};

// The operands of an instruction as "target|count|value; ..."; a comment's text.
std::string operands_of(const VrakInstructionRecord *instruction) {
    if (instruction->kind == OXEL_VRAK_CMT)
        return text_of(static_cast<char *>(instruction->operand));
    std::string out;
    for (VrakOperandRecord *operand : items_of<VrakOperandRecord>(static_cast<ItemList *>(instruction->operand))) {
        EXPECT_EQ(operand->reserved, 0);
        out += (out.empty() ? "" : "; ") + row(operand->target, operand->count, operand->value);
    }
    return out;
}

PpaRecord *ppa_of(const VrakInstructionRecord *instruction) {
    EXPECT_EQ(instruction->kind, OXEL_VRAK_PPA);
    return static_cast<PpaRecord *>(instruction->operand);
}

}  // namespace

TEST_F(SequenceGrammar, EachInstructionKeepsItsOperandsAsWritten) {
    std::vector<VrakInstructionRecord *> code = instructions_of(
        // RST keeps its targets but not the reset state.
        "RST(TAP1, R2) RST(TAP1, R0; 2, R3)\n"
        // Vector instructions join the words of their bit pattern; their
        // target is read in name mode, so a keyword is a name there.
        "@DRS(1, 8, 0101 1100) BPV(Pins, 4, 01 10; 2, 3, 1X0) CNF(TDI, 2, HL) @TAP(3, 6, 0x3F) ITP(U1, 4, 01xx)\n"
        "WTN(CLK, 100; 2, 5) @WTN(x, 0x10) CMT(\"Reset all parts\") @CMT(\"\")");
    const std::pair<int32_t, const char *> expected[] = {
        {OXEL_VRAK_RST, "TAP1|0|(null)"}, {OXEL_VRAK_RST, "TAP1|0|(null); 2|0|(null)"},
        {OXEL_VRAK_DRS, "1|8|01011100"},  {OXEL_VRAK_BPV, "Pins|4|0110; 2|3|1X0"},
        {OXEL_VRAK_CNF, "TDI|2|HL"},      {OXEL_VRAK_TAP, "3|6|3F"},
        {OXEL_VRAK_ITP, "U1|4|01xx"},     {OXEL_VRAK_WTN, "CLK|0|100; 2|0|5"},
        {OXEL_VRAK_WTN, "x|0|10"},        {OXEL_VRAK_CMT, "Reset all parts"},
        {OXEL_VRAK_CMT, ""}};
    ASSERT_EQ(code.size(), std::size(expected));
    for (size_t i = 0; i < code.size(); i++)
        EXPECT_EQ(row(code[i]->kind, operands_of(code[i]).c_str()), row(expected[i].first, expected[i].second));
}

TEST_F(SequenceGrammar, PpaSortsItsGroupsIntoListsMadeOnlyForTheGroupsGiven) {
    std::vector<VrakInstructionRecord *> code = instructions_of(
        "PPA(T, G1 (TDI: A B) (TDO: Q); P, G2, 4, X, Y(1:3)) PPA(P, 7, 4, X) "
        "PPA(T, S1 (TMS: 1 0) (TCK: C) (TRST: R); T, S2 (TDI: D, E); P, Q, 1, -; T, S3 (TDO: O))\n"
        // A signal given twice in a group keeps its first list, with a note.
        "PPA(T, G (TDI: a b) (TCK: k) (TDI: c) (TCK: l m))");
    ASSERT_EQ(code.size(), 4u);
    PpaRecord *first = ppa_of(code[0]);
    PpaSerialGroupRecord *serial = only_item<PpaSerialGroupRecord>(first->serial_groups);
    PpaParallelGroupRecord *parallel = only_item<PpaParallelGroupRecord>(first->parallel_groups);
    ASSERT_TRUE(serial && parallel);
    EXPECT_EQ(text_of(serial->name), "G1");
    EXPECT_EQ(texts_of(serial->tdi), (Texts{"A", "B"}));
    EXPECT_EQ(texts_of(serial->tdo), Texts{"Q"});
    EXPECT_TRUE(!serial->tms && !serial->tck && !serial->trst);
    EXPECT_EQ(text_of(parallel->name), "G2");
    std::vector<PinRefRecord *> pins = items_of<PinRefRecord>(parallel->pins);
    ASSERT_EQ(pins.size(), 2u);
    EXPECT_EQ(pin_ref_of(pins[0]), row(OXEL_PINREF_PLAIN, "X", 0));
    EXPECT_EQ(pin_ref_of(pins[1]), row(OXEL_PINREF_ELEMENTS, "Y", "1:3"));

    EXPECT_EQ(ppa_of(code[1])->serial_groups, nullptr);
    PpaParallelGroupRecord *seven = only_item<PpaParallelGroupRecord>(ppa_of(code[1])->parallel_groups);
    ASSERT_TRUE(seven);
    EXPECT_EQ(text_of(seven->name), "7");

    std::vector<PpaSerialGroupRecord *> groups = items_of<PpaSerialGroupRecord>(ppa_of(code[2])->serial_groups);
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_EQ(text_of(groups[0]->name), "S1");
    EXPECT_EQ(texts_of(groups[0]->tms), (Texts{"1", "0"}));
    EXPECT_EQ(texts_of(groups[0]->tck), Texts{"C"});
    EXPECT_EQ(texts_of(groups[0]->trst), Texts{"R"});
    EXPECT_EQ(texts_of(groups[1]->tdi), (Texts{"D", "E"}));
    EXPECT_EQ(text_of(groups[2]->name), "S3");
    EXPECT_EQ(texts_of(groups[2]->tdo), Texts{"O"});
    PpaParallelGroupRecord *q = only_item<PpaParallelGroupRecord>(ppa_of(code[2])->parallel_groups);
    ASSERT_TRUE(q);
    EXPECT_EQ(pin_ref_of(only_item<PinRefRecord>(q->pins)), row(OXEL_PINREF_PLAIN, "(null)", 0));

    PpaSerialGroupRecord *twice = only_item<PpaSerialGroupRecord>(ppa_of(code[3])->serial_groups);
    ASSERT_TRUE(twice);
    EXPECT_EQ(texts_of(twice->tdi), (Texts{"a", "b"}));
    EXPECT_EQ(texts_of(twice->tck), Texts{"k"});
    EXPECT_EQ(host.texts(OXEL_KIND_NOTE),
              (Texts{"Redefinition of TDI list in PPA instruction", "Redefinition of TCK list in PPA instruction"}));
    for (const RecordedMessage &message : host.messages)
        EXPECT_TRUE(message.kind != OXEL_KIND_NOTE || message.level == 3) << message.text;
    EXPECT_EQ(host.counters.errors + host.counters.warnings, 0);
}

TEST_F(SequenceGrammar, IllegalVectorsComponentSequencesAndLongSequencesUseTheSameRecords) {
    std::string many;
    for (int i = 0; i < 250; i++)
        many += "WTN(T, " + std::to_string(i + 1) + ") ";
    DescriptionRoot *root = parse_ok(
        "BOARD B ILLEGAL_VECTORS BAD @BPV(P, 2, 11) END ILLEGAL_VECTORS END BOARD\n"
        "COMPONENT C\n"
        "  TEST_SEQUENCE T1 " + many + "END TEST_SEQUENCE\n"
        "  ILLEGAL_VECTORS I1 CMT(\"never\") END ILLEGAL_VECTORS\n"
        "  GLOBAL_FAMILY G TCK_STOP_AT_ONE NO END GLOBAL_FAMILY\n"
        "END COMPONENT");
    ASSERT_TRUE(root);
    BoardRecord *board = only_item<BoardRecord>(root->boards);
    ComponentRecord *component = only_item<ComponentRecord>(root->components);
    ASSERT_TRUE(board && component);
    SequenceRecord *bad = only_item<SequenceRecord>(board->illegal_sequences);
    SequenceRecord *long_one = only_item<SequenceRecord>(component->test_sequences);
    GlobalPerformanceRecord *global = only_item<GlobalPerformanceRecord>(component->global_performances);
    ASSERT_TRUE(bad && long_one && global);
    EXPECT_EQ(board->test_sequences, nullptr);
    EXPECT_EQ(row(bad->name, long_one->name, global->tck_stop_at_one_given), "BAD|T1|1");
    // Instruction lists grow a hundred entries at a time.
    EXPECT_EQ(bad->instructions->grow_step, 100);
    std::vector<VrakInstructionRecord *> code = items_of<VrakInstructionRecord>(long_one->instructions);
    ASSERT_EQ(code.size(), 250u);
    for (size_t i : {0, 100, 249})
        EXPECT_EQ(row(code[i]->kind, operands_of(code[i]).c_str()), row(OXEL_VRAK_WTN, "T|0|") + std::to_string(i + 1));
    EXPECT_EQ(text_of(only_item<SequenceRecord>(component->illegal_sequences)->name), "I1");
}

TEST_F(SequenceGrammar, EachBrokenInstructionNamesWhatWasExpected) {
    EXPECT_EQ(detail_of("BOARD B TEST_SEQUENCE S1 END TEST_SEQUENCE END BOARD"), "VRAK instruction expected");
    EXPECT_EQ(detail_of("BOARD B ILLEGAL_VECTORS S1 END ILLEGAL_VECTORS END BOARD"), "VRAK instruction expected");
    expect_details(
        {
            {"RST(TAP1, R4)", "Only R0,R1,R2,R3 allowed in RST instruction"},
            {"RST(TAP1, R0; TAP2, TDI)", "Only R0,R1,R2,R3 allowed in RST instruction"},
            {"RST(TAP1, R0; TAP2)", "VRAK instruction expected"},
            // A lone at sign is a word of its own, and no instruction.
            {"@ RST(TAP1, R0)", "VRAK instruction expected"},
            {"CMT(\"a\") DRS(1, X, 01)", "VRAK instruction expected"},
            {"WTN(CLK, 100", "VRAK instruction expected"},
            {"CMT(unquoted)", "VRAK instruction expected"},
            {"PPA(T, G (TDI: A) (RST: B))", "VRAK instruction expected"},
            {"PPA(P, G, 1, X, , Y)", "Pin reference expected"},
            // Groups, lists and pins built before the error go with the parse.
            {"CMT(\"x\") PPA(T, G (TDI: A B) (TMS: 1); P, H, 2, X(1,2), Y; T, K (TCK: C) FOO)",
             "VRAK instruction expected"},
        },
        "BOARD B TEST_SEQUENCE S ", " END TEST_SEQUENCE END BOARD");
}

// Test sequences and illegal vectors: the VRAK instructions and PPA groups
#include <gtest/gtest.h>

#include <string>

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
        return sequence ? items_of<VrakInstructionRecord>(sequence->instructions)
                        : std::vector<VrakInstructionRecord *>{};
    }
    // The detail line of a board sequence holding `body` that must fail.
    std::string sequence_detail(const std::string &body) {
        return detail_of("BOARD B TEST_SEQUENCE S " + body + " END TEST_SEQUENCE END BOARD");
    }
};

// An operand as "target|count|value".
std::string operand_text(const VrakOperandRecord *operand) {
    EXPECT_EQ(operand->reserved, 0);
    return text_of(operand->target) + "|" + std::to_string(operand->count) + "|" + text_of(operand->value);
}

std::vector<std::string> operands_of(const VrakInstructionRecord *instruction) {
    std::vector<std::string> out;
    for (VrakOperandRecord *operand : items_of<VrakOperandRecord>(static_cast<ItemList *>(instruction->operand)))
        out.push_back(operand_text(operand));
    return out;
}

PpaRecord *ppa_of(const VrakInstructionRecord *instruction) {
    EXPECT_EQ(instruction->kind, OXEL_VRAK_PPA);
    return static_cast<PpaRecord *>(instruction->operand);
}

}  // namespace

TEST_F(SequenceGrammar, RstKeepsItsTargetsButNotTheResetState) {
    std::vector<VrakInstructionRecord *> code = instructions_of("RST(TAP1, R2) RST(TAP1, R0; 2, R3)");
    ASSERT_EQ(code.size(), 2u);
    EXPECT_EQ(code[0]->kind, OXEL_VRAK_RST);
    EXPECT_EQ(operands_of(code[0]), std::vector<std::string>{"TAP1|0|(null)"});
    EXPECT_EQ(operands_of(code[1]), (std::vector<std::string>{"TAP1|0|(null)", "2|0|(null)"}));
}

TEST_F(SequenceGrammar, VectorInstructionsJoinTheWordsOfTheirBitPattern) {
    std::vector<VrakInstructionRecord *> code = instructions_of(
        "@DRS(1, 8, 0101 1100)\n"
        "BPV(Pins, 4, 01 10; 2, 3, 1X0)\n"
        "CNF(TDI, 2, HL)\n"
        "@TAP(3, 6, 0x3F)\n"
        "ITP(U1, 4, 01xx)");
    ASSERT_EQ(code.size(), 5u);
    EXPECT_EQ(code[0]->kind, OXEL_VRAK_DRS);
    EXPECT_EQ(operands_of(code[0]), std::vector<std::string>{"1|8|01011100"});
    EXPECT_EQ(code[1]->kind, OXEL_VRAK_BPV);
    EXPECT_EQ(operands_of(code[1]), (std::vector<std::string>{"Pins|4|0110", "2|3|1X0"}));
    // The target is read in name mode: a keyword is a name there.
    EXPECT_EQ(code[2]->kind, OXEL_VRAK_CNF);
    EXPECT_EQ(operands_of(code[2]), std::vector<std::string>{"TDI|2|HL"});
    EXPECT_EQ(code[3]->kind, OXEL_VRAK_TAP);
    EXPECT_EQ(operands_of(code[3]), std::vector<std::string>{"3|6|3F"});
    EXPECT_EQ(code[4]->kind, OXEL_VRAK_ITP);
    EXPECT_EQ(operands_of(code[4]), std::vector<std::string>{"U1|4|01xx"});
}

TEST_F(SequenceGrammar, WtnKeepsItsNumbersAsWritten) {
    std::vector<VrakInstructionRecord *> code = instructions_of("WTN(CLK, 100; 2, 5) @WTN(x, 0x10)");
    ASSERT_EQ(code.size(), 2u);
    EXPECT_EQ(code[0]->kind, OXEL_VRAK_WTN);
    EXPECT_EQ(operands_of(code[0]), (std::vector<std::string>{"CLK|0|100", "2|0|5"}));
    EXPECT_EQ(operands_of(code[1]), std::vector<std::string>{"x|0|10"});
}

TEST_F(SequenceGrammar, CmtHoldsItsText) {
    std::vector<VrakInstructionRecord *> code = instructions_of("CMT(\"Reset all parts\") @CMT(\"\")");
    ASSERT_EQ(code.size(), 2u);
    EXPECT_EQ(code[0]->kind, OXEL_VRAK_CMT);
    EXPECT_EQ(text_of(static_cast<char *>(code[0]->operand)), "Reset all parts");
    EXPECT_EQ(text_of(static_cast<char *>(code[1]->operand)), "");
}

TEST_F(SequenceGrammar, PpaSortsItsGroupsIntoSerialAndParallelLists) {
    std::vector<VrakInstructionRecord *> code =
        instructions_of("PPA(T, G1 (TDI: A B) (TDO: Q); P, G2, 4, X, Y(1:3))");
    ASSERT_EQ(code.size(), 1u);
    PpaRecord *ppa = ppa_of(code[0]);
    ASSERT_TRUE(ppa);
    PpaSerialGroupRecord *serial = only_item<PpaSerialGroupRecord>(ppa->serial_groups);
    ASSERT_TRUE(serial);
    EXPECT_EQ(text_of(serial->name), "G1");
    EXPECT_EQ(texts_of(serial->tdi), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(texts_of(serial->tdo), std::vector<std::string>{"Q"});
    EXPECT_EQ(serial->tms, nullptr);
    EXPECT_EQ(serial->tck, nullptr);
    EXPECT_EQ(serial->trst, nullptr);
    PpaParallelGroupRecord *parallel = only_item<PpaParallelGroupRecord>(ppa->parallel_groups);
    ASSERT_TRUE(parallel);
    EXPECT_EQ(text_of(parallel->name), "G2");
    std::vector<PinRefRecord *> pins = items_of<PinRefRecord>(parallel->pins);
    ASSERT_EQ(pins.size(), 2u);
    EXPECT_EQ(pins[0]->kind, OXEL_PINREF_PLAIN);
    EXPECT_EQ(text_of(pins[0]->name), "X");
    EXPECT_EQ(pins[1]->kind, OXEL_PINREF_ELEMENTS);
    EXPECT_EQ(text_of(pins[1]->name), "Y");
}

TEST_F(SequenceGrammar, PpaListsAreMadeOnlyForTheGroupsGiven) {
    std::vector<VrakInstructionRecord *> code = instructions_of(
        "PPA(P, 7, 4, X) "
        "PPA(T, S1 (TMS: 1 0) (TCK: C) (TRST: R); T, S2 (TDI: D, E); P, Q, 1, -; T, S3 (TDO: O))");
    ASSERT_EQ(code.size(), 2u);
    PpaRecord *parallel_only = ppa_of(code[0]);
    EXPECT_EQ(parallel_only->serial_groups, nullptr);
    PpaParallelGroupRecord *seven = only_item<PpaParallelGroupRecord>(parallel_only->parallel_groups);
    ASSERT_TRUE(seven);
    EXPECT_EQ(text_of(seven->name), "7");

    PpaRecord *mixed = ppa_of(code[1]);
    std::vector<PpaSerialGroupRecord *> serial = items_of<PpaSerialGroupRecord>(mixed->serial_groups);
    ASSERT_EQ(serial.size(), 3u);
    EXPECT_EQ(text_of(serial[0]->name), "S1");
    EXPECT_EQ(texts_of(serial[0]->tms), (std::vector<std::string>{"1", "0"}));
    EXPECT_EQ(texts_of(serial[0]->tck), std::vector<std::string>{"C"});
    EXPECT_EQ(texts_of(serial[0]->trst), std::vector<std::string>{"R"});
    EXPECT_EQ(texts_of(serial[1]->tdi), (std::vector<std::string>{"D", "E"}));
    EXPECT_EQ(text_of(serial[2]->name), "S3");
    EXPECT_EQ(texts_of(serial[2]->tdo), std::vector<std::string>{"O"});
    PpaParallelGroupRecord *q = only_item<PpaParallelGroupRecord>(mixed->parallel_groups);
    ASSERT_TRUE(q);
    PinRefRecord *dash = only_item<PinRefRecord>(q->pins);
    ASSERT_TRUE(dash);
    EXPECT_EQ(dash->name, nullptr);
}

TEST_F(SequenceGrammar, ASignalGivenTwiceInAGroupKeepsItsFirstListWithANote) {
    std::vector<VrakInstructionRecord *> code =
        instructions_of("PPA(T, G (TDI: a b) (TCK: k) (TDI: c) (TCK: l m))");
    ASSERT_EQ(code.size(), 1u);
    PpaSerialGroupRecord *group = only_item<PpaSerialGroupRecord>(ppa_of(code[0])->serial_groups);
    ASSERT_TRUE(group);
    EXPECT_EQ(texts_of(group->tdi), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(texts_of(group->tck), std::vector<std::string>{"k"});
    EXPECT_EQ(host.texts(OXEL_KIND_NOTE), (std::vector<std::string>{
                                               "Redefinition of TDI list in PPA instruction",
                                               "Redefinition of TCK list in PPA instruction"}));
    for (const RecordedMessage &message : host.messages) {
        if (message.kind == OXEL_KIND_NOTE) {
            EXPECT_EQ(message.level, 3);
        }
    }
    EXPECT_EQ(host.counters.errors, 0);
    EXPECT_EQ(host.counters.warnings, 0);
}

TEST_F(SequenceGrammar, IllegalVectorsAndComponentSequencesUseTheSameRecords) {
    DescriptionRoot *root = parse_ok(
        "BOARD B ILLEGAL_VECTORS BAD @BPV(P, 2, 11) END ILLEGAL_VECTORS END BOARD\n"
        "COMPONENT C\n"
        "  TEST_SEQUENCE T1 WTN(T, 1) END TEST_SEQUENCE\n"
        "  ILLEGAL_VECTORS I1 CMT(\"never\") END ILLEGAL_VECTORS\n"
        "  GLOBAL_FAMILY G TCK_STOP_AT_ONE NO END GLOBAL_FAMILY\n"
        "END COMPONENT");
    ASSERT_TRUE(root);
    BoardRecord *board = only_item<BoardRecord>(root->boards);
    ASSERT_TRUE(board);
    EXPECT_EQ(board->test_sequences, nullptr);
    SequenceRecord *bad = only_item<SequenceRecord>(board->illegal_sequences);
    ASSERT_TRUE(bad);
    EXPECT_EQ(text_of(bad->name), "BAD");
    // Instruction lists grow a hundred entries at a time.
    EXPECT_EQ(bad->instructions->grow_step, 100);
    ComponentRecord *component = only_item<ComponentRecord>(root->components);
    ASSERT_TRUE(component);
    EXPECT_EQ(text_of(only_item<SequenceRecord>(component->test_sequences)->name), "T1");
    EXPECT_EQ(text_of(only_item<SequenceRecord>(component->illegal_sequences)->name), "I1");
    GlobalPerformanceRecord *global = only_item<GlobalPerformanceRecord>(component->global_performances);
    ASSERT_TRUE(global);
    EXPECT_EQ(global->tck_stop_at_one_given, 1);
}

TEST_F(SequenceGrammar, ALongSequenceKeepsEveryInstructionInOrder) {
    std::string body;
    for (int i = 0; i < 250; i++)
        body += "WTN(T, " + std::to_string(i + 1) + ") ";
    std::vector<VrakInstructionRecord *> code = instructions_of(body);
    ASSERT_EQ(code.size(), 250u);
    EXPECT_EQ(operands_of(code[0]), std::vector<std::string>{"T|0|1"});
    EXPECT_EQ(operands_of(code[100]), std::vector<std::string>{"T|0|101"});
    EXPECT_EQ(operands_of(code[249]), std::vector<std::string>{"T|0|250"});
}

TEST_F(SequenceGrammar, EachBrokenInstructionNamesWhatWasExpected) {
    EXPECT_EQ(detail_of("BOARD B TEST_SEQUENCE S1 END TEST_SEQUENCE END BOARD"), "VRAK instruction expected");
    EXPECT_EQ(detail_of("BOARD B ILLEGAL_VECTORS S1 END ILLEGAL_VECTORS END BOARD"), "VRAK instruction expected");
    EXPECT_EQ(sequence_detail("RST(TAP1, R4)"), "Only R0,R1,R2,R3 allowed in RST instruction");
    EXPECT_EQ(sequence_detail("RST(TAP1, R0; TAP2, TDI)"), "Only R0,R1,R2,R3 allowed in RST instruction");
    EXPECT_EQ(sequence_detail("RST(TAP1, R0; TAP2)"), "VRAK instruction expected");
    // A lone at sign is a word of its own, and no instruction.
    EXPECT_EQ(sequence_detail("@ RST(TAP1, R0)"), "VRAK instruction expected");
    EXPECT_EQ(sequence_detail("CMT(\"a\") DRS(1, X, 01)"), "VRAK instruction expected");
    EXPECT_EQ(sequence_detail("WTN(CLK, 100"), "VRAK instruction expected");
    EXPECT_EQ(sequence_detail("CMT(unquoted)"), "VRAK instruction expected");
    EXPECT_EQ(sequence_detail("PPA(T, G (TDI: A) (RST: B))"), "VRAK instruction expected");
    EXPECT_EQ(sequence_detail("PPA(P, G, 1, X, , Y)"), "Pin reference expected");
}

TEST_F(SequenceGrammar, APpaBrokenAfterItsGroupsIsReleased) {
    // Groups, lists and pins built before the error go with the parse.
    EXPECT_EQ(sequence_detail("CMT(\"x\") PPA(T, G (TDI: A B) (TMS: 1); P, H, 2, X(1,2), Y; T, K (TCK: C) FOO)"),
              "VRAK instruction expected");
    EXPECT_EQ(OxelGetInfo()->boards, nullptr);
}

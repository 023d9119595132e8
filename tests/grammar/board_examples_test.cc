// The bundled board and test-vector examples read into the records they describe
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "grammar/description_support.h"

namespace {

class BoardExamples : public DescriptionTest {};

}  // namespace

TEST_F(BoardExamples, TheDualBoardChainsTwoPartsOfOneComponent) {
    DescriptionRoot *root = parse_example("dual_jx200_board.oxel");
    ASSERT_TRUE(root && root->header);
    EXPECT_EQ(root->header->change_logs->count, 2);
    PinFamilyRecord *family = only_item<PinFamilyRecord>(root->pin_families);
    ComponentRecord *component = only_item<ComponentRecord>(root->components);
    BoardRecord *board = only_item<BoardRecord>(root->boards);
    ASSERT_TRUE(family && component && board);
    // Every logic pin of the component belongs to the family.
    for (PinRecord *pin : items_of<PinRecord>(only_item<ItemList>(component->pin_lists)))
        EXPECT_TRUE(pin->type == OXEL_PIN_PWR || pin->type == OXEL_PIN_GND || text_of(pin->family) == text_of(family->name))
            << text_of(pin->name);

    EXPECT_EQ(text_of(board->source_ref), text_of(root->header->creation_log->reason));
    EXPECT_EQ(only_item<ItemList>(board->pin_lists)->count, 8);
    BoardChainRecord *chain = only_item<BoardChainRecord>(board->chains);
    ASSERT_TRUE(chain);
    std::vector<PartChainRecord *> parts = items_of<PartChainRecord>(chain->parts);
    ASSERT_EQ(parts.size(), 2u);
    for (PartChainRecord *part : parts)
        EXPECT_EQ(row(part->component_name, part->tms_net, part->tck_net),
                  row(component->name, chain->tms_net, chain->tck_net));
    EXPECT_EQ(text_of(parts[0]->trst_net), text_of(chain->trst_net));
    EXPECT_EQ(parts[1]->trst_net, nullptr);

    std::set<int32_t> reference_kinds;
    for (NetRecord *net : items_of<NetRecord>(only_item<ItemList>(board->netlists)))
        reference_kinds.insert(net->pin->kind);
    EXPECT_EQ(reference_kinds, (std::set<int32_t>{OXEL_PINREF_ELEMENT, OXEL_PINREF_ELEMENTS, OXEL_PINREF_PLAIN}));
    EXPECT_TRUE(only_item<GlobalPerformanceRecord>(board->global_performances));
    EXPECT_TRUE(only_item<GlobalPerformanceRecord>(component->global_performances));
}

TEST_F(BoardExamples, TheVectorsUseEveryVrakInstruction) {
    DescriptionRoot *root = parse_example("vrak_sequences.oxel");
    ASSERT_TRUE(root);
    BoardRecord *board = only_item<BoardRecord>(root->boards);
    ASSERT_TRUE(board && board->test_sequences && board->illegal_sequences);
    std::set<int32_t> kinds;
    bool serial = false, parallel = false;
    for (ItemList *sequences : {board->test_sequences, board->illegal_sequences})
        for (SequenceRecord *sequence : items_of<SequenceRecord>(sequences))
            for (VrakInstructionRecord *instruction : items_of<VrakInstructionRecord>(sequence->instructions)) {
                kinds.insert(instruction->kind);
                PpaRecord *ppa = static_cast<PpaRecord *>(instruction->operand);
                serial = serial || (instruction->kind == OXEL_VRAK_PPA && ppa->serial_groups);
                parallel = parallel || (instruction->kind == OXEL_VRAK_PPA && ppa->parallel_groups);
            }
    EXPECT_EQ(kinds, (std::set<int32_t>{OXEL_VRAK_RST, OXEL_VRAK_WTN, OXEL_VRAK_BPV, OXEL_VRAK_CNF,
                                        OXEL_VRAK_TAP, OXEL_VRAK_ITP, OXEL_VRAK_PPA, OXEL_VRAK_CMT,
                                        OXEL_VRAK_DRS}));
    EXPECT_TRUE(serial && parallel);
    EXPECT_TRUE(host.texts(OXEL_KIND_NOTE).empty()) << host.dump();
}

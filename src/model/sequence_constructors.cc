// Test records: sequences, VRAK instructions and their operands
#include "interface/memory.h"
#include "model/board_records.h"
#include "model/item_list.h"
#include "model/release.h"

SequenceRecord *mksequence(HostContext *context, char *name, ItemList *instructions) {
    SequenceRecord *sequence =
        static_cast<SequenceRecord *>(mem_alloc(context, sizeof(SequenceRecord)));
    if (!sequence) {
        mem_free(context, name);
        list_release_with(context, instructions, release_vrak_instruction);
        return nullptr;
    }
    sequence->name = name;
    sequence->instructions = instructions;
    return sequence;
}

VrakInstructionRecord *mkvrak(HostContext *context, int32_t kind, ItemList *operands) {
    VrakInstructionRecord *instruction =
        static_cast<VrakInstructionRecord *>(mem_alloc(context, sizeof(VrakInstructionRecord)));
    if (!instruction) {
        list_release_with(context, operands, release_vrak_operand);
        return nullptr;
    }
    instruction->kind = kind;
    instruction->operand = operands;
    return instruction;
}

VrakInstructionRecord *mkvrakcomment(HostContext *context, char *comment) {
    VrakInstructionRecord *instruction =
        static_cast<VrakInstructionRecord *>(mem_alloc(context, sizeof(VrakInstructionRecord)));
    if (!instruction) {
        mem_free(context, comment);
        return nullptr;
    }
    instruction->kind = OXEL_VRAK_CMT;
    instruction->operand = comment;
    return instruction;
}

VrakOperandRecord *mkvrakoperand(HostContext *context, char *target, int32_t count, char *value) {
    VrakOperandRecord *operand =
        static_cast<VrakOperandRecord *>(mem_alloc(context, sizeof(VrakOperandRecord)));
    if (!operand) {
        mem_free(context, target);
        mem_free(context, value);
        return nullptr;
    }
    operand->target = target;
    operand->count = count;
    operand->value = value;
    return operand;
}

// Test records: sequences, VRAK instructions and their operands
#include "base/memory.h"
#include "model/board_records.h"
#include "model/item_list.h"
#include "model/new_record.h"
#include "model/release.h"

namespace {

// An instruction of `kind` holding `operand`; null on failure (the operand
// stays the caller's).
VrakInstructionRecord *new_instruction(HostContext *context, int32_t kind, void *operand) {
    VrakInstructionRecord *instruction = new_record<VrakInstructionRecord>(context);
    if (instruction) {
        instruction->kind = kind;
        instruction->operand = operand;
    }
    return instruction;
}

}  // namespace

SequenceRecord *make_sequence(HostContext *context, char *name, ItemList *instructions) {
    SequenceRecord *sequence = new_record<SequenceRecord>(context);
    if (!sequence) {
        mem_free(context, name);
        list_release_with(context, instructions, release_vrak_instruction);
        return nullptr;
    }
    sequence->name = name;
    sequence->instructions = instructions;
    return sequence;
}

VrakInstructionRecord *make_vrak_instruction(HostContext *context, int32_t kind, ItemList *operands) {
    VrakInstructionRecord *instruction = new_instruction(context, kind, operands);
    if (!instruction)
        list_release_with(context, operands, release_vrak_operand);
    return instruction;
}

VrakInstructionRecord *make_vrak_comment(HostContext *context, char *comment) {
    VrakInstructionRecord *instruction = new_instruction(context, OXEL_VRAK_CMT, comment);
    if (!instruction)
        mem_free(context, comment);
    return instruction;
}

VrakInstructionRecord *make_ppa_instruction(HostContext *context, PpaRecord *ppa) {
    VrakInstructionRecord *instruction = new_instruction(context, OXEL_VRAK_PPA, ppa);
    if (!instruction)
        release_ppa(context, ppa);
    return instruction;
}

VrakOperandRecord *make_vrak_operand(HostContext *context, char *target, int32_t count, char *value) {
    VrakOperandRecord *operand = new_record<VrakOperandRecord>(context);
    if (!operand) {
        free_blocks(context, {target, value});
        return nullptr;
    }
    operand->target = target;
    operand->count = count;
    operand->value = value;
    return operand;
}

// Sequence constructors: test sequences, VRAK instructions and their operands
#include "model/sequence_constructors.h"

#include "base/memory.h"
#include "model/item_list.h"
#include "model/new_record.h"
#include "model/release.h"

namespace {

// An instruction of `kind` holding `operand`; null on failure, drop() then
// releasing the operand.
template <typename Drop>
VrakInstructionRecord *new_instruction(HostContext *context, int32_t kind, void *operand, Drop drop) {
    return new_record_of(context, VrakInstructionRecord{kind, operand}, drop);
}

}  // namespace

SequenceRecord *make_sequence(HostContext *context, char *name, ItemList *instructions) {
    return new_record_of(context, SequenceRecord{name, instructions}, [&] {
        mem_free(context, name);
        list_release_with(context, instructions, release_vrak_instruction);
    });
}

VrakInstructionRecord *make_vrak_instruction(HostContext *context, int32_t kind, ItemList *operands) {
    return new_instruction(context, kind, operands,
                           [&] { list_release_with(context, operands, release_vrak_operand); });
}

VrakInstructionRecord *make_vrak_comment(HostContext *context, char *comment) {
    return new_instruction(context, OXEL_VRAK_CMT, comment, [&] { mem_free(context, comment); });
}

VrakInstructionRecord *make_ppa_instruction(HostContext *context, PpaRecord *ppa) {
    return new_instruction(context, OXEL_VRAK_PPA, ppa, [&] { release_ppa(context, ppa); });
}

VrakOperandRecord *make_vrak_operand(HostContext *context, char *target, int32_t count, char *value) {
    return new_record_of(context, VrakOperandRecord{0, target, count, value},
                         [&] { free_blocks(context, {target, value}); });
}

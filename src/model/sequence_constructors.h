// Sequence constructors: test sequences, VRAK instructions and their operands
#pragma once

#include "oxel32.h"

// Every constructor takes the context first and ownership of every text,
// list and record it is handed. It returns the new record, or null after a
// reported failure, having then released everything it was handed.

SequenceRecord *make_sequence(HostContext *context, char *name, ItemList *instructions);
// An instruction whose operand is a list of VrakOperandRecord.
VrakInstructionRecord *make_vrak_instruction(HostContext *context, int32_t kind, ItemList *operands);
// A CMT instruction holding its comment.
VrakInstructionRecord *make_vrak_comment(HostContext *context, char *comment);
// A PPA instruction holding its record.
VrakInstructionRecord *make_ppa_instruction(HostContext *context, PpaRecord *ppa);
VrakOperandRecord *make_vrak_operand(HostContext *context, char *target, int32_t count, char *value);

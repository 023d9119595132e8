// Instruction checks: the instruction list of an instruction register
#pragma once

#include "check/severity.h"
#include "oxel32.h"

// Checks every InstructionRecord of the list against the register length,
// the component's registers and cells, and (while the standard counter is
// set) asks for the mandatory instructions. Cleans each instruction value
// in place.
Severity check_instruction_list(HostContext *context, const ComponentRecord *component,
                                ItemList *instructions, int32_t register_length);

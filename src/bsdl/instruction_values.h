// Instruction values: the instruction register, the opcodes and the registers the instructions select
#pragma once

#include "bsdl/bsdl_document.h"
#include "bsdl/import_messages.h"

// Reads INSTRUCTION_LENGTH, INSTRUCTION_OPCODE, INSTRUCTION_CAPTURE,
// INSTRUCTION_PRIVATE, IDCODE_REGISTER, USERCODE_REGISTER and
// REGISTER_ACCESS into the document, and settles the register every
// instruction selects (the standard's default where REGISTER_ACCESS names
// none). The four registers of the standard come first in the document's
// registers, in the order of BsdlRegisterKind. Findings are reported; false
// when the import stopped.
bool read_instruction_values(BsdlImport &import, BsdlDocument &document);

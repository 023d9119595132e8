// Register writer: instruction lines, capture values, chain elements and cell modes
#pragma once

#include "oxel32.h"
#include "write/text_out.h"

// One line of an INSTRUCTION_LIST.
void write_instruction(TextOut &out, const InstructionRecord *instruction);
// `CAPTURE: "value"` with its CAPTURE_STATUS_LIST, when the register has a
// capture value; `label` and `name` name the register in a report.
void write_capture(TextOut &out, const char *keyword, const char *value, const ItemList *status,
                   const char *name);
// One line of a CHAIN_LIST.
void write_chain_element(TextOut &out, const ChainElementRecord *element);
// One line of a MODE_LIST.
void write_cell_mode(TextOut &out, const CellModeRecord *mode);

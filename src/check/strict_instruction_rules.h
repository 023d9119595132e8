// Strict instruction rules: the instruction register's capture and the opcodes, held to IEEE 1149.1
#pragma once

#include "check/severity.h"
#include "check/subject.h"
#include "oxel32.h"

// The rules the strict check adds for each instruction register of a
// component (`at` is the component): its capture value ends in 01; one
// BYPASS opcode is all ones, and no other instruction has the all-ones
// opcode; no two instructions decode to one opcode. `standard_stated`
// tells whether the designed check already asked for an all-ones BYPASS,
// which this check then does not tell again. Findings point at the register
// or the instruction.
Severity check_strict_instructions(const Subject &at, const ComponentRecord *component, bool standard_stated);

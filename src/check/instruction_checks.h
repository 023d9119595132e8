// Instruction register checks: the component's one instruction register and its instruction list
#pragma once

#include "check/component_checks.h"

// The component's one instruction register (`at` is the component, the
// register about itself): its name, purpose, length and capture, and its
// instruction list against the register's length, the component's
// registers and cells, each instruction about itself; a component that
// states a standard must have the register and the mandatory instructions.
// Cleans the capture and each instruction value in place.
Severity check_instruction_register(const Subject &at, const ComponentChecks &checks);

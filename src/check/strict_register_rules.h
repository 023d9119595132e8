// Strict register rules: the bypass register's length and the identification code, held to IEEE 1149.1
#pragma once

#include "check/severity.h"
#include "check/subject.h"
#include "oxel32.h"

// The rules the strict check adds for a component's bypass and
// identification registers (`at` is the component): a bypass register has
// a bit; the identification register's capture value ends in 1, its
// manufacturer code is not the reserved 00001111111, and its version, part
// number and manufacturer codes are the bits of its capture value. Findings
// point at the register.
Severity check_strict_registers(const Subject &at, const ComponentRecord *component);

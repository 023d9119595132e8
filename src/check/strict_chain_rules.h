// Strict chain rules: the boundary-scan chain's cells against the pins they serve, held to IEEE 1149.1
#pragma once

#include "check/severity.h"
#include "check/subject.h"
#include "oxel32.h"

// The rules the strict check adds for each boundary-scan register of a
// component (`at` is the component), after the designed check has settled
// the disable values: no two cells read one pin (or bus bit), nor drive
// one; every bit of a bus that has cells has its own; a cell that drives a
// bidirectional pin names a control cell; a control cell drives no pin; and
// every control cell has one disable value, 0 or 1, however its elements
// write its position. Findings point at the chain element, or at the bus.
Severity check_strict_chains(const Subject &at, const ComponentRecord *component);

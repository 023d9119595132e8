// Boundary-scan register and chain checks
#pragma once

#include "check/device_tables.h"
#include "check/severity.h"
#include "check/subject.h"
#include "oxel32.h"

// Checks the component's boundary-scan registers and their chains against
// the pin and cell tables; settles pin types and disable values in the
// description as it goes. Every value it settles is written in place (a
// pin's type field, the first character of a disable value), so whatever
// points into the description, the query cursors' copied chain element
// included, reads the settled value without being refreshed. `at` is the
// component; a component that states a standard must have the register.
Severity check_boundary_scan_registers(const Subject &at, const DeviceTables &tables, ComponentRecord *component,
                                       bool standard_stated);

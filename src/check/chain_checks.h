// Boundary-scan register and chain checks
#pragma once

#include "check/severity.h"
#include "oxel32.h"

// Checks the component's boundary-scan registers and their chains against
// the pin and cell tables; settles pin types and disable values in the
// description as it goes.
Severity check_boundary_scan_registers(HostContext *context, ComponentRecord *component);

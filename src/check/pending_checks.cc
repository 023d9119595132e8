// Check families not written yet: each entry finds nothing until its family is written
#include "check/chain_checks.h"

Severity check_boundary_scan_registers(HostContext *, ComponentRecord *) { return kClean; }

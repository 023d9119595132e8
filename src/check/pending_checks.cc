// Check families not written yet: each entry finds nothing until its family is written
#include "check/board_checks.h"
#include "check/chain_checks.h"
#include "check/sequence_checks.h"

Severity check_boundary_scan_registers(HostContext *, ComponentRecord *) { return kClean; }

Severity check_sequences(HostContext *, const ItemList *, int32_t) { return kClean; }

Severity check_boards(HostContext *, ItemList *) { return kClean; }

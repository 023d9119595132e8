// Board checks: the boards of the description
#pragma once

#include "check/device_tables.h"
#include "check/severity.h"
#include "check/subject.h"
#include "oxel32.h"

// Checks every BoardRecord of the list, each about itself (names, TAPs,
// part chains, netlists, and the shared checks over its own sections) and
// records the nets its netlists name in the run's names. 0 for an absent
// or empty list.
Severity check_boards(const Subject &at, const DeviceChecks &device, const ItemList *boards);

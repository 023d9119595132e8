// Board checks: the boards of the description
#pragma once

#include "check/severity.h"
#include "oxel32.h"

// Checks every BoardRecord of the list (names, TAPs, part chains, netlists,
// and the shared checks over its own sections) and records the nets its
// netlists name; frees the device name registry after the last board. The
// pin list counter is 0 before the first board and after each one. 0 for
// an absent or empty list.
Severity check_boards(HostContext *context, ItemList *boards);

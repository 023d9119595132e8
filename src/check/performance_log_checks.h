// Global performance and log checks: the descriptive data of headers, boards and components
#pragma once

#include "check/severity.h"
#include "oxel32.h"

// The creation log, then each change log of a header; 0 for a null header.
Severity check_logs(HostContext *context, const HeaderRecord *header);

// Each GlobalPerformanceRecord of the list in order; 0 for a null or empty list.
Severity check_global_performances(HostContext *context, const ItemList *families);

// Global family and log checks: the descriptive data of headers, boards and components
#pragma once

#include "check/severity.h"
#include "check/subject.h"
#include "oxel32.h"

// The creation log, then each change log of a header, about `at` (the
// header's holder); 0 for a null header.
Severity check_logs(const Subject &at, const HeaderRecord *header);

// Each global family (GlobalPerformanceRecord) of the list in order, each
// about itself; 0 for a null or empty list.
Severity check_global_families(const Subject &at, const ItemList *families);

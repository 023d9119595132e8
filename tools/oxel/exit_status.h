// oxel: the exit status a file gives, from the library's result and the messages about it
#pragma once

#include <cstdint>

#include "diagnostics.h"

// The worst of the library's result and the messages the sink counted: 4
// for a failed result or any error, else 1 for a result of warnings or any
// warning when warnings count (check, unless --fail-on=error), else 0.
int file_status(int32_t result, const DiagnosticSink &sink, bool warnings_fail);

// Severity masks: what a semantic check found
#pragma once

#include <cstdint>

// Every check yields a mask: 0 when it found nothing, the warning bit when it
// reported at least one warning, the error bit when it reported at least one
// error. Masks of several checks combine with bitwise OR.
using Severity = int32_t;

constexpr Severity kClean = 0;
constexpr Severity kWarning = 1;
constexpr Severity kError = 2;

inline bool has_error(Severity mask) { return (mask & kError) != 0; }

// Display names: how the checks call instruction kinds and modes in their messages
#pragma once

#include <cstdint>

// "EXTEST" .. "HIGHZ" by InstructionKind; a user instruction (kind 8) by
// its own name, "USERINST" without one; "UNKNOWN" for any other kind.
const char *instruction_name(int32_t kind, const char *user_name);

// "UNKNOWN", "INTERNAL", .. "HIZ" for the ModeCodes 0 to 6; null for any
// other code, which each caller names its own way.
const char *mode_code_name(int32_t mode);

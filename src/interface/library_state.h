// Module-wide state of the library interface
#pragma once

#include "oxel32.h"

// What the entry points keep between calls besides the description.
struct library_state {
    int32_t syntax_errors;    // set by OxelParse from the parser's count
};

extern library_state g_library;

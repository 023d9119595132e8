// Module-wide state of the library interface
#pragma once

#include "oxel32.h"

// The one description the library holds, and what travels with it.
struct library_state {
    DescriptionRoot root;     // header, boards, components, pin families
    int32_t syntax_errors;    // set by OxelParse from the parser's count
    char *prog_name;          // OxelSetProgName's copy, or null
};

extern library_state g_library;

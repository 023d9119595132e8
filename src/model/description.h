// The description the library holds: its four roots and the program name
#pragma once

#include "oxel32.h"

// The roots every constructor files into and every reader starts from. The
// program name travels with the description: it is released with it.
struct description_state {
    DescriptionRoot root;     // header, boards, components, pin families
    char *prog_name;          // OxelSetProgName's copy, or null
};

// The roots of the description; the address never changes.
DescriptionRoot *description_root();
// The program name the syntax messages carry, or null.
const char *description_prog_name();
// Replaces the program name with a copy of `name` (null clears it); false
// after a reported allocation failure, the name then cleared.
bool set_description_prog_name(HostContext *context, const char *name);

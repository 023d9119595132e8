// The description the library holds: its four roots, the program name and where each record was written
#pragma once

#include "model/record_locations.h"
#include "oxel32.h"

// The roots every constructor files into and every reader starts from. The
// program name and the records' places travel with the description: they
// are released with it. The library holds one, in its state at the entry
// points.
struct description_state {
    DescriptionRoot root;         // header, boards, components, pin families
    char *prog_name;              // OxelSetProgName's copy, or null
    record_locations locations;   // where each record was written
};

// Replaces the program name with a copy of `name` (null clears it); false
// after a reported allocation failure, the name then cleared.
bool set_description_prog_name(HostContext *context, description_state &description, const char *name);

// Releases the whole description, the program name and the places; the four
// roots are null afterwards. A null context releases nothing.
void release_description(HostContext *context, description_state &description);

// Description writer: a whole description as one OXEL file in the canonical layout
#pragma once

#include "oxel32.h"

// Writes the description under `root` to the sink as the text of one OXEL
// file: the pin families first, then the components and the boards, each
// after a header that gives it its source (the header the description holds
// comes last but for the source it gives), indented two blanks a level, one
// statement or entry a line. True when the whole text reached the sink;
// false after a reported failure (memory, or a record no text reads back
// as it is), the text handed over so far then incomplete.
bool write_description(HostContext *context, const DescriptionRoot *root, OxelTextSink sink, void *user);

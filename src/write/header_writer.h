// Header writer: OXEL_HEADER sections with their creation and change logs
#pragma once

#include "oxel32.h"
#include "write/text_out.h"

void write_header(TextOut &out, const HeaderRecord *header);
// A header that only gives the source of what follows it: its creation
// log's reason, the other texts empty.
void write_source_header(TextOut &out, const char *source);

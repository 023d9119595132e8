// Top-level sections: a completed header, component, board or pin family filed into the description
#pragma once

#include "grammar/parser_state.h"

// A file-level header replaces the one held; its creation log's reason
// becomes the current source reference that boards and components copy.
void file_header(parser_state *parse, HeaderRecord *header);
// A component, board or pin family joins its root list, which is made at
// the first. On failure the record is released and the parse must stop
// (false).
bool file_component(parser_state *parse, ComponentRecord *component);
bool file_board(parser_state *parse, BoardRecord *board);
bool file_pin_family(parser_state *parse, PinFamilyRecord *family);

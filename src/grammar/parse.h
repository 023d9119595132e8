// Parse: one run of the parser over the lexer's input, into a description
#pragma once

#include "grammar/parser_state.h"

// A parse whose messages go to `context`, whose tokens come from `lexer`
// and whose records go to `description`: no syntax message yet, no family
// under construction, no source reference. Name mode is switched off: a
// parse that stopped right after a name marker leaves it on, and the next
// file's first word must be read as a keyword.
parser_state start_parse(HostContext *context, lexer_state &lexer, description_state &description);
// 0 when the input was accepted, 1 when the parse stopped.
int parse_description(parser_state &parse);

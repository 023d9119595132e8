// Parser state: what one parse carries besides the parser's own stacks
#pragma once

#include <cstddef>

#include "base/message_location.h"
#include "lexer/lexer.h"
#include "model/description.h"
#include "oxel32.h"

// Every action and the token reader reach it through the parser's
// parameter; the entry point that parses owns it.
struct parser_state {
    HostContext *host;              // every message of the parse goes here
    lexer_state *lexer;             // where the tokens come from
    description_state *description; // what the parse builds goes here
    int32_t syntax_errors;          // syntax messages sent during this parse
    bool detail_pending;            // a syntax message awaits its detail line
    SourceLocation syntax_place;    // where the last syntax message points; its detail line too
    PinFamilyRecord *current_pin_family;             // family being filled
    GlobalPerformanceRecord *current_global_family;  // likewise
    const char *source_ref;         // borrowed: reason of the file header's creation log
    // The bit pattern being joined: its text (owned by the grammar's value
    // stack), the text's length and the bytes its block holds, so that each
    // word is appended without measuring the pattern again.
    char *run_text;
    size_t run_length;
    size_t run_capacity;
};

// Parser: module-wide state and the interface of the parse
#pragma once

#include <cstddef>

#include "base/message_location.h"
#include "oxel32.h"

// What one parse carries besides the parser's own stacks.
struct parser_state {
    HostContext *host;              // every message of the parse goes here
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

extern parser_state g_parser;

// Points the parser's messages at `context` and clears the counts, the
// current families and the current source reference.
void reset_parse_context(HostContext *context);
// 0 when the input was accepted, 1 when the parse stopped.
int parse_description();
// The syntax messages sent since the last reset of the parse context.
int32_t parser_syntax_errors();

// The parser's token source: the lexer's next token, its value copied into
// yylval (the token reader).
int yylex();

// Sends a syntax message built from `message`, the program name, the line
// and the current token, pointing at `where` (the token's place); a null or
// empty message sends nothing.
void report_syntax_error(const SourceLocation &where, const char *message);
// Sends the detail line that belongs to the last syntax message, pointing
// where that message points.
void report_expected(parser_state *parse, const char *message);

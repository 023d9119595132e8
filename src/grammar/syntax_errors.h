// Syntax errors: the message of a syntax error and its detail line
#pragma once

#include "grammar/parser_state.h"
#include "grammar/token_place.h"

// Bison's error hook: "syntax error", or "yacc stack overflow" when the
// stacks cannot grow (Bison's "memory exhausted"). It points at the token
// the parser stopped at (`place`).
void yyerror(const TokenPlace *place, parser_state *parse, const char *message);
// Sends a syntax message built from `message`, the program name, the line
// and the current token, pointing at `where` (the token's place); a null or
// empty message sends nothing.
void report_syntax_error(parser_state *parse, const SourceLocation &where, const char *message);
// Sends the detail line that belongs to the last syntax message, pointing
// where that message points.
void report_expected(parser_state *parse, const char *message);

// Token reader: the lexer's tokens and their values, handed to the parser
#pragma once

#include "grammar/parser_state.h"
#include "oxel_parser.hh"

// The parser's token source: the parse's lexer's next token, its value
// copied into *value and its place into *place.
int yylex(YYSTYPE *value, TokenPlace *place, parser_state *parse);

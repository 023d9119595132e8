// Token reader: the lexer's tokens and their values, handed to the parser
#pragma once

#include "grammar/parser_state.h"

// The parser's token source: the parse's lexer's next token, its value
// copied into yylval and its place into yylloc.
int yylex(parser_state *parse);

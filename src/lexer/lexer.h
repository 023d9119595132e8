// Lexical analyser: the interface the parser and the entry points use
#pragma once

#include <cstdio>

#include "oxel32.h"

// The longest token text; one more character draws the over-long message.
constexpr int kMaxTokenLength = 5120;

// Starts a new file: nesting limit 10, line 1, column 1, push-back empty,
// token text empty, include stack empty (include files still open are
// closed first). The semantic value, the text as written and name mode are
// left alone.
void lexer_reset();
// Makes `stream` the main source that yylex reads (the caller owns it).
void lexer_set_stream(FILE *stream);
// Closes every include file still open and forgets the include stack; the
// main stream is given back to current reading, still open.
void lexer_close_includes();

// The next token number: a keyword, IDENTIFIER, INTEGER, STRING or REAL of
// the grammar, a single character's code, 0 at the end of input, or -1 when
// reading failed. Its value is left in yylval.
int yylex();
// True once yylex has returned -1 since the last reset: the input was not
// read to its end, although the parser takes -1 for the end of input.
bool lexer_failed();

// Text of the token being read or last read (NUL-terminated).
const char *lexer_token_text();
// The current line number.
int32_t lexer_line();
// Name mode: the next word is an identifier even when it spells a keyword
// (END excepted). The lexer clears it at every token but end of input.
void lexer_set_name_mode(bool on);
bool lexer_name_mode();
// Hands over the owned copy of the last identifier as written (may be null);
// the lexer forgets it.
char *lexer_take_written_text();

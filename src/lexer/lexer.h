// Lexical analyser: the interface the parser and the entry points use
#pragma once

#include <cstdio>

#include "base/message_location.h"
#include "lexer/tokens.h"
#include "oxel32.h"

// The state of reading (lexer/lexer_state.h): every function of the lexer
// is handed the one it reads with; its owner keeps it between calls.
struct lexer_state;

// The longest token text; one more character draws the over-long message.
constexpr int kMaxTokenLength = 5120;

// Starts a new file whose messages go to `context`: nesting limit 10, line
// 1, column 1, push-back empty, token text empty, include stack empty
// (include files still open are closed first). The token value, the text as
// name mode are left alone.
void lexer_reset(lexer_state &lx, HostContext *context);
// Makes `stream` the main source that the lexer reads; `path`, the name it
// was opened by, is what the places of its tokens name. The caller owns
// both and keeps them while the lexer reads.
void lexer_set_stream(lexer_state &lx, FILE *stream, const char *path = nullptr);
// Closes every include file still open and forgets the include stack; the
// main stream is given back to current reading, still open.
void lexer_close_includes(lexer_state &lx);

// The next token number: a keyword or token class (LexerToken), a single
// character's code, 0 at the end of input, or -1 when reading failed. Its
// value waits in the lexer until it is taken.
int lexer_next_token(lexer_state &lx);
// Hands over the value of the last token read; the lexer forgets it.
TokenValue lexer_take_value(lexer_state &lx);
// Hand over the one member of that value that the token's class sets (an
// identifier's or a string's text, an integer, a real); the lexer forgets
// the whole value. The reader of every token takes its value this way:
// loading the three members together right after the lexer stored them one
// by one stalls the processor.
char *lexer_take_text(lexer_state &lx);
IntegerLiteral lexer_take_integer(lexer_state &lx);
double *lexer_take_real(lexer_state &lx);
// Releases the value of the last token read, for a reader that keeps
// nothing of the token.
void lexer_drop_value(lexer_state &lx);
// True once reading a token has failed since the last reset: the input was
// not read to its end, although the parser takes -1 for the end of input.
bool lexer_failed(lexer_state &lx);

// Text of the token being read or last read (NUL-terminated).
const char *lexer_token_text(lexer_state &lx);
// The current line number: one count for the whole input, which runs on
// through include files.
int32_t lexer_line(lexer_state &lx);
// Where the last token began: its source's path, its line within that
// source and its column. The path stays valid until the includes are closed
// or the lexer is reset. At the end of input, the place where it ended.
const SourceLocation &lexer_token_location(lexer_state &lx);
// Name mode: the next word is an identifier even when it spells a keyword
// (END excepted). The lexer clears it at every token but end of input.
void lexer_set_name_mode(lexer_state &lx, bool on);
bool lexer_name_mode(lexer_state &lx);

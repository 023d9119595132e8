// Lexical analyser (scaffolding: replaced by the real reader)
#include "lexer/lexer.h"

namespace {
FILE *g_stream;
bool g_name_mode;
}

void lexer_reset() {}
void lexer_set_stream(FILE *stream) { g_stream = stream; }
void lexer_close_includes() {}
int yylex() { return 0; }
const char *lexer_token_text() { return ""; }
int32_t lexer_line() { return 1; }
void lexer_set_name_mode(bool on) { g_name_mode = on; }
bool lexer_name_mode() { return g_name_mode; }
char *lexer_take_written_text() { return nullptr; }

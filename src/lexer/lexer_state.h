// Lexical analyser: the module-wide state of source reading
#pragma once

#include <cstdint>
#include <cstdio>

#include "lexer/include_stack.h"
#include "lexer/lexer.h"

// The push-back slot is empty; any character code, NUL included, can be kept.
constexpr int kNoPushBack = -1;

struct lexer_state {
    HostContext *host = nullptr;  // every message and allocation of reading goes here
    FILE *stream = nullptr;       // the source being read
    bool stream_ended = false;    // it reached its end, a Ctrl-Z or a NUL byte: nothing more is read
    // The path of the source being read, as it was opened: the main file's
    // is the caller's, an include file's its entry's. Null when not given.
    const char *file = nullptr;
    int32_t line = 1;             // one count for the whole input, include files and all
    int32_t file_line = 1;        // the line within the source being read
    int32_t column = 1;           // 1: no character of the line read yet
    SourceLocation token_start = {};  // where the token being read, or last read, began
    int pushback = kNoPushBack;
    char token_text[kMaxTokenLength + 1] = {};
    int token_length = 0;
    TokenValue value = {};        // the last token's value, until it is taken
    char *written_text = nullptr; // the last identifier as written (owned)
    bool name_mode = false;
    bool failed = false;          // reading a token failed since the last reset
    include_state includes;
};

extern lexer_state g_lexer;

// The character reader: the pushed-back character, else the next character
// of the current source; 0 at its end. Keeps the line and column.
int lexer_read_char();
// Puts one character back for the next read.
void lexer_push_back(int c);

// Character classes of the classic locale, whatever the host has set.
inline bool is_letter(int c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
inline bool is_digit(int c) { return c >= '0' && c <= '9'; }
inline bool is_hex_digit(int c) {
    return is_digit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

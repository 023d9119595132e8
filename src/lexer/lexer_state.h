// Lexical analyser: the module-wide state of source reading
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "base/text_input.h"
#include "lexer/include_stack.h"
#include "lexer/lexer.h"

// The push-back slot is empty; any character code, NUL included, can be kept.
constexpr int kNoPushBack = -1;

// The bytes of a source read ahead in one block, and how far they are used.
// The main file and the include file being read each have their own, so
// that the main file's read-ahead survives its includes.
struct source_buffer {
    static constexpr size_t kSize = 64 * 1024;
    const unsigned char *next = nullptr;
    const unsigned char *end = nullptr;
    unsigned char bytes[kSize];
};

struct lexer_state {
    HostContext *host = nullptr;  // every message and allocation of reading goes here
    FILE *stream = nullptr;       // the source being read
    source_buffer *buffer = &main_buffer;  // its bytes read ahead: main_buffer or include_buffer
    bool stream_ended = false;    // it reached its end, a Ctrl-Z or a NUL byte: nothing more is read
    // The path of the source being read, as it was opened: the main file's
    // is the caller's, an include file's its entry's. Null when not given.
    const char *file = nullptr;
    // The column stands apart from the line within the source: a token's
    // place is taken from both right after the column changed, and two
    // neighbours would be loaded as one word across that fresh store, a
    // stall on every token.
    int32_t column = 1;           // 1: no character of the line read yet
    int32_t line = 1;             // one count for the whole input, include files and all
    int32_t file_line = 1;        // the line within the source being read
    SourceLocation token_start = {};  // where the token being read, or last read, began
    int pushback = kNoPushBack;
    char token_text[kMaxTokenLength + 1] = {};
    int token_length = 0;
    TokenValue value = {};        // the last token's value, until it is taken
    bool name_mode = false;
    bool failed = false;          // reading a token failed since the last reset
    include_state includes;
    source_buffer main_buffer;
    source_buffer include_buffer;
};

// The next character of the current source once its read-ahead is used up,
// or at a carriage return or a Ctrl-Z (which the text rules treat apart):
// the text rules applied, 0 at its end.
int read_source_slowly(lexer_state &lx);
// The read-ahead the current source uses from now on: an include file's,
// empty (the one of the include file left is forgotten), or the main file's,
// as the main file left it.
void start_include_read_ahead(lexer_state &lx);
void resume_main_read_ahead(lexer_state &lx);
// Nothing more is read of the current source: what was read ahead goes.
void end_source(lexer_state &lx);
// Where reading of the current source stands, as a byte offset for fseek.
long source_offset(lexer_state &lx);

// The character reader: the pushed-back character, else the next character
// of the current source; 0 at its end. Keeps the line and column. Inline:
// every character goes through it.
inline int lexer_read_char(lexer_state &lx) {
    int c;
    if (lx.pushback != kNoPushBack) {
        c = lx.pushback;
        lx.pushback = kNoPushBack;
    } else {
        source_buffer &buffer = *lx.buffer;
        // Bytes that need no text rule come straight from the read-ahead.
        if (buffer.next < buffer.end &&
            (*buffer.next > kTextEndMark || *buffer.next == '\n' || *buffer.next == '\t'))
            c = *buffer.next++;
        else
            c = read_source_slowly(lx);
    }
    if (c == '\n') {
        lx.line++;
        lx.file_line++;
        lx.column = 1;
    } else {
        lx.column++;
    }
    return c;
}
// Puts one character back for the next read.
void lexer_push_back(lexer_state &lx, int c);

// Character classes of the classic locale, whatever the host has set.
constexpr bool is_letter(int c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
constexpr bool is_digit(int c) { return c >= '0' && c <= '9'; }
constexpr bool is_hex_digit(int c) {
    return is_digit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

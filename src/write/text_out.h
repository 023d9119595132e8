// Text output: the writer's buffer, its tokens and lines, handed to the host's sink in pieces
#pragma once

#include <cstddef>
#include <cstdint>

#include "oxel32.h"

// The state of one writing. Text gathers in a buffer of the memory layer and
// goes to the sink whenever the buffer fills, and at the end. After a
// failure (reported once) nothing more reaches the sink.
struct TextOut {
    HostContext *context;
    OxelTextSink sink;
    void *user;
    char *buffer;
    size_t length;
    int depth;            // the indentation of the lines begun, two blanks a step
    bool need_blank;      // a blank goes before the next token
    bool failed;
};

// Opens a writing to the sink; false after a reported allocation failure.
bool text_open(TextOut &out, HostContext *context, OxelTextSink sink, void *user);
// Hands the rest of the text to the sink (unless the writing failed) and
// releases the buffer. True when the whole text reached the sink.
bool text_close(TextOut &out);

// Raw bytes, as they are.
void put_bytes(TextOut &out, const char *bytes, size_t length);
void put_text(TextOut &out, const char *text);

// A new line indented to the current depth.
void begin_line(TextOut &out);
// A token: a blank before it unless it opens a line or follows an opening
// bracket.
void put_token(TextOut &out, const char *text);
// Punctuation glued to what stands before it: ':' ',' ')' ']' and ';'; a
// token follows it after a blank.
void put_closing(TextOut &out, char mark);
// An opening bracket: glued to a name before it (`D(3)`) or standing after
// a blank; the token after it is glued to it.
void put_opening(TextOut &out, char mark, bool glued);

// A record that no text reads back as it is: reported once, as an error
// naming what it is (`label`) and its name, and the writing stops.
void cannot_write(TextOut &out, const char *label, const char *name);

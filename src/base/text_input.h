// Text input: source files read alike on every platform
#pragma once

#include <cstdio>

// Sources are opened in binary mode and read through read_text_char, which
// applies the rules of the Windows runtime's text mode itself. Both builds
// then see the same characters, and a position taken with ftell is a true
// byte offset for fseek (text-mode positions are not, on files with bare
// line feeds).
inline constexpr const char *kTextReadMode = "rb";

// White space as the C locale has it (blank, tab, line feed, vertical tab,
// form feed, carriage return), whatever locale the host has set.
inline bool is_white_space(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Opens a source for reading in kTextReadMode. Null when it cannot be
// opened or is no regular file: a folder, a device or a pipe is refused
// without waiting for a writer or reading without end.
FILE *open_source_file(const char *path);

// The end-of-file mark of a text file (Ctrl-Z).
inline constexpr int kTextEndMark = 0x1A;

// The library serves one caller on one thread: where the runtime offers it,
// a character is read without taking the stream's lock each time.
inline int read_stream_byte(FILE *stream) {
#if defined(__GLIBC__)
    return getc_unlocked(stream);
#else
    return std::getc(stream);
#endif
}

// The text rules over any source of bytes: a carriage return before a line
// feed is dropped, and a Ctrl-Z ends the text. `next` gives the next byte or
// EOF; `put_back` returns the byte read after a lone carriage return.
template <typename Next, typename PutBack>
inline int apply_text_rules(Next next, PutBack put_back) {
    int c = next();
    if (c == '\r') {
        int after = next();
        if (after == '\n')
            c = '\n';
        else if (after != EOF)
            put_back(after);
    }
    return c == kTextEndMark ? EOF : c;
}

// The next character of the text under those rules. EOF at the end; the
// caller reads no further after it. Inline: the lexer reads every character
// through it.
inline int read_text_char(FILE *stream) {
    return apply_text_rules([stream] { return read_stream_byte(stream); },
                            [stream](int c) { std::ungetc(c, stream); });
}

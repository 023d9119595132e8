// Text input: source files read alike on every platform
#pragma once

#include <cstdio>

// Sources are opened in binary mode and read through read_text_char, which
// applies the rules of the Windows runtime's text mode itself. Both builds
// then see the same characters, and a position taken with ftell is a true
// byte offset for fseek (text-mode positions are not, on files with bare
// line feeds).
inline constexpr const char *kTextReadMode = "rb";

// Opens a source for reading in kTextReadMode. Null when it cannot be
// opened or is no regular file: a folder, a device or a pipe is refused
// without waiting for a writer or reading without end.
FILE *open_source_file(const char *path);

// The end-of-file mark of a text file (Ctrl-Z).
inline constexpr int kTextEndMark = 0x1A;

// The next character of the text: a carriage return before a line feed is
// dropped, and a Ctrl-Z ends the text. EOF at the end; the caller reads no
// further after it.
int read_text_char(FILE *stream);

// BSDL source text: the whole file read into one block
#pragma once

#include <cstdint>

#include "oxel32.h"

// The bytes of a BSDL file as read, NUL-terminated after `length` bytes (a
// NUL inside is the file's own). Owned by whoever read it.
struct SourceText {
    char *bytes;
    int32_t length;
};

enum class SourceRead { kRead, kCannotOpen, kFailed };

// Reads the file at `path` (a regular file only, as every source). kFailed
// after a reported failure: memory, a read error, a file too large to take
// ("BSDL file '%s' is too large (more than %d MB)").
SourceRead read_source_text(HostContext *context, const char *path, SourceText *text);

void release_source_text(HostContext *context, SourceText *text);

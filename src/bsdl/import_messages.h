// Import messages: the importer's findings, each pointing at its place in the BSDL file
#pragma once

#include <cstdint>

#include "base/messages.h"
#include "bsdl/bsdl_text.h"

// One import: where its messages go and what it has found so far.
struct BsdlImport {
    HostContext *host;
    const char *path;       // the BSDL file, as the host named it
    int32_t errors;         // errors the importer reported (not "Memory allocation error")
    bool stopped;           // a syntax error or a failed allocation ended the reading
};

// An error, a note, pointing at `place` of the file (nowhere for line 0).
// The error counts in `errors`.
void import_error(BsdlImport &import, BsdlPlace place, const char *format, ...) OXEL_PRINTF(3, 4);
void import_note(BsdlImport &import, BsdlPlace place, const char *format, ...) OXEL_PRINTF(3, 4);
// A syntax error: the one message of the import, which then stops.
void import_syntax_error(BsdlImport &import, BsdlPlace place, const char *format, ...) OXEL_PRINTF(3, 4);
// A failed allocation (the memory layer has reported it): the import stops.
void import_out_of_memory(BsdlImport &import);

// oxel: the tool's host context and the file it is working on
#pragma once

#include <cstdint>

#include "diagnostics.h"
#include "input_files.h"
#include "oxel32.h"

// One per command run. The library always lets errors and warnings through
// to the sink, which counts them and shows what the user's level asks for:
// a file's summary and result then agree whatever the level.
struct Host {
    HostContext context{};
    MessageCounters counters{};
    DiagnosticSink sink;
    InputFile file;

    Host(int32_t level, bool keep_messages);
    Host(const Host &) = delete;
    Host &operator=(const Host &) = delete;
};

// Makes the named file the current one: messages name it, standard input
// is copied to a temporary file. False, with the reason reported, when it
// cannot be read or, with `probe`, it is neither a BSDL description (told
// by its first word) nor, by the library's quick test, an OXEL one.
bool host_begin_file(Host &host, const char *argument, bool probe);
// Removes what host_begin_file made.
void host_end_file(Host &host);

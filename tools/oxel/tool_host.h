// oxel: the tool's host context and the file it is working on
#pragma once

#include <cstdint>
#include <vector>

#include "diagnostics.h"
#include "input_files.h"
#include "oxel32.h"

// One per command run. The library lets every message through to the
// sink, which counts errors and warnings and shows what the user's level
// asks for: a file's summary and result then agree whatever the level.
struct Host {
    HostContext context{};
    MessageCounters counters{};
    DiagnosticSink sink;
    InputFile file;
    // Where include files are looked for after the working directory and
    // the folder of the file that names them (-I).
    std::vector<const char *> include_folders;
    // The probe's messages are the command's own (components); else the
    // parse that follows tells them again, and the probe keeps quiet.
    bool tell_probe = false;

    Host(int32_t level, bool keep_messages);
    // Gives the library back its lookup of include files by name alone.
    ~Host();
    Host(const Host &) = delete;
    Host &operator=(const Host &) = delete;
};

// Makes the named file the current one: messages name it, standard input
// is copied to a temporary file, and include files are looked for beside
// it (not beside the copy of standard input) and in the include folders.
// False, with the reason reported, when it cannot be read or, with `probe`,
// it is neither a BSDL description (told by its first word) nor, by the
// library's quick test, an OXEL one.
bool host_begin_file(Host &host, const char *argument, bool probe);
// Removes what host_begin_file made.
void host_end_file(Host &host);

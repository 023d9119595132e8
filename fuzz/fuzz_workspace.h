// Fuzz targets: the private working folder, the input file, a host that checks every message, and the reading of a held description
#pragma once

#include <cstddef>
#include <cstdint>

#include "oxel32.h"

// The input of each run, written into the working folder; include
// directives in it may name it too.
inline constexpr const char *kFuzzInput = "input.oxel";

// libFuzzer's start hook, shared by the targets: enters the workspace.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv);

// Creates this process's own working folder, enters it and lays the files
// that include directives can reach: a.oxel (a component), b.oxel (which
// includes a.oxel), self.oxel (which includes itself), bomb.oxel (three
// times itself), empty.oxel, nul.oxel (a NUL byte inside), folder.oxel (a
// folder) and fifo.oxel (a named pipe no one writes to). The folder goes
// when the process exits.
void enter_fuzz_workspace();

// Writes the input of a run to kFuzzInput.
void write_fuzz_input(const uint8_t *data, size_t size);

// Stops the run as a finding when `holds` is false.
void fuzz_require(bool holds, const char *what);

// A host at message level 4 whose callback checks each message: a known
// kind with its level, the fixed words, a text of at most 1023 characters,
// and never "Memory allocation error" (nothing fails to allocate here).
struct FuzzHost {
    HostContext context{};
    MessageCounters counters{};
    FuzzHost();
    HostContext *host() { return &context; }
};

// True when the library holds no description.
bool fuzz_no_description();

// What a held description must bear: every record read, every query asked.
void read_held_description(HostContext *host);

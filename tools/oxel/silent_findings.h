// oxel check: what the check counts without a message of its own, told by the tool
#pragma once

#include <string>
#include <vector>

#include "diagnostics.h"
#include "oxel32.h"

// A finding the board check counts in its result but sends no message
// for. Found from the records before the check, which may release them.
struct SilentFinding {
    int32_t kind;             // OXEL_KIND_WARNING or OXEL_KIND_ERROR: what it counts as
    std::string file;         // where the note points, as the library names files; empty: nowhere
    int32_t line, column;
    std::string note;         // the tool's note; empty where the library's notes tell it
};

// The board check raises the warning bit alone for a TAP net that is a
// connector of the board's pin lists but no net of a netlist read so far,
// and the error bit alone (telling it only in notes) for each net that
// serves more than one TAP signal of a board.
std::vector<SilentFinding> find_silent_findings(const DescriptionRoot *root);

// After the check: counts each finding in the sink, telling it in a note
// where the library does not, and then whatever the check's result holds
// that no message told (a note nowhere), so that the counts never say less
// than the result.
void tell_silent_findings(DiagnosticSink &sink, const std::vector<SilentFinding> &findings, int32_t result);

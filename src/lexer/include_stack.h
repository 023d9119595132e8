// Include directives: the directive reader and the stack of sources being read
#pragma once

#include <cstdint>
#include <cstdio>

#include "base/message_location.h"
#include "lexer/include_search.h"

// One include file being read or suspended. The main file has no entry.
struct SourceEntry {
    char *path;              // the path the include file was opened by (owned): its
                             // name as written, or where the search found it
    long resume_offset;      // where reading goes on once a nested include ends
    SourceEntry *below;      // the file that included it; null for the main file
    bool ended;              // it had reached its end (or a NUL byte) when suspended
    SourceLocation directive;  // the directive that opened it, in the including file
};

// The include state of the lexer; every lexer reset empties it.
struct include_state {
    int32_t nesting_limit = kIncludeNestingLimit;
    int32_t depth = 0;                // 0 while the main file is read
    FILE *main_stream = nullptr;      // kept open while include files are read
    bool main_ended = false;          // the main stream had reached its end
    bool ended_early = false;         // an including file could not be resumed, or the
                                      // include budget ran out: the input ends
    SourceEntry *top = nullptr;       // the include file being read, or null
    int32_t files_opened = 0;         // include files opened since the reset
    // Include files read to their end, chained through `below`. The places
    // of their tokens name their paths, and a section begun in one may end
    // in the file that included it: the paths stay until the includes are
    // closed.
    SourceEntry *finished = nullptr;
    // Where include files are looked for beyond their names; a lexer reset
    // leaves it as the host set it.
    include_search search;

    static constexpr int32_t kIncludeNestingLimit = 10;
    // A file that includes itself more than once would otherwise be read a
    // number of times exponential in its include lines.
    static constexpr int32_t kIncludeFileBudget = 4096;
};

struct lexer_state;

// Reads the rest of a line that opens with a number sign and acts on it.
// 1 to go on reading, -1 after a failed allocation or when the include
// budget ran out (the input ends there).
int read_directive(lexer_state &lx);
// Makes the named file the current source; `directive` is where the
// directive naming it stands. 1 (also when the directive is ignored and
// reported), -1 after a failed allocation or past the budget.
int include_open(lexer_state &lx, const char *name, const SourceLocation &directive);
// At the end of the current source: true when reading goes on in the
// including file, false when the input has ended.
bool leave_source(lexer_state &lx);
// Empties the include state (the lexer reset calls it).
void include_reset(lexer_state &lx);

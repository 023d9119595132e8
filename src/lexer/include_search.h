// Include search: where an include file is looked for when its name alone does not open
#pragma once

#include <cstdint>
#include <cstdio>

#include "oxel32.h"

// The places a host has asked for, tried in this order after the name as
// written: beside the file that holds the directive (the main file, an
// include file, or both, by the flags), then each folder. Empty by default:
// the name as written is all there is.
struct include_search {
    int32_t beside = 0;          // OXEL_INCLUDE_BESIDE_* flags
    char **folders = nullptr;    // owned copies, in order
    int32_t count = 0;
};

// Replaces `search` with these places; `count` folders are
// read from `folders`, a null or empty one skipped. False after a reported
// allocation failure: the search is then empty.
bool set_include_search(include_search &search, HostContext *context, int32_t beside, const char *const *folders, int32_t count);

// Opens the include file `name`: as written, then where the search allows,
// beside `including` (the path of the file that holds the directive, which
// is the main file when `including_is_main`) and in each folder. The first
// regular file that opens is returned with the path it was opened by, a new
// copy, in *path. Null when none opens; null with *failed after a reported
// allocation failure, nothing left open.
FILE *open_include_file(const include_search &search, HostContext *context, const char *name, const char *including, bool including_is_main,
                        char **path, bool *failed);

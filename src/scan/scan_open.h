// Quick scanner: the opening shared by the scan exports
#pragma once

#include "scan/scanner.h"

// Opens `path` with the given keyword table, the quote, semicolon and colon
// as separators and "*" comments, and reads its first word. Null when the
// path is unusable, the file cannot be opened, an allocation fails or the
// first word's code is not `first_code`.
Scanner *open_scan_of(HostContext *context, const char *path, const ScanKeyword *keywords,
                      int32_t keyword_count, int32_t first_code);

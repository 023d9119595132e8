// oxel show --oxel and import-bsdl: the description held, written as OXEL text
#pragma once

#include <cstdint>
#include <string>

#include "oxel32.h"

// The description held, written by the library into `text`; its result.
int32_t write_oxel_text(HostContext *context, std::string &text);
// The same, printed on standard output when the whole text was written.
int32_t print_oxel_text(HostContext *context);
// Writes `content` to the file at `path` through a new file beside it,
// renamed over it once complete: a failure leaves whatever was at `path`
// as it was, and no new file behind. Why it could not, or empty.
std::string replace_file(const char *path, const std::string &content);

// oxel parse, check and report: the current file read, and checked, as a host does it
#pragma once

#include <cstdint>

#include "commands.h"
#include "tool_host.h"

// Parses the host's current file and checks it when asked and the parse
// succeeded; the library's result. What the check counts without a message
// is told after its messages. The description is released before it
// returns.
int32_t read_current_file(Host &host, const Options &options, bool check);

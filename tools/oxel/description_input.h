// oxel draw and report: a file read into the facts its pictures and pages show
#pragma once

#include <cstdint>

#include "commands.h"
#include "description_report.h"
#include "tool_host.h"

// Reads the host's current file (parsed, or imported when it is BSDL) and
// gathers what it describes; the library's result. The description is left
// empty when the reading fails, and the library's is released before it
// returns.
int32_t gather_description(Host &host, const Options &options, DescriptionReport &description);

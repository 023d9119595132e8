// oxel: the commands beyond parsing, each in a file of its own
#pragma once

#include <vector>

#include "oxel32.h"

// Lists the component names of each file through the quick scanner.
int run_components(HostContext *context, const std::vector<const char *> &files);

// Parses the file and prints every component through the query exports:
// a report for a person, or one JSON document with `json`.
int run_show(HostContext *context, const char *file, const char *prog_name, bool json);

// Walks of a held description for the sweeps and the fuzzers: every record read, every query asked
#pragma once

#include <cstdint>

#include "oxel32.h"

// Reads every field of every record under `root`: each text to its end,
// each number, each list with its items. The result folds in what was read,
// so that no read can be left out as unused.
uint64_t walk_records(const DescriptionRoot *root);

// Makes each component current in turn and asks every query export about
// it, walking its instructions, pins and cells to their ends. The result
// folds in the answers.
uint64_t walk_queries(HostContext *context);

// Walks of a held description for the tests, the sweeps and the fuzzers: every record read, every query asked
#pragma once

#include <cstdint>
#include <string>

#include "oxel32.h"

// Every record under `root` with every field it has: a line per record with its fields as name=value (texts
// quoted, null and zero fields left out), each list named above its records ("name []" when empty).
std::string dump_records(const DescriptionRoot *root);
// The dump folded into one number.
uint64_t walk_records(const DescriptionRoot *root);

// Makes each component current in turn and asks every query export about it, walking its instructions, pins
// and cells to their ends. The result folds in the answers.
uint64_t walk_queries(HostContext *context);

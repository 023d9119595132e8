// Bus index set: the integers seen so far in one bus or one boundary-scan chain
#pragma once

#include <cstdint>

#include "oxel32.h"

// One member of the set; the set is a chain in the order of addition.
struct BusIndex {
    int32_t value;
    BusIndex *next;
};

enum class BusIndexOutcome {
    kAdded,       // the value was not there and is now
    kPresent,     // the value was already there
    kFailed,      // the allocation failed (reported); the set is unchanged
};

// An outcome of its own for each case, so that no value can pass for a
// failure; the value comes back with kPresent.
struct BusIndexResult {
    BusIndexOutcome outcome;
    int32_t value;
};

BusIndexResult bus_index_add(HostContext *context, int32_t value);

// Frees every member; the set is empty afterwards. An empty set stays so.
void bus_index_empty(HostContext *context);

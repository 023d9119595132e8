// Bus index set: the integers seen so far in one bus or one boundary-scan chain
#pragma once

#include <cstdint>

#include "oxel32.h"

// The members are kept in an open-addressing table of their own: a chain of
// many thousand positions then takes one block, not one per member. A slot
// holds its value offset so that no value is 0, the mark of an empty slot.
struct BusIndexSet {
    uint64_t *slots;
    uint32_t mask;      // slot count - 1; slots null: no table yet
    uint32_t used;
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

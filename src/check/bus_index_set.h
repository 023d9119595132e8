// Bus index set: the integers seen so far in one bus or one boundary-scan chain
#pragma once

#include <cstdint>

#include "oxel32.h"

// The members are kept in an open-addressing table of their own: a chain of
// many thousand positions then takes one block, not one per member. A slot
// holds its value offset so that no value is 0, the mark of an empty slot;
// it is 64 bits wide because every 32-bit value must fit besides that mark,
// which the pointers of the lookup index cannot hold on a 32-bit build (the
// table hashes as the lookup index does).
// The values a user expects (a chain's positions, 0 to its length - 1) are
// kept apart, one bit each, and the table holds the others.
struct BusIndexSet {
    uint64_t *slots;
    uint32_t mask;      // slot count - 1; slots null: no table yet
    uint32_t used;
    uint64_t *expected; // bit v set: v is a member; null until the first expected value
    int32_t expected_end;
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

BusIndexResult bus_index_add(HostContext *context, BusIndexSet &set, int32_t value);

// Tells an empty set to expect the values 0 to end - 1: their bits come in
// one block with the first of them.
void bus_index_expect(BusIndexSet &set, int32_t end);

// Frees every member; the set is empty afterwards. An empty set stays so.
void bus_index_empty(HostContext *context, BusIndexSet &set);

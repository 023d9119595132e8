// Lookup index: an open-addressing table of pointers kept beside a store of the checks
#pragma once

#include <cstdint>

#include "oxel32.h"

// The stores of the checks keep the order their reports need (bucket
// chains, lists in order of addition); walking them to answer "is it
// there?" makes long chains and netlists quadratic. The index answers that
// question by hash. It holds borrowed pointers to the store's items; a null
// slot is empty. The slot count is a power of two, at most half in use.
struct LookupIndex {
    void **slots;
    uint32_t mask;      // slot count - 1; slots null: no table yet
    uint32_t used;
};

// The hash of a text (FNV-1a) and of an integer.
uint32_t text_hash(const char *text);
uint32_t integer_hash(int32_t value);

// Makes room for one more item, building or doubling the table; `hash_of`
// gives the hash of an item already entered. False after a reported
// failure, the index then as it was.
bool lookup_reserve(HostContext *context, LookupIndex *index, uint32_t (*hash_of)(const void *item));

// The item whose hash is `hash` and that `matches`, or null.
template <typename Matches>
void *lookup_find(const LookupIndex *index, uint32_t hash, Matches matches) {
    if (!index->slots)
        return nullptr;
    for (uint32_t slot = hash & index->mask; index->slots[slot]; slot = (slot + 1) & index->mask)
        if (matches(index->slots[slot]))
            return index->slots[slot];
    return nullptr;
}

// Enters an item after lookup_reserve made room for it.
void lookup_insert(LookupIndex *index, uint32_t hash, void *item);

// Frees the table; the items are the store's.
void lookup_release(HostContext *context, LookupIndex *index);

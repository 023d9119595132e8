// Lookup index: the library's hash index, an open-addressing table of pointers kept beside a store
#pragma once

#include <cstddef>
#include <cstdint>

#include "oxel32.h"

// The stores of the library keep the order their users need (the checks'
// bucket chains and lists in order of addition, a chain's elements, the
// paths of a description); walking them to answer "is it there?" makes
// long chains and netlists quadratic. The index answers that question by
// hash. It holds borrowed pointers to the store's items (or small nonzero
// numbers standing for them, such as a place in an array plus one), each
// with its hash beside it, so that a probe reads no item whose hash differs
// and growing reads no item at all; a null slot is empty. The slot count is
// a power of two, at most half in use.
struct LookupIndex {
    void **slots;
    uint32_t *hashes;   // the hash of each slot's item; in the block of the slots
    uint32_t mask;      // slot count - 1; slots null: no table yet
    uint32_t used;
};

// The hashes of a text, from one walk over it. Names of a description come
// in runs that differ in their last character (P0, P1, ... P9): the index
// hash mixes everything before the last character and keeps the last
// character's low bits as its own low bits, so that a run lands in one
// small stretch of slots and is entered and found there with few cache
// misses, while texts that share their last character spread.
struct TextHash {
    uint32_t index;        // for a LookupIndex
    uint32_t polynomial;   // every character as a signed 8-bit value, hash * 31 + character
    size_t length;
};
TextHash hash_text(const char *text);

// The index hash of a text and of an integer (whose runs of consecutive
// values land together the same way).
uint32_t text_hash(const char *text);
uint32_t integer_hash(int32_t value);

// Makes room for `more` more items, building or growing the table. False
// after a reported failure, the index then as it was.
bool lookup_reserve(HostContext *context, LookupIndex *index, uint32_t more = 1);

// The item whose hash is `hash` and that `matches`, or null.
template <typename Matches>
void *lookup_find(const LookupIndex *index, uint32_t hash, Matches matches) {
    if (!index->slots)
        return nullptr;
    for (uint32_t slot = hash & index->mask; index->slots[slot]; slot = (slot + 1) & index->mask)
        if (index->hashes[slot] == hash && matches(index->slots[slot]))
            return index->slots[slot];
    return nullptr;
}

// Enters an item after lookup_reserve made room for it.
void lookup_insert(LookupIndex *index, uint32_t hash, void *item);

// Frees the table; the items are the store's.
void lookup_release(HostContext *context, LookupIndex *index);

// Name index: the entries of an importer's array found by name, case ignored
#pragma once

#include <cstdint>

#include "bsdl/bsdl_text.h"
#include "oxel32.h"

// An open-addressing table of positions in an array whose entries have
// names (ports, instructions, registers, constants). Each slot holds a
// position + 1 (0: empty) and the name's hash; at most half the slots are
// in use. The names stay in the array.
struct NameIndex {
    int32_t *positions;
    uint32_t *hashes;
    uint32_t mask;        // slot count - 1; no table while positions is null
    int32_t used;
};

// The position of the entry of that name, or -1. `name_at(position)` gives
// the name of an entry.
template <typename NameAt>
int32_t name_index_find(const NameIndex &index, BsdlSlice name, NameAt name_at) {
    if (!index.positions)
        return -1;
    uint32_t hash = name_hash(name);
    for (uint32_t slot = hash & index.mask; index.positions[slot]; slot = (slot + 1) & index.mask)
        if (index.hashes[slot] == hash && same_name(name_at(index.positions[slot] - 1), name))
            return index.positions[slot] - 1;
    return -1;
}

// Enters the entry at `position` under `name` (not yet in the index). False
// after a reported failure, the index then as it was.
bool name_index_add(HostContext *context, NameIndex &index, BsdlSlice name, int32_t position);

void name_index_release(HostContext *context, NameIndex &index);

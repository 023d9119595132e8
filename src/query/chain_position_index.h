// Chain position index: from a position to the first chain element that holds it
#pragma once

#include "base/lookup_index.h"
#include "oxel32.h"

// The elements of one chain by their position, each entered as its 0-based
// place plus one; only the first element of each position is entered. It
// answers for the chain it was built over while that chain keeps its items
// array and count; any other chain builds it anew.
struct chain_position_index {
    const ItemList *chain;
    void *const *items;
    int32_t count;
    LookupIndex places;
};

// The 1-based place in `chain` of the first element whose position is
// `position`, 0 when none holds it; -1 when the table could not be built
// (the failure reported through `context`).
int32_t chain_place_of_position(chain_position_index &index, HostContext *context, const ItemList *chain,
                                int32_t position);
// Releases the table; the next lookup builds it again.
void release_chain_position_index(chain_position_index &index);

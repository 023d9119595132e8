// Chain position index: from a position to the first chain element that holds it
#include "query/chain_position_index.h"

#include "base/memory.h"

namespace {

uint32_t slot_of(int32_t position, uint32_t mask) {
    // Fibonacci hashing spreads consecutive positions over the table.
    return (static_cast<uint32_t>(position) * 2654435769u >> 7) & mask;
}

int32_t position_at(void *const *items, int32_t place) {
    return static_cast<const ChainElementRecord *>(items[place])->position;
}

// The slot that holds `position`, or the empty slot where it would go.
uint32_t find_slot(const chain_position_index &index, int32_t position) {
    uint32_t slot = slot_of(position, index.mask);
    while (index.slots[slot] != 0 && position_at(index.items, index.slots[slot] - 1) != position)
        slot = (slot + 1) & index.mask;
    return slot;
}

bool describes(const chain_position_index &index, const ItemList *chain) {
    return index.slots && index.chain == chain && index.items == chain->items && index.count == chain->count;
}

bool build(chain_position_index &index, HostContext *context, const ItemList *chain) {
    release_chain_position_index(index);
    uint32_t size = 8;
    while (size < 2u * static_cast<uint32_t>(chain->count))
        size *= 2;
    auto *slots = static_cast<int32_t *>(mem_alloc(context, sizeof(int32_t) * size));
    if (!slots)
        return false;
    index = {chain, chain->items, chain->count, size - 1, slots};
    for (int32_t place = 0; place < chain->count; place++) {
        // An element without a record holds no position; a later one that
        // repeats a position is never the first.
        if (!chain->items[place])
            continue;
        uint32_t slot = find_slot(index, position_at(chain->items, place));
        if (slots[slot] == 0)
            slots[slot] = place + 1;
    }
    return true;
}

}  // namespace

int32_t chain_place_of_position(chain_position_index &index, HostContext *context, const ItemList *chain,
                                int32_t position) {
    if (!describes(index, chain) && !build(index, context, chain))
        return -1;
    return index.slots[find_slot(index, position)];
}

void release_chain_position_index(chain_position_index &index) {
    mem_free(nullptr, index.slots);
    index = {};
}

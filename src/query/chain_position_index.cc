// Chain position index: from a position to the first chain element that holds it
#include "query/chain_position_index.h"

namespace {

// The elements are entered as their place in the chain + 1: no item is null.
void *place_item(int32_t place) { return reinterpret_cast<void *>(static_cast<uintptr_t>(place) + 1); }
int32_t item_place(const void *item) { return static_cast<int32_t>(reinterpret_cast<uintptr_t>(item)); }

int32_t position_at(void *const *items, int32_t place) {
    return static_cast<const ChainElementRecord *>(items[place])->position;
}

// The 1-based place of the first element entered with `position`; 0 for none.
int32_t find_place(const chain_position_index &index, int32_t position) {
    const void *item = lookup_find(&index.places, integer_hash(position), [&](const void *entered) {
        return position_at(index.items, item_place(entered) - 1) == position;
    });
    return item ? item_place(item) : 0;
}

bool describes(const chain_position_index &index, const ItemList *chain) {
    return index.places.slots && index.chain == chain && index.items == chain->items &&
           index.count == chain->count;
}

bool build(chain_position_index &index, HostContext *context, const ItemList *chain) {
    release_chain_position_index(index);
    if (!lookup_reserve(context, &index.places, static_cast<uint32_t>(chain->count)))
        return false;
    index.chain = chain;
    index.items = chain->items;
    index.count = chain->count;
    for (int32_t place = 0; place < chain->count; place++) {
        // An element without a record holds no position; a later one that
        // repeats a position is never the first.
        if (!chain->items[place])
            continue;
        int32_t position = position_at(chain->items, place);
        if (find_place(index, position) == 0)
            lookup_insert(&index.places, integer_hash(position), place_item(place));
    }
    return true;
}

}  // namespace

int32_t chain_place_of_position(chain_position_index &index, HostContext *context, const ItemList *chain,
                                int32_t position) {
    if (!describes(index, chain) && !build(index, context, chain))
        return -1;
    return find_place(index, position);
}

void release_chain_position_index(chain_position_index &index) {
    lookup_release(nullptr, &index.places);
    index = {};
}

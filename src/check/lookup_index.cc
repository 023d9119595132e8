// Lookup index: an open-addressing table of pointers kept beside a store of the checks
#include "check/lookup_index.h"

#include "base/memory.h"

namespace {

constexpr uint32_t kFirstSlots = 64;

}  // namespace

uint32_t text_hash(const char *text) {
    uint32_t hash = 2166136261u;
    for (const char *c = text; *c; c++)
        hash = (hash ^ static_cast<unsigned char>(*c)) * 16777619u;
    return hash;
}

uint32_t integer_hash(int32_t value) {
    uint32_t hash = static_cast<uint32_t>(value) * 2654435769u;
    return hash ^ (hash >> 15);
}

bool lookup_reserve(HostContext *context, LookupIndex *index, uint32_t (*hash_of)(const void *item)) {
    uint32_t slots = index->slots ? index->mask + 1 : 0;
    if (2 * (index->used + 1) <= slots)
        return true;
    uint32_t grown = slots ? slots * 2 : kFirstSlots;
    auto *table = static_cast<void **>(mem_alloc(context, sizeof(void *) * grown));
    if (!table)
        return false;
    LookupIndex larger{table, grown - 1, 0};
    for (uint32_t slot = 0; slot < slots; slot++)
        if (void *item = index->slots[slot])
            lookup_insert(&larger, hash_of(item), item);
    mem_free(context, index->slots);
    *index = larger;
    return true;
}

void lookup_insert(LookupIndex *index, uint32_t hash, void *item) {
    uint32_t slot = hash & index->mask;
    while (index->slots[slot])
        slot = (slot + 1) & index->mask;
    index->slots[slot] = item;
    index->used++;
}

void lookup_release(HostContext *context, LookupIndex *index) {
    mem_free(context, index->slots);
    *index = {};
}

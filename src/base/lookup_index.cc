// Lookup index: the library's hash index, an open-addressing table of pointers kept beside a store
#include "base/lookup_index.h"

#include <cstdint>

#include "base/memory.h"

namespace {

constexpr uint32_t kFirstSlots = 64;
// Slots that a run of texts or integers shares: the low bits of a hash kept.
constexpr uint32_t kRunBits = 4;
constexpr uint32_t kRunMask = (1u << kRunBits) - 1;

uint32_t mixed(uint32_t value) {
    uint32_t hash = value * 2654435769u;
    return hash ^ (hash >> 15);
}

// The run's own low bits under the mixed rest.
uint32_t run_hash(uint32_t rest, uint32_t low) { return (mixed(rest) << kRunBits) | (low & kRunMask); }

}  // namespace

TextHash hash_text(const char *text) {
    uint32_t before_last = 0, polynomial = 0, last = 0;
    const char *c = text;
    for (; *c; c++) {
        before_last = polynomial;
        last = static_cast<uint32_t>(static_cast<int8_t>(*c));
        polynomial = polynomial * 31 + last;
    }
    return {run_hash(before_last ^ static_cast<uint32_t>(c - text), last), polynomial,
            static_cast<size_t>(c - text)};
}

uint32_t text_hash(const char *text) { return hash_text(text).index; }

uint32_t integer_hash(int32_t value) {
    auto bits = static_cast<uint32_t>(value);
    return run_hash(bits >> kRunBits, bits);
}

bool lookup_reserve(HostContext *context, LookupIndex *index, uint32_t more) {
    uint32_t slots = index->slots ? index->mask + 1 : 0;
    uint64_t wanted = uint64_t{index->used} + more;
    if (2 * wanted <= slots)
        return true;
    uint64_t grown = slots ? slots : kFirstSlots;
    while (2 * wanted > grown)
        grown *= 2;
    // A table past what a block may hold is refused, and reported, by the allocator.
    constexpr size_t kSlotBytes = sizeof(void *) + sizeof(uint32_t);
    size_t bytes = grown <= SIZE_MAX / kSlotBytes ? static_cast<size_t>(grown) * kSlotBytes : SIZE_MAX;
    void *block = mem_alloc(context, bytes);
    if (!block)
        return false;
    auto *table = static_cast<void **>(block);
    auto *hashes = reinterpret_cast<uint32_t *>(table + static_cast<size_t>(grown));
    LookupIndex larger{table, hashes, static_cast<uint32_t>(grown - 1), 0};
    for (uint32_t slot = 0; slot < slots; slot++)
        if (void *item = index->slots[slot])
            lookup_insert(&larger, index->hashes[slot], item);
    mem_free(context, index->slots);
    *index = larger;
    return true;
}

void lookup_insert(LookupIndex *index, uint32_t hash, void *item) {
    uint32_t slot = hash & index->mask;
    while (index->slots[slot])
        slot = (slot + 1) & index->mask;
    index->slots[slot] = item;
    index->hashes[slot] = hash;
    index->used++;
}

void lookup_release(HostContext *context, LookupIndex *index) {
    mem_free(context, index->slots);
    *index = {};
}

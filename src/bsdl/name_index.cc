// Name index: the entries of an importer's array found by name, case ignored
#include "bsdl/name_index.h"

#include "base/memory.h"
#include "base/messages.h"

namespace {

void place_entry(NameIndex &index, uint32_t hash, int32_t position) {
    uint32_t slot = hash & index.mask;
    while (index.positions[slot])
        slot = (slot + 1) & index.mask;
    index.positions[slot] = position + 1;
    index.hashes[slot] = hash;
}

// Doubles the table (or makes the first, of 16 slots) and enters every
// entry again from the hashes kept.
bool grow(HostContext *context, NameIndex &index) {
    uint32_t slots = index.positions ? 2 * (index.mask + 1) : 16;
    if (slots > (1u << 30)) {
        report_memory_error(context);
        return false;
    }
    auto *positions = static_cast<int32_t *>(mem_alloc(context, sizeof(int32_t) * slots));
    auto *hashes = positions ? static_cast<uint32_t *>(mem_alloc(context, sizeof(uint32_t) * slots)) : nullptr;
    if (!hashes) {
        mem_free(context, positions);
        return false;
    }
    NameIndex grown{positions, hashes, slots - 1, index.used};
    for (uint32_t slot = 0; index.positions && slot <= index.mask; slot++)
        if (index.positions[slot])
            place_entry(grown, index.hashes[slot], index.positions[slot] - 1);
    name_index_release(context, index);
    index = grown;
    return true;
}

}  // namespace

bool name_index_add(HostContext *context, NameIndex &index, BsdlSlice name, int32_t position) {
    if ((!index.positions || static_cast<uint32_t>(index.used + 1) * 2 > index.mask + 1) && !grow(context, index))
        return false;
    place_entry(index, name_hash(name), position);
    index.used++;
    return true;
}

void name_index_release(HostContext *context, NameIndex &index) {
    mem_free(context, index.positions);
    mem_free(context, index.hashes);
    index = NameIndex{};
}

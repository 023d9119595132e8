// Shared values: one copy of the short texts and one-item lists many records hold
#include "model/shared_values.h"

#include <cstring>

#include "base/memory.h"
#include "model/item_list.h"

namespace {

constexpr size_t kLongestShared = 31;
constexpr uint32_t kSlots = 4096;

// The shared copies met last, one slot for each hash: a repeated value is
// found while it is recent, and the cache stays small whatever the file. A
// slot holds only copies of the arena it was filled in.
struct shared_values {
    unsigned long arena;          // memory_arena_generation() of the copies
    char *texts[kSlots];
    ItemList *lists[kSlots];
};
shared_values g_shared;

// FNV-1a over a text that may be shared: short, without a lower-case
// letter and not starting with an X; false for any other.
bool shareable(const char *text, uint32_t *hash, size_t *length) {
    if (!memory_arena_is_open() || text[0] == 'X')
        return false;
    uint32_t value = 2166136261u;
    size_t i = 0;
    for (; text[i]; i++) {
        if (i == kLongestShared || (text[i] >= 'a' && text[i] <= 'z'))
            return false;
        value = (value ^ static_cast<unsigned char>(text[i])) * 16777619u;
    }
    *hash = value & (kSlots - 1);
    *length = i;
    if (g_shared.arena != memory_arena_generation())
        g_shared = shared_values{memory_arena_generation(), {}, {}};
    return true;
}

}  // namespace

char *share_text(HostContext *context, char *text) {
    uint32_t hash;
    size_t length;
    if (!text || !shareable(text, &hash, &length))
        return text;
    char *&slot = g_shared.texts[hash];
    if (!slot || std::strcmp(slot, text) != 0) {
        auto *copy = static_cast<char *>(mem_alloc_shared(length + 1));
        if (!copy)
            return text;
        std::memcpy(copy, text, length + 1);
        slot = copy;
    }
    mem_free(context, text);
    return slot;
}

ItemList *share_text_list(HostContext *context, ItemList *list) {
    uint32_t hash;
    size_t length;
    if (!list || list->count != 1 || list->grow_step != 1)
        return list;
    const char *text = static_cast<const char *>(list->items[0]);
    if (!text || !shareable(text, &hash, &length))
        return list;
    ItemList *&slot = g_shared.lists[hash];
    if (!slot || std::strcmp(static_cast<const char *>(slot->items[0]), text) != 0) {
        // The list, its one item and the text in one block.
        size_t size = sizeof(ItemList) + sizeof(void *) + length + 1;
        auto *shared = static_cast<ItemList *>(mem_alloc_shared(size));
        if (!shared)
            return list;
        shared->count = 1;
        shared->grow_step = 1;
        shared->items = reinterpret_cast<void **>(shared + 1);
        char *copy = reinterpret_cast<char *>(shared->items + 1);
        std::memcpy(copy, text, length + 1);
        shared->items[0] = copy;
        slot = shared;
    }
    list_release(context, list);
    return slot;
}

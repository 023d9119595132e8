// Shared values: one copy of the short texts and one-item lists many records hold
#include "model/shared_values.h"

#include <cstring>

#include "base/memory.h"
#include "model/item_list.h"

namespace {

constexpr size_t kLongestShared = 31;
constexpr size_t kLongestText = 15;
constexpr uint32_t kSlots = 4096;

// A shared copy and the hash of its text.
struct SharedSlot {
    uint32_t hash;
    void *copy;                   // char * or ItemList *; null for none
};

// A text met recently, and its shared copy once it has been met twice: the
// first holder keeps the block it was handed, so that a text met once (a
// pin's own name or number, mostly) costs no copy.
struct RecentText {
    uint32_t hash;
    char text[kLongestText + 1];
    char *copy;                   // null until the text is met again
};

// The shared copies made last, one slot for each hash: a repeated value is
// found while it is recent, and the cache stays small whatever the file. A
// slot holds only copies of the arena it was filled in.
struct shared_values {
    unsigned long arena;          // memory_arena_generation() of the copies
    RecentText texts[kSlots];
    SharedSlot lists[kSlots];
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
    // FNV's low bits mix poorly (short numbers share them): the high bits
    // are folded in before the slot is taken from the low ones.
    *hash = value ^ value >> 17;
    *length = i;
    if (g_shared.arena != memory_arena_generation())
        g_shared = shared_values{memory_arena_generation(), {}, {}};
    return true;
}

// Whether the slot's copy, whose text is `copy`, is one of the text: the
// hashes first, then the bytes up to the first that differs (never past the
// end of the shorter text).
bool holds(const SharedSlot &slot, const char *copy, const char *text, uint32_t hash, size_t length) {
    if (!slot.copy || slot.hash != hash)
        return false;
    for (size_t i = 0; i <= length; i++)
        if (copy[i] != text[i])
            return false;
    return true;
}

}  // namespace

char *share_text(HostContext *context, char *text) {
    uint32_t hash;
    size_t length;
    if (!text || !shareable(text, &hash, &length) || length > kLongestText)
        return text;
    RecentText &slot = g_shared.texts[hash & (kSlots - 1)];
    if (slot.hash != hash || std::memcmp(slot.text, text, length + 1) != 0) {
        slot.hash = hash;
        std::memcpy(slot.text, text, length + 1);
        slot.copy = nullptr;
        return text;
    }
    if (!slot.copy) {
        slot.copy = static_cast<char *>(mem_alloc_shared(length + 1));
        if (!slot.copy)
            return text;
        std::memcpy(slot.copy, text, length + 1);
    }
    mem_free(context, text);
    return slot.copy;
}

ItemList *share_text_list(HostContext *context, ItemList *list) {
    uint32_t hash;
    size_t length;
    if (!list || list->count != 1 || list->grow_step != 1)
        return list;
    const char *text = static_cast<const char *>(list->items[0]);
    if (!text || !shareable(text, &hash, &length))
        return list;
    SharedSlot &slot = g_shared.lists[hash & (kSlots - 1)];
    auto *held = static_cast<ItemList *>(slot.copy);
    if (!holds(slot, held ? static_cast<const char *>(held->items[0]) : nullptr, text, hash, length)) {
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
        slot = SharedSlot{hash, shared};
    }
    list_release(context, list);
    return static_cast<ItemList *>(slot.copy);
}

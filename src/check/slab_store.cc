// Slab store: small blocks of the checks carved from large ones and freed together
#include "check/slab_store.h"

#include <cstring>

#include "base/memory.h"

void *slab_space(HostContext *context, SlabStore *store, size_t size, size_t alignment) {
    size_t start = (store->used + alignment - 1) & ~(alignment - 1);
    Slab *newest = store->newest;
    if (size > kSlabData / 4 && newest) {
        auto *own = static_cast<Slab *>(mem_alloc(context, sizeof(Slab) + size));
        if (!own)
            return nullptr;
        own->previous = newest->previous;
        newest->previous = own;
        return own + 1;
    }
    if (!newest || start > kSlabData || kSlabData - start < size) {
        size_t data = size > kSlabData ? size : kSlabData;
        newest = static_cast<Slab *>(mem_alloc(context, sizeof(Slab) + data));
        if (!newest)
            return nullptr;
        newest->previous = store->newest;
        store->newest = newest;
        start = 0;
    }
    store->used = start + size;
    return reinterpret_cast<char *>(newest + 1) + start;
}

char *slab_text(HostContext *context, SlabStore *store, const char *text, size_t length) {
    auto *copy = static_cast<char *>(slab_space(context, store, length + 1, 1));
    if (copy) {
        std::memcpy(copy, text, length);
        copy[length] = '\0';
    }
    return copy;
}

void slab_store_free(HostContext *context, SlabStore *store) {
    while (Slab *slab = store->newest) {
        store->newest = slab->previous;
        mem_free(context, slab);
    }
    store->used = 0;
}

// Slab store: small blocks of the checks carved from large ones and freed together
#pragma once

#include <cstddef>

#include "oxel32.h"

// A store of many thousand names then takes few blocks and is freed in a
// few steps.
struct Slab {
    Slab *previous;   // the slab made before; the space handed out follows this header
};
constexpr size_t kSlabData = 16384 - sizeof(Slab);

struct SlabStore {
    Slab *newest;     // null while empty
    size_t used;      // bytes of the newest slab handed out
};

// Space of `size` bytes at a multiple of `alignment` (a power of two, at
// most 8) from the newest slab, or from a new slab; a large block gets a
// slab of its own, kept behind the newest so that the newest goes on
// serving. Null after a reported failure.
void *slab_space(HostContext *context, SlabStore *store, size_t size, size_t alignment);

// A copy of the first `length` bytes of the text, terminated; null after a
// reported failure.
char *slab_text(HostContext *context, SlabStore *store, const char *text, size_t length);

// Frees every slab; the store is empty afterwards.
void slab_store_free(HostContext *context, SlabStore *store);

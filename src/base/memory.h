// Memory layer: every allocation of the library, with failures reported
#pragma once

#include <cstddef>

#include "oxel32.h"

// A new block with every byte zero; null after reporting on failure.
void *mem_alloc(HostContext *context, size_t size);
// The block resized (a fresh one when null); null after reporting on
// failure, the old block still valid then.
void *mem_realloc(HostContext *context, void *block, size_t size);
// Releases a block; null is ignored.
void mem_free(HostContext *context, void *block);
// A heap copy of the string; null for null or after a reported failure.
char *str_duplicate(HostContext *context, const char *text);
// A heap copy of the first `length` bytes of the text, terminated; null
// after a reported failure. For callers that know the length already.
char *str_copy(HostContext *context, const char *text, size_t length);
// The heap string resized to hold the tail too, tail appended; the tail is
// not released. Null after a reported failure (the string is still valid).
char *str_append(HostContext *context, char *text, const char *tail);

// Room in an array for one more item after `count`: a full array grows to
// twice its room, an empty one to `first` items. False after a reported
// failure, the array and its room as they were.
template <typename Item, typename Count>
bool grow_array(HostContext *context, Item **items, Count count, Count *room, Count first) {
    if (count < *room)
        return true;
    Count grown = *room ? 2 * *room : first;
    auto *larger = static_cast<Item *>(mem_realloc(context, *items, sizeof(Item) * grown));
    if (!larger)
        return false;
    *items = larger;
    *room = grown;
    return true;
}

// The description's arena. While it is open, small blocks come from chunks
// that are released together by memory_arena_release, after the description
// has been walked once more to release the blocks of the heap among them. A
// freed arena block is handed out again to a block of its size class while
// the arena is open. Every block, from the arena or not, goes through
// mem_free and mem_realloc as before; no block of the arena may outlive
// memory_arena_release.
void memory_arena_open();
void memory_arena_close();
void memory_arena_release();
// Says that memory_arena_release comes next: until it does, mem_free leaves
// the arena's blocks as they are, for the walk that frees the heap's.
void memory_arena_release_next();
bool memory_arena_is_open();
// A zeroed block of the open arena that mem_free leaves alone, for a value
// many records hold at once; it goes with the arena. Null, without a
// report, while the arena is closed, for a large size or when no room could
// be had: the caller keeps a block of its own then. A resize moves it.
void *mem_alloc_shared(size_t size);
// Changes at every memory_arena_release: a cache of shared blocks that
// remembers it knows when its blocks are gone.
unsigned long memory_arena_generation();

// Test hook, not exported: make the nth allocation or resize from now on
// fail (1 = the next one); 0 turns failures off. memory_allocations counts
// every allocation and resize attempted since the last memory_fail_at.
void memory_fail_at(long nth);
long memory_allocations();

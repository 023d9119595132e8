// Memory layer: every allocation of the library, with failures reported
#include "base/memory.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "base/messages.h"

#if defined(__SANITIZE_ADDRESS__)
#define OXEL_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define OXEL_ASAN 1
#endif
#endif
#if defined(OXEL_ASAN)
#include <sanitizer/asan_interface.h>
#define POISON(address, size) ASAN_POISON_MEMORY_REGION(address, size)
#define UNPOISON(address, size) ASAN_UNPOISON_MEMORY_REGION(address, size)
#else
#define POISON(address, size) ((void)(address), (void)(size))
#define UNPOISON(address, size) ((void)(address), (void)(size))
#endif

namespace {

// Blocks carry no header. A heap block is the C library's own; an arena
// block is told from it by its address, which lies in one of the arena's
// chunks: each starts on a multiple of its own size, so that the address
// divided by that size is the key of the chunk in a hash table. A chunk is
// cut into pages, and each page holds blocks of one size class only, so that
// the address also gives the block's size: a freed block joins the free list
// of its class and is handed out again whatever the order of the frees. A
// shared page holds blocks that mem_free leaves alone (texts many records
// hold); they go only with the arena.
constexpr size_t kLargestBlock = (size_t(1) << 30) - 65;
constexpr size_t kPageSize = 4096;
constexpr size_t kChunkPages = 256;
constexpr size_t kChunkBytes = kPageSize * kChunkPages;
constexpr size_t kLargestArenaBlock = 1024;
// The sanitizer build keeps a poisoned gap behind every arena block, so that
// a write past a block is caught as it is past a heap block.
#if defined(OXEL_ASAN)
constexpr size_t kRedZone = 8;
#else
constexpr size_t kRedZone = 0;
#endif

// The size classes: every multiple of 8 up to 128, then four steps for each
// doubling up to the largest arena block.
constexpr size_t kClassSizes[] = {8,   16,  24,  32,  40,  48,  56,  64,  72,  80,  88,  96,  104, 112,
                                  120, 128, 160, 192, 224, 256, 320, 384, 448, 512, 640, 768, 896, 1024};
constexpr int kClassCount = sizeof(kClassSizes) / sizeof(kClassSizes[0]);
static_assert(kClassSizes[kClassCount - 1] == kLargestArenaBlock);

// A page's byte in its chunk's page table: 0 for a page not yet in use,
// else its class + 1, with kSharedPage for a page of shared blocks.
constexpr uint8_t kSharedPage = 0x80;

struct ArenaChunk {
    char *pages;                  // kChunkPages pages, from `pages`
    void *allocation;             // what std::free takes back
    ArenaChunk *previous;         // the chunk made before
    uint32_t pages_used;
    uint8_t page_class[kChunkPages];
};

// Blocks of one class handed out front to back from the page in use.
struct PageRun {
    char *next;
    char *end;
};

// Allocation-failure injection for the tests, and the description's arena.
struct memory_state {
    long attempts;                  // allocations and resizes since the hook was set
    long fail_at;                   // the attempt that fails; 0 = never
    bool arena_open;                // new blocks come from the arena
    bool arena_closing;             // the arena goes next: its blocks are not freed one by one
    ArenaChunk **slots;             // the chunks by the hash of their key; null free
    uint32_t slot_count;            // a power of two, at least twice the chunks
    uint32_t chunk_count;
    ArenaChunk *newest;             // the chunk new pages come from
    ArenaChunk *last_found;         // the chunk chunk_of found last, null none
    PageRun runs[kClassCount];
    PageRun shared_runs[kClassCount];
    void *free_blocks[kClassCount]; // each free block holds the next one
    unsigned long generation;       // memory_arena_release calls so far
};
memory_state g_memory;

bool injected_failure() {
    ++g_memory.attempts;
    return g_memory.fail_at != 0 && g_memory.attempts == g_memory.fail_at;
}

// The smallest class that holds `size` bytes (and the red zone).
int class_of(size_t size) {
    size += kRedZone;
    if (size <= 128)
        return size == 0 ? 0 : static_cast<int>((size - 1) / 8);
    int klass = 16;
    while (kClassSizes[klass] < size)
        klass++;
    return klass;
}

uintptr_t key_of(const void *address) { return reinterpret_cast<uintptr_t>(address) / kChunkBytes; }

uint32_t first_slot(uintptr_t key) {
    return static_cast<uint32_t>((static_cast<uint64_t>(key) * 0x9e3779b97f4a7c15ull) >> 32) &
           (g_memory.slot_count - 1);
}

// The chunk that holds the address; null for a block of the heap.
ArenaChunk *chunk_of(const void *block) {
    if (g_memory.chunk_count == 0)
        return nullptr;
    uintptr_t key = key_of(block);
    // A description is released block after block, most of them from the
    // chunk of the block before.
    if (g_memory.last_found && key_of(g_memory.last_found->pages) == key)
        return g_memory.last_found;
    for (uint32_t i = first_slot(key);; i = (i + 1) & (g_memory.slot_count - 1)) {
        ArenaChunk *chunk = g_memory.slots[i];
        if (!chunk || key_of(chunk->pages) == key) {
            if (chunk)
                g_memory.last_found = chunk;
            return chunk;
        }
    }
}

void enter_chunk(ArenaChunk *chunk) {
    uint32_t i = first_slot(key_of(chunk->pages));
    while (g_memory.slots[i])
        i = (i + 1) & (g_memory.slot_count - 1);
    g_memory.slots[i] = chunk;
}

// Room in the hash table for one more chunk; false when none could be had.
bool make_slot() {
    if (2 * (g_memory.chunk_count + 1) <= g_memory.slot_count)
        return true;
    uint32_t count = g_memory.slot_count ? 2 * g_memory.slot_count : 16;
    auto **slots = static_cast<ArenaChunk **>(std::calloc(count, sizeof(ArenaChunk *)));
    if (!slots)
        return false;
    std::free(g_memory.slots);
    g_memory.slots = slots;
    g_memory.slot_count = count;
    for (ArenaChunk *chunk = g_memory.newest; chunk; chunk = chunk->previous)
        enter_chunk(chunk);
    return true;
}

uint8_t page_byte(const ArenaChunk *chunk, const void *block) {
    size_t page = static_cast<size_t>(static_cast<const char *>(block) - chunk->pages) / kPageSize;
    return chunk->page_class[page];
}

// A new chunk, entered in the hash table. Its pages start on a multiple of
// their size: the allocation is twice that size, and the pages it does not
// use are never touched.
bool add_chunk() {
    if (!make_slot())
        return false;
    auto *chunk = static_cast<ArenaChunk *>(std::malloc(sizeof(ArenaChunk)));
    void *allocation = chunk ? std::malloc(2 * kChunkBytes) : nullptr;
    if (!allocation) {
        std::free(chunk);
        return false;
    }
    auto start = reinterpret_cast<uintptr_t>(allocation);
    chunk->pages = reinterpret_cast<char *>((start + kChunkBytes - 1) & ~uintptr_t(kChunkBytes - 1));
    chunk->allocation = allocation;
    chunk->previous = g_memory.newest;
    chunk->pages_used = 0;
    std::memset(chunk->page_class, 0, sizeof(chunk->page_class));
    POISON(chunk->pages, kChunkBytes);
    enter_chunk(chunk);
    g_memory.chunk_count++;
    g_memory.newest = chunk;
    return true;
}

// Blocks of the class from a fresh page; false when no chunk could be had.
bool new_page(PageRun *run, uint8_t page_byte) {
    ArenaChunk *chunk = g_memory.newest;
    if ((!chunk || chunk->pages_used == kChunkPages) && !add_chunk())
        return false;
    chunk = g_memory.newest;
    uint32_t page = chunk->pages_used++;
    chunk->page_class[page] = page_byte;
    run->next = chunk->pages + page * kPageSize;
    run->end = run->next + kPageSize;
    return true;
}

// The block's usable bytes: what it was asked for is poisoned behind that.
void unpoison_block(void *block, size_t size) { UNPOISON(block, size ? size : 1); }

void *arena_block(size_t size, bool zeroed, bool shared = false) {
    int klass = class_of(size);
    size_t slot = kClassSizes[klass];
    void *block = nullptr;
    if (!shared && g_memory.free_blocks[klass]) {
        block = g_memory.free_blocks[klass];
        UNPOISON(block, sizeof(void *));
        g_memory.free_blocks[klass] = *static_cast<void **>(block);
    } else {
        PageRun *run = shared ? &g_memory.shared_runs[klass] : &g_memory.runs[klass];
        if (static_cast<size_t>(run->end - run->next) < slot &&
            !new_page(run, static_cast<uint8_t>((klass + 1) | (shared ? kSharedPage : 0))))
            return nullptr;
        block = run->next;
        run->next += slot;
    }
    POISON(block, slot);
    unpoison_block(block, size);
    if (zeroed)
        std::memset(block, 0, size);
    return block;
}

// A block from the arena while it is open, else from the heap; zeroed
// unless its caller fills every byte at once.
void *new_block(size_t size, bool zeroed = true) {
    if (size > kLargestBlock)
        return nullptr;
    if (g_memory.arena_open && size + kRedZone <= kLargestArenaBlock)
        return arena_block(size, zeroed);
    return zeroed ? std::calloc(1, size ? size : 1) : std::malloc(size ? size : 1);
}

// The bytes an arena block was given: its class's size in a plain build;
// the sanitizer build finds where its poisoned tail begins.
size_t arena_block_size(void *block, int klass) {
    size_t slot = kClassSizes[klass] - kRedZone;
#if defined(OXEL_ASAN)
    if (void *poisoned = __asan_region_is_poisoned(block, slot))
        return static_cast<size_t>(static_cast<char *>(poisoned) - static_cast<char *>(block));
#else
    (void)block;
#endif
    return slot;
}

void release_arena_block(void *block, uint8_t page) {
    if ((page & kSharedPage) || g_memory.arena_closing)
        return;
    int klass = (page & ~kSharedPage) - 1;
#if defined(OXEL_ASAN)
    // A block freed twice is poisoned already: reading it makes the
    // sanitizer report the fault where the heap would report a double free.
    if (__asan_address_is_poisoned(block))
        (void)*static_cast<volatile char *>(block);
#endif
    UNPOISON(block, sizeof(void *));
    *static_cast<void **>(block) = g_memory.free_blocks[klass];
    g_memory.free_blocks[klass] = block;
    POISON(block, kClassSizes[klass]);
}

void *resize_block(void *block, size_t size) {
    if (size > kLargestBlock)
        return nullptr;
    ArenaChunk *chunk = chunk_of(block);
    if (!chunk)
        return std::realloc(block, size ? size : 1);
    uint8_t page = page_byte(chunk, block);
    int klass = (page & ~kSharedPage) - 1;
    size_t old_size = arena_block_size(block, klass);
    if (!(page & kSharedPage) && size + kRedZone <= kClassSizes[klass]) {
        // It still fits its slot: resized where it stands.
        POISON(block, kClassSizes[klass]);
        unpoison_block(block, size);
        return block;
    }
    void *moved = new_block(size);
    if (!moved)
        return nullptr;
    std::memcpy(moved, block, old_size < size ? old_size : size);
    release_arena_block(block, page);
    return moved;
}

}  // namespace

void memory_fail_at(long nth) {
    g_memory.attempts = 0;
    g_memory.fail_at = nth;
}

long memory_allocations() { return g_memory.attempts; }

void memory_arena_open() { g_memory.arena_open = true; }

void memory_arena_close() { g_memory.arena_open = false; }

bool memory_arena_is_open() { return g_memory.arena_open; }

void memory_arena_release_next() { g_memory.arena_closing = true; }

void memory_arena_release() {
    while (ArenaChunk *chunk = g_memory.newest) {
        g_memory.newest = chunk->previous;
        UNPOISON(chunk->pages, kChunkBytes);
        std::free(chunk->allocation);
        std::free(chunk);
    }
    std::free(g_memory.slots);
    bool open = g_memory.arena_open;
    long attempts = g_memory.attempts, fail_at = g_memory.fail_at;
    unsigned long generation = g_memory.generation + 1;
    g_memory = memory_state{};
    g_memory.generation = generation;
    g_memory.arena_open = open;
    g_memory.attempts = attempts;
    g_memory.fail_at = fail_at;
}

unsigned long memory_arena_generation() { return g_memory.generation; }

void *mem_alloc_shared(size_t size) {
    if (!g_memory.arena_open || size + kRedZone > kLargestArenaBlock)
        return nullptr;
    return arena_block(size, true, true);
}

void *mem_alloc(HostContext *context, size_t size) {
    void *block = injected_failure() ? nullptr : new_block(size);
    if (!block)
        report_memory_error(context);
    return block;
}

void *mem_realloc(HostContext *context, void *block, size_t size) {
    void *resized = nullptr;
    if (!injected_failure())
        resized = block ? resize_block(block, size) : new_block(size);
    if (!resized)
        report_memory_error(context);
    return resized;
}

void mem_free(HostContext *, void *block) {
    if (!block)
        return;
    if (ArenaChunk *chunk = chunk_of(block))
        release_arena_block(block, page_byte(chunk, block));
    else
        std::free(block);
}

char *str_duplicate(HostContext *context, const char *text) {
    return text ? str_copy(context, text, std::strlen(text)) : nullptr;
}

char *str_copy(HostContext *context, const char *text, size_t length) {
    // Every byte is written here: the block is not zeroed first.
    char *copy = injected_failure() ? nullptr : static_cast<char *>(new_block(length + 1, false));
    if (!copy) {
        report_memory_error(context);
        return nullptr;
    }
    std::memcpy(copy, text, length);
    copy[length] = '\0';
    return copy;
}

char *str_append(HostContext *context, char *text, const char *tail) {
    size_t head_length = text ? std::strlen(text) : 0;
    size_t tail_length = tail ? std::strlen(tail) : 0;
    char *joined = static_cast<char *>(mem_realloc(context, text, head_length + tail_length + 1));
    if (!joined)
        return nullptr;
    if (tail_length)
        std::memcpy(joined + head_length, tail, tail_length);
    joined[head_length + tail_length] = '\0';
    return joined;
}

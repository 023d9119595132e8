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

// Every block carries a small header in front of it: its size, where it
// came from and, for a block of the arena, where the block before it in its
// chunk begins, so that mem_free and mem_realloc serve both kinds alike and
// the arena can give back the space of blocks freed last-in first-out. Eight
// bytes keep every block aligned for doubles and pointers.
struct BlockHeader {
    uint32_t word;      // the size, and the flags below
    uint32_t before;    // arena: offset of the block before in the chunk + 1; 0 for none
};
constexpr uint32_t kArenaFlag = 1u << 31;
constexpr uint32_t kFreedFlag = 1u << 30;
constexpr uint32_t kSizeMask = kFreedFlag - 1;
constexpr size_t kHeaderSize = sizeof(BlockHeader);
static_assert(kHeaderSize == 8);
constexpr size_t kLargestBlock = kSizeMask - 64;

// The arena: chunks handed out front to back and released together. Larger
// blocks, which are few, come from the heap even while the arena is open.
constexpr size_t kFirstChunk = 64 * 1024;
constexpr size_t kLastChunk = 1024 * 1024;
constexpr size_t kLargestArenaBlock = 32 * 1024;

struct ArenaChunk {
    ArenaChunk *previous;
    size_t used;        // bytes handed out from the start of the data
    size_t capacity;    // bytes of data
    uint32_t last;      // offset of the last block + 1; 0 for none
};
constexpr size_t kChunkHeaderSize = (sizeof(ArenaChunk) + 7) & ~size_t(7);

// Allocation-failure injection for the tests, and the description's arena.
struct memory_state {
    long attempts;          // allocations and resizes since the hook was set
    long fail_at;           // the attempt that fails; 0 = never
    bool arena_open;        // new blocks come from the arena
    ArenaChunk *chunk;      // the newest chunk; null when the arena holds none
};
memory_state g_memory;

bool injected_failure() {
    ++g_memory.attempts;
    return g_memory.fail_at != 0 && g_memory.attempts == g_memory.fail_at;
}

size_t rounded(size_t size) { return (size + 7) & ~size_t(7); }

char *chunk_data(ArenaChunk *chunk) { return reinterpret_cast<char *>(chunk) + kChunkHeaderSize; }

void *user_part(BlockHeader *header) { return reinterpret_cast<char *>(header) + kHeaderSize; }

BlockHeader *header_of(void *block) {
    return reinterpret_cast<BlockHeader *>(static_cast<char *>(block) - kHeaderSize);
}

// The header of a block; an arena block's header stays poisoned for the
// sanitizers, so that a write past the block before it is caught.
BlockHeader read_header(BlockHeader *header) {
    UNPOISON(header, kHeaderSize);
    BlockHeader copy = *header;
    if (copy.word & kArenaFlag)
        POISON(header, kHeaderSize);
    return copy;
}

void write_header(BlockHeader *header, BlockHeader value) {
    UNPOISON(header, kHeaderSize);
    *header = value;
    if (value.word & kArenaFlag)
        POISON(header, kHeaderSize);
}

size_t size_of(BlockHeader header) { return header.word & kSizeMask; }

void *heap_block(size_t size, bool zeroed) {
    void *space = zeroed ? std::calloc(1, kHeaderSize + size) : std::malloc(kHeaderSize + size);
    auto *header = static_cast<BlockHeader *>(space);
    if (!header)
        return nullptr;
    write_header(header, {static_cast<uint32_t>(size), 0});
    return user_part(header);
}

// A new chunk in front of the others, twice the size of the last one up
// to the largest size.
bool add_chunk() {
    size_t capacity = g_memory.chunk ? g_memory.chunk->capacity * 2 : kFirstChunk;
    if (capacity > kLastChunk)
        capacity = kLastChunk;
    auto *chunk = static_cast<ArenaChunk *>(std::malloc(kChunkHeaderSize + capacity));
    if (!chunk)
        return false;
    chunk->previous = g_memory.chunk;
    chunk->used = 0;
    chunk->capacity = capacity;
    chunk->last = 0;
    POISON(chunk_data(chunk), capacity);
    g_memory.chunk = chunk;
    return true;
}

size_t offset_in_chunk(BlockHeader *header) {
    return static_cast<size_t>(reinterpret_cast<char *>(header) - chunk_data(g_memory.chunk));
}

// Whether the block is the last one of the newest chunk.
bool is_last(BlockHeader *header) {
    ArenaChunk *chunk = g_memory.chunk;
    return chunk && chunk->last != 0 &&
           reinterpret_cast<char *>(header) == chunk_data(chunk) + chunk->last - 1;
}

void *arena_block(size_t size, bool zeroed) {
    size_t needed = kHeaderSize + rounded(size);
    ArenaChunk *chunk = g_memory.chunk;
    if (!chunk || chunk->capacity - chunk->used < needed) {
        if (!add_chunk())
            return nullptr;
        chunk = g_memory.chunk;
    }
    auto *header = reinterpret_cast<BlockHeader *>(chunk_data(chunk) + chunk->used);
    write_header(header, {static_cast<uint32_t>(size) | kArenaFlag, chunk->last});
    chunk->last = static_cast<uint32_t>(chunk->used + 1);
    chunk->used += needed;
    void *block = user_part(header);
    UNPOISON(block, size);
    if (zeroed)
        std::memset(block, 0, size);
    return block;
}

// A block from the arena while it is open, else from the heap; zeroed
// unless its caller fills every byte at once.
void *new_block(size_t size, bool zeroed = true) {
    if (size > kLargestBlock)
        return nullptr;
    if (g_memory.arena_open && size <= kLargestArenaBlock)
        return arena_block(size, zeroed);
    return heap_block(size, zeroed);
}

// A freed arena block is marked; the newest chunk then gives back the space
// of its last blocks for as long as they are marked, so that the short-lived
// blocks of a parse (token values, copies) are used again.
void release_arena_block(BlockHeader *header, BlockHeader value) {
    POISON(user_part(header), size_of(value));
    write_header(header, {value.word | kFreedFlag, value.before});
    ArenaChunk *chunk = g_memory.chunk;
    while (chunk && chunk->last != 0) {
        auto *last = reinterpret_cast<BlockHeader *>(chunk_data(chunk) + chunk->last - 1);
        BlockHeader last_value = read_header(last);
        if (!(last_value.word & kFreedFlag))
            break;
        chunk->used = chunk->last - 1;
        chunk->last = last_value.before;
    }
}

// Resizes the last arena block where it stands when its chunk has room.
bool grow_in_place(BlockHeader *header, BlockHeader value, size_t size) {
    if (!is_last(header) || size > kLargestArenaBlock)
        return false;
    ArenaChunk *chunk = g_memory.chunk;
    size_t start = offset_in_chunk(header);
    size_t needed = kHeaderSize + rounded(size);
    if (chunk->capacity - start < needed)
        return false;
    chunk->used = start + needed;
    write_header(header, {static_cast<uint32_t>(size) | kArenaFlag, value.before});
    size_t old_size = size_of(value);
    if (size > old_size)
        UNPOISON(static_cast<char *>(user_part(header)) + old_size, size - old_size);
    else
        POISON(static_cast<char *>(user_part(header)) + size, old_size - size);
    return true;
}

void *resize_block(void *block, size_t size) {
    if (size > kLargestBlock)
        return nullptr;
    BlockHeader *header = header_of(block);
    BlockHeader value = read_header(header);
    if (!(value.word & kArenaFlag)) {
        auto *resized = static_cast<BlockHeader *>(std::realloc(header, kHeaderSize + size));
        if (!resized)
            return nullptr;
        write_header(resized, {static_cast<uint32_t>(size), 0});
        return user_part(resized);
    }
    if (grow_in_place(header, value, size))
        return block;
    void *moved = new_block(size);
    if (!moved)
        return nullptr;
    size_t old_size = size_of(value);
    std::memcpy(moved, block, old_size < size ? old_size : size);
    release_arena_block(header, value);
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

void memory_arena_release() {
    while (ArenaChunk *chunk = g_memory.chunk) {
        g_memory.chunk = chunk->previous;
        UNPOISON(chunk_data(chunk), chunk->capacity);
        std::free(chunk);
    }
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
    BlockHeader *header = header_of(block);
    BlockHeader value = read_header(header);
    if (value.word & kArenaFlag)
        release_arena_block(header, value);
    else
        std::free(header);
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

// Memory layer: zeroed blocks, copies, appends, reported failures
#include <cstring>

#include "base/memory.h"
#include "support/recorder.h"

TEST(Memory, BlocksComeZeroedAndTextsAreCopiedAndAppended) {
    Recorder host;
    auto *block = static_cast<unsigned char *>(mem_alloc(host.host(), 64));
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(std::string(block, block + 64), std::string(64, '\0'));
    mem_free(host.host(), block);
    mem_free(host.host(), nullptr);
    char *empty = str_duplicate(host.host(), "");
    char *joined = str_append(host.host(), str_duplicate(host.host(), "0101"), "11x");
    EXPECT_EQ(row(empty, joined), "|010111x");
    EXPECT_EQ(str_duplicate(host.host(), nullptr), nullptr);
    mem_free(host.host(), joined);
    mem_free(host.host(), empty);
    EXPECT_EQ(host.dump(), "");
}

// How a failure is reported at each level is the message tests' case; a failed append keeps its text.
TEST(Memory, AFailedAppendIsReportedAndTheOldBlockSurvives) {
    Recorder host(0);
    char *text = str_duplicate(host.host(), "keep");
    memory_fail_at(1);
    EXPECT_EQ(str_append(host.host(), text, "more"), nullptr);
    memory_fail_at(0);
    EXPECT_STREQ(text, "keep");
    mem_free(host.host(), text);
    EXPECT_EQ(row(host.dump(), host.counters.errors), "error: Memory allocation error\n|1");
}

// While the arena is open, blocks come zeroed from it and keep their contents through every resize: in place
// while the block fits its size class, moved when it does not, and out to the heap once it is large; a block
// resized after the arena closed moves to the heap, and every block goes through mem_free alike. The
// sanitizer build sees any block that escapes.
TEST(Memory, ArenaBlocksAreZeroedKeepTheirContentsAndGoWithTheArena) {
    Recorder host;
    HostContext *h = host.host();
    memory_arena_open();
    char *kept = str_duplicate(h, "kept");
    char *grown = str_duplicate(h, "ab");
    for (int i = 0; i < 20; i++)
        grown = str_append(h, grown, "cd");                       // in its slot, then moved
    char *other = static_cast<char *>(mem_alloc(h, 24));
    kept = str_append(h, kept, "+more");                          // past its class: moved
    for (int i = 0; i < 24; i++)
        EXPECT_EQ(other[i], 0) << i;
    auto *large = static_cast<char *>(mem_alloc(h, 16));
    std::memcpy(large, "0123456789abcde", 16);
    large = static_cast<char *>(mem_realloc(h, large, 200000));   // out to the heap
    large[199999] = 'z';
    mem_free(h, other);
    auto *again = static_cast<unsigned char *>(mem_alloc(h, 40)); // may reuse the freed space
    EXPECT_EQ(std::string(again, again + 40), std::string(40, '\0'));
    memory_arena_close();
    char *moved = str_append(h, grown, "!");                      // closed: to the heap
    std::string expected = "ab";
    for (int i = 0; i < 20; i++)
        expected += "cd";
    EXPECT_EQ(row(kept, moved, std::string(large, 15), std::string(1, large[199999])),
              "kept+more|" + expected + "!|0123456789abcde|z");
    for (void *block : {static_cast<void *>(kept), static_cast<void *>(moved), static_cast<void *>(large),
                        static_cast<void *>(again)})
        mem_free(h, block);
    memory_arena_release();
    EXPECT_EQ(host.dump(), "");

    // An injected failure is reported from the arena as from the heap.
    memory_arena_open();
    memory_fail_at(1);
    EXPECT_EQ(mem_alloc(h, 8), nullptr);
    memory_fail_at(0);
    memory_arena_close();
    memory_arena_release();
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR), Texts{"Memory allocation error"});
}

// A copy of a known length takes exactly that prefix, and its block is not
// zeroed first: a record given the space such a copy gave back still comes zeroed.
TEST(Memory, CopiesOfAKnownLengthTakeThePrefixAndLeaveNoBytesBehind) {
    Recorder host;
    HostContext *h = host.host();
    memory_arena_open();
    char *empty = str_copy(h, "ignored", 0);
    char *prefix = str_copy(h, "WORD and more", 4);
    char *written = str_copy(h, "0123456789abcdef0123456789abcdef", 32);
    EXPECT_EQ(row(empty, prefix, written), "|WORD|0123456789abcdef0123456789abcdef");
    mem_free(h, written);
    auto *record = static_cast<unsigned char *>(mem_alloc(h, 32));   // the space just given back
    EXPECT_EQ(std::string(record, record + 32), std::string(32, '\0'));
    memory_arena_close();
    memory_arena_release();
}

// A shared block comes zeroed while the arena is open and none while it is
// closed; mem_free leaves it alone, a resize moves it, and it goes with the arena.
TEST(Memory, SharedBlocksOutliveTheirFreesAndGoWithTheArena) {
    Recorder host;
    HostContext *h = host.host();
    EXPECT_EQ(mem_alloc_shared(8), nullptr);
    memory_arena_open();
    unsigned long generation = memory_arena_generation();
    auto *shared = static_cast<char *>(mem_alloc_shared(8));
    ASSERT_NE(shared, nullptr);
    EXPECT_EQ(std::string(shared, shared + 8), std::string(8, '\0'));
    std::memcpy(shared, "SHARED", 7);
    mem_free(h, shared);
    auto *next = static_cast<char *>(mem_alloc(h, 8));            // never the shared block
    char *moved = str_append(h, shared, "+ONE");
    EXPECT_EQ(row(shared, moved, next == shared), "SHARED|SHARED+ONE|0");
    mem_free(h, moved);
    mem_free(h, next);
    memory_arena_close();
    memory_arena_release();
    EXPECT_NE(memory_arena_generation(), generation);
    EXPECT_EQ(host.dump(), "");
}

// Memory layer: zeroed blocks, copies, appends, reported failures
#include <gtest/gtest.h>

#include <cstring>

#include "base/memory.h"
#include "support/recorder.h"

TEST(Memory, BlocksComeZeroed) {
    Recorder host;
    unsigned char *block = static_cast<unsigned char *>(mem_alloc(host.host(), 64));
    ASSERT_NE(block, nullptr);
    for (int i = 0; i < 64; i++)
        EXPECT_EQ(block[i], 0);
    mem_free(host.host(), block);
    mem_free(host.host(), nullptr);
}

TEST(Memory, DuplicateAndAppend) {
    Recorder host;
    char *empty = str_duplicate(host.host(), "");
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty[0], '\0');
    EXPECT_EQ(str_duplicate(host.host(), nullptr), nullptr);
    char *joined = str_append(host.host(), str_duplicate(host.host(), "0101"), "11x");
    EXPECT_STREQ(joined, "010111x");
    mem_free(host.host(), joined);
    mem_free(host.host(), empty);
    EXPECT_TRUE(host.messages.empty());
}

TEST(Memory, EveryFailureIsReportedOnceAndTheOldBlockSurvives) {
    Recorder host(0);  // the memory error ignores the level
    memory_fail_at(1);
    EXPECT_EQ(mem_alloc(host.host(), 10), nullptr);
    char *text = str_duplicate(host.host(), "keep");
    memory_fail_at(1);
    EXPECT_EQ(str_append(host.host(), text, "more"), nullptr);
    memory_fail_at(0);
    EXPECT_STREQ(text, "keep");
    mem_free(host.host(), text);
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[0].text, "Memory allocation error");
    EXPECT_EQ(host.messages[1].text, "Memory allocation error");
    EXPECT_EQ(host.counters.errors, 2);
}

// Memory layer: zeroed blocks, copies, appends, reported failures
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

TEST(Memory, EveryFailureIsReportedOnceWhateverTheLevelAndTheOldBlockSurvives) {
    Recorder host(0);
    memory_fail_at(1);
    EXPECT_EQ(mem_alloc(host.host(), 10), nullptr);
    char *text = str_duplicate(host.host(), "keep");
    memory_fail_at(1);
    EXPECT_EQ(str_append(host.host(), text, "more"), nullptr);
    memory_fail_at(0);
    EXPECT_STREQ(text, "keep");
    mem_free(host.host(), text);
    EXPECT_EQ(host.dump(), "error: Memory allocation error\nerror: Memory allocation error\n");
    EXPECT_EQ(host.counters.errors, 2);
}

// Lexical analyser: token classes, values, texts and the reader's edge cases
#include <cstring>
#include <filesystem>

#include "base/memory.h"
#include "lexer/lexer_support.h"

namespace {

// Each golden/NAME.oxel is read to its end or to a failure; its tokens, written as LexedToken::what, and its
// messages must equal its part of golden/tokens.dump (rewritten when OXEL_UPDATE_GOLDEN is set).
TEST(Lexer, EveryTokenClassWithItsValueTextAndLine) {
    std::string dump;
    for (const std::string &file : oxel_files("tests/lexer/golden")) {
        SCOPED_TRACE(file);
        Recorder host;
        LexerReader reader(host, read_file(std::string(OXEL_SOURCE_DIR) + "/" + file));
        dump += "== " + std::filesystem::path(file).stem().string() + "\n";
        for (const std::string &token : reader.all())
            dump += token + "\n";
        dump += host.dump();
        if (lexer_failed(reader.lexer())) {
            dump += "failed with " + std::to_string(std::strlen(lexer_token_text(reader.lexer()))) + " characters read\n";
            continue;
        }
        // The end stays the end, with an empty token text.
        EXPECT_EQ(lexer_next_token(reader.lexer()), 0);
        EXPECT_EQ(lexer_next_token(reader.lexer()), 0);
        EXPECT_STREQ(lexer_token_text(reader.lexer()), "");
    }
    expect_golden("tests/lexer/golden/tokens.dump", dump);
}

TEST(Lexer, NameModeReadsOneKeywordButEndAsANameAndEveryTokenClearsIt) {
    Recorder host;
    LexerReader reader(host, "board Board end component \"s\" 1 1.5 =");
    lexer_set_name_mode(reader.lexer(), true);
    EXPECT_EQ(reader.next().what, "BOARD/board");
    EXPECT_FALSE(lexer_name_mode(reader.lexer()));
    EXPECT_EQ(reader.next().token, LEX_BOARD);
    for (int expected : std::vector<int>{LEX_END, LEX_COMPONENT, LEX_STRING, LEX_INTEGER, LEX_REAL, '='}) {
        lexer_set_name_mode(reader.lexer(), expected != LEX_COMPONENT);
        EXPECT_EQ(reader.next().token, expected);
        EXPECT_FALSE(lexer_name_mode(reader.lexer())) << expected;
    }
    // The end of input leaves it as it was.
    lexer_set_name_mode(reader.lexer(), true);
    EXPECT_EQ(reader.next().token, 0);
    EXPECT_TRUE(lexer_name_mode(reader.lexer()));
    lexer_set_name_mode(reader.lexer(), false);
}

// Every allocation fails in turn: -1 with the memory message, and nothing made or opened is left behind.
TEST(Lexer, EveryFailedAllocationEndsReadingWithMinusOneAndLeavesNothingOpen) {
    std::string included = write_temp_file("sweep_inc.oxel", "inner 7 \"s\"\n");
    const std::string source =
        "Ident 12 0x1F 0t1x 1011b 1.5 \"str\" other END\n#include \"" + included + "\"\nafter";
    int files_before = open_descriptors();
    long allocations = 0;
    {
        Recorder host;
        LexerReader reader(host, source);
        memory_fail_at(0);
        const Texts clean = reader.all();
        allocations = memory_allocations();
        ASSERT_EQ(clean.size(), 14u);
        EXPECT_EQ(clean[9], "INNER/inner@4");
    }
    ASSERT_GE(allocations, 10);
    for (long nth = 1; nth <= allocations; nth++) {
        SCOPED_TRACE(nth);
        {
            Recorder host;
            LexerReader reader(host, source);
            memory_fail_at(nth);
            const Texts tokens = reader.all(false);
            memory_fail_at(0);
            EXPECT_EQ(tokens.back(), "!");
            EXPECT_TRUE(lexer_failed(reader.lexer()));
            EXPECT_EQ(host.texts(OXEL_KIND_ERROR), Texts{"Memory allocation error"});
        }
        EXPECT_EQ(open_descriptors(), files_before);
    }
}

}  // namespace

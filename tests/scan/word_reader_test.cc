// Quick scanner's word reader: separators, comments, long words, sources
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "interface/memory.h"
#include "scan/scanner.h"
#include "support/recorder.h"

namespace {

const ScanKeyword kWords[] = {{"OXEL", 100}, {"COMPONENT", 103}, {"\"", 108}, {";", 109}};

Scanner *open_text(Recorder &host, const std::string &name, const std::string &text) {
    std::string path = write_temp_file(name, text);
    Scanner *scanner = scanner_open(host.host(), path.c_str(), nullptr, SCAN_TEXT_FILE, kWords,
                                    4, "\";:");
    if (scanner)
        scanner_set_comments(scanner, "*", nullptr);
    return scanner;
}

// Every word up to the end of input, with its code.
std::vector<std::pair<int32_t, std::string>> all_words(Scanner *scanner) {
    std::vector<std::pair<int32_t, std::string>> words;
    for (int32_t code; (code = scanner_read_word(scanner)) != SCAN_END;)
        words.emplace_back(code, g_scan.word);
    return words;
}

using Words = std::vector<std::pair<int32_t, std::string>>;

}  // namespace

TEST(WordReader, SeparatorsStandAloneAndKeywordsMatchInAnyCase) {
    Recorder host;
    Scanner *scanner = open_text(host, "w1.oxel", "oxel Component:x;\"a b\"12 12a\n");
    ASSERT_NE(scanner, nullptr);
    EXPECT_EQ(all_words(scanner),
              (Words{{100, "oxel"}, {103, "Component"}, {SCAN_UNKNOWN, ":"}, {SCAN_UNKNOWN, "x"},
                     {109, ";"}, {108, "\""}, {SCAN_UNKNOWN, "a"}, {SCAN_UNKNOWN, "b"},
                     {108, "\""}, {SCAN_DIGITS, "12"}, {SCAN_UNKNOWN, "12a"}}));
    // The end stays the end.
    EXPECT_EQ(scanner_read_word(scanner), SCAN_END);
    EXPECT_EQ(scanner->last_result, SCAN_END);
    EXPECT_STREQ(g_scan.word, "");
    scanner_close(scanner);
}

// Comments are skipped only where a word may begin, and end at the line end
// or at a comment end character.
TEST(WordReader, CommentsAreSkippedOnlyWhereAWordMayBegin) {
    Recorder host;
    Scanner *scanner = open_text(host, "w2.oxel", "* a comment OXEL\n  ** another\r\na*b ;* after a separator\nc\t*tail");
    ASSERT_NE(scanner, nullptr);
    EXPECT_EQ(all_words(scanner), (Words{{SCAN_UNKNOWN, "a*b"}, {109, ";"}, {SCAN_UNKNOWN, "c"}}));
    scanner_close(scanner);

    scanner = open_text(host, "w3.oxel", "a {skip this} b{x}c");
    ASSERT_NE(scanner, nullptr);
    ASSERT_TRUE(scanner_set_comments(scanner, "{", "}"));
    EXPECT_EQ(all_words(scanner), (Words{{SCAN_UNKNOWN, "a"}, {SCAN_UNKNOWN, "b{x}c"}}));
    scanner_close(scanner);
}

TEST(WordReader, WordsOfTheLimitAreWholeAndLongerOnesSplit) {
    Recorder host;
    std::string full(kScanWordLimit, 'w');
    std::string digits(kScanWordLimit + 3, '7');
    Scanner *scanner = open_text(host, "w4.oxel", full + " " + digits);
    ASSERT_NE(scanner, nullptr);
    EXPECT_EQ(all_words(scanner), (Words{{SCAN_UNKNOWN, full},
                                         {SCAN_DIGITS, std::string(kScanWordLimit, '7')},
                                         {SCAN_DIGITS, "777"}}));
    scanner_close(scanner);
}

TEST(WordReader, LinesAreCountedAndAnEmptyFileEndsAtOnce) {
    Recorder host;
    Scanner *scanner = open_text(host, "w5.oxel", "a\n\nb\n");
    ASSERT_NE(scanner, nullptr);
    scanner_read_word(scanner);
    EXPECT_EQ(scanner->top->line, 1);
    scanner_read_word(scanner);
    EXPECT_EQ(scanner->top->line, 3);
    scanner_close(scanner);

    Scanner *empty = open_text(host, "w6.oxel", "");
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(scanner_read_word(empty), SCAN_END);
    scanner_close(empty);
}

TEST(WordReader, APushedSourceIsReadBeforeTheRestOfTheOneBelow) {
    Recorder host;
    Scanner *scanner = open_text(host, "w7.oxel", "outer1 outer2");
    ASSERT_NE(scanner, nullptr);
    ASSERT_EQ(scanner_read_word(scanner), SCAN_UNKNOWN);
    std::string inner = write_temp_file("w7-inner.oxel", "inner1 inner2");
    ASSERT_TRUE(scanner_push_file(scanner, inner.c_str()));
    EXPECT_FALSE(scanner_push_file(scanner, "/nonexistent/oxel32/none.oxel"));
    EXPECT_EQ(all_words(scanner),
              (Words{{SCAN_UNKNOWN, "inner1"}, {SCAN_UNKNOWN, "inner2"}, {SCAN_UNKNOWN, "outer2"}}));
    EXPECT_EQ(scanner->top, nullptr);
    scanner_close(scanner);
}

// The default extension is added when the path has another ("w8" gets
// ".oxel", "w8.oxel" matches "OXEL" ignoring case); a file that cannot be
// opened gives no scanner and no message.
TEST(WordReader, TheDefaultExtensionAndFilesThatCannotBeOpened) {
    Recorder host;
    std::string with = write_temp_file("w8.oxel", "OXEL");
    std::filesystem::path folder = std::filesystem::path(with).parent_path() / "folder.d";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "w8.oxel") << "OXEL";
    std::string stem = (folder / "w8").string();
    const struct {
        std::string path;
        const char *extension;
        int32_t mode;
        std::string opened;
    } cases[] = {{with.substr(0, with.size() - 5), "oxel", SCAN_TEXT_FILE, with},
                 {with, "OXEL", SCAN_BINARY_FILE, with},
                 {stem, "oxel", SCAN_TEXT_FILE, stem + ".oxel"},  // a full stop in a folder name is no extension
                 {"/nonexistent/oxel32/x.oxel", nullptr, SCAN_TEXT_FILE, ""}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path);
        Scanner *scanner = scanner_open(host.host(), c.path.c_str(), c.extension, c.mode, kWords, 4, "");
        EXPECT_EQ(scanner ? std::string(scanner->top->name) : "", c.opened);
        scanner_close(scanner);
    }
    EXPECT_TRUE(host.messages.empty()) << host.dump();
}

TEST(WordReader, EveryFailedAllocationOfTheOpeningIsReportedAndLeavesNothing) {
    std::string path = write_temp_file("w9.oxel", "OXEL");
    for (long n = 1;; n++) {
        Recorder host;
        memory_fail_at(n);
        Scanner *scanner = scanner_open(host.host(), path.c_str(), nullptr, SCAN_TEXT_FILE, kWords,
                                        4, "\";:");
        bool comments = scanner && scanner_set_comments(scanner, "*", "\n");
        long attempts = memory_allocations();
        memory_fail_at(0);
        if (n > attempts) {
            ASSERT_TRUE(comments);
            EXPECT_EQ(scanner_read_word(scanner), 100);
            scanner_close(scanner);
            EXPECT_TRUE(host.messages.empty());
            break;
        }
        EXPECT_FALSE(comments) << n;
        EXPECT_EQ(host.texts(OXEL_KIND_ERROR), std::vector<std::string>{"Memory allocation error"});
        scanner_close(scanner);
    }
}

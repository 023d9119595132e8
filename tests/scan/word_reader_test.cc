// Quick scanner's word reader: separators, comments, long words, lines
#include "scan/word_reader.h"
#include "support/recorder.h"

namespace {

const ScanKeyword kWords[] = {{"OXEL", 100}, {"COMPONENT", 103}, {"\"", 108}, {";", 109}};

Scanner *open_text(Recorder &host, const std::string &name, const std::string &text) {
    std::string path = write_temp_file(name, text);
    Scanner *scanner = scanner_open(host.host(), path.c_str(), nullptr, SCAN_TEXT_FILE, kWords, 4, "\";:");
    if (scanner)
        scanner_set_comments(scanner, "*", nullptr);
    return scanner;
}

// Every word up to the end of input: a keyword as word=code, digits as
// #word, any other word as it is; @line from line 2 on.
std::vector<std::string> all_words(Scanner *scanner) {
    std::vector<std::string> words;
    for (int32_t code; (code = scanner_read_word(scanner)) != SCAN_END;) {
        std::string word = code == SCAN_DIGITS ? "#" + std::string(scanner->word)
                           : code == SCAN_UNKNOWN ? std::string(scanner->word)
                                                  : scanner->word + ("=" + std::to_string(code));
        int32_t line = scanner->top ? scanner->top->line : 1;
        words.push_back(line == 1 ? word : word + "@" + std::to_string(line));
    }
    return words;
}

}  // namespace

TEST(WordReader, SeparatorsCommentsLongWordsAndLines) {
    const std::string full(kScanWordLimit, 'w'), digits(kScanWordLimit, '7');
    const struct {
        std::string text;
        std::vector<std::string> words;
    } cases[] = {
        // Separators stand alone; keywords match in any case.
        {"oxel Component:x;\"a b\"12 12a\n",
         {"oxel=100", "Component=103", ":", "x", ";=109", "\"=108", "a", "b", "\"=108", "#12", "12a"}},
        // Comments are skipped only where a word may begin, to the line end.
        {"* a comment OXEL\n  ** another\r\na*b ;* after a separator\nc\t*tail", {"a*b@3", ";=109@3", "c@4"}},
        // Words of the limit are whole and longer ones split.
        {full + " " + digits + "777", {full, "#" + digits, "#777"}},
        {"a\n\nb\n", {"a", "b@3"}},
        // Read as text: CR LF is one line end, and a Ctrl-Z ends the file.
        {"a\r\n\r\nb\r\n\x1A c", {"a", "b@3"}},
        {"a\x1A" "b", {"a"}},
        {"", {}},
        // A file is read a buffer at a time: a CR LF or a lone CR split
        // between two reads is read as one piece.
        {std::string(kScanBufferSize - 2, ' ') + "a\r\nb\rc", {"a", "b@2", "c@2"}},
        {std::string(kScanBufferSize - 1, ' ') + "\rd\x1A" "e", {"d"}},
        {std::string(3 * kScanBufferSize, '*') + "\nOXEL", {"OXEL=100@2"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text.substr(0, 30));
        Recorder host;
        Scanner *scanner = open_text(host, "words.oxel", c.text);
        ASSERT_NE(scanner, nullptr);
        EXPECT_EQ(all_words(scanner), c.words);
        // The end stays the end.
        EXPECT_EQ(scanner_read_word(scanner), SCAN_END);
        EXPECT_EQ(scanner->last_result, SCAN_END);
        EXPECT_STREQ(scanner->word, "");
        scanner_close(scanner);
        EXPECT_TRUE(host.messages.empty()) << host.dump();
    }
}

// Keywords sharing an initial are tried in the order of the table, in any case.
TEST(WordReader, TheFirstKeywordOfTheTableThatTheWordSpellsAnswers) {
    const ScanKeyword table[] = {{"CELL", 1}, {"COMPONENT", 2}, {"cell", 3}, {"", 4}, {"c", 5}};
    std::string path = write_temp_file("keywords.oxel", "Cell cOMPONENT cells C c x");
    Recorder host;
    Scanner *scanner = scanner_open(host.host(), path.c_str(), nullptr, SCAN_TEXT_FILE, table, 5, nullptr);
    ASSERT_NE(scanner, nullptr);
    std::vector<int32_t> codes;
    for (int32_t code; (code = scanner_read_word(scanner)) != SCAN_END;)
        codes.push_back(code);
    EXPECT_EQ(codes, (std::vector<int32_t>{1, 2, SCAN_UNKNOWN, 5, 5, SCAN_UNKNOWN}));
    scanner_close(scanner);
}

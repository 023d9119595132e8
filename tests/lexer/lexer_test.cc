// Lexical analyser: token classes, values, texts and the reader's edge cases
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "interface/memory.h"
#include "lexer/lexer_support.h"

namespace {

TEST(Lexer, WordsAreKeywordsInAnyCaseOrUpperCasedIdentifiersKeptAsWritten) {
    Recorder host;
    LexerReader reader(host, "words.oxel", "end End oxel @ppa abc_1.x-2 @foo a!#%&/=?-{}$+`^'<>@|~\\b Z9");
    std::vector<LexedToken> t = reader.all();
    ASSERT_EQ(token_numbers(t), (std::vector<int>{TK_END, TK_END, TK_OXEL, TK_PPA, TK_IDENTIFIER, TK_IDENTIFIER,
                                                  TK_IDENTIFIER, TK_IDENTIFIER, 0}));
    for (size_t i = 0; i < 4; i++) {
        EXPECT_FALSE(t[i].has_value) << i;
        EXPECT_EQ(t[i].written, "") << i;
    }
    EXPECT_EQ(t[1].text, "END");
    EXPECT_EQ(t[4].value, "ABC_1.X-2");
    EXPECT_EQ(t[4].text, "ABC_1.X-2");
    EXPECT_EQ(t[4].written, "abc_1.x-2");
    EXPECT_EQ(t[5].value, "@FOO");
    EXPECT_EQ(t[6].written, "a!#%&/=?-{}$+`^'<>@|~\\b");
    EXPECT_EQ(t[6].value, "A!#%&/=?-{}$+`^'<>@|~\\B");
    EXPECT_EQ(t[7].value, "Z9");
    EXPECT_TRUE(host.messages.empty()) << host.dump();
}

TEST(Lexer, AKeywordForgetsTheTextOfTheIdentifierBeforeIt) {
    Recorder host;
    LexerReader reader(host, "forget.oxel", "Chip board");
    ASSERT_EQ(yylex(), TK_IDENTIFIER);
    std::free(yylval.text);
    // The parser never took "Chip" as written; the keyword drops it.
    ASSERT_EQ(yylex(), TK_BOARD);
    EXPECT_EQ(yylval.text, nullptr);
    EXPECT_EQ(lexer_take_written_text(), nullptr);
}

TEST(Lexer, NameModeReadsOneKeywordButEndAsANameAndEveryTokenClearsIt) {
    Recorder host;
    LexerReader reader(host, "names.oxel", "board Board end component \"s\" 1 1.5 =");
    lexer_set_name_mode(true);
    LexedToken name = reader.next();
    EXPECT_EQ(name.token, TK_IDENTIFIER);
    EXPECT_EQ(name.value, "BOARD");
    EXPECT_EQ(name.written, "board");
    EXPECT_FALSE(lexer_name_mode());
    EXPECT_EQ(reader.next().token, TK_BOARD);
    for (int expected : std::vector<int>{TK_END, TK_COMPONENT, TK_STRING, TK_INTEGER, TK_REAL, '='}) {
        lexer_set_name_mode(expected != TK_COMPONENT);
        EXPECT_EQ(reader.next().token, expected);
        EXPECT_FALSE(lexer_name_mode()) << expected;
    }
    // The end of input leaves it as it was.
    lexer_set_name_mode(true);
    EXPECT_EQ(reader.next().token, 0);
    EXPECT_TRUE(lexer_name_mode());
    lexer_set_name_mode(false);
}

TEST(Lexer, IntegersOfEveryKindKeepTheirTextAndValue) {
    const struct {
        const char *source;
        int32_t kind;
        const char *text;
        int32_t value;
    } cases[] = {
        {"0x1F", 20, "1F", 31},    {"-0x1F", 20, "-1F", -31}, {"0XfF", 20, "fF", 255},  {"0x", 20, "", 0},
        {"0t01x", 17, "01x", 5},   {"-0T1X", 17, "-1X", -5},  {"1011b", 16, "1011", 11}, {"-101B", 16, "-101", -5},
        {"1021b", 16, "1021", 2},  {"012", 18, "012", 10},    {"089", 18, "089", 0},     {"0", 18, "0", 0},
        {"19", 19, "19", 19},      {"-012", 19, "-012", -12}, {"-5", 19, "-5", -5},      {"-0", 19, "-0", 0},
        {"2147483647", 19, "2147483647", INT32_MAX},          {"99999999999", 19, "99999999999", INT32_MAX},
        {"-99999999999", 19, "-99999999999", INT32_MIN},      {"0xFFFFFFFFFF", 20, "FFFFFFFFFF", INT32_MAX},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.source);
        Recorder host;
        LexerReader reader(host, "integer.oxel", std::string(c.source) + " ");
        LexedToken token = reader.next();
        ASSERT_EQ(token.token, TK_INTEGER);
        EXPECT_EQ(token.kind, c.kind);
        EXPECT_EQ(token.value, c.text);
        EXPECT_EQ(token.text, c.text);
        EXPECT_EQ(token.integer, c.value);
        EXPECT_EQ(reader.next().token, 0);
    }
}

// A real has a fraction, an exponent or just a full stop; a minus is a sign
// only directly before a digit.
TEST(Lexer, RealsAndSignedNumbers) {
    Recorder host;
    LexerReader reader(host, "reals.oxel", "1e3 1.5 1. . .5 2E-2 -1.5 1e 3.25e+1x - 5 -5 -x -.5 12abc");
    std::vector<LexedToken> t = reader.all();
    ASSERT_EQ(token_numbers(t), (std::vector<int>{TK_REAL, TK_REAL, TK_REAL, TK_REAL, TK_REAL, TK_REAL, TK_REAL, TK_REAL,
                                                  TK_REAL, TK_IDENTIFIER, '-', TK_INTEGER, TK_INTEGER, '-',
                                                  TK_IDENTIFIER, '-', TK_REAL, TK_INTEGER, TK_IDENTIFIER, 0}));
    const double reals[] = {1000.0, 1.5, 1.0, 0.0, 0.5, 0.02, -1.5, 1.0, 32.5};
    for (size_t i = 0; i < std::size(reals); i++)
        EXPECT_DOUBLE_EQ(t[i].real, reals[i]) << i;
    EXPECT_EQ(t[0].text, "1e3");
    EXPECT_EQ(t[6].text, "-1.5");
    EXPECT_EQ(t[8].text, "3.25e+1");
    EXPECT_EQ(t[9].value, "X");
    EXPECT_EQ(t[10].text, "-");
    EXPECT_EQ(t[11].integer, 5);
    EXPECT_EQ(t[11].kind, 19);
    EXPECT_EQ(t[12].integer, -5);
    EXPECT_EQ(t[14].value, "X");
    EXPECT_DOUBLE_EQ(t[16].real, 0.5);
    EXPECT_EQ(t[17].integer, 12);
    EXPECT_EQ(t[18].value, "ABC");
}

TEST(Lexer, StringsDropTheQuotesAndTheEscapingBackslash) {
    Recorder host;
    LexerReader reader(host, "strings.oxel",
                       "\"a\\\"b\" \"x\\\\y\" \"two\nlines\" \"back\\\nslash\" \"\" \"unterminated");
    std::vector<LexedToken> t = reader.all();
    ASSERT_EQ(token_numbers(t), (std::vector<int>{TK_STRING, TK_STRING, TK_STRING, TK_STRING, TK_STRING, TK_STRING, 0}));
    EXPECT_EQ(t[0].value, "a\"b");
    EXPECT_EQ(t[1].value, "x\\y");
    EXPECT_EQ(t[2].value, "two\nlines");
    EXPECT_EQ(t[2].line, 2);
    EXPECT_EQ(t[3].value, "back\nslash");
    EXPECT_EQ(t[3].line, 3);
    EXPECT_EQ(t[4].value, "");
    EXPECT_TRUE(t[4].has_value);
    EXPECT_EQ(t[5].value, "unterminated");
    EXPECT_TRUE(host.messages.empty());
}

// A star starts a comment to the end of the line; a number sign is a
// directive only as the first character of a line.
TEST(Lexer, CommentsAndTheNumberSign) {
    Recorder host;
    LexerReader reader(host, "comments.oxel", "* a whole line\nA*B c\n  D * \"not a string\n*E\nx #include foo\n"
                                              " #include bar\n#x");
    std::vector<LexedToken> t = reader.all();
    ASSERT_EQ(token_numbers(t), (std::vector<int>{TK_IDENTIFIER, TK_IDENTIFIER, TK_IDENTIFIER, TK_IDENTIFIER,
                                                  TK_IDENTIFIER, TK_IDENTIFIER, TK_IDENTIFIER, 0}));
    EXPECT_EQ(t[0].value, "A");
    EXPECT_EQ(t[0].line, 2);
    EXPECT_EQ(t[1].value, "D");
    EXPECT_EQ(t[1].line, 3);
    EXPECT_EQ(t[3].value, "INCLUDE");
    EXPECT_EQ(t[4].value, "FOO");
    EXPECT_EQ(t[5].value, "INCLUDE");
    EXPECT_EQ(t[6].value, "BAR");
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR), std::vector<std::string>{at_line(7, "Illegal directive #x - Ignoring")});
}

TEST(Lexer, SingleCharactersKeepTheirCodeAndText) {
    Recorder host;
    LexerReader reader(host, "chars.oxel", "=(),:;[]_+{|}~\x01\r ab\xC3\xA9" "c\r");
    std::vector<LexedToken> t = reader.all();
    const std::string singles = "=(),:;[]_+{|}~\x01\r";
    ASSERT_EQ(t.size(), singles.size() + 6);
    for (size_t i = 0; i < singles.size(); i++) {
        EXPECT_EQ(t[i].token, static_cast<unsigned char>(singles[i])) << i;
        EXPECT_EQ(t[i].text, singles.substr(i, 1)) << i;
    }
    // Bytes from 128 on end a word and stand alone, as positive codes.
    size_t at = singles.size();
    EXPECT_EQ(t[at].value, "AB");
    EXPECT_EQ(t[at + 1].token, 0xC3);
    EXPECT_EQ(t[at + 1].text, "\xC3");
    EXPECT_EQ(t[at + 2].token, 0xA9);
    EXPECT_EQ(t[at + 3].value, "C");
    EXPECT_EQ(t[at + 4].token, '\r');  // a lone carriage return stays a character
    EXPECT_EQ(t[at + 5].token, 0);
}

TEST(Lexer, ANulByteEndsTheFileWhereverItStands) {
    const struct {
        const char *source;
        std::vector<int> tokens;
    } cases[] = {{"A\0B", {TK_IDENTIFIER, 0}}, {"A \0B", {TK_IDENTIFIER, 0}}, {"\"st\0r\" B", {TK_STRING, 0}},
                 {"12\0B", {TK_INTEGER, 0}},   {"* c\0\nB", {0}},             {"- \0B", {'-', 0}}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.source);
        Recorder host;
        LexerReader reader(host, "nul.oxel", std::string(c.source, std::strlen(c.source) + 3));
        EXPECT_EQ(token_numbers(reader.all()), c.tokens);
        EXPECT_EQ(yylex(), 0);  // asking again still finds the end
        EXPECT_EQ(yylex(), 0);
    }
}

TEST(Lexer, CrLfFilesReadExactlyAsLfFiles) {
    const std::string lf = "* comment\nOXEL\n  A*b\n\"x\ny\"\n\n1.5 0x1F\n#bad\nEND\n";
    std::string crlf;
    for (char c : lf)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    Recorder lf_host, crlf_host;
    std::vector<LexedToken> lf_tokens = LexerReader(lf_host, "lf.oxel", lf).all();
    std::vector<LexedToken> crlf_tokens = LexerReader(crlf_host, "crlf.oxel", crlf).all();
    ASSERT_EQ(token_numbers(crlf_tokens), token_numbers(lf_tokens));
    for (size_t i = 0; i < lf_tokens.size(); i++) {
        EXPECT_EQ(crlf_tokens[i].text, lf_tokens[i].text) << i;
        EXPECT_EQ(crlf_tokens[i].value, lf_tokens[i].value) << i;
        EXPECT_EQ(crlf_tokens[i].line, lf_tokens[i].line) << i;
    }
    EXPECT_EQ(crlf_tokens[2].value, "x\ny");
    EXPECT_EQ(crlf_host.texts(OXEL_KIND_ERROR), lf_host.texts(OXEL_KIND_ERROR));
    EXPECT_EQ(lf_host.texts(OXEL_KIND_ERROR).size(), 1u);
}

TEST(Lexer, ATokenOfTheMaximumLengthIsWholeAndOneMoreIsRefused) {
    Recorder host;
    std::string longest(kMaxTokenLength, 'w');
    LexerReader reader(host, "longest.oxel", longest + "\n\"" + longest + "\"\n");
    EXPECT_EQ(reader.next().written, longest);
    EXPECT_EQ(reader.next().value, longest);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_FALSE(lexer_failed());

    const std::string over(kMaxTokenLength + 1, '7');
    for (const std::string &source : {"\n" + longest + "w", "\"" + over + "\"", over, "-" + over.substr(1),
                                      "0x" + std::string(kMaxTokenLength + 1, 'f')}) {
        SCOPED_TRACE(source.substr(0, 3));
        Recorder over_host;
        LexerReader reader(over_host, "overlong.oxel", source);
        EXPECT_EQ(reader.next().token, -1);
        EXPECT_TRUE(lexer_failed());
        EXPECT_EQ(std::strlen(lexer_token_text()), static_cast<size_t>(kMaxTokenLength));
        EXPECT_EQ(over_host.texts(OXEL_KIND_ERROR),
                  std::vector<std::string>{at_line(source[0] == '\n' ? 2 : 1,
                                                   "String exceeds max length (5120 characters)")});
        lexer_reset();
        EXPECT_FALSE(lexer_failed());
    }
}

TEST(Lexer, LinesAreCountedAcrossPushBackAndTheResetStartsAgain) {
    Recorder host;
    LexerReader reader(host, "lines.oxel", "A\nB -\n\n 7\n");
    EXPECT_EQ(reader.next().line, 1);
    EXPECT_EQ(reader.next().line, 2);
    EXPECT_EQ(reader.next().line, 2);  // the minus peeked at the line feed
    EXPECT_EQ(reader.next().line, 4);
    EXPECT_EQ(reader.next().token, 0);
    EXPECT_STREQ(lexer_token_text(), "");
    EXPECT_EQ(lexer_line(), 5);
    lexer_reset();
    EXPECT_EQ(lexer_line(), 1);
}

// Every allocation fails in turn: the lexer gives -1 with the memory
// message, and nothing it made or opened is left behind.
TEST(Lexer, EveryFailedAllocationEndsReadingWithMinusOneAndLeavesNothingOpen) {
    std::string included = write_temp_file("sweep_inc.oxel", "inner 7 \"s\"\n");
    const std::string source =
        "Ident 12 0x1F 0t1x 1011b 1.5 \"str\" other END\n#include \"" + included + "\"\nafter";
    int files_before = open_descriptors();
    long allocations = 0;
    {
        Recorder host;
        LexerReader reader(host, "sweep.oxel", source);
        memory_fail_at(0);
        std::vector<LexedToken> clean = reader.all();
        allocations = memory_allocations();
        ASSERT_EQ(clean.size(), 14u);
        EXPECT_EQ(clean[9].value, "INNER");
        EXPECT_EQ(clean[11].value, "s");
        EXPECT_EQ(clean[12].value, "AFTER");
    }
    ASSERT_GE(allocations, 10);
    for (long nth = 1; nth <= allocations; nth++) {
        SCOPED_TRACE(nth);
        {
            Recorder host;
            LexerReader reader(host, "sweep.oxel", source);
            memory_fail_at(nth);
            std::vector<LexedToken> tokens = reader.all();
            memory_fail_at(0);
            EXPECT_EQ(tokens.back().token, -1);
            EXPECT_TRUE(lexer_failed());
            EXPECT_EQ(host.texts(OXEL_KIND_ERROR), std::vector<std::string>{"Memory allocation error"});
        }
        EXPECT_EQ(open_descriptors(), files_before);
    }
}

// ---------------------------------------------------------------------
// Awkward input through the public interface.

int parse_text(Recorder &host, const std::string &name, const std::string &contents) {
    OxelInitialize(host.host());
    return OxelParse(host.host(), write_temp_file(name, contents).c_str());
}

// A NUL byte behind the last word ends the file; a string of the maximum
// length is kept whole.
TEST(LexerInput, ANulByteEndsTheFileAndALongestStringIsKeptWhole) {
    std::string longest(kMaxTokenLength, 'r');
    for (const std::string &tail : {std::string("\0garbage", 8), std::string("\n\0\x01\x02 BOARD", 10)}) {
        Recorder host;
        EXPECT_EQ(parse_text(host, "nul_end.oxel",
                             "OXEL OXEL_HEADER CREATION_LOG \"a\" \"b\" \"c\" \"" + longest +
                                 "\" END OXEL_HEADER END OXEL" + tail),
                  OXEL_OK)
            << host.dump();
        EXPECT_EQ(host.counters.errors, 0);
        EXPECT_EQ(OxelGetInfo()->header->creation_log->reason, longest);
        OxelDestroy(host.host());
    }
}

TEST(LexerInput, ABinaryFileGivesOneSyntaxMessageAndOneDetailLine) {
    Recorder host;
    const std::string binary("\x7f" "ELF\x02\x01\x01\0\0\0\xff\xfe", 12);
    OxelInitialize(host.host());
    EXPECT_EQ(FileIsOxel(host.host(), write_temp_file("binary.oxel", binary).c_str()), 0);
    EXPECT_EQ(parse_text(host, "binary.oxel", binary), OXEL_FAILED);
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR), std::vector<std::string>{"syntax error >> line 1 near \"\x7f\""});
    EXPECT_EQ(host.texts(OXEL_KIND_NOTE).size(), 1u);
    EXPECT_EQ(OxelGetInfo()->header, nullptr);
}

TEST(LexerInput, ATokenOfOneCharacterTooManyEndsTheParse) {
    Recorder host;
    EXPECT_EQ(parse_text(host, "too_long.oxel", "OXEL\n" + std::string(kMaxTokenLength + 1, 'q') + "\nEND OXEL"),
              OXEL_FAILED);
    // The parser takes the failure for the end of input; the token is too
    // long to be quoted.
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR),
              (std::vector<std::string>{at_line(2, "String exceeds max length (5120 characters)"),
                                        "syntax error >> line 2"}));
    EXPECT_EQ(host.texts(OXEL_KIND_NOTE).size(), 1u);
}

}  // namespace

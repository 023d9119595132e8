// Lexical analyser: token classes, values, texts and the reader's edge cases
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "interface/memory.h"
#include "lexer/lexer_support.h"

namespace {

const std::string kIndent(12, ' ');

TEST(Lexer, KeywordsMatchInAnyCaseAndCarryNoValue) {
    Recorder host;
    LexerReader reader(host, "keywords.oxel", "end End END oxel @ppa Ppa");
    std::vector<LexedToken> tokens = reader.all();
    EXPECT_EQ(token_numbers(tokens), (std::vector<int>{TK_END, TK_END, TK_END, TK_OXEL, TK_PPA, TK_PPA, 0}));
    for (size_t i = 0; i + 1 < tokens.size(); i++) {
        EXPECT_FALSE(tokens[i].has_value) << i;
        EXPECT_EQ(tokens[i].written, "") << i;
    }
    EXPECT_EQ(tokens[0].text, "END");
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

TEST(Lexer, IdentifiersAreUpperCasedAndKeptAsWritten) {
    Recorder host;
    LexerReader reader(host, "words.oxel", "abc_1.x-2 @foo a!#%&/=?-{}$+`^'<>@|~\\b Z9");
    std::vector<LexedToken> tokens = reader.all();
    ASSERT_EQ(token_numbers(tokens), (std::vector<int>{TK_IDENTIFIER, TK_IDENTIFIER, TK_IDENTIFIER, TK_IDENTIFIER, 0}));
    EXPECT_EQ(tokens[0].value, "ABC_1.X-2");
    EXPECT_EQ(tokens[0].written, "abc_1.x-2");
    EXPECT_EQ(tokens[0].text, "ABC_1.X-2");
    EXPECT_EQ(tokens[1].value, "@FOO");
    EXPECT_EQ(tokens[2].written, "a!#%&/=?-{}$+`^'<>@|~\\b");
    EXPECT_EQ(tokens[2].value, "A!#%&/=?-{}$+`^'<>@|~\\B");
    EXPECT_EQ(tokens[3].value, "Z9");
}

TEST(Lexer, NameModeReadsKeywordsAsNamesButNotEnd) {
    Recorder host;
    LexerReader reader(host, "names.oxel", "board Board end component");
    lexer_set_name_mode(true);
    LexedToken name = reader.next();
    EXPECT_EQ(name.token, TK_IDENTIFIER);
    EXPECT_EQ(name.value, "BOARD");
    EXPECT_EQ(name.written, "board");
    EXPECT_FALSE(lexer_name_mode());   // cleared by the token
    EXPECT_EQ(reader.next().token, TK_BOARD);

    lexer_set_name_mode(true);
    EXPECT_EQ(reader.next().token, TK_END);
    EXPECT_FALSE(lexer_name_mode());
    EXPECT_EQ(reader.next().token, TK_COMPONENT);

    // The end of input leaves it as it was.
    lexer_set_name_mode(true);
    EXPECT_EQ(reader.next().token, 0);
    EXPECT_TRUE(lexer_name_mode());
    lexer_set_name_mode(false);
}

TEST(Lexer, NameModeIsClearedByEveryOtherKindOfToken) {
    Recorder host;
    LexerReader reader(host, "name_mode_cleared.oxel", "\"s\" 1 1.5 = board");
    for (int expected : std::vector<int>{TK_STRING, TK_INTEGER, TK_REAL, '='}) {
        lexer_set_name_mode(true);
        EXPECT_EQ(reader.next().token, expected);
        EXPECT_FALSE(lexer_name_mode()) << expected;
    }
    EXPECT_EQ(reader.next().token, TK_BOARD);
}

struct IntegerCase {
    const char *source;
    int32_t kind;
    const char *text;
    int32_t value;
};

TEST(Lexer, IntegersOfEveryKindKeepTheirTextAndValue) {
    const IntegerCase cases[] = {
        {"0x1F", 20, "1F", 31},         {"-0x1F", 20, "-1F", -31},   {"0XfF", 20, "fF", 255},
        {"0x", 20, "", 0},              {"0t01x", 17, "01x", 5},     {"-0T1X", 17, "-1X", -5},
        {"1011b", 16, "1011", 11},      {"-101B", 16, "-101", -5},   {"1021b", 16, "1021", 2},
        {"012", 18, "012", 10},         {"089", 18, "089", 0},       {"0", 18, "0", 0},
        {"19", 19, "19", 19},           {"-012", 19, "-012", -12},   {"-5", 19, "-5", -5},
        {"-0", 19, "-0", 0},            {"2147483647", 19, "2147483647", INT32_MAX},
        {"99999999999", 19, "99999999999", INT32_MAX},
        {"-99999999999", 19, "-99999999999", INT32_MIN},
        {"0xFFFFFFFFFF", 20, "FFFFFFFFFF", INT32_MAX},
    };
    for (const IntegerCase &c : cases) {
        Recorder host;
        LexerReader reader(host, "integer.oxel", std::string(c.source) + " ");
        LexedToken token = reader.next();
        ASSERT_EQ(token.token, TK_INTEGER) << c.source;
        EXPECT_EQ(token.integer_kind, c.kind) << c.source;
        EXPECT_EQ(token.value, c.text) << c.source;
        EXPECT_EQ(token.text, c.text) << c.source;
        EXPECT_EQ(token.integer_value, c.value) << c.source;
        EXPECT_EQ(reader.next().token, 0) << c.source;
    }
}

TEST(Lexer, RealsWithAFractionAnExponentOrJustAFullStop) {
    Recorder host;
    LexerReader reader(host, "reals.oxel", "1e3 1.5 1. . .5 2E-2 -1.5 1e 3.25e+1x");
    std::vector<LexedToken> tokens = reader.all();
    ASSERT_EQ(tokens.size(), 11u);
    const double expected[] = {1000.0, 1.5, 1.0, 0.0, 0.5, 0.02, -1.5, 1.0, 32.5};
    for (size_t i = 0; i < 9; i++) {
        ASSERT_EQ(tokens[i].token, TK_REAL) << i;
        EXPECT_DOUBLE_EQ(tokens[i].real, expected[i]) << i;
    }
    EXPECT_EQ(tokens[0].text, "1e3");
    EXPECT_EQ(tokens[6].text, "-1.5");
    EXPECT_EQ(tokens[8].text, "3.25e+1");
    EXPECT_EQ(tokens[9].value, "X");
}

TEST(Lexer, AMinusIsASignOnlyDirectlyBeforeADigit) {
    Recorder host;
    LexerReader reader(host, "minus.oxel", "- 5 -5 -x -.5 12abc");
    std::vector<LexedToken> tokens = reader.all();
    ASSERT_EQ(token_numbers(tokens), (std::vector<int>{'-', TK_INTEGER, TK_INTEGER, '-', TK_IDENTIFIER, '-',
                                                       TK_REAL, TK_INTEGER, TK_IDENTIFIER, 0}));
    EXPECT_EQ(tokens[0].text, "-");
    EXPECT_EQ(tokens[1].integer_value, 5);
    EXPECT_EQ(tokens[1].integer_kind, 19);
    EXPECT_EQ(tokens[2].integer_value, -5);
    EXPECT_EQ(tokens[4].value, "X");
    EXPECT_DOUBLE_EQ(tokens[6].real, 0.5);
    EXPECT_EQ(tokens[7].integer_value, 12);
    EXPECT_EQ(tokens[8].value, "ABC");
}

TEST(Lexer, StringsDropTheQuotesAndTheEscapingBackslash) {
    Recorder host;
    LexerReader reader(host, "strings.oxel",
                       "\"a\\\"b\" \"x\\\\y\" \"two\nlines\" \"back\\\nslash\" \"\" \"unterminated");
    std::vector<LexedToken> tokens = reader.all();
    ASSERT_EQ(token_numbers(tokens), (std::vector<int>{TK_STRING, TK_STRING, TK_STRING, TK_STRING, TK_STRING,
                                                       TK_STRING, 0}));
    EXPECT_EQ(tokens[0].value, "a\"b");
    EXPECT_EQ(tokens[1].value, "x\\y");
    EXPECT_EQ(tokens[2].value, "two\nlines");
    EXPECT_EQ(tokens[2].line, 2);
    EXPECT_EQ(tokens[3].value, "back\nslash");
    EXPECT_EQ(tokens[3].line, 3);
    EXPECT_EQ(tokens[4].value, "");
    EXPECT_TRUE(tokens[4].has_value);
    EXPECT_EQ(tokens[5].value, "unterminated");
    EXPECT_TRUE(host.messages.empty());
}

TEST(Lexer, CommentsRunFromAStarToTheEndOfTheLine) {
    Recorder host;
    LexerReader reader(host, "comments.oxel", "* a whole line\nA*B c\n  D * \"not a string\n*E");
    std::vector<LexedToken> tokens = reader.all();
    ASSERT_EQ(token_numbers(tokens), (std::vector<int>{TK_IDENTIFIER, TK_IDENTIFIER, 0}));
    EXPECT_EQ(tokens[0].value, "A");
    EXPECT_EQ(tokens[0].line, 2);
    EXPECT_EQ(tokens[1].value, "D");
    EXPECT_EQ(tokens[1].line, 3);
}

TEST(Lexer, ANumberSignIsADirectiveOnlyAsTheFirstCharacterOfALine) {
    Recorder host;
    LexerReader reader(host, "hash.oxel", "x #include foo\n #include bar\n#x");
    std::vector<LexedToken> tokens = reader.all();
    ASSERT_EQ(token_numbers(tokens),
              (std::vector<int>{TK_IDENTIFIER, TK_IDENTIFIER, TK_IDENTIFIER, TK_IDENTIFIER, TK_IDENTIFIER, 0}));
    EXPECT_EQ(tokens[1].value, "INCLUDE");
    EXPECT_EQ(tokens[2].value, "FOO");
    EXPECT_EQ(tokens[3].value, "INCLUDE");
    EXPECT_EQ(tokens[4].value, "BAR");
    // "#x" opens its line: an illegal directive, not a word.
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR),
              std::vector<std::string>{"syntax error >> line 3\n" + kIndent + "Illegal directive #x - Ignoring"});
}

TEST(Lexer, SingleCharactersKeepTheirCodeAndText) {
    Recorder host;
    LexerReader reader(host, "chars.oxel", "=(),:;[]_+{|}~\x01\r ab\xC3\xA9" "c\r");
    std::vector<LexedToken> tokens = reader.all();
    const std::string singles = "=(),:;[]_+{|}~\x01\r";
    ASSERT_EQ(tokens.size(), singles.size() + 6);
    for (size_t i = 0; i < singles.size(); i++) {
        EXPECT_EQ(tokens[i].token, static_cast<unsigned char>(singles[i])) << i;
        EXPECT_EQ(tokens[i].text, singles.substr(i, 1)) << i;
    }
    // Bytes from 128 on end a word and stand alone, as positive codes.
    size_t at = singles.size();
    EXPECT_EQ(tokens[at].value, "AB");
    EXPECT_EQ(tokens[at + 1].token, 0xC3);
    EXPECT_EQ(tokens[at + 1].text, "\xC3");
    EXPECT_EQ(tokens[at + 2].token, 0xA9);
    EXPECT_EQ(tokens[at + 3].value, "C");
    EXPECT_EQ(tokens[at + 4].token, '\r');   // a lone carriage return stays a character
    EXPECT_EQ(tokens[at + 5].token, 0);
}

TEST(Lexer, ANulByteEndsTheFileWhereverItStands) {
    const char *sources[] = {"A\0B", "A \0B", "\"st\0r\" B", "12\0B", "* c\0\nB", "- \0B"};
    const std::vector<std::vector<int>> expected = {
        {TK_IDENTIFIER, 0}, {TK_IDENTIFIER, 0}, {TK_STRING, 0}, {TK_INTEGER, 0}, {0}, {'-', 0}};
    for (size_t i = 0; i < std::size(sources); i++) {
        Recorder host;
        std::string source(sources[i], std::strlen(sources[i]) + 3);
        LexerReader reader(host, "nul.oxel", source);
        std::vector<LexedToken> tokens = reader.all();
        EXPECT_EQ(token_numbers(tokens), expected[i]) << i;
        // Asking again still finds the end.
        EXPECT_EQ(yylex(), 0) << i;
        EXPECT_EQ(yylex(), 0) << i;
    }
}

TEST(Lexer, CrLfFilesReadExactlyAsLfFiles) {
    const std::string lf = "* comment\nOXEL\n  A*b\n\"x\ny\"\n\n1.5 0x1F\n#bad\nEND\n";
    std::string crlf;
    for (char c : lf)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);

    Recorder lf_host, crlf_host;
    std::vector<LexedToken> lf_tokens, crlf_tokens;
    {
        LexerReader reader(lf_host, "lf.oxel", lf);
        lf_tokens = reader.all();
    }
    {
        LexerReader reader(crlf_host, "crlf.oxel", crlf);
        crlf_tokens = reader.all();
    }
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

TEST(Lexer, AWordOfTheMaximumLengthIsWholeAndOneMoreIsRefused) {
    Recorder host;
    std::string longest(kMaxTokenLength, 'w');
    LexerReader reader(host, "longest.oxel", longest + "\n\"" + longest + "\"\n" + longest + "w");
    LexedToken word = reader.next();
    ASSERT_EQ(word.token, TK_IDENTIFIER);
    EXPECT_EQ(word.written, longest);
    EXPECT_EQ(reader.next().value, longest);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_FALSE(lexer_failed());

    EXPECT_EQ(reader.next().token, -1);
    EXPECT_TRUE(lexer_failed());
    EXPECT_EQ(std::strlen(lexer_token_text()), static_cast<size_t>(kMaxTokenLength));
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR),
              std::vector<std::string>{"syntax error >> line 3\n" + kIndent +
                                       "String exceeds max length (5120 characters)"});
    lexer_reset();
    EXPECT_FALSE(lexer_failed());
}

TEST(Lexer, OverLongStringsAndNumbersAreRefusedToo) {
    for (const std::string &source : {"\"" + std::string(kMaxTokenLength + 1, 's') + "\"",
                                      std::string(kMaxTokenLength + 1, '7'), "-" + std::string(kMaxTokenLength, '7'),
                                      "0x" + std::string(kMaxTokenLength + 1, 'f')}) {
        Recorder host;
        LexerReader reader(host, "overlong.oxel", source);
        EXPECT_EQ(reader.next().token, -1) << source.substr(0, 3);
        EXPECT_EQ(host.texts(OXEL_KIND_ERROR).size(), 1u);
    }
}

TEST(Lexer, LinesAreCountedAcrossPushBackAndTheResetStartsAgain) {
    Recorder host;
    LexerReader reader(host, "lines.oxel", "A\nB -\n\n 7\n");
    EXPECT_EQ(reader.next().line, 1);
    EXPECT_EQ(reader.next().line, 2);
    EXPECT_EQ(reader.next().line, 2);   // the minus peeked at the line feed
    EXPECT_EQ(reader.next().line, 4);
    EXPECT_EQ(reader.next().token, 0);
    EXPECT_EQ(lexer_line(), 5);
    lexer_reset();
    EXPECT_EQ(lexer_line(), 1);
    EXPECT_STREQ(lexer_token_text(), "");
}

TEST(Lexer, TheEndOfInputLeavesAnEmptyTokenText) {
    Recorder host;
    LexerReader reader(host, "end_text.oxel", "word ");
    reader.next();
    EXPECT_EQ(reader.next().token, 0);
    EXPECT_STREQ(lexer_token_text(), "");
}

// Every allocation of a small input fails in turn: the lexer gives -1 with
// the memory message, and nothing it made is left behind.
TEST(Lexer, EveryFailedAllocationEndsReadingWithMinusOne) {
    const std::string source = "Ident 12 0x1F 0t1x 1011b 1.5 \"str\" other END";
    long allocations = 0;
    {
        Recorder host;
        LexerReader reader(host, "sweep.oxel", source);
        memory_fail_at(0);
        std::vector<LexedToken> clean = reader.all();
        allocations = memory_allocations();
        ASSERT_EQ(clean.back().token, 0);
    }
    ASSERT_GE(allocations, 10);
    for (long nth = 1; nth <= allocations; nth++) {
        Recorder host;
        LexerReader reader(host, "sweep.oxel", source);
        memory_fail_at(nth);
        std::vector<LexedToken> tokens = reader.all();
        memory_fail_at(0);
        EXPECT_EQ(tokens.back().token, -1) << nth;
        EXPECT_TRUE(lexer_failed()) << nth;
        EXPECT_EQ(host.texts(OXEL_KIND_ERROR), std::vector<std::string>{"Memory allocation error"}) << nth;
    }
}

// ---------------------------------------------------------------------
// Awkward input through the public interface.

const std::string kHeaderFile =
    "OXEL OXEL_HEADER CREATION_LOG \"a\" \"b\" \"c\" \"d\" END OXEL_HEADER END OXEL";

TEST(LexerInput, ANulByteBehindTheLastWordEndsTheFile) {
    for (const std::string &tail : {std::string("\0garbage", 8), std::string("\n\0\x01\x02 BOARD", 10)}) {
        Recorder host;
        OxelInitialize(host.host());
        std::string path = write_temp_file("nul_end.oxel", kHeaderFile + tail);
        EXPECT_EQ(OxelParse(host.host(), path.c_str()), OXEL_OK) << host.dump();
        EXPECT_EQ(host.counters.errors, 0);
        OxelDestroy(host.host());
    }
}

TEST(LexerInput, ABinaryFileGivesOneSyntaxMessageAndOneDetailLine) {
    Recorder host;
    OxelInitialize(host.host());
    std::string path = write_temp_file("binary.oxel", std::string("\x7f" "ELF\x02\x01\x01\0\0\0\xff\xfe", 12));
    EXPECT_EQ(FileIsOxel(host.host(), path.c_str()), 0);
    EXPECT_EQ(OxelParse(host.host(), path.c_str()), OXEL_FAILED);
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR), std::vector<std::string>{"syntax error >> line 1 near \"\x7f\""});
    EXPECT_EQ(host.texts(OXEL_KIND_NOTE).size(), 1u);
    EXPECT_EQ(OxelGetInfo()->header, nullptr);
}

TEST(LexerInput, AStringOfTheMaximumLengthIsKeptWhole) {
    Recorder host;
    OxelInitialize(host.host());
    std::string longest(kMaxTokenLength, 'r');
    std::string path = write_temp_file(
        "long_reason.oxel", "OXEL OXEL_HEADER CREATION_LOG \"a\" \"b\" \"c\" \"" + longest + "\" END OXEL_HEADER END OXEL");
    ASSERT_EQ(OxelParse(host.host(), path.c_str()), OXEL_OK) << host.dump();
    EXPECT_EQ(OxelGetInfo()->header->creation_log->reason, longest);
    OxelDestroy(host.host());
}

TEST(LexerInput, ATokenOfOneCharacterTooManyEndsTheParse) {
    Recorder host;
    OxelInitialize(host.host());
    std::string path = write_temp_file("too_long.oxel", "OXEL\n" + std::string(kMaxTokenLength + 1, 'q') + "\nEND OXEL");
    EXPECT_EQ(OxelParse(host.host(), path.c_str()), OXEL_FAILED);
    std::vector<std::string> errors = host.texts(OXEL_KIND_ERROR);
    ASSERT_EQ(errors.size(), 2u) << host.dump();
    EXPECT_EQ(errors[0], "syntax error >> line 2\n" + kIndent + "String exceeds max length (5120 characters)");
    // The parser takes the failure for the end of input; the token is too
    // long to be quoted.
    EXPECT_EQ(errors[1], "syntax error >> line 2");
    EXPECT_EQ(host.texts(OXEL_KIND_NOTE).size(), 1u);
}

}  // namespace

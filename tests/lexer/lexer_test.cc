// Lexical analyser: token classes, values, texts and the reader's edge cases
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "base/memory.h"
#include "lexer/lexer_support.h"

namespace {

template <size_t N>
std::string bytes(const char (&text)[N]) {
    return std::string(text, N - 1);
}

// Each source is read to its end; tokens are written as `describe` writes them.
TEST(Lexer, EveryTokenClassWithItsValueTextAndLine) {
    const std::string longest(kMaxTokenLength, 'w');
    const struct {
        std::string source;
        std::vector<std::string> tokens;
        std::vector<std::string> errors;
    } cases[] = {
        // Keywords match in any case and carry no value; identifiers are upper-cased.
        {"end End oxel @ppa abc_1.x-2 @foo a!#%&/=?-{}$+`^'<>@|~\\b Z9",
         {"[END]", "[END]", "[OXEL]", "[@PPA]", "ABC_1.X-2/abc_1.x-2", "@FOO/@foo",
          "A!#%&/=?-{}$+`^'<>@|~\\B/a!#%&/=?-{}$+`^'<>@|~\\b", "Z9", "$"}, {}},
        {"0x1F -0x1F 0XfF 0x 0t01x -0T1X 1011b -101B 1021b 012 089 0 19 -012 -5 -0 2147483647 99999999999 "
         "-99999999999 0xFFFFFFFFFF",
         {"#1F=31/20", "#-1F=-31/20", "#fF=255/20", "#=0/20", "#01x=5/17", "#-1X=-5/17", "#1011=11/16",
          "#-101=-5/16", "#1021=2/16", "#012=10/18", "#089=0/18", "#0=0/18", "#19=19/19", "#-012=-12/19",
          "#-5=-5/19", "#-0=0/19", "#2147483647=2147483647/19", "#99999999999=2147483647/19",
          "#-99999999999=-2147483648/19", "#FFFFFFFFFF=2147483647/20", "$"}, {}},
        // A real has a fraction, an exponent or just a full stop; a minus is
        // a sign only directly before a digit.
        {"1e3 1.5 1. . .5 2E-2 -1.5 1e 3.25e+1x - 5 -5 -x -.5 12abc",
         {"~1e3=1000", "~1.5=1.5", "~1.=1", "~.=0", "~.5=0.5", "~2E-2=0.02", "~-1.5=-1.5", "~1e=1", "~3.25e+1=32.5",
          "X/x", "'-'", "#5=5/19", "#-5=-5/19", "'-'", "X/x", "'-'", "~.5=0.5", "#12=12/19", "ABC/abc", "$"}, {}},
        {"\"a\\\"b\" \"x\\\\y\" \"two\nlines\" \"back\\\nslash\" \"\" \"unterminated",
         {"\"a\"b\"", "\"x\\y\"", "\"two\nlines\"@2", "\"back\nslash\"@3", "\"\"@3", "\"unterminated\"@3", "$@3"}, {}},
        // A star starts a comment to the end of the line; a number sign is a
        // directive only as the first character of a line.
        {"* a whole line\nA*B c\n  D * \"not a string\n*E\nx #include foo\n #include bar\n#x",
         {"A@2", "D@3", "X/x@5", "INCLUDE/include@5", "FOO/foo@5", "INCLUDE/include@6", "BAR/bar@6", "$@7"},
         {at_line(7, "Illegal directive #x - Ignoring")}},
        // Bytes from 128 on end a word and stand alone, as positive codes; a
        // lone carriage return stays a character.
        {"=(),:;[]_+{|}~\x01\r ab\xC3\xA9" "c\r",
         {"'='", "'('", "')'", "','", "':'", "';'", "'['", "']'", "'_'", "'+'", "'{'", "'|'", "'}'", "'~'", "'\x01'",
          "'\r'", "AB/ab", "'\xC3'", "'\xA9'", "C/c", "'\r'", "$"}, {}},
        // Lines are counted across the minus's peek at the line feed.
        {"A\nB -\n\n 7\n", {"A", "B@2", "'-'@2", "#7=7/19@4", "$@5"}, {}},
        // A token of the maximum length is whole.
        {longest + "\n\"" + longest + "\"\n",
         {std::string(kMaxTokenLength, 'W') + "/" + longest, "\"" + longest + "\"@2", "$@3"}, {}},
        // A NUL byte ends the file wherever it stands.
        {bytes("A\0B\0"), {"A", "$"}, {}},
        {bytes("A \0B\0"), {"A", "$"}, {}},
        {bytes("\"st\0r\" B"), {"\"st\"", "$"}, {}},
        {bytes("12\0B\0"), {"#12=12/19", "$"}, {}},
        {bytes("* c\0\nB"), {"$"}, {}},
        {bytes("- \0B\0"), {"'-'", "$"}, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.source.substr(0, 30));
        Recorder host;
        LexerReader reader(host, "tokens.oxel", c.source);
        EXPECT_EQ(describe(reader.all()), c.tokens);
        EXPECT_EQ(host.texts(OXEL_KIND_ERROR), c.errors);
        EXPECT_FALSE(lexer_failed());
        // The end stays the end, with an empty token text.
        EXPECT_EQ(lexer_next_token(), 0);
        EXPECT_EQ(lexer_next_token(), 0);
        EXPECT_STREQ(lexer_token_text(), "");
    }
}

TEST(Lexer, AKeywordForgetsTheTextOfTheIdentifierBeforeIt) {
    Recorder host;
    LexerReader reader(host, "forget.oxel", "Chip board");
    ASSERT_EQ(lexer_next_token(), LEX_IDENTIFIER);
    std::free(lexer_take_value().text);
    // The parser never took "Chip" as written; the keyword drops it.
    ASSERT_EQ(lexer_next_token(), LEX_BOARD);
    EXPECT_EQ(lexer_take_value().text, nullptr);
    EXPECT_EQ(lexer_take_written_text(), nullptr);
}

TEST(Lexer, NameModeReadsOneKeywordButEndAsANameAndEveryTokenClearsIt) {
    Recorder host;
    LexerReader reader(host, "names.oxel", "board Board end component \"s\" 1 1.5 =");
    lexer_set_name_mode(true);
    LexedToken name = reader.next();
    EXPECT_EQ(name.token, LEX_IDENTIFIER);
    EXPECT_EQ(name.value, "BOARD");
    EXPECT_EQ(name.written, "board");
    EXPECT_FALSE(lexer_name_mode());
    EXPECT_EQ(reader.next().token, LEX_BOARD);
    for (int expected : std::vector<int>{LEX_END, LEX_COMPONENT, LEX_STRING, LEX_INTEGER, LEX_REAL, '='}) {
        lexer_set_name_mode(expected != LEX_COMPONENT);
        EXPECT_EQ(reader.next().token, expected);
        EXPECT_FALSE(lexer_name_mode()) << expected;
    }
    // The end of input leaves it as it was.
    lexer_set_name_mode(true);
    EXPECT_EQ(reader.next().token, 0);
    EXPECT_TRUE(lexer_name_mode());
    lexer_set_name_mode(false);
}

TEST(Lexer, CrLfFilesReadExactlyAsLfFiles) {
    const std::string lf = "* comment\nOXEL\n  A*b\n\"x\ny\"\n\n1.5 0x1F\n#bad\nEND\n";
    std::string crlf;
    for (char c : lf)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    Recorder lf_host, crlf_host;
    std::vector<LexedToken> lf_tokens = LexerReader(lf_host, "lf.oxel", lf).all();
    std::vector<LexedToken> crlf_tokens = LexerReader(crlf_host, "crlf.oxel", crlf).all();
    EXPECT_EQ(describe(crlf_tokens), describe(lf_tokens));
    EXPECT_EQ(describe(crlf_tokens)[2], "\"x\ny\"@5");
    EXPECT_EQ(crlf_host.texts(OXEL_KIND_ERROR), lf_host.texts(OXEL_KIND_ERROR));
    EXPECT_EQ(lf_host.texts(OXEL_KIND_ERROR).size(), 1u);
}

TEST(Lexer, ATokenOfOneCharacterMoreThanTheMaximumIsRefused) {
    const std::string longest(kMaxTokenLength, 'w'), over(kMaxTokenLength + 1, '7');
    for (const std::string &source : {"\n" + longest + "w", "\"" + over + "\"", over, "-" + over.substr(1),
                                      "0x" + std::string(kMaxTokenLength + 1, 'f')}) {
        SCOPED_TRACE(source.substr(0, 3));
        Recorder host;
        LexerReader reader(host, "overlong.oxel", source);
        EXPECT_EQ(reader.next().token, -1);
        EXPECT_TRUE(lexer_failed());
        EXPECT_EQ(std::strlen(lexer_token_text()), static_cast<size_t>(kMaxTokenLength));
        EXPECT_EQ(host.texts(OXEL_KIND_ERROR),
                  std::vector<std::string>{at_line(source[0] == '\n' ? 2 : 1,
                                                   "String exceeds max length (5120 characters)")});
        lexer_reset(host.host());
        EXPECT_FALSE(lexer_failed());
        EXPECT_EQ(lexer_line(), 1);
        EXPECT_STREQ(lexer_token_text(), "");
    }
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
        std::vector<std::string> clean = describe(reader.all());
        allocations = memory_allocations();
        ASSERT_EQ(clean.size(), 14u);
        EXPECT_EQ(clean[9], "INNER/inner@4");
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

// A NUL byte or a Ctrl-Z behind the last word ends the file: the garbage
// after it would be a syntax error. A string of the maximum length is kept
// whole.
TEST(LexerInput, ANulByteOrACtrlZEndsTheFileAndALongestStringIsKeptWhole) {
    std::string longest(kMaxTokenLength, 'r');
    for (const std::string &tail : {std::string("\0garbage", 8), std::string("\n\0\x01\x02 BOARD", 10),
                                    std::string("\x1A" "END OXEL garbage"), std::string("\r\n\x1A\r\nBOARD")}) {
        Recorder host;
        ASSERT_EQ(parse_text(host, "nul_end.oxel",
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

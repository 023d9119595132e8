// Include directives: reading the directive line, the nesting limit, leaving
// include files and every message of include handling
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "lexer/lexer_support.h"

namespace {

TEST(IncludeStack, AnIncludedFileIsReadInPlaceOfItsDirective) {
    Recorder host;
    std::string included = write_temp_file("included.oxel", "C\nD");
    LexerReader reader(host, "main.oxel", "A\n#include \"" + included + "\" trailing words\nB\n");
    // One line counter for the whole input: one more at the entry and one
    // more at the return.
    EXPECT_EQ(describe(reader.all()), (std::vector<std::string>{"A", "C@4", "D@5", "B@6", "$@7"}));
    EXPECT_TRUE(host.messages.empty()) << host.dump();
}

TEST(IncludeStack, DirectivesThatAreFollowedOrReportedAndSkipped) {
    std::string inner = write_temp_file("inner.oxel", "IN1 *comment without end");
    std::string middle = write_temp_file("middle.oxel", "M1\n#include " + inner + "\n#x\nM2");
    std::string spaced = write_temp_file("with blank.oxel", "SPACED");
    std::string first_part = spaced.substr(0, spaced.find(' '));
    std::string last = write_temp_file("last_line.oxel", "LAST");
    std::string before_nul = write_temp_file("before_nul.oxel", "INNER");
    std::string ctrl_z_inside = write_temp_file("ctrl_z_inside.oxel", "INNER\x1AHIDDEN\n");
    std::string folder = inner.substr(0, inner.rfind('/'));
    const struct {
        std::string source;
        std::vector<std::string> tokens;
        std::vector<std::string> errors;
    } cases[] = {
        // Reading goes on right after the directive line; the directive that
        // opens the line after an include is still a directive.
        {"#include " + middle + "\nO1 O2", {"M1", "IN1", "M2", "O1", "O2", "$"},
         {at_line(8, "Illegal directive #x - Ignoring")}},
        // A quoted name may hold blanks, an unquoted one ends at the first; a
        // directive on the last line without a line feed is acted on.
        {"#include \"" + spaced + "\"\n#include " + spaced + "\n#include\t" + first_part + "\\ blank.oxel\nEND\n#include " +
             last,
         {"SPACED", "SPACED", "[END]", "LAST", "$"},
         {at_line(5, "Couldn't open #include file " + first_part), at_line(5, "Ignoring #include directive")}},
        // A NUL byte in the directive line still ends the including file.
        {"#include " + before_nul + std::string(1, '\0') + "\nHIDDEN", {"INNER", "$"}, {}},
        // A Ctrl-Z ends the included file only.
        {"#include " + ctrl_z_inside + "\r\nOUTER", {"INNER", "OUTER", "$"}, {}},
        // A file that cannot be opened and a directive other than the
        // lower-case word include are reported and skipped.
        {"A\n#include /no/such/dir/x.oxel\nB\n#include \"" + folder + "\"\nC\n#INCLUDE x.oxel\n#\n#  pragma once\n#" +
             std::string(90, 'w') + "\nAFTER",
         {"A", "B", "C", "AFTER", "$"},
         {at_line(3, "Couldn't open #include file /no/such/dir/x.oxel"), at_line(3, "Ignoring #include directive"),
          at_line(5, "Couldn't open #include file " + folder), at_line(5, "Ignoring #include directive"),
          at_line(7, "Illegal directive #INCLUDE - Ignoring"), at_line(8, "Illegal directive # - Ignoring"),
          at_line(9, "Illegal directive #pragma - Ignoring"),
          at_line(10, "Illegal directive #" + std::string(80, 'w') + " - Ignoring")}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.source.substr(0, 40));
        Recorder host;
        LexerReader reader(host, "directives.oxel", c.source);
        EXPECT_EQ(describe(reader.all(), false), c.tokens);
        EXPECT_EQ(host.texts(OXEL_KIND_ERROR), c.errors);
        EXPECT_EQ(host.counters.errors, static_cast<int32_t>(c.errors.size()));
    }
}

TEST(IncludeStack, AFileThatIncludesItselfIsReadElevenLevelsDeep) {
    Recorder host;
    std::string path = write_temp_file("self.oxel", "");
    int files_before = open_descriptors();
    std::vector<LexedToken> tokens;
    {
        LexerReader reader(host, "self.oxel", "#include \"" + path + "\"\nW\n");
        tokens.push_back(reader.next());
        // At the deepest level only the main file and the current one are open.
        EXPECT_EQ(open_descriptors(), files_before + 2);
        for (const LexedToken &t : reader.all())
            tokens.push_back(t);
    }
    std::vector<std::string> twelve(12, "W");
    twelve.push_back("$");
    EXPECT_EQ(describe(tokens, false), twelve);
    // Eleven entries and twelve directive lines have passed the counter.
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR), (std::vector<std::string>{at_line(24, "File nesting limit (10) exceeded"),
                                                                      at_line(24, "Ignoring #include directive")}));
    EXPECT_EQ(open_descriptors(), files_before);
}

// A suspended file that is gone when its include ends cannot be resumed:
// the input ends there, and nothing is left open.
TEST(IncludeStack, AnIncludingFileThatIsGoneHasChanged) {
    Recorder host;
    int files_before = open_descriptors();
    std::string innermost = write_temp_file("innermost.oxel", "INNER1 INNER2");
    std::string middle = write_temp_file("vanishing.oxel", "#include " + innermost + "\nMIDDLE\n");
    {
        LexerReader reader(host, "changed.oxel", "#include " + middle + "\nOUTER\n");
        EXPECT_EQ(reader.next().value, "INNER1");
        ASSERT_EQ(std::remove(middle.c_str()), 0);
        LexedToken second = reader.next();
        EXPECT_EQ(second.value, "INNER2");
        EXPECT_EQ(reader.next().token, 0);
        EXPECT_EQ(reader.next().token, 0);  // and the main file is not resumed either
        EXPECT_EQ(host.texts(OXEL_KIND_ERROR),
                  std::vector<std::string>{at_line(second.line, "#include file " + middle + " has changed")});
    }
    EXPECT_EQ(open_descriptors(), files_before);
}

// Closing the includes gives the main file back where its reading stopped;
// the reset forgets include files still open.
TEST(IncludeStack, ClosingTheIncludesOrTheResetClosesEveryIncludeFile) {
    Recorder host;
    int files_before = open_descriptors();
    std::string inner = write_temp_file("close_inner.oxel", "I1 I2");
    std::string outer = write_temp_file("close_outer.oxel", "#include " + inner + "\nO1");
    LexerReader reader(host, "close_main.oxel", "#include " + outer + "\nMAIN\n#include " + inner + "\n");
    EXPECT_EQ(reader.next().value, "I1");
    EXPECT_EQ(open_descriptors(), files_before + 2);
    lexer_close_includes();
    EXPECT_EQ(open_descriptors(), files_before + 1);
    EXPECT_EQ(reader.next().value, "MAIN");
    lexer_close_includes();  // nothing to close: harmless
    EXPECT_EQ(open_descriptors(), files_before + 1);
    EXPECT_EQ(reader.next().value, "I1");
    EXPECT_EQ(open_descriptors(), files_before + 2);
    lexer_reset(host.host());
    EXPECT_EQ(open_descriptors(), files_before + 1);
    EXPECT_EQ(lexer_line(), 1);
}

// ---------------------------------------------------------------------
// Include files through the public interface.

const std::string kHeaderSection = "OXEL_HEADER CREATION_LOG \"a\" \"b\" \"c\" \"d\" END OXEL_HEADER\n";

// A missing include file and one that includes itself are reported; the
// header from a third include file still reaches the root.
TEST(IncludeFiles, IncludeTroubleIsReportedButTheParseSucceeds) {
    Recorder host;
    OxelInitialize(host.host());
    int files_before = open_descriptors();
    std::string header = write_temp_file("header part.oxel", kHeaderSection);
    std::string self = write_temp_file("self_api.oxel", "");
    write_temp_file("self_api.oxel", "* again\n#include " + self + "\n");
    std::string path = write_temp_file("with_header.oxel", "OXEL\n#include \"/no/such/file.oxel\"\n#include " + self +
                                                               "\n#include \"" + header + "\"\nEND OXEL\n");
    ASSERT_EQ(OxelParse(host.host(), path.c_str()), OXEL_OK) << host.dump();
    std::vector<std::string> errors = host.texts(OXEL_KIND_ERROR);
    ASSERT_EQ(errors.size(), 4u) << host.dump();
    EXPECT_EQ(errors[0], at_line(3, "Couldn't open #include file /no/such/file.oxel"));
    EXPECT_EQ(errors[1], at_line(3, "Ignoring #include directive"));
    EXPECT_NE(errors[2].find("File nesting limit (10) exceeded"), std::string::npos);
    EXPECT_NE(errors[3].find("Ignoring #include directive"), std::string::npos);
    EXPECT_EQ(host.counters.errors, 4);
    EXPECT_EQ(OxelGetSyntaxErrors(), 0);
    EXPECT_EQ(open_descriptors(), files_before);
    const HeaderRecord *parsed = OxelGetInfo()->header;
    ASSERT_NE(parsed, nullptr);
    ASSERT_NE(parsed->creation_log, nullptr);
    EXPECT_STREQ(parsed->creation_log->date, "a");
    EXPECT_STREQ(parsed->creation_log->creator, "b");
    EXPECT_STREQ(parsed->creation_log->tool, "c");
    EXPECT_STREQ(parsed->creation_log->reason, "d");
    OxelDestroy(host.host());
    EXPECT_EQ(FileIsOxel(host.host(), path.c_str()), 1);
}

// The probe reads its token from the include file; the parse must still
// begin at the start of the main file, with nothing of the probe left open.
TEST(IncludeFiles, AFileThatOpensWithAnIncludeStartsOverForTheParse) {
    Recorder host;
    OxelInitialize(host.host());
    int files_before = open_descriptors();
    std::string opening = write_temp_file("opening.oxel", "* the frame opens here\noxel\n");
    std::string path =
        write_temp_file("opens_with_include.oxel", "#include " + opening + "\n" + kHeaderSection + "END OXEL");
    EXPECT_EQ(FileIsOxel(host.host(), path.c_str()), 1);
    EXPECT_EQ(open_descriptors(), files_before);
    ASSERT_EQ(OxelParse(host.host(), path.c_str()), OXEL_OK) << host.dump();
    EXPECT_NE(OxelGetInfo()->header, nullptr);
    EXPECT_EQ(open_descriptors(), files_before);
    OxelDestroy(host.host());
}

// A parse that stops inside an include file closes it and leaks nothing
// (the sanitizer build watches the memory).
TEST(IncludeFiles, AParseThatStopsInsideAnIncludeFileLeavesNothingOpen) {
    Recorder host;
    OxelInitialize(host.host());
    int files_before = open_descriptors();
    std::string inner = write_temp_file("broken_inner.oxel", "OXEL_HEADER CREATION_LOG \"a\" = \n");
    std::string middle = write_temp_file("broken_middle.oxel", "#include " + inner + "\nEND OXEL_HEADER\n");
    std::string path = write_temp_file("broken_main.oxel", "OXEL\n#include " + middle + "\nEND OXEL\n");
    EXPECT_EQ(OxelParse(host.host(), path.c_str()), OXEL_FAILED);
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR), std::vector<std::string>{"syntax error >> line 6 near \"=\""}) << host.dump();
    EXPECT_EQ(open_descriptors(), files_before);
    EXPECT_EQ(OxelGetInfo()->header, nullptr);
}

}  // namespace

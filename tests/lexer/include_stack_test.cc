// Include directives: the directive line, the nesting limit, a vanished file, include trouble in a parse
#include <algorithm>
#include <cstdio>

#include "lexer/lexer_state.h"
#include "lexer/lexer_support.h"

namespace {

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
        Texts tokens, errors;
    } cases[] = {
        // Reading goes on right after the directive line, whatever follows the name; the directive that opens
        // the line after an include is still a directive. One line counter serves all files: one more at the
        // entry and one more at the return.
        {"#include " + middle + " trailing words\nO1 O2",
         {"M1", "IN1", "M2", "O1", "O2", "$"},
         {at_line(8, "Illegal directive #x - Ignoring")}},
        // A quoted name may hold blanks, an unquoted one ends at the first; a
        // directive on the last line without a line feed is acted on.
        {"#include \"" + spaced + "\"\n#include " + spaced + "\n#include\t" + first_part +
             "\\ blank.oxel\nEND\n#include " + last,
         {"SPACED", "SPACED", "[END]", "LAST", "$"},
         {at_line(5, "Couldn't open #include file " + first_part),
          at_line(5, "Ignoring #include directive")}},
        // A NUL byte in the directive line still ends the including file.
        {"#include " + before_nul + std::string(1, '\0') + "\nHIDDEN", {"INNER", "$"}, {}},
        // A Ctrl-Z ends the included file only.
        {"#include " + ctrl_z_inside + "\r\nOUTER", {"INNER", "OUTER", "$"}, {}},
        // A file that cannot be opened and a directive other than the
        // lower-case word include are reported and skipped.
        {"A\n#include /no/such/dir/x.oxel\nB\n#include \"" + folder +
             "\"\nC\n#INCLUDE x.oxel\n#\n#  pragma once\n#" + std::string(90, 'w') + "\nAFTER",
         {"A", "B", "C", "AFTER", "$"},
         {at_line(3, "Couldn't open #include file /no/such/dir/x.oxel"),
          at_line(3, "Ignoring #include directive"), at_line(5, "Couldn't open #include file " + folder),
          at_line(5, "Ignoring #include directive"), at_line(7, "Illegal directive #INCLUDE - Ignoring"),
          at_line(8, "Illegal directive # - Ignoring"), at_line(9, "Illegal directive #pragma - Ignoring"),
          at_line(10, "Illegal directive #" + std::string(80, 'w') + " - Ignoring")}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.source.substr(0, 40));
        Recorder host;
        LexerReader reader(host, c.source);
        EXPECT_EQ(reader.all(false), c.tokens);
        EXPECT_EQ(host.texts(OXEL_KIND_ERROR), c.errors);
        EXPECT_EQ(host.counters.errors, static_cast<int32_t>(c.errors.size()));
    }
}

TEST(IncludeStack, AFileThatIncludesItselfIsReadElevenLevelsDeep) {
    Recorder host;
    std::string path = write_temp_file("self.oxel", "");
    int files_before = open_descriptors();
    Texts tokens;
    {
        LexerReader reader(host, "#include \"" + path + "\"\nW\n", "self.oxel");
        tokens.push_back(reader.next().what);
        // At the deepest level only the main file and the current one are open.
        EXPECT_EQ(open_descriptors(), files_before + 2);
        for (const std::string &t : reader.all(false))
            tokens.push_back(t);
    }
    Texts twelve(12, "W");
    twelve.push_back("$");
    EXPECT_EQ(tokens, twelve);
    // Eleven entries and twelve directive lines have passed the counter.
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR), (Texts{at_line(24, "File nesting limit (10) exceeded"),
                                                  at_line(24, "Ignoring #include directive")}));
    EXPECT_EQ(open_descriptors(), files_before);
}

// A suspended file that is gone when its include ends, or cut below the place where its reading stopped,
// cannot be resumed: the input ends there, and nothing is left open.
TEST(IncludeStack, AnIncludingFileThatIsGoneOrCutShortHasChanged) {
    for (const bool removed : {true, false}) {
        SCOPED_TRACE(removed ? "removed" : "cut short");
        Recorder host;
        const int files_before = open_descriptors();
        const std::string innermost = write_temp_file("innermost.oxel", "INNER1 INNER2");
        const std::string middle = write_temp_file("vanishing.oxel", "#include " + innermost + "\nMIDDLE\n");
        {
            LexerReader reader(host, "#include " + middle + "\nOUTER\n");
            EXPECT_EQ(reader.next().value, "INNER1");
            if (removed)
                ASSERT_EQ(std::remove(middle.c_str()), 0);
            else
                write_temp_file("vanishing.oxel", "#");
            const LexedToken second = reader.next();
            EXPECT_EQ(second.value, "INNER2");
            EXPECT_EQ(reader.next().token, 0);
            EXPECT_EQ(reader.next().token, 0);  // and the main file is not resumed either
            EXPECT_EQ(host.texts(OXEL_KIND_ERROR),
                      Texts{at_line(second.line, "#include file " + middle + " has changed")});
        }
        EXPECT_EQ(open_descriptors(), files_before);
    }
}

// Ten includes of the file itself, written to `name`: its path.
std::string include_bomb(const std::string &name) {
    const std::string path = write_temp_file(name, "");
    std::string lines;
    for (int i = 0; i < 10; i++)
        lines += "#include \"" + path + "\"\n";
    return write_temp_file(name, lines);
}

// Ten self-includes per file would open 10^11 files: the budget of 4096 files opened stops the input at the
// directive that would open one more, with one message, and the lexer fails as it does on an over-long token.
// A new file starts with the whole budget again.
TEST(IncludeStack, AnIncludeBombEndsTheInputAtTheFileBudget) {
    Recorder host;
    const std::string lines = read_file(include_bomb("bomb.oxel"));
    auto lexer = std::make_unique<lexer_state>();
    for (int round = 0; round < 2; round++) {
        host.clear();
        LexerReader reader(host, lines, "bomb.oxel", lexer.get());
        EXPECT_EQ(reader.next().token, -1);
        EXPECT_TRUE(lexer_failed(reader.lexer()));
        EXPECT_EQ(reader.lexer().includes.files_opened, 4096);
        const Texts errors = host.texts(OXEL_KIND_ERROR);
        ASSERT_FALSE(errors.empty());
        EXPECT_EQ(errors.back(), at_line(lexer_line(reader.lexer()), "Too many #include files (4096)"));
        // Every other message is the nesting limit's pair, ten for each file at the deepest level.
        EXPECT_EQ(std::count_if(errors.begin(), errors.end(),
                                [](const std::string &e) { return e.find("Too many") != std::string::npos; }),
                  1);
        EXPECT_EQ((errors.size() - 1) % 20, 0u);
        EXPECT_EQ(reader.next().token, 0);  // the input stays ended
        EXPECT_EQ(host.texts(OXEL_KIND_ERROR).size(), errors.size());
    }
}


// Include trouble is reported but is no syntax error: the header from an include file still reaches the root.
// The probe reads its token from an include file, yet the parse starts over at the top of the main file; a
// parse that stops inside an include file closes it. None leaves a file open.
TEST(IncludeFiles, TroubleIsReportedTheProbeStartsOverAndAStopClosesEveryFile) {
    Recorder host(3);
    OxelInitialize(host.host());
    const int files_before = open_descriptors();
    const std::string header =
        write_temp_file("header part.oxel", "OXEL_HEADER CREATION_LOG \"a\" \"b\" \"c\" \"d\" END OXEL_HEADER\n");
    const std::string opening = write_temp_file("opening.oxel", "* the frame opens here\noxel\n");
    const std::string path = write_temp_file("with_header.oxel", "#include " + opening + "\n" +
                                             "#include \"/no/such/file.oxel\"\n#include \"" + header +
                                             "\"\nEND OXEL\n");
    EXPECT_EQ(FileIsOxel(host.host(), path.c_str()), 1);
    ASSERT_EQ(OxelParse(host.host(), path.c_str()), OXEL_OK) << host.dump();
    EXPECT_EQ(row(host.counters.errors, OxelGetSyntaxErrors(), open_descriptors()), row(2, 0, files_before));
    const HeaderRecord *parsed = OxelGetInfo()->header;
    ASSERT_TRUE(parsed && parsed->creation_log);
    EXPECT_STREQ(parsed->creation_log->reason, "d");

    host.clear();
    const std::string inner = write_temp_file("broken_inner.oxel", "OXEL_HEADER CREATION_LOG \"a\" = \n");
    const std::string middle =
        write_temp_file("broken_middle.oxel", "#include " + inner + "\nEND OXEL_HEADER\n");
    const std::string broken =
        write_temp_file("broken_main.oxel", "OXEL\n#include " + middle + "\nEND OXEL\n");
    EXPECT_EQ(OxelParse(host.host(), broken.c_str()), OXEL_FAILED);
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR), Texts{"syntax error >> line 6 near \"=\""}) << host.dump();
    EXPECT_EQ(open_descriptors(), files_before);
    EXPECT_EQ(OxelGetInfo()->header, nullptr);
}

// The probe of FileIsOxel is cut at the file budget as the lexer is, after one message.
TEST(IncludeFiles, AnIncludeBombIsCutShortInTheProbe) {
    Recorder host(3);
    EXPECT_EQ(FileIsOxel(host.host(), include_bomb("api_bomb.oxel").c_str()), 0);
    const Texts errors = host.texts(OXEL_KIND_ERROR);
    EXPECT_EQ(std::count_if(errors.begin(), errors.end(),
                            [](const std::string &e) { return e.find("Too many #include files") != e.npos; }),
              1);
}

}  // namespace

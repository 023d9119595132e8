// Syntax messages: composition, the detail line, one pair per failed parse
#include <gtest/gtest.h>

#include <string>

#include "support/recorder.h"

namespace {

// Parses `text` and returns the recorder holding what was reported.
void parse_text(Recorder &host, const std::string &name, const std::string &text, int32_t expected = OXEL_FAILED) {
    OxelInitialize(host.host());
    std::string path = write_temp_file(name, text);
    EXPECT_EQ(OxelParse(host.host(), path.c_str()), expected) << host.dump();
}

const std::string kIndent(12, ' ');

}  // namespace

TEST(SyntaxErrors, FrameWithoutSectionsNamesWhatMayComeInside) {
    Recorder host;
    parse_text(host, "no_section.oxel", "OXEL\nEND OXEL\n");
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR), std::vector<std::string>{"syntax error >> line 2 near \"END\""});
    EXPECT_EQ(host.texts(OXEL_KIND_NOTE),
              std::vector<std::string>{kIndent + "Board, component, technology, header or END OXEL expected"});
    EXPECT_EQ(OxelGetSyntaxErrors(), 1);
}

TEST(SyntaxErrors, AFileMustOpenWithOxelAndNothingMayFollowItsEnd) {
    Recorder host;
    parse_text(host, "no_oxel.oxel", "BOARD b END BOARD\n");
    EXPECT_EQ(host.texts(OXEL_KIND_NOTE),
              std::vector<std::string>{kIndent + "File must start with OXEL and end with END OXEL"});
    Recorder after;
    parse_text(after, "trailing.oxel",
               "OXEL OXEL_HEADER CREATION_LOG \"a\" \"b\" \"c\" \"d\" END OXEL_HEADER END OXEL\nOXEL\n");
    EXPECT_EQ(after.texts(OXEL_KIND_ERROR), std::vector<std::string>{"syntax error >> line 2 near \"OXEL\""});
    EXPECT_EQ(after.texts(OXEL_KIND_NOTE),
              std::vector<std::string>{kIndent + "File must start with OXEL and end with END OXEL"});
}

TEST(SyntaxErrors, HeaderLogsSayWhatWasExpected) {
    Recorder no_creation;
    parse_text(no_creation, "no_creation.oxel", "OXEL OXEL_HEADER CHANGE_LOG \"a\" \"b\" \"c\" \"d\" END OXEL_HEADER END OXEL");
    EXPECT_EQ(no_creation.texts(OXEL_KIND_NOTE), std::vector<std::string>{kIndent + "CREATIONLOG expected"});

    Recorder bad_change;
    parse_text(bad_change, "bad_change.oxel",
               "OXEL OXEL_HEADER CREATION_LOG \"a\" \"b\" \"c\" \"d\" BOARD END OXEL_HEADER END OXEL");
    EXPECT_EQ(bad_change.texts(OXEL_KIND_NOTE),
              std::vector<std::string>{kIndent + "CHANGELOG or END OXEL_HEADER expected"});
    EXPECT_EQ(bad_change.texts(OXEL_KIND_ERROR), std::vector<std::string>{"syntax error >> line 1 near \"BOARD\""});
}

TEST(SyntaxErrors, SingleCharacterTokensAreQuotedToo) {
    Recorder host;
    parse_text(host, "equals.oxel", "OXEL = END OXEL");
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR), std::vector<std::string>{"syntax error >> line 1 near \"=\""});
}

TEST(SyntaxErrors, ThePercentSignInATokenIsSentAsWritten) {
    Recorder host;
    parse_text(host, "percent.oxel", "OXEL a%s%n END OXEL");
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR), std::vector<std::string>{"syntax error >> line 1 near \"A%S%N\""});
}

TEST(SyntaxErrors, ALongTokenLeavesTheNearPartOut) {
    Recorder host;
    parse_text(host, "long_token.oxel", "OXEL\n\n" + std::string(1010, 'q') + " END OXEL");
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR), std::vector<std::string>{"syntax error >> line 3"});
    EXPECT_EQ(host.texts(OXEL_KIND_NOTE).size(), 1u);
}

TEST(SyntaxErrors, AVeryLongProgramNameIsCutAtTheBuffer) {
    Recorder host;
    OxelSetProgName(host.host(), std::string(3000, 'P').c_str());
    parse_text(host, "long_name.oxel", "OXEL END OXEL");
    ASSERT_EQ(host.texts(OXEL_KIND_ERROR).size(), 1u);
    const std::string text = host.texts(OXEL_KIND_ERROR)[0];
    EXPECT_EQ(text.size(), 1023u);
    EXPECT_EQ(text.rfind("syntax error: PPPP", 0), 0u);
}

TEST(SyntaxErrors, TheDetailLineObeysTheLevelButStillBelongsToItsMessage) {
    Recorder host(2);
    parse_text(host, "level2.oxel", "OXEL END OXEL");
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR).size(), 1u);
    EXPECT_TRUE(host.texts(OXEL_KIND_NOTE).empty());
    EXPECT_EQ(host.counters.errors, 1);
}

TEST(SyntaxErrors, AnEmptyFileIsAcceptedByTheGrammarButIsNoOxelFile) {
    Recorder host;
    parse_text(host, "comments_only.oxel", "* nothing but a comment\n");
    EXPECT_EQ(OxelGetSyntaxErrors(), 0);
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR).size(), 1u);
    EXPECT_TRUE(host.texts(OXEL_KIND_NOTE).empty());
}

TEST(SyntaxErrors, WordsAfterAKeywordInAnyCaseAreKeywords) {
    Recorder host;
    parse_text(host, "mixed_case.oxel",
               "oxel Oxel_Header creation_log \"a\" \"b\" \"c\" \"d\" end OXEL_header End oXeL\n", OXEL_OK);
    EXPECT_TRUE(host.messages.size() == 1u) << host.dump();  // the progress line only
    OxelDestroy(host.host());
}

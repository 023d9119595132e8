// Keyword table: spellings matched exactly, both spellings of a keyword
#include "lexer/keywords.h"
#include "lexer/lexer_support.h"

TEST(Keywords, BothSpellingsReachOneTokenAndTheLookupIsExact) {
    const std::pair<const char *, int> spellings[] = {
        {"BPV", LEX_BPV}, {"@BPV", LEX_BPV}, {"IEEE_1149.1-1990", LEX_IEEE_1149_1_1990},
        {"IEEE_1149.1_1990", LEX_IEEE_1149_1_1990}, {"JTAG_V2.0", LEX_JTAG_V2_0},
        {"JTAG_V2_0", LEX_JTAG_V2_0}, {"UPD", LEX_UPDATE}, {"UPDATE", LEX_UPDATE},
        {"CLOCK_FREQUENCY", LEX_CLOCK_FREQUENCY}, {"FLASH", LEX_FLASH}};
    for (const auto &[text, token] : spellings)
        EXPECT_EQ(keyword_lookup(text), token) << text;
    for (const char *text :
         {"end", "End", "OXEL ", " OXEL", "OXE", "OXELS", "", "IEEE_1149_1_1990", "JTAG_V2-0"})
        EXPECT_EQ(keyword_lookup(text), 0) << '"' << text << '"';
}

// The fuzz dictionary is written from the table: each of its 124 entries is
// an upper-case spelling that looks up to a keyword's own token.
TEST(Keywords, EveryEntryOfTheTableIsReadBackByItsPosition) {
    ASSERT_EQ(keyword_count(), 124);
    for (int i = 0; i < keyword_count(); i++) {
        const std::string text = keyword_text(i);
        EXPECT_EQ(text.find_first_of("abcdefghijklmnopqrstuvwxyz"), std::string::npos) << text;
        const int token = keyword_lookup(text.c_str());
        const bool token_class = token >= LEX_IDENTIFIER && token <= LEX_REAL;
        EXPECT_TRUE(token >= LEX_ALTERED_REGISTERS && token <= LEX_FLASH && !token_class) << text;
    }
    EXPECT_EQ(keyword_text(-1), nullptr);
    EXPECT_EQ(keyword_text(keyword_count()), nullptr);
}

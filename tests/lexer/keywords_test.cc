// Keyword table: spellings matched exactly, both spellings of a keyword
#include "lexer/keywords.h"
#include "lexer/lexer_support.h"

TEST(Keywords, BothSpellingsReachOneTokenAndTheLookupIsExact) {
    const std::pair<const char *, int> spellings[] = {{"BPV", LEX_BPV},
                                                      {"@BPV", LEX_BPV},
                                                      {"IEEE_1149.1-1990", LEX_IEEE_1149_1_1990},
                                                      {"IEEE_1149.1_1990", LEX_IEEE_1149_1_1990},
                                                      {"JTAG_V2.0", LEX_JTAG_V2_0},
                                                      {"JTAG_V2_0", LEX_JTAG_V2_0},
                                                      {"UPD", LEX_UPDATE},
                                                      {"UPDATE", LEX_UPDATE},
                                                      {"CLOCK_FREQUENCY", LEX_CLOCK_FREQUENCY},
                                                      {"FLASH", LEX_FLASH}};
    for (const auto &[text, token] : spellings)
        EXPECT_EQ(keyword_lookup(text), token) << text;
    for (const char *text :
         {"end", "End", "OXEL ", " OXEL", "OXE", "OXELS", "", "IEEE_1149_1_1990", "JTAG_V2-0"})
        EXPECT_EQ(keyword_lookup(text), 0) << '"' << text << '"';
}

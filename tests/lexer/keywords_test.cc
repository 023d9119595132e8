// Keyword table: spellings matched exactly, both spellings of a keyword
#include <gtest/gtest.h>

#include "lexer/keywords.h"
#include "lexer/lexer_support.h"

namespace {

TEST(Keywords, BothSpellingsReachOneTokenAndTheLookupIsExact) {
    const struct {
        const char *text;
        int token;
    } spellings[] = {{"BPV", LEX_BPV}, {"@BPV", LEX_BPV}, {"IEEE_1149.1-1990", LEX_IEEE_1149_1_1990},
                     {"IEEE_1149.1_1990", LEX_IEEE_1149_1_1990}, {"JTAG_V2.0", LEX_JTAG_V2_0},
                     {"JTAG_V2_0", LEX_JTAG_V2_0}, {"UPD", LEX_UPDATE}, {"UPDATE", LEX_UPDATE},
                     {"CLOCK_FREQUENCY", LEX_CLOCK_FREQUENCY}, {"FLASH", LEX_FLASH}};
    for (const auto &s : spellings)
        EXPECT_EQ(keyword_lookup(s.text), s.token) << s.text;
    for (const char *text : {"end", "End", "OXEL ", " OXEL", "OXE", "OXELS", "", "IEEE_1149_1_1990", "JTAG_V2-0"})
        EXPECT_EQ(keyword_lookup(text), 0) << '"' << text << '"';
}

TEST(Keywords, TheLexerReadsEitherSpellingInAnyCase) {
    Recorder host;
    LexerReader reader(host, "keywords.oxel", "@bpv Bpv ieee_1149.1-1990 Ieee_1149.1_1990 jtag_v2.0 upd Update @wtn");
    for (int token : std::vector<int>{LEX_BPV, LEX_BPV, LEX_IEEE_1149_1_1990, LEX_IEEE_1149_1_1990,
                                      LEX_JTAG_V2_0, LEX_UPDATE, LEX_UPDATE, LEX_WTN, 0})
        EXPECT_EQ(reader.next().token, token);
    EXPECT_TRUE(host.messages.empty()) << host.dump();
}

}  // namespace

// Keyword table: every spelling with its token number, matched exactly
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "lexer/keywords.h"
#include "lexer/lexer_support.h"

namespace {

struct KeywordSpelling {
    int token;
    const char *text;
};

// The language's keywords, written out here from the language's own table
// rather than from the lexer's, so that a slip in either shows.
const KeywordSpelling kLanguageKeywords[] = {
    {257, "ALTERED_REGISTERS"}, {258, "BIST_REGISTER"}, {259, "BOARD"}, {260, "BOARD_LEVEL_CHAIN"},
    {261, "BOARD_LEVEL_TAP"}, {262, "BOUNDARY_SCAN_REGISTER"}, {263, "BPV"}, {263, "@BPV"},
    {264, "BYPASS"}, {265, "BYPASS_REGISTER"}, {266, "CAPTURE"}, {267, "CAPTURE_STATUS_LIST"},
    {268, "CELL"}, {269, "CHAIN_LIST"}, {270, "CHANGE_LOG"}, {271, "CLOCK"}, {272, "CMT"},
    {272, "@CMT"}, {273, "CNF"}, {273, "@CNF"}, {274, "COMPONENT"}, {275, "PART_CHAIN"},
    {276, "GLOBAL_FAMILY"}, {277, "CONCATENATION"}, {278, "COVERAGE"}, {279, "CREATION_LOG"},
    {280, "DATA_INPUTS"}, {281, "DATA_OUTPUTS"}, {282, "DATA_REGISTER"}, {283, "DATA_SELECT"},
    {284, "DRS"}, {284, "@DRS"}, {285, "OXEL"}, {286, "OXEL_HEADER"}, {287, "END"},
    {288, "EXTERNAL"}, {289, "EXTEST"}, {290, "GND"}, {291, "HOLD_TIME"}, {292, "IDCODE"},
    {293, "IDENTIFICATION_REGISTER"}, {294, "IEEE_1149.1-1990"}, {294, "IEEE_1149.1_1990"},
    {295, "IN"}, {296, "INIT_UPDATE"}, {297, "INPUT_CURRENT"}, {298, "INPUT_VOLTAGE"},
    {299, "INSTRUCTION_LIST"}, {300, "INSTRUCTION_REGISTER"}, {301, "INTERNAL"}, {302, "INTEST"},
    {303, "IO"}, {304, "IOZ"}, {305, "ITP"}, {305, "@ITP"}, {306, "JTAG_V2.0"}, {306, "JTAG_V2_0"},
    {307, "LENGTH"}, {308, "MANUFACTURER_IDCODE"}, {309, "TEST_FREQUENCY"}, {310, "CLOCK_FREQUENCY"},
    {311, "MIN_DURATION"}, {312, "MODE_LIST"}, {313, "NC"}, {314, "NETLIST_MAP"}, {315, "OUT"},
    {316, "OUTPUT_CURRENT"}, {317, "OUTPUT_VOLTAGE"}, {318, "OUTZ"}, {319, "PARALLEL_OUTPUTS"},
    {320, "PARTNUMBER_IDCODE"}, {321, "PIN_LIST"}, {322, "PIN_FAMILY"}, {323, "PPA"}, {323, "@PPA"},
    {324, "PRELOAD"}, {325, "PRIVATE"}, {326, "PURPOSE"}, {327, "PWR"}, {328, "R0"}, {329, "R1"},
    {330, "R2"}, {331, "R3"}, {332, "RST"}, {332, "@RST"}, {333, "RUNBIST"}, {334, "SAMPLE"},
    {335, "SAMPLE_PRELOAD"}, {336, "SELECT"}, {337, "SETUP_TIME"}, {338, "SI"}, {339, "STANDARD"},
    {340, "TAP"}, {340, "@TAP"}, {341, "TCK"}, {342, "TCK_STOP_AT_ONE"}, {343, "TDI"}, {344, "TDO"},
    {345, "TEMPERATURE_RANGE"}, {346, "TEST_SEQUENCE"}, {347, "TMS"}, {348, "TPHL"}, {349, "TPLH"},
    {350, "TRST"}, {351, "UNKNOWN"}, {352, "UPD"}, {352, "UPDATE"}, {353, "USERCODE"},
    {354, "USERCODE_REGISTER"}, {355, "ILLEGAL_VECTORS"}, {356, "VCC_VOLTAGE"},
    {357, "VERSION_IDCODE"}, {358, "WHITESPACE"}, {359, "WTN"}, {359, "@WTN"}, {360, "YES"},
    {361, "NO"}, {366, "T"}, {367, "P"}, {368, "CLAMP"}, {369, "HIGHZ"}, {370, "Z"}, {371, "HIZ"},
    {372, "FLASH"},
};

TEST(Keywords, TheTableHoldsEveryKeywordOfTheLanguageAndNothingElse) {
    EXPECT_EQ(keyword_count(), 124);
    EXPECT_EQ(std::size(kLanguageKeywords), 124u);
    std::set<int> tokens;
    for (const KeywordSpelling &k : kLanguageKeywords) {
        EXPECT_EQ(keyword_lookup(k.text), k.token) << k.text;
        tokens.insert(k.token);
    }
    // 257 to 372 without the four token classes 362 to 365.
    EXPECT_EQ(tokens.size(), 112u);
    EXPECT_EQ(*tokens.begin(), 257);
    EXPECT_EQ(*tokens.rbegin(), 372);
    for (int token_class : {362, 363, 364, 365})
        EXPECT_EQ(tokens.count(token_class), 0u);
}

TEST(Keywords, TheGeneratedTokenNumbersAgreeWithTheTable) {
    EXPECT_EQ(TK_IDENTIFIER, 362);
    EXPECT_EQ(TK_INTEGER, 363);
    EXPECT_EQ(TK_STRING, 364);
    EXPECT_EQ(TK_REAL, 365);
    EXPECT_EQ(TK_OXEL, 285);
    EXPECT_EQ(TK_END, 287);
    EXPECT_EQ(TK_IEEE_1149_1_1990, 294);
    EXPECT_EQ(TK_UPDATE, 352);
    EXPECT_EQ(TK_FLASH, 372);
}

TEST(Keywords, TheLookupIsExactAndCaseSensitive) {
    for (const char *text : {"end", "End", "OXEL ", " OXEL", "OXE", "OXELS", "", "IEEE_1149_1_1990", "JTAG_V2-0"})
        EXPECT_EQ(keyword_lookup(text), 0) << '"' << text << '"';
}

// Every spelling, written in lower case in a file, reaches its token.
TEST(Keywords, EverySpellingIsReadByTheLexerInAnyCase) {
    std::string source;
    for (const KeywordSpelling &k : kLanguageKeywords) {
        for (const char *p = k.text; *p; ++p)
            source += static_cast<char>(*p >= 'A' && *p <= 'Z' ? *p - 'A' + 'a' : *p);
        source += '\n';
    }
    Recorder host;
    LexerReader reader(host, "all_keywords.oxel", source);
    std::vector<LexedToken> tokens = reader.all();
    ASSERT_EQ(tokens.size(), std::size(kLanguageKeywords) + 1);
    for (size_t i = 0; i < std::size(kLanguageKeywords); i++)
        EXPECT_EQ(tokens[i].token, kLanguageKeywords[i].token) << kLanguageKeywords[i].text;
}

}  // namespace

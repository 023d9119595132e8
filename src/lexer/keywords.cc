// Keyword table: every keyword of the language with its token number
#include "lexer/keywords.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "lexer/tokens.h"

namespace {

struct keyword_entry {
    const char *text;   // upper case, as matched after upper-casing a word
    int token;
};

// The statements' keywords from the statement table, then every other
// keyword. The VRAK mnemonics stand twice, with and without a leading at
// sign; a few other tokens have two spellings too.
constexpr keyword_entry kKeywords[] = {
#define STATEMENT_KEYWORD(name, ...) {#name, LEX_##name},
    OXEL_STATEMENTS(STATEMENT_KEYWORD)
#undef STATEMENT_KEYWORD
    {"BOARD", LEX_BOARD},
    {"BOARD_LEVEL_TAP", LEX_BOARD_LEVEL_TAP},
    {"BPV", LEX_BPV},
    {"@BPV", LEX_BPV},
    {"BYPASS", LEX_BYPASS},
    {"CAPTURE_STATUS_LIST", LEX_CAPTURE_STATUS_LIST},
    {"CHANGE_LOG", LEX_CHANGE_LOG},
    {"CMT", LEX_CMT},
    {"@CMT", LEX_CMT},
    {"CNF", LEX_CNF},
    {"@CNF", LEX_CNF},
    {"COMPONENT", LEX_COMPONENT},
    {"PART_CHAIN", LEX_PART_CHAIN},
    {"CREATION_LOG", LEX_CREATION_LOG},
    {"DRS", LEX_DRS},
    {"@DRS", LEX_DRS},
    {"OXEL", LEX_OXEL},
    {"END", LEX_END},
    {"EXTERNAL", LEX_EXTERNAL},
    {"EXTEST", LEX_EXTEST},
    {"GND", LEX_GND},
    {"HOLD_TIME", LEX_HOLD_TIME},
    {"IDCODE", LEX_IDCODE},
    {"IEEE_1149.1-1990", LEX_IEEE_1149_1_1990},
    {"IEEE_1149.1_1990", LEX_IEEE_1149_1_1990},
    {"IN", LEX_IN},
    {"INPUT_CURRENT", LEX_INPUT_CURRENT},
    {"INPUT_VOLTAGE", LEX_INPUT_VOLTAGE},
    {"INTERNAL", LEX_INTERNAL},
    {"INTEST", LEX_INTEST},
    {"IO", LEX_IO},
    {"IOZ", LEX_IOZ},
    {"ITP", LEX_ITP},
    {"@ITP", LEX_ITP},
    {"JTAG_V2.0", LEX_JTAG_V2_0},
    {"JTAG_V2_0", LEX_JTAG_V2_0},
    {"TEST_FREQUENCY", LEX_TEST_FREQUENCY},
    {"CLOCK_FREQUENCY", LEX_CLOCK_FREQUENCY},
    {"NC", LEX_NC},
    {"OUT", LEX_OUT},
    {"OUTPUT_CURRENT", LEX_OUTPUT_CURRENT},
    {"OUTPUT_VOLTAGE", LEX_OUTPUT_VOLTAGE},
    {"OUTZ", LEX_OUTZ},
    {"PPA", LEX_PPA},
    {"@PPA", LEX_PPA},
    {"PRIVATE", LEX_PRIVATE},
    {"PWR", LEX_PWR},
    {"R0", LEX_R0},
    {"R1", LEX_R1},
    {"R2", LEX_R2},
    {"R3", LEX_R3},
    {"RST", LEX_RST},
    {"@RST", LEX_RST},
    {"RUNBIST", LEX_RUNBIST},
    {"SAMPLE", LEX_SAMPLE},
    {"SAMPLE_PRELOAD", LEX_SAMPLE_PRELOAD},
    {"SELECT", LEX_SELECT},
    {"SETUP_TIME", LEX_SETUP_TIME},
    {"SI", LEX_SI},
    {"TAP", LEX_TAP},
    {"@TAP", LEX_TAP},
    {"TCK", LEX_TCK},
    {"TCK_STOP_AT_ONE", LEX_TCK_STOP_AT_ONE},
    {"TDI", LEX_TDI},
    {"TDO", LEX_TDO},
    {"TEMPERATURE_RANGE", LEX_TEMPERATURE_RANGE},
    {"TMS", LEX_TMS},
    {"TPHL", LEX_TPHL},
    {"TPLH", LEX_TPLH},
    {"TRST", LEX_TRST},
    {"UNKNOWN", LEX_UNKNOWN},
    {"UPD", LEX_UPDATE},
    {"UPDATE", LEX_UPDATE},
    {"USERCODE", LEX_USERCODE},
    {"VCC_VOLTAGE", LEX_VCC_VOLTAGE},
    {"WHITESPACE", LEX_WHITESPACE},
    {"WTN", LEX_WTN},
    {"@WTN", LEX_WTN},
    {"YES", LEX_YES},
    {"NO", LEX_NO},
    {"T", LEX_T},
    {"P", LEX_P},
    {"CLAMP", LEX_CLAMP},
    {"HIGHZ", LEX_HIGHZ},
    {"Z", LEX_Z},
    {"HIZ", LEX_HIZ},
    {"FLASH", LEX_FLASH},
};

}  // namespace

int keyword_count() { return static_cast<int>(sizeof kKeywords / sizeof kKeywords[0]); }

const char *keyword_text(int index) {
    return index >= 0 && index < keyword_count() ? kKeywords[index].text : nullptr;
}

namespace {

constexpr uint32_t keyword_hash(const char *text) {
    uint32_t hash = 2166136261u;
    for (; *text; text++)
        hash = (hash ^ static_cast<unsigned char>(*text)) * 16777619u;
    return hash;
}

constexpr bool same_text(const char *a, const char *b) {
    for (; *a && *a == *b; a++, b++) {
    }
    return *a == *b;
}

// The keywords by hash, open addressing, built by the compiler: each slot
// holds an entry's index + 1 (0: empty). A spelling listed twice keeps its
// first entry, as a search of the table from its start would find.
constexpr size_t kKeywordSlots = 512;
struct KeywordSlots {
    uint16_t entry[kKeywordSlots];
};

constexpr KeywordSlots build_keyword_slots() {
    KeywordSlots slots{};
    for (size_t i = 0; i < sizeof kKeywords / sizeof kKeywords[0]; i++) {
        size_t slot = keyword_hash(kKeywords[i].text) & (kKeywordSlots - 1);
        while (slots.entry[slot] && !same_text(kKeywords[slots.entry[slot] - 1].text, kKeywords[i].text))
            slot = (slot + 1) & (kKeywordSlots - 1);
        if (!slots.entry[slot])
            slots.entry[slot] = static_cast<uint16_t>(i + 1);
    }
    return slots;
}

constexpr KeywordSlots kKeywordIndex = build_keyword_slots();
static_assert(sizeof kKeywords / sizeof kKeywords[0] * 2 < kKeywordSlots, "the keyword index is too full");

}  // namespace

int keyword_lookup(const char *text) {
    size_t slot = keyword_hash(text) & (kKeywordSlots - 1);
    for (; kKeywordIndex.entry[slot]; slot = (slot + 1) & (kKeywordSlots - 1)) {
        const keyword_entry &entry = kKeywords[kKeywordIndex.entry[slot] - 1];
        if (std::strcmp(entry.text, text) == 0)
            return entry.token;
    }
    return 0;
}

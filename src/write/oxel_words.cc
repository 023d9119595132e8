// OXEL words: names, strings, numbers and bit patterns written so that the lexer reads them back as they are
#include "write/oxel_words.h"

#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/text_input.h"
#include "lexer/keywords.h"
#include "lexer/lexer.h"
#include "lexer/lexer_state.h"

namespace {

bool in_word(int c) {
    return is_letter(c) || is_digit(c) || (c != 0 && std::strchr("_.!#%&/=?-{}$+`^'<>@|~\\", c) != nullptr);
}

// A text a token can hold: no end of the reading inside, not too long.
bool holdable(const char *text) {
    if (!text)
        return false;
    size_t length = 0;
    for (const char *p = text; *p; p++, length++)
        if (*p == kTextEndMark)
            return false;
    return length <= static_cast<size_t>(kMaxTokenLength);
}

bool all_of(const char *text, bool (*accepted)(int)) {
    for (const char *p = text; *p; p++)
        if (!accepted(static_cast<unsigned char>(*p)))
            return false;
    return true;
}

bool is_digit_char(int c) { return is_digit(c); }
bool is_hex_char(int c) { return is_hex_digit(c); }
bool is_ternary_char(int c) { return c == '0' || c == '1' || c == 'x' || c == 'X'; }

// Digits with an optional minus before them: an integer that keeps its text.
bool is_decimal_text(const char *text) {
    const char *digits = *text == '-' ? text + 1 : text;
    return *digits && all_of(digits, is_digit_char);
}

// A word that the reader takes as an identifier at the spot.
bool reads_as_name(const char *text, NameSpot spot) {
    if (!(is_letter(static_cast<unsigned char>(*text)) || *text == '@'))
        return false;
    char upper[kMaxTokenLength + 1];
    size_t n = 0;
    for (const char *p = text; *p; p++) {
        if (!in_word(static_cast<unsigned char>(*p)))
            return false;
        upper[n++] = (*p >= 'a' && *p <= 'z') ? static_cast<char>(*p - 'a' + 'A') : *p;
    }
    upper[n] = '\0';
    return spot == NameSpot::name ? std::strcmp(upper, "END") != 0 : keyword_lookup(upper) == 0;
}

// A token with a prefix glued before the text.
void put_prefixed(TextOut &out, const char *sign, const char *prefix, const char *digits) {
    if (out.need_blank)
        put_bytes(out, " ", 1);
    put_text(out, sign);
    put_text(out, prefix);
    put_text(out, digits);
    out.need_blank = true;
}

}  // namespace

bool put_string(TextOut &out, const char *text) {
    if (!holdable(text))
        return false;
    if (out.need_blank)
        put_bytes(out, " ", 1);
    put_bytes(out, "\"", 1);
    // A backslash takes the next character as it is: the quote, the
    // backslash, and the line ends, which the reader would otherwise fold.
    const char *run = text;
    for (const char *p = text; *p; p++) {
        if (*p == '"' || *p == '\\' || *p == '\r' || *p == '\n') {
            put_bytes(out, run, static_cast<size_t>(p - run));
            put_bytes(out, "\\", 1);
            run = p;
        }
    }
    put_text(out, run);
    put_bytes(out, "\"", 1);
    out.need_blank = true;
    return true;
}

bool put_name(TextOut &out, const char *text, NameSpot spot) {
    if (!holdable(text))
        return false;
    if (!reads_as_name(text, spot))
        return put_string(out, text);
    put_token(out, text);
    return true;
}

bool put_word(TextOut &out, const char *text, NameSpot spot) {
    if (text && is_decimal_text(text) && holdable(text)) {
        put_token(out, text);
        return true;
    }
    return put_name(out, text, spot);
}

bool put_integer_text(TextOut &out, const char *text) {
    if (!holdable(text))
        return false;
    if (is_decimal_text(text)) {
        put_token(out, text);
        return true;
    }
    const char *sign = *text == '-' ? "-" : "", *digits = *text == '-' ? text + 1 : text;
    if (all_of(digits, is_hex_char))
        put_prefixed(out, sign, "0x", digits);
    else if (all_of(digits, is_ternary_char))
        put_prefixed(out, sign, "0t", digits);
    else
        return false;
    return true;
}

void put_integer(TextOut &out, int64_t value) {
    char text[32];
    std::snprintf(text, sizeof text, "%" PRId64, value);
    put_token(out, text);
}

bool put_number(TextOut &out, const double *value) {
    if (!value) {
        put_token(out, "-");
        return true;
    }
    if (std::isnan(*value))
        return false;
    if (std::isinf(*value)) {   // what the reader makes of a number beyond the range
        put_token(out, *value > 0 ? "1e999" : "-1e999");
        return true;
    }
    // The shortest text that reads back to the same double, always with a
    // fraction or an exponent: an integer literal would be cut to 32 bits.
    char text[40];
    for (int precision = 1; precision <= 17; precision++) {
        std::snprintf(text, sizeof text, "%.*g", precision, *value);
        if (std::strtod(text, nullptr) == *value)
            break;
    }
    // The reader's decimal mark is a full stop, whatever the host's locale.
    for (char *p = text; *p; p++)
        if (*p == ',')
            *p = '.';
    if (!std::strpbrk(text, ".e"))
        std::strcat(text, ".0");
    put_token(out, text);
    return true;
}

bool put_pattern(TextOut &out, const char *text) {
    if (!text)
        return false;
    size_t length = std::strlen(text);
    if (length == 0)
        return put_string(out, "");
    // Words of at most 64 characters, eight to a line: digits bare, anything
    // else quoted.
    constexpr size_t kWord = 64;
    char word[kWord + 1];
    for (size_t at = 0, count = 0; at < length; at += kWord, count++) {
        size_t n = length - at < kWord ? length - at : kWord;
        std::memcpy(word, text + at, n);
        word[n] = '\0';
        if (count > 0 && count % 8 == 0)
            begin_line(out);
        if (all_of(word, is_digit_char))
            put_token(out, word);
        else if (!put_string(out, word))
            return false;
    }
    return true;
}

bool put_index(TextOut &out, const IndexRecord *index) {
    if (!index)
        return false;
    char text[48];
    if (index->kind == OXEL_INDEX_NUMBER && index->last == 0)
        std::snprintf(text, sizeof text, "%" PRId64, static_cast<int64_t>(index->first));
    else if (index->kind == OXEL_INDEX_RANGE)
        std::snprintf(text, sizeof text, "%" PRId64 ":%" PRId32, static_cast<int64_t>(index->first), index->last);
    else
        return false;
    put_token(out, text);
    return true;
}

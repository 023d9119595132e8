// Value reader: the pieces every BSDL attribute value is read with
#include "bsdl/value_reader.h"

#include <cstdio>
#include <cstring>

namespace {

struct FoundText {
    char text[kShownLength + 16];
};

const char *found_text(FoundText &buffer, const ValueToken &token) {
    if (token.kind == ValueTokenKind::kEnd)
        return "the end of the string";
    ShownSlice shown;
    std::snprintf(buffer.text, sizeof buffer.text, "'%s'", shown_slice(shown, token_slice(token)));
    return buffer.text;
}

bool stopped(const ValueReader &r) { return r.import.stopped; }

// The token taken as the next one; a character no value holds is the
// import's syntax error.
bool take_token(ValueReader &r) {
    r.token = scan_token(r.scanner);
    if (r.token.kind != ValueTokenKind::kError)
        return true;
    unsigned char c = static_cast<unsigned char>(r.token.text[0]);
    if (c > ' ' && c < 0x7F)
        import_syntax_error(r.import, value_place(r, r.token), "BSDL syntax error in %s: unexpected character '%c'",
                            r.attribute, c);
    else
        import_syntax_error(r.import, value_place(r, r.token), "BSDL syntax error in %s: unexpected byte 0x%02X",
                            r.attribute, c);
    return false;
}

bool is_pattern_char(char c) { return c == '0' || c == '1' || c == 'X'; }

}  // namespace

bool value_start(ValueReader &r, BsdlString &value) {
    scanner_start(r.scanner, value);
    return take_token(r);
}

bool value_advance(ValueReader &r) { return !stopped(r) && take_token(r); }

BsdlPlace value_place(const ValueReader &r, const ValueToken &token) {
    return string_place(*r.scanner.value, token.offset);
}

bool value_at_end(const ValueReader &r) { return r.token.kind == ValueTokenKind::kEnd; }

bool value_expected(ValueReader &r, const char *what) {
    FoundText found;
    import_syntax_error(r.import, value_place(r, r.token), "BSDL syntax error in %s: expected %s, found %s",
                        r.attribute, what, found_text(found, r.token));
    return false;
}

bool value_take_symbol(ValueReader &r, char symbol, const char *what) {
    if (!is_symbol(r.token, symbol))
        return value_expected(r, what);
    return value_advance(r);
}

bool value_take_word(ValueReader &r, const char *what, ValueToken *word) {
    if (r.token.kind != ValueTokenKind::kWord)
        return value_expected(r, what);
    *word = r.token;
    return value_advance(r);
}

bool value_take_number(ValueReader &r, const char *what, int32_t *number, BsdlPlace *place) {
    if (r.token.kind != ValueTokenKind::kWord || !slice_number(token_slice(r.token), number))
        return value_expected(r, what);
    if (place)
        *place = value_place(r, r.token);
    return value_advance(r);
}

bool value_take_pattern(ValueReader &r, const char *kind, BsdlPattern *pattern) {
    if (r.token.kind != ValueTokenKind::kWord)
        return value_expected(r, "a bit pattern");
    char *bits = r.token.text;
    int32_t length = 0;
    *pattern = BsdlPattern{bits, 0, value_place(r, r.token)};
    // The words are closed up in place: each moves left over the blanks
    // before it, into text already read.
    while (r.token.kind == ValueTokenKind::kWord) {
        std::memmove(bits + length, r.token.text, static_cast<size_t>(r.token.length));
        length += r.token.length;
        if (!value_advance(r))
            return false;
    }
    upper_case(bits, length);
    pattern->length = length;
    for (int32_t i = 0; i < length; i++)
        if (!is_pattern_char(bits[i])) {
            ShownSlice shown;
            import_error(r.import, pattern->place, "Bit pattern %s (%s) may hold only 0, 1 and X",
                         shown_slice(shown, BsdlSlice{bits, length}), kind);
            break;
        }
    return true;
}

bool value_list_goes_on(ValueReader &r, char closing) {
    auto at_close = [&r, closing] { return value_at_end(r) || (closing && is_symbol(r.token, closing)); };
    if (at_close())
        return false;
    if (!is_symbol(r.token, ',')) {
        value_expected(r, closing == ')' ? "',' or ')'" : "','");
        return false;
    }
    return value_advance(r) && !at_close();
}

BsdlAttribute *given_attribute(BsdlImport &import, BsdlDocument &d, AttributeId id) {
    BsdlAttribute &attribute = d.attributes[id];
    if (attribute.given)
        return &attribute;
    import_error(import, d.entity_place, "Missing BSDL attribute %s", attribute_name(id));
    return nullptr;
}

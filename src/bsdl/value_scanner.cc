// Value scanner: the words and delimiters inside a BSDL string value
#include "bsdl/value_scanner.h"

#include <cstring>

namespace {

bool is_word_char(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\f' || c == '\v'; }

ValueToken token_at(BsdlString &value, ValueTokenKind kind, int32_t start, int32_t end) {
    return ValueToken{kind, 0, value.text + start, end - start, start};
}

}  // namespace

void scanner_start(ValueScanner &scanner, BsdlString &value) { scanner = ValueScanner{&value, 0}; }

ValueToken scan_token(ValueScanner &scanner) {
    BsdlString &value = *scanner.value;
    int32_t p = scanner.next;
    while (p < value.length && is_blank(value.text[p]))
        p++;
    if (p == value.length) {
        scanner.next = p;
        return token_at(value, ValueTokenKind::kEnd, p, p);
    }
    char c = value.text[p];
    if (is_word_char(c)) {
        int32_t end = p + 1;
        while (end < value.length && is_word_char(value.text[end]))
            end++;
        scanner.next = end;
        return token_at(value, ValueTokenKind::kWord, p, end);
    }
    scanner.next = p + 1;
    if (c != '\0' && std::strchr("(),:*[];", c)) {
        ValueToken symbol = token_at(value, ValueTokenKind::kSymbol, p, p + 1);
        symbol.symbol = c;
        return symbol;
    }
    return token_at(value, ValueTokenKind::kError, p, p + 1);
}

ValueToken peek_token(const ValueScanner &scanner) {
    ValueScanner ahead = scanner;
    return scan_token(ahead);
}

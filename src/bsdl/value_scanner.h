// Value scanner: the words and delimiters inside a BSDL string value
#pragma once

#include <cstdint>

#include "bsdl/bsdl_document.h"

enum class ValueTokenKind : uint8_t {
    kEnd,       // the end of the value
    kWord,      // letters, digits and underscores: a name, a number, a pin, a bit pattern
    kSymbol,    // ( ) , : * [ ] ;
    kError,     // a character no token of a value takes
};

struct ValueToken {
    ValueTokenKind kind;
    char symbol;
    char *text;             // in the value's own text, which the importer may rewrite
    int32_t length;
    int32_t offset;         // in the value, for its place
};

// Reads the tokens of one string value in order.
struct ValueScanner {
    BsdlString *value;
    int32_t next;
};

void scanner_start(ValueScanner &scanner, BsdlString &value);
ValueToken scan_token(ValueScanner &scanner);
// The token after the next, without taking it.
ValueToken peek_token(const ValueScanner &scanner);

inline BsdlSlice token_slice(const ValueToken &token) { return BsdlSlice{token.text, token.length}; }
inline bool is_symbol(const ValueToken &token, char symbol) {
    return token.kind == ValueTokenKind::kSymbol && token.symbol == symbol;
}

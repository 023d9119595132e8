// BSDL lexer: the VHDL tokens of a BSDL file, each with its line and column
#pragma once

#include <cstdint>

#include "bsdl/bsdl_text.h"

enum class BsdlTokenKind : uint8_t {
    kEnd,       // the end of the text
    kWord,      // an identifier or a reserved word: letters, digits, underscores
    kInteger,   // decimal digits
    kReal,      // digits with a point or an exponent (a TAP clock's frequency)
    kString,    // "...": the text between the quotes, doubled quotes kept
    kSymbol,    // one character of ( ) , ; : & * . [ ] and the like
    kAssign,    // :=
    kError,     // a character no token takes, or a string not closed: BsdlLexer::error tells which
};

enum class BsdlLexError : uint8_t { kNone, kUnexpectedCharacter, kOpenString };

struct BsdlToken {
    BsdlTokenKind kind;
    char symbol;          // kSymbol: the character
    BsdlSlice text;       // as written (a string without its quotes)
    BsdlPlace place;      // of its first character
};

// Reads the text from `next` to `end`. Comments (-- to the end of the line)
// and blanks are skipped; a carriage return ends a line as a line feed
// does, a Ctrl-Z ends the text, and a byte-order mark before the first
// token is skipped.
struct BsdlLexer {
    const char *next;
    const char *end;
    const char *line_start;
    int32_t line;
    BsdlLexError error;   // why the last kError token was refused
};

void lexer_start(BsdlLexer &lexer, const char *text, int32_t length);
BsdlToken next_token(BsdlLexer &lexer);

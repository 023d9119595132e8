// BSDL lexer: the VHDL tokens of a BSDL file, each with its line and column
#include "bsdl/bsdl_lexer.h"

#include <cstring>

namespace {

constexpr char kTextEndMark = 0x1A;

bool is_letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_word_char(char c) { return is_letter(c) || is_digit(c) || c == '_'; }

BsdlPlace place_of(const BsdlLexer &lexer, const char *at) {
    return BsdlPlace{lexer.line, static_cast<int32_t>(at - lexer.line_start) + 1};
}

void new_line(BsdlLexer &lexer, const char *after) {
    lexer.line++;
    lexer.line_start = after;
}

// Skips blanks, line ends and comments up to the next token's first character.
void skip_space(BsdlLexer &lexer) {
    const char *p = lexer.next;
    while (p < lexer.end) {
        char c = *p;
        if (c == ' ' || c == '\t' || c == '\f' || c == '\v') {
            p++;
        } else if (c == '\n') {
            new_line(lexer, ++p);
        } else if (c == '\r') {
            // A CR LF pair is one line end; a lone CR is one too.
            if (p + 1 < lexer.end && p[1] == '\n')
                p++;
            new_line(lexer, ++p);
        } else if (c == '-' && p + 1 < lexer.end && p[1] == '-') {
            while (p < lexer.end && *p != '\n' && *p != '\r')
                p++;
        } else {
            break;
        }
    }
    lexer.next = p;
}

BsdlToken token(BsdlTokenKind kind, const char *start, const char *end, BsdlPlace place) {
    return BsdlToken{kind, 0, BsdlSlice{start, static_cast<int32_t>(end - start)}, place};
}

BsdlToken error_token(BsdlLexer &lexer, BsdlLexError why, const char *at) {
    lexer.error = why;
    return token(BsdlTokenKind::kError, at, at + 1, place_of(lexer, at));
}

// Digits, and a fraction or an exponent that make a real.
BsdlToken number(BsdlLexer &lexer, const char *start, BsdlPlace place) {
    const char *p = start;
    BsdlTokenKind kind = BsdlTokenKind::kInteger;
    while (p < lexer.end && (is_digit(*p) || *p == '_'))
        p++;
    if (p + 1 < lexer.end && *p == '.' && is_digit(p[1])) {
        kind = BsdlTokenKind::kReal;
        for (p++; p < lexer.end && (is_digit(*p) || *p == '_');)
            p++;
    }
    if (p < lexer.end && (*p == 'e' || *p == 'E')) {
        const char *q = p + 1;
        if (q < lexer.end && (*q == '+' || *q == '-'))
            q++;
        if (q < lexer.end && is_digit(*q)) {
            kind = BsdlTokenKind::kReal;
            for (p = q; p < lexer.end && is_digit(*p);)
                p++;
        }
    }
    lexer.next = p;
    return token(kind, start, p, place);
}

// A string ends on its line; "" inside it stands for one quote.
BsdlToken string(BsdlLexer &lexer, const char *quote, BsdlPlace place) {
    const char *p = quote + 1;
    for (;;) {
        if (p == lexer.end || *p == '\n' || *p == '\r' || *p == kTextEndMark)
            return error_token(lexer, BsdlLexError::kOpenString, quote);
        if (*p == '"') {
            if (p + 1 < lexer.end && p[1] == '"') {
                p += 2;
                continue;
            }
            break;
        }
        p++;
    }
    lexer.next = p + 1;
    return token(BsdlTokenKind::kString, quote + 1, p, place);
}

}  // namespace

void lexer_start(BsdlLexer &lexer, const char *text, int32_t length) {
    lexer = BsdlLexer{text, text + length, text, 1, BsdlLexError::kNone};
    // A Ctrl-Z ends the text, as in every source the library reads.
    if (const void *mark = std::memchr(text, kTextEndMark, static_cast<size_t>(length)))
        lexer.end = static_cast<const char *>(mark);
    if (lexer.end - lexer.next >= 3 && std::memcmp(lexer.next, "\xEF\xBB\xBF", 3) == 0) {
        lexer.next += 3;
        lexer.line_start = lexer.next;
    }
}

BsdlToken next_token(BsdlLexer &lexer) {
    skip_space(lexer);
    const char *start = lexer.next;
    BsdlPlace place = place_of(lexer, start);
    if (start == lexer.end)
        return token(BsdlTokenKind::kEnd, start, start, place);
    char c = *start;
    // An identifier or a reserved word.
    if (is_letter(c)) {
        const char *p = start + 1;
        while (p < lexer.end && is_word_char(*p))
            p++;
        lexer.next = p;
        return token(BsdlTokenKind::kWord, start, p, place);
    }
    // A number.
    if (is_digit(c))
        return number(lexer, start, place);
    // A string.
    if (c == '"')
        return string(lexer, start, place);
    // The assignment of a default or a constant's value.
    if (c == ':' && start + 1 < lexer.end && start[1] == '=') {
        lexer.next = start + 2;
        return token(BsdlTokenKind::kAssign, start, start + 2, place);
    }
    // A delimiter.
    if (std::strchr("(),;:&*.[]'+-/<>=|#", c) && c != '\0') {
        lexer.next = start + 1;
        BsdlToken symbol = token(BsdlTokenKind::kSymbol, start, start + 1, place);
        symbol.symbol = c;
        return symbol;
    }
    return error_token(lexer, BsdlLexError::kUnexpectedCharacter, start);
}

// Lexical analyser
#include "lexer/lexer.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "base/memory.h"
#include "base/messages.h"
#include "base/text_input.h"
#include "lexer/keywords.h"
#include "lexer/lexer_state.h"

namespace {

// Integer literal kinds, by the way the literal is written.
enum IntegerKind : int32_t {
    kBinary = 16,    // 1011b
    kTernary = 17,   // 0t01x
    kOctal = 18,     // 012
    kDecimal = 19,   // 19, -012
    kHex = 20,       // 0x1F
};

// Characters that may follow the first character of a word, by code.
struct WordChars {
    bool in_word[256];
};

constexpr WordChars build_word_chars() {
    WordChars chars{};
    for (int c = 0; c < 256; c++)
        chars.in_word[c] = is_letter(c) || is_digit(c);
    for (const char *p = "_.!#%&/=?-{}$+`^'<>@|~\\"; *p; p++)
        chars.in_word[static_cast<unsigned char>(*p)] = true;
    return chars;
}

constexpr WordChars kWordChars = build_word_chars();

// `c` is a character code or 0, never EOF.
bool is_word_char(int c) { return kWordChars.in_word[static_cast<unsigned char>(c)]; }

int to_upper(int c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; }

// How far a sweep over the read-ahead may take the token being saved:
// nowhere while a character waits in the push-back slot, and no further than
// the token's maximum length (the character reader then draws the message).
const unsigned char *sweep_end(const lexer_state &lx, const source_buffer &buffer) {
    if (lx.pushback != kNoPushBack)
        return buffer.next;
    const size_t room = static_cast<size_t>(kMaxTokenLength - lx.token_length);
    return static_cast<size_t>(buffer.end - buffer.next) > room ? buffer.next + room : buffer.end;
}

// Skips the blanks and line ends that follow in the read-ahead, keeping the
// line and column; the character reader takes over where it ends.
void skip_blanks(lexer_state &lx) {
    if (lx.pushback != kNoPushBack)
        return;
    source_buffer &buffer = *lx.buffer;
    const unsigned char *p = buffer.next;
    for (; p < buffer.end; p++) {
        if (*p == ' ' || *p == '\t') {
            lx.column++;
        } else if (*p == '\n') {
            lx.line++;
            lx.file_line++;
            lx.column = 1;
        } else {
            break;
        }
    }
    buffer.next = p;
}

bool is_ternary_digit(int c) { return c == '0' || c == '1' || c == 'x' || c == 'X'; }

// The next byte of the current source, its read-ahead refilled when used
// up; EOF at its end.
int next_source_byte(lexer_state &lx) {
    source_buffer &buffer = *lx.buffer;
    if (buffer.next == buffer.end) {
        size_t got = std::fread(buffer.bytes, 1, source_buffer::kSize, lx.stream);
        buffer.next = buffer.bytes;
        buffer.end = buffer.bytes + got;
        if (got == 0)
            return EOF;
    }
    return *buffer.next++;
}

// Appends a character to the token text; false (reported) when the token
// would exceed its maximum length.
bool save(lexer_state &lx, int c) {
    if (lx.token_length >= kMaxTokenLength) {
        report_source_error(lx.host, at(lx.token_start), lx.line,
                            "String exceeds max length (%d characters)", kMaxTokenLength);
        return false;
    }
    lx.token_text[lx.token_length++] = static_cast<char>(c);
    lx.token_text[lx.token_length] = '\0';
    return true;
}

// A heap copy of the token text (null after a reported failure).
char *copy_token_text(lexer_state &lx) { return str_copy(lx.host, lx.token_text, lx.token_length); }

// Saves `c` and the decimal digits after it; `c` is left at the character
// that ended them.
bool save_digits(lexer_state &lx, int &c) {
    char *text = lx.token_text;
    int &length = lx.token_length;
    while (is_digit(c)) {
        if (!save(lx, c))
            return false;
        // The digits that follow in the read-ahead, in one sweep (after
        // a character put back, the reader goes on).
        source_buffer &buffer = *lx.buffer;
        const unsigned char *p = buffer.next;
        int n = length;   // not `length` itself: the stores to the text may alias it
        for (const unsigned char *end = sweep_end(lx, buffer); p < end && is_digit(*p); p++)
            text[n++] = static_cast<char>(*p);
        text[n] = '\0';
        length = n;
        lx.column += static_cast<int32_t>(p - buffer.next);
        buffer.next = p;
        c = lexer_read_char(lx);
    }
    return true;
}

int digit_value(int c) {
    if (is_digit(c))
        return c - '0';
    if (c == 'x' || c == 'X')   // the unknown digit of a ternary vector
        return 2;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 99;
}

// The number formed by an optional minus and the leading run of digits of
// `base`. Beyond the 32-bit range it saturates, as the runtime's
// text-to-integer conversion does.
int32_t literal_value(const char *text, int base, bool ternary) {
    bool negative = *text == '-';
    if (negative)
        ++text;
    const uint64_t limit = uint64_t{1} << 31;
    uint64_t magnitude = 0;
    for (; *text; ++text) {
        int digit = digit_value(static_cast<unsigned char>(*text));
        if (digit >= base || ((*text == 'x' || *text == 'X') && !ternary))
            break;
        magnitude = magnitude * base + digit;
        if (magnitude > limit)
            magnitude = limit;
    }
    if (negative)
        return magnitude >= limit ? INT32_MIN : -static_cast<int32_t>(magnitude);
    return magnitude >= limit ? INT32_MAX : static_cast<int32_t>(magnitude);
}

// An integer token of `kind` from the token text.
int make_integer(lexer_state &lx, int32_t kind) {
    char *text = copy_token_text(lx);
    if (!text)
        return -1;
    IntegerLiteral literal = {0, kind, text};
    switch (kind) {
    case kBinary: literal.value = literal_value(text, 2, false); break;
    case kTernary: literal.value = literal_value(text, 3, true); break;
    case kOctal: literal.value = literal_value(text, 8, false); break;
    case kHex: literal.value = literal_value(text, 16, false); break;
    default: literal.value = literal_value(text, 10, false); break;
    }
    lx.value = TokenValue{nullptr, literal, nullptr};
    return LEX_INTEGER;
}

// The digits after 0x or 0t (the prefix is not kept).
int read_prefixed_integer(lexer_state &lx, bool (*is_kind_digit)(int), int32_t kind) {
    int c = lexer_read_char(lx);
    while (is_kind_digit(c)) {
        if (!save(lx, c))
            return -1;
        c = lexer_read_char(lx);
    }
    lexer_push_back(lx, c);
    return make_integer(lx, kind);
}

// The fraction and exponent of a real; `c` is the full stop or the e that
// begins them.
int read_real(lexer_state &lx, int c) {
    if (c == '.') {
        if (!save(lx, c))
            return -1;
        c = lexer_read_char(lx);
        if (!save_digits(lx, c))
            return -1;
    }
    if (c == 'e' || c == 'E') {
        if (!save(lx, c))
            return -1;
        c = lexer_read_char(lx);
        if (c == '+' || c == '-') {
            if (!save(lx, c))
                return -1;
            c = lexer_read_char(lx);
        }
        if (!save_digits(lx, c))
            return -1;
    }
    lexer_push_back(lx, c);
    auto *value = static_cast<double *>(mem_alloc(lx.host, sizeof(double)));
    if (!value)
        return -1;
    *value = std::strtod(lx.token_text, nullptr);
    lx.value = TokenValue{nullptr, {}, value};
    return LEX_REAL;
}

// A number that begins with the digit `c` (a minus may already be saved).
int read_number(lexer_state &lx, int c) {
    if (c == '0') {
        int next = lexer_read_char(lx);
        if (next == 'x' || next == 'X')
            return read_prefixed_integer(lx, is_hex_digit, kHex);
        if (next == 't' || next == 'T')
            return read_prefixed_integer(lx, is_ternary_digit, kTernary);
        lexer_push_back(lx, next);
    }
    if (!save_digits(lx, c))
        return -1;
    if (c == 'b' || c == 'B')   // the suffix is not kept
        return make_integer(lx, kBinary);
    if (c == '.' || c == 'e' || c == 'E')
        return read_real(lx, c);
    lexer_push_back(lx, c);
    return make_integer(lx, lx.token_text[0] == '0' ? kOctal : kDecimal);
}

// A minus: the sign of a number directly after it, else a token of its own.
int read_minus(lexer_state &lx) {
    save(lx, '-');
    int next = lexer_read_char(lx);
    lexer_push_back(lx, next);
    if (is_digit(next))
        return read_number(lx, lexer_read_char(lx));
    return '-';
}

// A double-quoted string; the end of the source ends it too.
int read_string(lexer_state &lx) {
    for (;;) {
        int c = lexer_read_char(lx);
        if (c == 0 || c == '"')
            break;
        if (c == '\\') {   // the backslash goes, the next character stays as it is
            c = lexer_read_char(lx);
            if (c == 0)
                break;
        }
        if (!save(lx, c))
            return -1;
    }
    char *text = copy_token_text(lx);
    if (!text)
        return -1;
    lx.value = TokenValue{text, {}, nullptr};
    return LEX_STRING;
}

// A word: a keyword, or an identifier whose value is its text as written.
// The token text is upper-cased either way.
int read_word(lexer_state &lx, int c) {
    // The token text is upper-cased as it is saved; the text as written
    // goes beside it.
    char written[kMaxTokenLength + 1];
    char *text = lx.token_text;
    int &length = lx.token_length;
    while (is_word_char(c)) {
        written[length] = static_cast<char>(c);
        if (!save(lx, to_upper(c))) {
            // An over-long word keeps its text as written.
            std::memcpy(text, written, length);
            return -1;
        }
        // The rest of the word as far as the read-ahead holds it, in one
        // sweep: no word character needs a text rule or ends a line.
        source_buffer &buffer = *lx.buffer;
        const unsigned char *p = buffer.next;
        int n = length;   // not `length` itself: the stores to the texts may alias it
        for (const unsigned char *end = sweep_end(lx, buffer); p < end && is_word_char(*p); p++) {
            written[n] = static_cast<char>(*p);
            text[n++] = static_cast<char>(to_upper(*p));
        }
        text[n] = '\0';
        length = n;
        lx.column += static_cast<int32_t>(p - buffer.next);
        buffer.next = p;
        c = lexer_read_char(lx);
    }
    lexer_push_back(lx, c);

    // In name mode every word but END is a name.
    int keyword = lx.name_mode ? (std::strcmp(lx.token_text, "END") == 0 ? LEX_END : 0)
                                    : keyword_lookup(lx.token_text);
    if (keyword) {
        lx.value = TokenValue{};
        return keyword;
    }
    char *value = str_copy(lx.host, written, length);
    if (!value)
        return -1;
    lx.value = TokenValue{value, {}, nullptr};
    return LEX_IDENTIFIER;
}

int read_token(lexer_state &lx) {
    for (;;) {
        int c = lexer_read_char(lx);
        // The character just read is where a token would begin.
        lx.token_start = {lx.file, lx.file_line, lx.column - 1};
        switch (c) {
        case 0:   // end of the source: back to the including file, or the end
            if (leave_source(lx))
                continue;
            return 0;
        case ' ':
        case '\t':
        case '\n':
            skip_blanks(lx);
            continue;
        case '*':   // comment, wherever it stands, to the end of the line
            while (c != '\n' && c != 0)
                c = lexer_read_char(lx);
            continue;
        case '#':   // a directive when it opens its line; elsewhere skipped
            if (lx.column == 2 && read_directive(lx) < 0)
                return -1;
            continue;
        case '"':
            return read_string(lx);
        case '-':
            return read_minus(lx);
        case '.':   // a real whose integer part is left out
            return read_real(lx, c);
        default:
            if (is_digit(c))
                return read_number(lx, c);
            if (is_letter(c) || c == '@')
                return read_word(lx, c);
            // Any other character, bytes from 128 on included, stands alone;
            // its text is kept for syntax messages.
            save(lx, c);
            return c;
        }
    }
}

}  // namespace

int read_source_slowly(lexer_state &lx) {
    if (!lx.stream || lx.stream_ended)
        return 0;
    int c = apply_text_rules([&lx] { return next_source_byte(lx); }, [&lx](int) { lx.buffer->next--; });
    if (c == EOF || c == 0) {   // a NUL byte ends the source for good too
        end_source(lx);
        return 0;
    }
    return c;
}

void end_source(lexer_state &lx) {
    lx.stream_ended = true;
    lx.buffer->next = lx.buffer->end;
}

long source_offset(lexer_state &lx) { return std::ftell(lx.stream) - (lx.buffer->end - lx.buffer->next); }

void start_include_read_ahead(lexer_state &lx) {
    lx.buffer = &lx.include_buffer;
    lx.include_buffer.next = lx.include_buffer.end = nullptr;
}

void resume_main_read_ahead(lexer_state &lx) { lx.buffer = &lx.main_buffer; }

void lexer_push_back(lexer_state &lx, int c) {
    lx.pushback = c;
    if (c == '\n') {
        lx.line--;
        lx.file_line--;
        lx.column = 1;
    } else {
        lx.column--;
    }
}

void lexer_reset(lexer_state &lx, HostContext *context) {
    // The new host first: the include files still open are released
    // through it, the last one may be gone.
    lx.host = context;
    include_reset(lx);
    lx.stream_ended = false;
    lx.file = nullptr;
    lx.line = 1;
    lx.file_line = 1;
    lx.column = 1;
    lx.token_start = {};
    lx.pushback = kNoPushBack;
    lx.token_length = 0;
    lx.token_text[0] = '\0';
    lx.failed = false;
}

void lexer_set_stream(lexer_state &lx, FILE *stream, const char *path) {
    lx.stream = stream;
    resume_main_read_ahead(lx);
    lx.main_buffer.next = lx.main_buffer.end = nullptr;
    lx.stream_ended = false;
    lx.file = path;
}

int lexer_next_token(lexer_state &lx) {
    lx.token_length = 0;
    lx.token_text[0] = '\0';
    int token = read_token(lx);
    if (token > 0)
        lx.name_mode = false;
    else if (token < 0)
        lx.failed = true;
    return token;
}

TokenValue lexer_take_value(lexer_state &lx) {
    TokenValue value = lx.value;
    lx.value = TokenValue{};
    return value;
}

namespace {

template <typename Member>
Member take_member(lexer_state &lx, Member TokenValue::*member) {
    Member taken = lx.value.*member;
    lx.value.text = nullptr;
    lx.value.integer = {};
    lx.value.real = nullptr;
    return taken;
}

}  // namespace

char *lexer_take_text(lexer_state &lx) { return take_member(lx, &TokenValue::text); }

IntegerLiteral lexer_take_integer(lexer_state &lx) { return take_member(lx, &TokenValue::integer); }

double *lexer_take_real(lexer_state &lx) { return take_member(lx, &TokenValue::real); }

void lexer_drop_value(lexer_state &lx) {
    TokenValue value = lexer_take_value(lx);
    mem_free(lx.host, value.text);
    mem_free(lx.host, value.integer.text);
    mem_free(lx.host, value.real);
}

bool lexer_failed(lexer_state &lx) { return lx.failed; }

const char *lexer_token_text(lexer_state &lx) { return lx.token_text; }

int32_t lexer_line(lexer_state &lx) { return lx.line; }

const SourceLocation &lexer_token_location(lexer_state &lx) { return lx.token_start; }

void lexer_set_name_mode(lexer_state &lx, bool on) { lx.name_mode = on; }

bool lexer_name_mode(lexer_state &lx) { return lx.name_mode; }


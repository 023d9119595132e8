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

lexer_state g_lexer;

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
const unsigned char *sweep_end(const source_buffer &buffer) {
    if (g_lexer.pushback != kNoPushBack)
        return buffer.next;
    const size_t room = static_cast<size_t>(kMaxTokenLength - g_lexer.token_length);
    return static_cast<size_t>(buffer.end - buffer.next) > room ? buffer.next + room : buffer.end;
}

// Skips the blanks and line ends that follow in the read-ahead, keeping the
// line and column; the character reader takes over where it ends.
void skip_blanks() {
    if (g_lexer.pushback != kNoPushBack)
        return;
    source_buffer &buffer = *g_lexer.buffer;
    const unsigned char *p = buffer.next;
    for (; p < buffer.end; p++) {
        if (*p == ' ' || *p == '\t') {
            g_lexer.column++;
        } else if (*p == '\n') {
            g_lexer.line++;
            g_lexer.file_line++;
            g_lexer.column = 1;
        } else {
            break;
        }
    }
    buffer.next = p;
}

bool is_ternary_digit(int c) { return c == '0' || c == '1' || c == 'x' || c == 'X'; }

// The next byte of the current source, its read-ahead refilled when used
// up; EOF at its end.
int next_source_byte() {
    source_buffer &buffer = *g_lexer.buffer;
    if (buffer.next == buffer.end) {
        size_t got = std::fread(buffer.bytes, 1, source_buffer::kSize, g_lexer.stream);
        buffer.next = buffer.bytes;
        buffer.end = buffer.bytes + got;
        if (got == 0)
            return EOF;
    }
    return *buffer.next++;
}

// Appends a character to the token text; false (reported) when the token
// would exceed its maximum length.
bool save(int c) {
    if (g_lexer.token_length >= kMaxTokenLength) {
        report_source_error(g_lexer.host, at(g_lexer.token_start), g_lexer.line,
                            "String exceeds max length (%d characters)", kMaxTokenLength);
        return false;
    }
    g_lexer.token_text[g_lexer.token_length++] = static_cast<char>(c);
    g_lexer.token_text[g_lexer.token_length] = '\0';
    return true;
}

// A heap copy of the token text (null after a reported failure).
char *copy_token_text() { return str_copy(g_lexer.host, g_lexer.token_text, g_lexer.token_length); }

// Saves `c` and the decimal digits after it; `c` is left at the character
// that ended them.
bool save_digits(int &c) {
    char *text = g_lexer.token_text;
    int &length = g_lexer.token_length;
    while (is_digit(c)) {
        if (!save(c))
            return false;
        // The digits that follow in the read-ahead, in one sweep (after
        // a character put back, the reader goes on).
        source_buffer &buffer = *g_lexer.buffer;
        const unsigned char *p = buffer.next;
        int n = length;   // not `length` itself: the stores to the text may alias it
        for (const unsigned char *end = sweep_end(buffer); p < end && is_digit(*p); p++)
            text[n++] = static_cast<char>(*p);
        text[n] = '\0';
        length = n;
        g_lexer.column += static_cast<int32_t>(p - buffer.next);
        buffer.next = p;
        c = lexer_read_char();
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
int make_integer(int32_t kind) {
    char *text = copy_token_text();
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
    g_lexer.value = TokenValue{nullptr, literal, nullptr};
    return LEX_INTEGER;
}

// The digits after 0x or 0t (the prefix is not kept).
int read_prefixed_integer(bool (*is_kind_digit)(int), int32_t kind) {
    int c = lexer_read_char();
    while (is_kind_digit(c)) {
        if (!save(c))
            return -1;
        c = lexer_read_char();
    }
    lexer_push_back(c);
    return make_integer(kind);
}

// The fraction and exponent of a real; `c` is the full stop or the e that
// begins them.
int read_real(int c) {
    if (c == '.') {
        if (!save(c))
            return -1;
        c = lexer_read_char();
        if (!save_digits(c))
            return -1;
    }
    if (c == 'e' || c == 'E') {
        if (!save(c))
            return -1;
        c = lexer_read_char();
        if (c == '+' || c == '-') {
            if (!save(c))
                return -1;
            c = lexer_read_char();
        }
        if (!save_digits(c))
            return -1;
    }
    lexer_push_back(c);
    auto *value = static_cast<double *>(mem_alloc(g_lexer.host, sizeof(double)));
    if (!value)
        return -1;
    *value = std::strtod(g_lexer.token_text, nullptr);
    g_lexer.value = TokenValue{nullptr, {}, value};
    return LEX_REAL;
}

// A number that begins with the digit `c` (a minus may already be saved).
int read_number(int c) {
    if (c == '0') {
        int next = lexer_read_char();
        if (next == 'x' || next == 'X')
            return read_prefixed_integer(is_hex_digit, kHex);
        if (next == 't' || next == 'T')
            return read_prefixed_integer(is_ternary_digit, kTernary);
        lexer_push_back(next);
    }
    if (!save_digits(c))
        return -1;
    if (c == 'b' || c == 'B')   // the suffix is not kept
        return make_integer(kBinary);
    if (c == '.' || c == 'e' || c == 'E')
        return read_real(c);
    lexer_push_back(c);
    return make_integer(g_lexer.token_text[0] == '0' ? kOctal : kDecimal);
}

// A minus: the sign of a number directly after it, else a token of its own.
int read_minus() {
    save('-');
    int next = lexer_read_char();
    lexer_push_back(next);
    if (is_digit(next))
        return read_number(lexer_read_char());
    return '-';
}

// A double-quoted string; the end of the source ends it too.
int read_string() {
    for (;;) {
        int c = lexer_read_char();
        if (c == 0 || c == '"')
            break;
        if (c == '\\') {   // the backslash goes, the next character stays as it is
            c = lexer_read_char();
            if (c == 0)
                break;
        }
        if (!save(c))
            return -1;
    }
    char *text = copy_token_text();
    if (!text)
        return -1;
    g_lexer.value = TokenValue{text, {}, nullptr};
    return LEX_STRING;
}

// A word: a keyword, or an identifier whose value is its text as written.
// The token text is upper-cased either way.
int read_word(int c) {
    // The token text is upper-cased as it is saved; the text as written
    // goes beside it.
    char written[kMaxTokenLength + 1];
    char *text = g_lexer.token_text;
    int &length = g_lexer.token_length;
    while (is_word_char(c)) {
        written[length] = static_cast<char>(c);
        if (!save(to_upper(c))) {
            // An over-long word keeps its text as written.
            std::memcpy(text, written, length);
            return -1;
        }
        // The rest of the word as far as the read-ahead holds it, in one
        // sweep: no word character needs a text rule or ends a line.
        source_buffer &buffer = *g_lexer.buffer;
        const unsigned char *p = buffer.next;
        int n = length;   // not `length` itself: the stores to the texts may alias it
        for (const unsigned char *end = sweep_end(buffer); p < end && is_word_char(*p); p++) {
            written[n] = static_cast<char>(*p);
            text[n++] = static_cast<char>(to_upper(*p));
        }
        text[n] = '\0';
        length = n;
        g_lexer.column += static_cast<int32_t>(p - buffer.next);
        buffer.next = p;
        c = lexer_read_char();
    }
    lexer_push_back(c);

    // In name mode every word but END is a name.
    int keyword = g_lexer.name_mode ? (std::strcmp(g_lexer.token_text, "END") == 0 ? LEX_END : 0)
                                    : keyword_lookup(g_lexer.token_text);
    if (keyword) {
        g_lexer.value = TokenValue{};
        return keyword;
    }
    char *value = str_copy(g_lexer.host, written, length);
    if (!value)
        return -1;
    g_lexer.value = TokenValue{value, {}, nullptr};
    return LEX_IDENTIFIER;
}

int read_token() {
    for (;;) {
        int c = lexer_read_char();
        // The character just read is where a token would begin.
        g_lexer.token_start = {g_lexer.file, g_lexer.file_line, g_lexer.column - 1};
        switch (c) {
        case 0:   // end of the source: back to the including file, or the end
            if (leave_source())
                continue;
            return 0;
        case ' ':
        case '\t':
        case '\n':
            skip_blanks();
            continue;
        case '*':   // comment, wherever it stands, to the end of the line
            while (c != '\n' && c != 0)
                c = lexer_read_char();
            continue;
        case '#':   // a directive when it opens its line; elsewhere skipped
            if (g_lexer.column == 2 && read_directive() < 0)
                return -1;
            continue;
        case '"':
            return read_string();
        case '-':
            return read_minus();
        case '.':   // a real whose integer part is left out
            return read_real(c);
        default:
            if (is_digit(c))
                return read_number(c);
            if (is_letter(c) || c == '@')
                return read_word(c);
            // Any other character, bytes from 128 on included, stands alone;
            // its text is kept for syntax messages.
            save(c);
            return c;
        }
    }
}

}  // namespace

int read_source_slowly() {
    if (!g_lexer.stream || g_lexer.stream_ended)
        return 0;
    int c = apply_text_rules(next_source_byte, [](int) { g_lexer.buffer->next--; });
    if (c == EOF || c == 0) {   // a NUL byte ends the source for good too
        end_source();
        return 0;
    }
    return c;
}

void end_source() {
    g_lexer.stream_ended = true;
    g_lexer.buffer->next = g_lexer.buffer->end;
}

long source_offset() { return std::ftell(g_lexer.stream) - (g_lexer.buffer->end - g_lexer.buffer->next); }

void start_include_read_ahead() {
    g_lexer.buffer = &g_lexer.include_buffer;
    g_lexer.include_buffer.next = g_lexer.include_buffer.end = nullptr;
}

void resume_main_read_ahead() { g_lexer.buffer = &g_lexer.main_buffer; }

void lexer_push_back(int c) {
    g_lexer.pushback = c;
    if (c == '\n') {
        g_lexer.line--;
        g_lexer.file_line--;
        g_lexer.column = 1;
    } else {
        g_lexer.column--;
    }
}

void lexer_reset(HostContext *context) {
    // The new host first: the include files still open are released
    // through it, the last one may be gone.
    g_lexer.host = context;
    include_reset();
    g_lexer.stream_ended = false;
    g_lexer.file = nullptr;
    g_lexer.line = 1;
    g_lexer.file_line = 1;
    g_lexer.column = 1;
    g_lexer.token_start = {};
    g_lexer.pushback = kNoPushBack;
    g_lexer.token_length = 0;
    g_lexer.token_text[0] = '\0';
    g_lexer.failed = false;
}

void lexer_set_stream(FILE *stream, const char *path) {
    g_lexer.stream = stream;
    resume_main_read_ahead();
    g_lexer.main_buffer.next = g_lexer.main_buffer.end = nullptr;
    g_lexer.stream_ended = false;
    g_lexer.file = path;
}

int lexer_next_token() {
    g_lexer.token_length = 0;
    g_lexer.token_text[0] = '\0';
    int token = read_token();
    if (token > 0)
        g_lexer.name_mode = false;
    else if (token < 0)
        g_lexer.failed = true;
    return token;
}

TokenValue lexer_take_value() {
    TokenValue value = g_lexer.value;
    g_lexer.value = TokenValue{};
    return value;
}

namespace {

template <typename Member>
Member take_member(Member TokenValue::*member) {
    Member taken = g_lexer.value.*member;
    g_lexer.value.text = nullptr;
    g_lexer.value.integer = {};
    g_lexer.value.real = nullptr;
    return taken;
}

}  // namespace

char *lexer_take_text() { return take_member(&TokenValue::text); }

IntegerLiteral lexer_take_integer() { return take_member(&TokenValue::integer); }

double *lexer_take_real() { return take_member(&TokenValue::real); }

void lexer_drop_value() {
    TokenValue value = lexer_take_value();
    mem_free(g_lexer.host, value.text);
    mem_free(g_lexer.host, value.integer.text);
    mem_free(g_lexer.host, value.real);
}

bool lexer_failed() { return g_lexer.failed; }

const char *lexer_token_text() { return g_lexer.token_text; }

int32_t lexer_line() { return g_lexer.line; }

const SourceLocation &lexer_token_location() { return g_lexer.token_start; }

void lexer_set_name_mode(bool on) { g_lexer.name_mode = on; }

bool lexer_name_mode() { return g_lexer.name_mode; }


// Quick scanner: the word reader
#include "scan/word_reader.h"

#include <cstring>

#include "base/text_input.h"

namespace {

bool is_line_end(int c) { return c >= 10 && c <= 13; }

// Whether `c` has the class; never for the end of stream or a NUL byte,
// which belong to no set.
inline bool has_class(const Scanner *scanner, int c, uint8_t byte_class) {
    return c != EOF && (scanner->classes[static_cast<unsigned char>(c)] & byte_class) != 0;
}

// The next byte of the source, EOF at its end.
int next_byte(ScanSource *source) {
    if (source->next == source->filled) {
        source->filled = std::fread(source->buffer, 1, source->capacity, source->stream);
        source->next = 0;
        if (source->filled == 0)
            return EOF;
    }
    return source->buffer[source->next++];
}

// The next character under the text rules; the byte after a lone carriage
// return stays in the buffer, where it was just read.
int next_text_char(ScanSource *source) {
    return apply_text_rules([source] { return next_byte(source); }, [source](int) { source->next--; });
}

// The line count is that of the current character. A byte in the buffer
// that the text rules leave as it is becomes current at once.
inline void advance(ScanSource *source) {
    if (source->current == '\n')
        source->line++;
    if (source->next < source->filled) {
        unsigned char c = source->buffer[source->next];
        if (!source->text || (c != '\r' && c != kTextEndMark)) {
            source->next++;
            source->current = c;
            return;
        }
    }
    source->current = source->text ? next_text_char(source) : next_byte(source);
}

// Comments are skipped only where a word may begin. Without end characters
// a comment runs up to the line end, which stays current.
void skip_comments(const Scanner *scanner, ScanSource *source) {
    while (has_class(scanner, source->current, SCAN_COMMENT_START)) {
        advance(source);
        if (!scanner->comment_end) {
            while (source->current != EOF && !is_line_end(source->current))
                advance(source);
        } else {
            while (source->current != EOF && !has_class(scanner, source->current, SCAN_COMMENT_END))
                advance(source);
            if (source->current != EOF)
                advance(source);
        }
    }
}

// Brings the reader to the first character of the next word, leaving every
// source that ends on the way; null when nothing is left.
ScanSource *start_of_word(Scanner *scanner) {
    for (;;) {
        ScanSource *source = scanner->top;
        if (!source)
            return nullptr;
        if (source->current != EOF) {
            // A byte of both classes opens a comment.
            while (has_class(scanner, source->current, SCAN_WHITE | SCAN_COMMENT_START)) {
                if (has_class(scanner, source->current, SCAN_COMMENT_START))
                    skip_comments(scanner, source);
                else
                    advance(source);
            }
            if (source->current != EOF)
                return source;
        }
        scanner_leave_source(scanner);
    }
}

bool all_digits(const char *word) {
    for (; *word; word++)
        if (*word < '0' || *word > '9')
            return false;
    return true;
}

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Equal ignoring the case of ASCII letters, as in the classic locale.
bool same_ignoring_case(const char *a, const char *b) {
    for (; *a && upper(*a) == upper(*b); a++, b++) {
    }
    return upper(*a) == upper(*b);
}

// The first keyword of the table that the word spells, by the chain of its
// initial; a table too long for the chains is searched from its start.
int32_t lookup(const Scanner *scanner, const char *word) {
    if (scanner->keyword_count >= kScanIndexedKeywords) {
        for (int32_t i = 0; i < scanner->keyword_count; i++)
            if (same_ignoring_case(word, scanner->keywords[i].text))
                return scanner->keywords[i].code;
        return SCAN_UNKNOWN;
    }
    for (int32_t i = scanner->first_keyword[static_cast<unsigned char>(upper(word[0]))]; i;
         i = scanner->next_keyword[i - 1])
        if (same_ignoring_case(word, scanner->keywords[i - 1].text))
            return scanner->keywords[i - 1].code;
    return SCAN_UNKNOWN;
}

}  // namespace

int32_t scanner_read_word(Scanner *scanner) {
    scanner->word[0] = '\0';
    scanner->length = 0;
    ScanSource *source = start_of_word(scanner);
    if (!source)
        return scanner->last_result = SCAN_END;

    if (has_class(scanner, source->current, SCAN_SEPARATOR)) {
        // a separator is a word of its own
        scanner->word[scanner->length++] = static_cast<char>(source->current);
        advance(source);
    } else {
        while (scanner->length < kScanWordLimit && source->current != EOF &&
               !has_class(scanner, source->current, SCAN_WHITE | SCAN_SEPARATOR)) {
            scanner->word[scanner->length++] = static_cast<char>(source->current);
            advance(source);
        }
    }
    scanner->word[scanner->length] = '\0';

    scanner->last_result = all_digits(scanner->word) ? SCAN_DIGITS : lookup(scanner, scanner->word);
    return scanner->last_result;
}

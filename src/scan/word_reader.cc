// Quick scanner: the word reader
#include <cstring>
#include <strings.h>

#include "base/text_input.h"
#include "scan/scanner.h"

namespace {

bool is_white(int c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool is_line_end(int c) { return c >= 10 && c <= 13; }

// Whether `c` is one of the characters of `set`; never for the end of
// stream or a NUL byte.
bool in_set(const char *set, int c) {
    return set && c != EOF && c != '\0' && std::strchr(set, c) != nullptr;
}

// The line count is that of the current character.
void advance(ScanSource *source) {
    if (source->current == '\n')
        source->line++;
    source->current = source->text ? read_text_char(source->stream) : std::fgetc(source->stream);
}

// Comments are skipped only where a word may begin. Without end characters
// a comment runs up to the line end, which stays current.
void skip_comments(const Scanner *scanner, ScanSource *source) {
    while (in_set(scanner->comment_start, source->current)) {
        advance(source);
        if (!scanner->comment_end) {
            while (source->current != EOF && !is_line_end(source->current))
                advance(source);
        } else {
            while (source->current != EOF && !in_set(scanner->comment_end, source->current))
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
            skip_comments(scanner, source);
            while (is_white(source->current)) {
                advance(source);
                skip_comments(scanner, source);
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

int32_t lookup(const Scanner *scanner, const char *word) {
    for (int32_t i = 0; i < scanner->keyword_count; i++)
        if (strcasecmp(word, scanner->keywords[i].text) == 0)
            return scanner->keywords[i].code;
    return SCAN_UNKNOWN;
}

}  // namespace

int32_t scanner_read_word(Scanner *scanner) {
    g_scan.word[0] = '\0';
    g_scan.length = 0;
    ScanSource *source = start_of_word(scanner);
    if (!source)
        return scanner->last_result = SCAN_END;

    if (in_set(scanner->separators, source->current)) {
        // a separator is a word of its own
        g_scan.word[g_scan.length++] = static_cast<char>(source->current);
        advance(source);
    } else {
        while (g_scan.length < kScanWordLimit && source->current != EOF &&
               !is_white(source->current) && !in_set(scanner->separators, source->current)) {
            g_scan.word[g_scan.length++] = static_cast<char>(source->current);
            advance(source);
        }
    }
    g_scan.word[g_scan.length] = '\0';

    scanner->last_result = all_digits(g_scan.word) ? SCAN_DIGITS : lookup(scanner, g_scan.word);
    return scanner->last_result;
}

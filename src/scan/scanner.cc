// Quick scanner: opening and closing, and the stack of sources
#include "scan/scanner.h"

#include <cstring>
#include <strings.h>

#include "base/memory.h"
#include "base/text_input.h"

namespace {

// The text after the path's last full stop, unless a slash or backslash
// follows that full stop; the empty text when there is none.
const char *path_extension(const char *path) {
    const char *dot = std::strrchr(path, '.');
    if (!dot || std::strpbrk(dot, "/\\"))
        return "";
    return dot + 1;
}

// Files are opened in binary mode either way: the word reader applies the
// text rules to a text source itself. Only regular files are read.
FILE *open_stream(const char *name, int32_t mode) {
    if (mode == SCAN_STDIN)
        return stdin;
    return open_source_file(name);
}

// A source record with the read buffer and the file name in the same
// block, the extension appended when it is wanted.
ScanSource *make_source(HostContext *context, const char *path, const char *extension, size_t capacity) {
    size_t path_length = std::strlen(path);
    size_t extension_length = extension ? std::strlen(extension) + 1 : 0;
    ScanSource *source = static_cast<ScanSource *>(
        mem_alloc(context, sizeof(ScanSource) + capacity + path_length + extension_length + 1));
    if (!source)
        return nullptr;
    source->buffer = reinterpret_cast<unsigned char *>(source + 1);
    source->capacity = capacity;
    char *name = reinterpret_cast<char *>(source->buffer + capacity);
    std::memcpy(name, path, path_length);
    if (extension) {
        name[path_length] = '.';
        std::memcpy(name + path_length + 1, extension, extension_length - 1);
    }
    source->name = name;
    source->line = 1;
    source->current = ' ';
    return source;
}

// Opens the source and lays it on top of the scanner's stack.
bool push_source(Scanner *scanner, const char *path, const char *default_extension) {
    const char *extension = nullptr;
    if (default_extension && scanner->mode != SCAN_STDIN &&
        strcasecmp(path_extension(path), default_extension) != 0)
        extension = default_extension;
    size_t capacity = scanner->mode == SCAN_STDIN ? 1 : kScanBufferSize;
    ScanSource *source = make_source(scanner->context, path, extension, capacity);
    if (!source)
        return false;
    source->stream = open_stream(source->name, scanner->mode);
    source->text = scanner->mode == SCAN_TEXT_FILE || scanner->mode == SCAN_STDIN;
    if (!source->stream) {
        mem_free(scanner->context, source);
        return false;
    }
    source->below = scanner->top;
    scanner->top = source;
    return true;
}

void mark_bytes(Scanner *scanner, const char *set, uint8_t byte_class, bool on) {
    for (const char *c = set; c && *c; c++) {
        uint8_t &classes = scanner->classes[static_cast<unsigned char>(*c)];
        classes = static_cast<uint8_t>(on ? classes | byte_class : classes & ~byte_class);
    }
}

char upper_initial(const char *text) {
    char c = text[0];
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Chains the keywords by initial, the last one first so that every chain
// ends up in table order.
void index_keywords(Scanner *scanner) {
    int32_t count = scanner->keyword_count < kScanIndexedKeywords ? scanner->keyword_count : 0;
    for (int32_t i = count - 1; i >= 0; i--) {
        auto initial = static_cast<unsigned char>(upper_initial(scanner->keywords[i].text));
        scanner->next_keyword[i] = scanner->first_keyword[initial];
        scanner->first_keyword[initial] = static_cast<int16_t>(i + 1);
    }
}

}  // namespace

Scanner *scanner_open(HostContext *context, const char *path, const char *default_extension,
                      int32_t mode, const ScanKeyword *keywords, int32_t keyword_count,
                      const char *separators) {
    if (mode == SCAN_STDIN)
        path = "stdin";
    if (!path)
        return nullptr;
    Scanner *scanner = static_cast<Scanner *>(mem_alloc(context, sizeof(Scanner)));
    if (!scanner)
        return nullptr;
    scanner->context = context;
    scanner->mode = mode;
    scanner->keywords = keywords;
    scanner->keyword_count = keyword_count;
    scanner->separators = separators ? separators : "";
    scanner->last_result = SCAN_UNKNOWN;
    mark_bytes(scanner, " \t\n\v\f\r", SCAN_WHITE, true);
    mark_bytes(scanner, scanner->separators, SCAN_SEPARATOR, true);
    index_keywords(scanner);
    if (!push_source(scanner, path, default_extension)) {
        scanner_close(scanner);
        return nullptr;
    }
    return scanner;
}

bool scanner_set_comments(Scanner *scanner, const char *start, const char *end) {
    mark_bytes(scanner, scanner->comment_start, SCAN_COMMENT_START, false);
    mark_bytes(scanner, scanner->comment_end, SCAN_COMMENT_END, false);
    mem_free(scanner->context, scanner->comment_start);
    mem_free(scanner->context, scanner->comment_end);
    scanner->comment_start = str_duplicate(scanner->context, start);
    scanner->comment_end = str_duplicate(scanner->context, end);
    mark_bytes(scanner, scanner->comment_start, SCAN_COMMENT_START, true);
    mark_bytes(scanner, scanner->comment_end, SCAN_COMMENT_END, true);
    return (!start || scanner->comment_start) && (!end || scanner->comment_end);
}

bool scanner_push_file(Scanner *scanner, const char *path) {
    return path && push_source(scanner, path, nullptr);
}

void scanner_leave_source(Scanner *scanner) {
    ScanSource *source = scanner->top;
    if (!source)
        return;
    scanner->top = source->below;
    if (source->stream && source->stream != stdin)
        std::fclose(source->stream);
    mem_free(scanner->context, source);
}

void scanner_close(Scanner *scanner) {
    if (!scanner)
        return;
    while (scanner->top)
        scanner_leave_source(scanner);
    mem_free(scanner->context, scanner->comment_start);
    mem_free(scanner->context, scanner->comment_end);
    mem_free(scanner->context, scanner);
}

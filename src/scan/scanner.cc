// Quick scanner: opening and closing, and the stack of sources
#include "scan/scanner.h"

#include <cstring>
#include <strings.h>

#include "base/memory.h"
#include "base/text_input.h"

scan_state g_scan;

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

// A source record with the file name in the same block, the extension
// appended when it is wanted.
ScanSource *make_source(HostContext *context, const char *path, const char *extension) {
    size_t path_length = std::strlen(path);
    size_t extension_length = extension ? std::strlen(extension) + 1 : 0;
    ScanSource *source = static_cast<ScanSource *>(
        mem_alloc(context, sizeof(ScanSource) + path_length + extension_length + 1));
    if (!source)
        return nullptr;
    char *name = reinterpret_cast<char *>(source + 1);
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
    ScanSource *source = make_source(scanner->context, path, extension);
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
    if (!push_source(scanner, path, default_extension)) {
        scanner_close(scanner);
        return nullptr;
    }
    return scanner;
}

bool scanner_set_comments(Scanner *scanner, const char *start, const char *end) {
    mem_free(scanner->context, scanner->comment_start);
    mem_free(scanner->context, scanner->comment_end);
    scanner->comment_start = str_duplicate(scanner->context, start);
    scanner->comment_end = str_duplicate(scanner->context, end);
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

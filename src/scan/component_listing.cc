// Quick scanner: the component names of a file, without a parse
#include "base/memory.h"
#include "scan/scan_open.h"
#include "scan/word_reader.h"

namespace {

enum ListingCode : int32_t {
    kOxel = 100,
    kComponent = 103,
    kEnd = 107,
    kQuote = 108,
    kSemicolon = 109,
};

const ScanKeyword kListingKeywords[] = {
    {"OXEL", kOxel}, {"COMPONENT", kComponent}, {"END", kEnd}, {"\"", kQuote}, {";", kSemicolon},
};

Scanner *open_listing(HostContext *context, const char *path) {
    return open_scan_of(context, path, kListingKeywords,
                        sizeof kListingKeywords / sizeof kListingKeywords[0], kOxel);
}

// Reads on to the next COMPONENT that stands outside double quotes; false
// at the end of input. The word after END is dropped, so that the
// COMPONENT of END COMPONENT opens no section.
bool next_component(Scanner *scanner, bool *inside_quotes) {
    for (;;) {
        int32_t code = scanner_read_word(scanner);
        if (code == SCAN_END)
            return false;
        if (code == kQuote)
            *inside_quotes = !*inside_quotes;
        else if (*inside_quotes)
            continue;
        else if (code == kEnd)
            scanner_read_word(scanner);
        else if (code == kComponent)
            return true;
    }
}

// Passes over the rest of a quoted text up to its closing quote.
void skip_to_closing_quote(Scanner *scanner) {
    int32_t code;
    do
        code = scanner_read_word(scanner);
    while (code != kQuote && code != SCAN_END);
}

enum class NameRead { kName, kNoName, kFailed };

// Reads the name that follows COMPONENT into a new allocation. No name: at
// the end of input, before OXEL, END or ";", and for a quoted name that is
// not one word. kFailed: the copy could not be allocated.
NameRead read_component_name(Scanner *scanner, char **name) {
    *name = nullptr;
    int32_t code = scanner_read_word(scanner);
    if (code == SCAN_END || code == kOxel || code == kEnd || code == kSemicolon)
        return NameRead::kNoName;
    bool quoted = code == kQuote;
    if (quoted && (code = scanner_read_word(scanner)) == SCAN_END)
        return NameRead::kNoName;
    char *copy = str_duplicate(scanner->context, scanner->word);
    if (!copy)
        return NameRead::kFailed;
    if (quoted && scanner_read_word(scanner) != kQuote) {
        mem_free(scanner->context, copy);
        // The rest of the name is still inside its quotes: pass over it, so
        // that its closing quote does not turn the rest of the file inside
        // out. An empty name ("") is already closed.
        if (code != kQuote && scanner->last_result != SCAN_END)
            skip_to_closing_quote(scanner);
        return NameRead::kNoName;
    }
    *name = copy;
    return NameRead::kName;
}

}  // namespace

extern "C" {

OXEL_API char *oxel_fast_parse(HostContext *context, const char *path) {
    Scanner *scanner = open_listing(context, path);
    if (!scanner)
        return nullptr;
    char *name = nullptr;
    bool inside_quotes = false;
    if (next_component(scanner, &inside_quotes))
        read_component_name(scanner, &name);
    scanner_close(scanner);
    return name;
}

OXEL_API int32_t oxel_fast_parse_info(HostContext *context, const char *path, char ***names) {
    if (!names)
        return 0;
    Scanner *scanner = open_listing(context, path);
    if (!scanner)
        return 0;
    int32_t count = 0;
    bool inside_quotes = false;
    while (next_component(scanner, &inside_quotes)) {
        // On a failed allocation the names read so far stay the caller's.
        char **grown = static_cast<char **>(
            mem_realloc(context, *names, (static_cast<size_t>(count) + 1) * sizeof(char *)));
        if (!grown)
            break;
        *names = grown;
        grown[count] = nullptr;
        char *name;
        if (read_component_name(scanner, &name) == NameRead::kFailed)
            break;
        grown[count++] = name;
    }
    scanner_close(scanner);
    return count;
}

OXEL_API void oxel_free_fast_parse_component_name(HostContext *context, char *name) {
    mem_free(context, name);
}

OXEL_API void oxel_free_fast_parse_component_names(HostContext *context, int32_t count,
                                                   char **names) {
    if (!names)
        return;
    for (int32_t i = 0; i < count; i++)
        mem_free(context, names[i]);
    mem_free(context, names);
}

}  // extern "C"

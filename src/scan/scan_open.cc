// Quick scanner: the opening shared by the scan exports
#include "scan/scan_open.h"

#include "scan/word_reader.h"

Scanner *open_scan_of(HostContext *context, const char *path, const ScanKeyword *keywords,
                      int32_t keyword_count, int32_t first_code) {
    if (!context || !path || !*path)
        return nullptr;
    Scanner *scanner =
        scanner_open(context, path, nullptr, SCAN_TEXT_FILE, keywords, keyword_count, "\";:");
    if (!scanner)
        return nullptr;
    if (!scanner_set_comments(scanner, "*", nullptr) || scanner_read_word(scanner) != first_code) {
        scanner_close(scanner);
        return nullptr;
    }
    return scanner;
}

// Quick scanner: whether a file is a flash description
#include "scan/scan_open.h"

namespace {

const ScanKeyword kFlashKeywords[] = {{"FLASH", 100}, {"\"", 108}, {";", 109}};

}  // namespace

extern "C" OXEL_API int32_t file_is_flash(HostContext *context, const char *path) {
    Scanner *scanner =
        open_scan_of(context, path, kFlashKeywords, sizeof kFlashKeywords / sizeof kFlashKeywords[0], 100);
    if (!scanner)
        return 0;
    scanner_close(scanner);
    return 1;
}

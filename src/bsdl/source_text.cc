// BSDL source text: the whole file read into one block
#include "bsdl/source_text.h"

#include <cstdio>

#include "base/memory.h"
#include "base/messages.h"
#include "base/text_input.h"

namespace {

// A BSDL file of a device is tens to hundreds of kilobytes; the importer's
// places are 32-bit and its arrays grow with the text, so a file is refused
// beyond this size rather than read without bound.
constexpr int32_t kLargestFileMegabytes = 256;
constexpr size_t kLargestFile = static_cast<size_t>(kLargestFileMegabytes) << 20;
constexpr size_t kFirstBlock = 64 * 1024;

}  // namespace

SourceRead read_source_text(HostContext *context, const char *path, SourceText *text) {
    *text = SourceText{};
    FILE *stream = open_source_file(path);
    if (!stream)
        return SourceRead::kCannotOpen;
    char *bytes = nullptr;
    size_t length = 0, room = 0;
    SourceRead result = SourceRead::kRead;
    // The file's size, when the stream tells it, is the first block's: one
    // read, no copy. The loop still reads whatever comes beyond it.
    long size = std::fseek(stream, 0, SEEK_END) == 0 ? std::ftell(stream) : -1;
    std::rewind(stream);
    size_t first = size > 0 && static_cast<size_t>(size) < kLargestFile ? static_cast<size_t>(size) + 1 : kFirstBlock;
    for (;;) {
        if (length == room) {
            if (room >= kLargestFile) {
                report_error(context, kNoPlace, "BSDL file '%s' is too large (more than %d MB)", path,
                             kLargestFileMegabytes);
                result = SourceRead::kFailed;
                break;
            }
            size_t grown = room ? 2 * room : first;
            // One byte more for the terminating NUL.
            auto *larger = static_cast<char *>(mem_realloc(context, bytes, grown + 1));
            if (!larger) {
                result = SourceRead::kFailed;
                break;
            }
            bytes = larger;
            room = grown;
        }
        size_t got = std::fread(bytes + length, 1, room - length, stream);
        length += got;
        if (got == 0)
            break;
    }
    if (result == SourceRead::kRead && std::ferror(stream)) {
        report_error(context, kNoPlace, "Unable to read BSDL file '%s'", path);
        result = SourceRead::kFailed;
    }
    std::fclose(stream);
    if (result != SourceRead::kRead) {
        mem_free(context, bytes);
        return result;
    }
    bytes[length] = '\0';
    *text = SourceText{bytes, static_cast<int32_t>(length)};
    return result;
}

void release_source_text(HostContext *context, SourceText *text) {
    mem_free(context, text->bytes);
    *text = SourceText{};
}

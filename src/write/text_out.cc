// Text output: the writer's buffer, its tokens and lines, handed to the host's sink in pieces
#include "write/text_out.h"

#include <cstring>

#include "base/memory.h"
#include "base/messages.h"

namespace {

constexpr size_t kBufferSize = 64 * 1024;

void flush(TextOut &out) {
    if (!out.failed && out.length > 0)
        out.sink(out.user, out.buffer, static_cast<int32_t>(out.length));
    out.length = 0;
}

}  // namespace

bool text_open(TextOut &out, HostContext *context, OxelTextSink sink, void *user) {
    out = TextOut{context, sink, user, nullptr, 0, 0, false, false};
    out.buffer = static_cast<char *>(mem_alloc(context, kBufferSize));
    out.failed = out.buffer == nullptr;
    return !out.failed;
}

bool text_close(TextOut &out) {
    if (out.buffer)
        flush(out);
    mem_free(out.context, out.buffer);
    out.buffer = nullptr;
    return !out.failed;
}

void put_bytes(TextOut &out, const char *bytes, size_t length) {
    while (!out.failed && length > 0) {
        if (out.length == kBufferSize)
            flush(out);
        size_t room = kBufferSize - out.length, part = length < room ? length : room;
        std::memcpy(out.buffer + out.length, bytes, part);
        out.length += part;
        bytes += part;
        length -= part;
    }
}

void put_text(TextOut &out, const char *text) { put_bytes(out, text, std::strlen(text)); }

void begin_line(TextOut &out) {
    put_bytes(out, "\n", 1);
    for (int i = 0; i < out.depth; i++)
        put_bytes(out, "  ", 2);
    out.need_blank = false;
}

void put_token(TextOut &out, const char *text) {
    if (out.need_blank)
        put_bytes(out, " ", 1);
    put_text(out, text);
    out.need_blank = true;
}

void put_closing(TextOut &out, char mark) {
    put_bytes(out, &mark, 1);
    out.need_blank = true;
}

void put_opening(TextOut &out, char mark, bool glued) {
    if (out.need_blank && !glued)
        put_bytes(out, " ", 1);
    put_bytes(out, &mark, 1);
    out.need_blank = false;
}

void cannot_write(TextOut &out, const char *label, const char *name) {
    if (out.failed)
        return;
    report_error(out.context, kNoPlace, "%s cannot be written as OXEL text: %s", label, show_name(name));
    out.failed = true;
}

// Header writer: OXEL_HEADER sections with their creation and change logs
#include "write/header_writer.h"

#include <initializer_list>

#include "write/oxel_words.h"
#include "write/section_frame.h"

namespace {

bool put_log(TextOut &out, const char *keyword, const LogRecord *log) {
    if (!log)
        return false;
    open_statement(out, keyword);
    for (const char *text : {log->date, log->creator, log->tool, log->reason})
        if (!put_string(out, text))
            return false;
    return true;
}

}  // namespace

void write_header(TextOut &out, const HeaderRecord *header) {
    open_block(out, "OXEL_HEADER");
    bool written = put_log(out, "CREATION_LOG", header->creation_log);
    for (int32_t i = 0; written && header->change_logs && i < header->change_logs->count; i++)
        if (header->change_logs->items[i])
            written = put_log(out, "CHANGE_LOG", static_cast<const LogRecord *>(header->change_logs->items[i]));
    if (!written || !header->change_logs)
        return cannot_write(out, "Header", nullptr);
    close_section(out, "OXEL_HEADER");
}

void write_source_header(TextOut &out, const char *source) {
    const LogRecord log = {const_cast<char *>(""), const_cast<char *>(""), const_cast<char *>(""),
                           const_cast<char *>(source)};
    ItemList none = {0, 1, nullptr};
    const HeaderRecord header = {const_cast<LogRecord *>(&log), &none};
    write_header(out, &header);
}

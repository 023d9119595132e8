// Header constructors: headers and their logs
#include "model/header_constructors.h"

#include "base/memory.h"
#include "model/item_list.h"
#include "model/release.h"

HeaderRecord *make_header(HostContext *context, LogRecord *creation_log, ItemList *change_logs) {
    HeaderRecord *header = static_cast<HeaderRecord *>(mem_alloc(context, sizeof(HeaderRecord)));
    if (!header) {
        release_log(context, creation_log);
        list_release_with(context, change_logs, release_log);
        return nullptr;
    }
    header->creation_log = creation_log;
    header->change_logs = change_logs ? change_logs : list_create(context, nullptr, 1);
    if (!header->change_logs) {
        release_header(context, header);
        return nullptr;
    }
    return header;
}

LogRecord *make_log(HostContext *context, char *date, char *creator, char *tool, char *reason) {
    LogRecord *log = static_cast<LogRecord *>(mem_alloc(context, sizeof(LogRecord)));
    if (!log) {
        mem_free(context, date);
        mem_free(context, creator);
        mem_free(context, tool);
        mem_free(context, reason);
        return nullptr;
    }
    log->date = date;
    log->creator = creator;
    log->tool = tool;
    log->reason = reason;
    return log;
}

// Message channel: reporters and counter accessors over the host context
#include "base/messages.h"

#include <cstdio>

namespace {

void count(HostContext *context, int32_t MessageCounters::*field) {
    if (context && context->counters)
        (context->counters->*field)++;
}

enum MessageLevel { kLevelError = 1, kLevelWarning = 2, kLevelNote = 3, kLevelProgress = 4 };

// Sends one finished text to the host's callback. Errors, warnings and
// notes point where they were told; progress and status lines are about
// nothing in particular.
void deliver(HostContext *context, int32_t kind, int32_t level, const char *text, const MessagePlace *where) {
    MessageRecord record;
    record.kind = kind;
    record.level = level;
    record.zero = 0;
    record.text = text;
    record.one = 1;
    if (!context->callback)
        return;
    begin_delivery(kind <= OXEL_KIND_NOTE ? where : nullptr);
    context->callback(context->user_data, &record);
    end_delivery();
}

// The steps shared by the five formatting reporters. The threshold is
// tested before formatting, so a suppressed message costs nothing and a
// suppressed error or warning is not counted either.
int32_t report(HostContext *context, int32_t kind, int32_t level, const MessagePlace *where, const char *format,
               va_list args) {
    if (!context || context->message_level < level)
        return 0;
    char text[kMessageSize];
    std::vsnprintf(text, sizeof text, format, args);
    deliver(context, kind, level, text, where);
    if (kind == OXEL_KIND_ERROR)
        count(context, &MessageCounters::errors);
    else if (kind == OXEL_KIND_WARNING)
        count(context, &MessageCounters::warnings);
    return 1;
}

int32_t level_of(int32_t kind) {
    return kind == OXEL_KIND_ERROR ? kLevelError : kind == OXEL_KIND_WARNING ? kLevelWarning : kLevelNote;
}

}  // namespace

int32_t report_message(HostContext *context, int32_t kind, const MessagePlace &where, const char *format,
                       va_list args) {
    return report(context, kind, level_of(kind), &where, format, args);
}

#define DEFINE_PLACED_REPORTER(function, kind)                                                \
    int32_t function(HostContext *context, const MessagePlace &where, const char *format, ...) { \
        va_list args;                                                                         \
        va_start(args, format);                                                               \
        int32_t passed = report_message(context, kind, where, format, args);                 \
        va_end(args);                                                                         \
        return passed;                                                                        \
    }
#define DEFINE_LINE_REPORTER(function, kind)                                      \
    int32_t function(HostContext *context, const char *format, ...) {             \
        va_list args;                                                             \
        va_start(args, format);                                                   \
        int32_t passed = report(context, kind, kLevelProgress, nullptr, format, args); \
        va_end(args);                                                             \
        return passed;                                                            \
    }

DEFINE_PLACED_REPORTER(report_error, OXEL_KIND_ERROR)
DEFINE_PLACED_REPORTER(report_warning, OXEL_KIND_WARNING)
DEFINE_PLACED_REPORTER(report_note, OXEL_KIND_NOTE)
DEFINE_LINE_REPORTER(report_progress, OXEL_KIND_PROGRESS)
DEFINE_LINE_REPORTER(report_status, OXEL_KIND_STATUS)

int32_t report_memory_error(HostContext *context) {
    if (!context)
        return 1;
    deliver(context, OXEL_KIND_ERROR, kLevelError, "Memory allocation error", nullptr);
    count(context, &MessageCounters::errors);
    return 1;
}

int32_t report_source_error(HostContext *context, const MessagePlace &where, int32_t line, const char *format, ...) {
    // Cutting the text to the buffer first loses nothing: the whole message
    // is cut again where a single format would have cut it.
    char text[kMessageSize];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return report_error(context, where, "syntax error >> line %d\n%*s%s", line, kMessageIndent, "", text);
}

MessageCounts message_counts(HostContext *context) {
    const MessageCounters *counters = context ? context->counters : nullptr;
    return counters ? MessageCounts{counters->errors, counters->warnings} : MessageCounts{0, 0};
}

void set_message_counts(HostContext *context, MessageCounts counts) {
    if (context && context->counters) {
        context->counters->errors = counts.errors;
        context->counters->warnings = counts.warnings;
    }
}

// Message channel: reporters and counter accessors over the host context
#include "base/messages.h"

#include <cstdio>

namespace {

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
        count_error(context);
    else if (kind == OXEL_KIND_WARNING)
        count_warning(context);
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
    count_error(context);
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

int32_t get_error_count(HostContext *context) {
    return context && context->counters ? context->counters->errors : 0;
}

void set_error_count(HostContext *context, int32_t value) {
    if (context && context->counters)
        context->counters->errors = value;
}

void count_error(HostContext *context) {
    if (context && context->counters)
        context->counters->errors++;
}

int32_t get_warning_count(HostContext *context) {
    return context && context->counters ? context->counters->warnings : 0;
}

void set_warning_count(HostContext *context, int32_t value) {
    if (context && context->counters)
        context->counters->warnings = value;
}

void count_warning(HostContext *context) {
    if (context && context->counters)
        context->counters->warnings++;
}

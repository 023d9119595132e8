// Message channel: reporters and counter accessors over the host context
#include "base/messages.h"

#include <cstdarg>
#include <cstdio>

#include "base/message_location.h"

namespace {

enum MessageLevel { kLevelError = 1, kLevelWarning = 2, kLevelNote = 3, kLevelProgress = 4 };

// Sends one finished text to the host's callback. Errors, warnings and
// notes point where the messages point now; progress and status lines are
// about nothing in particular.
void deliver(HostContext *context, int32_t kind, int32_t level, const char *text, bool located) {
    MessageRecord record;
    record.kind = kind;
    record.level = level;
    record.zero = 0;
    record.text = text;
    record.one = 1;
    if (!context->callback)
        return;
    begin_delivery(located && kind <= OXEL_KIND_NOTE);
    context->callback(context->user_data, &record);
    end_delivery();
}

// The steps shared by the five formatting reporters. The threshold is
// tested before formatting, so a suppressed message costs nothing and a
// suppressed error or warning is not counted either.
int32_t report(HostContext *context, int32_t kind, int32_t level,
               const char *format, va_list args) {
    if (!context || context->message_level < level)
        return 0;
    char text[kMessageSize];
    std::vsnprintf(text, sizeof text, format, args);
    deliver(context, kind, level, text, true);
    if (kind == OXEL_KIND_ERROR)
        count_error(context);
    else if (kind == OXEL_KIND_WARNING)
        count_warning(context);
    return 1;
}

}  // namespace

#define DEFINE_REPORTER(function, kind, level)                              \
    int32_t function(HostContext *context, const char *format, ...) {       \
        va_list args;                                                       \
        va_start(args, format);                                             \
        int32_t passed = report(context, kind, level, format, args);        \
        va_end(args);                                                       \
        return passed;                                                      \
    }

DEFINE_REPORTER(report_error, OXEL_KIND_ERROR, kLevelError)
DEFINE_REPORTER(report_warning, OXEL_KIND_WARNING, kLevelWarning)
DEFINE_REPORTER(report_note, OXEL_KIND_NOTE, kLevelNote)
DEFINE_REPORTER(report_progress, OXEL_KIND_PROGRESS, kLevelProgress)
DEFINE_REPORTER(report_status, OXEL_KIND_STATUS, kLevelProgress)

int32_t report_memory_error(HostContext *context) {
    if (!context)
        return 1;
    deliver(context, OXEL_KIND_ERROR, kLevelError, "Memory allocation error", false);
    count_error(context);
    return 1;
}

int32_t report_source_error(HostContext *context, int32_t line, const char *format, ...) {
    // Cutting the text to the buffer first loses nothing: the whole message
    // is cut again where a single format would have cut it.
    char text[kMessageSize];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return report_error(context, "syntax error >> line %d\n%*s%s", line, kMessageIndent, "", text);
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

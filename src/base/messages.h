// Message channel: reporters and counter accessors over the host context
//
// The texts of the library's messages are a contract: hosts match on them,
// so each stays exactly as it is, spelling slips included ("Mising",
// "piname", "multiple defined", "an usercode"). Every format string stands
// whole on one line at the rule that sends it (where one rule serves several
// cases from a table, in the case's row), where a grep for the text lands
// and the compiler checks it against its arguments.
#pragma once

#include <cstdarg>

#include "base/message_location.h"
#include "oxel32.h"

#define OXEL_PRINTF(f, a) __attribute__((format(printf, f, a)))

// Each reporter formats its message and hands it to the host's callback
// when the host's message level lets it through; errors, warnings and notes
// point where they are told to. Result: 1 when the message passed the
// threshold, 0 when it was suppressed.
int32_t report_error(HostContext *context, const MessagePlace &where, const char *format, ...) OXEL_PRINTF(3, 4);
int32_t report_warning(HostContext *context, const MessagePlace &where, const char *format, ...) OXEL_PRINTF(3, 4);
int32_t report_note(HostContext *context, const MessagePlace &where, const char *format, ...) OXEL_PRINTF(3, 4);
int32_t report_progress(HostContext *context, const char *format, ...) OXEL_PRINTF(2, 3);
int32_t report_status(HostContext *context, const char *format, ...) OXEL_PRINTF(2, 3);
// The same for a reporter of a higher layer that takes its own arguments:
// `kind` is OXEL_KIND_ERROR, OXEL_KIND_WARNING or OXEL_KIND_NOTE.
int32_t report_message(HostContext *context, int32_t kind, const MessagePlace &where, const char *format,
                       va_list args);

// "Memory allocation error": always sent and counted, whatever the level.
int32_t report_memory_error(HostContext *context);

// An error that points into the source, in two lines: "syntax error >> line
// %d", then the formatted text behind twelve blanks.
int32_t report_source_error(HostContext *context, const MessagePlace &where, int32_t line, const char *format, ...)
    OXEL_PRINTF(4, 5);

// The width of the indent of a message's second line ("%*s" with "").
constexpr int kMessageIndent = 12;
// The reporters' buffer: a message holds at most kMessageSize - 1 characters.
constexpr int kMessageSize = 1024;

// An absent text is printed as "(null)", never passed to printf as null.
inline const char *show_text(const char *text) { return text ? text : "(null)"; }
// An absent name stands in messages as "(noname)".
inline const char *show_name(const char *name) { return name ? name : "(noname)"; }

// The host's counts of errors and warnings: 0 without counters, and
// setting them changes nothing then. Every error and warning that passes
// the host's level is counted, the memory error always.
struct MessageCounts {
    int32_t errors;
    int32_t warnings;
};
MessageCounts message_counts(HostContext *context);
void set_message_counts(HostContext *context, MessageCounts counts);

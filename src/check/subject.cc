// Subjects: the record a check's findings are about, which its messages point at
#include "check/subject.h"

#include <cstdarg>

// A finding of `kind` about the subject, sent when `sent` holds (and the
// host's level lets it through): its severity, or kClean when not sent.
#define DEFINE_FINDING(signature, sent, kind, severity)            \
    Severity Subject::signature const {                            \
        if (!(sent))                                               \
            return kClean;                                         \
        va_list args;                                              \
        va_start(args, format);                                    \
        report_message(host, kind, place(), format, args);         \
        va_end(args);                                              \
        return severity;                                           \
    }

DEFINE_FINDING(error(const char *format, ...), true, OXEL_KIND_ERROR, kError)
DEFINE_FINDING(error_if(bool found, const char *format, ...), found, OXEL_KIND_ERROR, kError)
DEFINE_FINDING(warning(const char *format, ...), true, OXEL_KIND_WARNING, kWarning)
DEFINE_FINDING(warning_if(bool found, const char *format, ...), found, OXEL_KIND_WARNING, kWarning)
DEFINE_FINDING(note(const char *format, ...), true, OXEL_KIND_NOTE, kClean)

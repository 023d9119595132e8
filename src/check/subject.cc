// Subjects: the record a check's findings are about, which its messages point at
#include "check/subject.h"

#include <cstdarg>

Severity Subject::error(const char *format, ...) const {
    va_list args;
    va_start(args, format);
    report_message(host, OXEL_KIND_ERROR, place(), format, args);
    va_end(args);
    return kError;
}

Severity Subject::warning(const char *format, ...) const {
    va_list args;
    va_start(args, format);
    report_message(host, OXEL_KIND_WARNING, place(), format, args);
    va_end(args);
    return kWarning;
}

void Subject::note(const char *format, ...) const {
    va_list args;
    va_start(args, format);
    report_message(host, OXEL_KIND_NOTE, place(), format, args);
    va_end(args);
}

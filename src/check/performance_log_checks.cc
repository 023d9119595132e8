// Global performance and log checks: the descriptive data of headers, boards and components
#include "check/message_subject.h"
#include "check/performance_log_checks.h"

#include "base/messages.h"

namespace {

Severity check_global_performance(HostContext *context, const GlobalPerformanceRecord *performance) {
    MessageSubject about(performance);
    if (!performance) {
        report_error(context, "Missing global performance section");
        return kError;
    }
    Severity result = kClean;
    if (!performance->name) {
        report_error(context, "Missing name in Globalperformance");
        result |= kError;
    }
    const char *name = show_name(performance->name);
    if (!performance->test_freq_min) {
        report_warning(context, "TFMin undefined in global performance \"%s\"", name);
        result |= kWarning;
    }
    if (!performance->test_freq_typ) {
        report_warning(context, "TFTyp undefined in global performance \"%s\"", name);
        result |= kWarning;
    }
    if (!performance->test_freq_max) {
        report_warning(context, "TFMax undefined in global performance \"%s\"", name);
        result |= kWarning;
    }
    return result;
}

// The four texts of a log, in the order they are asked for.
struct LogField {
    char *LogRecord::*text;
    const char *missing;
};
constexpr LogField kLogFields[] = {
    {&LogRecord::date, "Log without date"},
    {&LogRecord::creator, "Log without Creator/Editor"},
    {&LogRecord::tool, "Log without Tool name"},
    {&LogRecord::reason, "Log without Reason description"},
};

// An absent log, like an absent creation log, has nothing to check.
Severity check_log(HostContext *context, const LogRecord *log) {
    if (!log)
        return kClean;
    Severity result = kClean;
    for (const LogField &field : kLogFields)
        if (!(log->*field.text)) {
            report_warning(context, "%s", field.missing);
            result |= kWarning;
        }
    return result;
}

}  // namespace

Severity check_logs(HostContext *context, const HeaderRecord *header) {
    if (!header)
        return kClean;
    Severity result = check_log(context, header->creation_log);
    const ItemList *changes = header->change_logs;
    if (changes && changes->items)
        for (int32_t i = 0; i < changes->count; i++)
            result |= check_log(context, static_cast<const LogRecord *>(changes->items[i]));
    return result;
}

Severity check_global_performances(HostContext *context, const ItemList *performances) {
    if (!performances || !performances->items)
        return kClean;
    Severity result = kClean;
    for (int32_t i = 0; i < performances->count; i++) {
        auto *performance = static_cast<const GlobalPerformanceRecord *>(performances->items[i]);
        result |= check_global_performance(context, performance);
    }
    return result;
}

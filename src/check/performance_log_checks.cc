// Global family and log checks: the descriptive data of headers, boards and components
#include "check/performance_log_checks.h"

namespace {

Severity check_global_family(const Subject &at, const GlobalPerformanceRecord *family) {
    if (!family)
        return at.error("Missing global performance section");
    Severity result = kClean;
    if (!family->name)
        result |= at.error("Missing name in Globalperformance");
    const char *name = show_name(family->name);
    if (!family->test_freq_min)
        result |= at.warning("TFMin undefined in global performance \"%s\"", name);
    if (!family->test_freq_typ)
        result |= at.warning("TFTyp undefined in global performance \"%s\"", name);
    if (!family->test_freq_max)
        result |= at.warning("TFMax undefined in global performance \"%s\"", name);
    return result;
}

// An absent log, like an absent creation log, has nothing to check; its
// texts are asked for in order.
Severity check_log(const Subject &at, const LogRecord *log) {
    if (!log)
        return kClean;
    Severity result = kClean;
    if (!log->date)
        result |= at.warning("Log without date");
    if (!log->creator)
        result |= at.warning("Log without Creator/Editor");
    if (!log->tool)
        result |= at.warning("Log without Tool name");
    if (!log->reason)
        result |= at.warning("Log without Reason description");
    return result;
}

}  // namespace

Severity check_logs(const Subject &at, const HeaderRecord *header) {
    if (!header)
        return kClean;
    Severity result = check_log(at, header->creation_log);
    const ItemList *changes = header->change_logs;
    if (changes && changes->items)
        for (int32_t i = 0; i < changes->count; i++)
            result |= check_log(at, static_cast<const LogRecord *>(changes->items[i]));
    return result;
}

Severity check_global_families(const Subject &at, const ItemList *families) {
    if (!families || !families->items)
        return kClean;
    Severity result = kClean;
    for (int32_t i = 0; i < families->count; i++) {
        auto *family = static_cast<const GlobalPerformanceRecord *>(families->items[i]);
        result |= check_global_family(at.about(family), family);
    }
    return result;
}

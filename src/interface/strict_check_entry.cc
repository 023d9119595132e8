// Strict check entry point: the designed check, then the strict rules
#include "check/check_driver.h"
#include "check/strict_rules.h"
#include "interface/entry_points.h"

extern "C" {

// The strict rules read the description the designed check leaves, whatever
// it found; errors of either destroy it afterwards, as OxelCheck does.
OXEL_API int32_t oxel_check_strict(HostContext *context) {
    if (!context)
        return OXEL_NO_CONTEXT;
    CheckVerdict verdict = check_description(context, g_library.description, g_library.syntax_errors);
    // Nothing was checked (syntax errors, or no tables): nothing more is.
    if (verdict.result == OXEL_FAILED && !verdict.errors_found)
        return verdict.result;
    Severity strict = check_strict_rules(context, g_library.description);
    if (verdict.errors_found || has_error(strict)) {
        OxelDestroy(context);
        return OXEL_FAILED;
    }
    return verdict.result == OXEL_WARNINGS || (strict & kWarning) ? OXEL_WARNINGS : OXEL_OK;
}

}   // extern "C"

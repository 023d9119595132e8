// Check entry point: OxelCheck and its cdecl twin
#include "check/check_driver.h"
#include "interface/entry_points.h"

extern "C" {

// A run that found errors destroys the description, as a failed parse does.
OXEL_API int32_t OXEL_STDCALL OxelCheck(HostContext *context) {
    if (!context)
        return OXEL_NO_CONTEXT;
    CheckVerdict verdict = check_description(context, g_library.description, g_library.syntax_errors);
    if (verdict.errors_found)
        OxelDestroy(context);
    return verdict.result;
}

OXEL_API int32_t oxel_check(HostContext *context) { return OxelCheck(context); }

}  // extern "C"

// Include search export: the places a host adds to the lookup of include files
#include "interface/entry_points.h"
#include "lexer/include_search.h"
#include "lexer/lexer_state.h"
#include "oxel32.h"

extern "C" {

OXEL_API int32_t oxel_set_include_search(HostContext *context, int32_t beside, const char *const *folders,
                                         int32_t count) {
    if (!context)
        return OXEL_NO_CONTEXT;
    return set_include_search(g_library.lexer.includes.search, context, beside, folders, count) ? OXEL_OK : OXEL_FAILED;
}

}  // extern "C"

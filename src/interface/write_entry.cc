// Write entry point: the description held, written as OXEL text to the host's sink
#include "interface/entry_points.h"
#include "write/description_writer.h"

extern "C" {

OXEL_API int32_t oxel_write_description(HostContext *context, OxelTextSink sink, void *user) {
    if (!context || !sink)
        return OXEL_NO_CONTEXT;
    return write_description(context, &g_library.description.root, sink, user) ? OXEL_OK : OXEL_FAILED;
}

}  // extern "C"

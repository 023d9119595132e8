// oxel: the exit status a file gives, from the library's result and the messages about it
#include "exit_status.h"

int file_status(int32_t result, const DiagnosticSink &sink, bool warnings_fail) {
    if (result >= OXEL_FAILED || sink.errors > 0)
        return OXEL_FAILED;
    if (result == OXEL_WARNINGS || sink.warnings > 0)
        return warnings_fail ? OXEL_WARNINGS : OXEL_OK;
    return OXEL_OK;
}

// Message location export: where the message a host's callback receives points
#include "base/message_location.h"
#include "oxel32.h"

extern "C" {

OXEL_API int32_t oxel_message_location(const char **file, int32_t *line, int32_t *column) {
    SourceLocation where = kNowhere;
    bool located = delivered_message_location(&where);
    if (file)
        *file = where.file;
    if (line)
        *line = where.line;
    if (column)
        *column = where.column;
    return located ? 1 : 0;
}

}  // extern "C"

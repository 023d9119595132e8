// Location exports: where the message a host's callback receives points, and where a record was written
#include "base/message_location.h"
#include "interface/entry_points.h"
#include "model/record_locations.h"
#include "oxel32.h"

namespace {

int32_t tell_place(const SourceLocation &where, bool located, const char **file, int32_t *line,
                   int32_t *column) {
    if (file)
        *file = where.file;
    if (line)
        *line = where.line;
    if (column)
        *column = where.column;
    return located ? 1 : 0;
}

}  // namespace

extern "C" {

OXEL_API int32_t oxel_message_location(const char **file, int32_t *line, int32_t *column) {
    SourceLocation where = kNowhere;
    bool located = delivered_message_location(&where);
    return tell_place(where, located, file, line, column);
}

OXEL_API int32_t oxel_record_location(const void *record, const char **file, int32_t *line, int32_t *column) {
    SourceLocation where = location_of(g_library.description.locations, record);
    return tell_place(where, where.file != nullptr, file, line, column);
}

}  // extern "C"

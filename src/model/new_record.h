// New records: a zeroed block of a record type from the memory layer
#pragma once

#include "base/memory.h"

// Null after a reported failure; the caller then releases what it was handed.
template <typename Record>
Record *new_record(HostContext *context) {
    return static_cast<Record *>(mem_alloc(context, sizeof(Record)));
}

// A new record holding `fields`, for a constructor that only gathers what
// it is handed; null after a reported failure, drop() then releasing what
// the fields own.
template <typename Record, typename Drop>
Record *new_record_of(HostContext *context, const Record &fields, Drop drop) {
    Record *record = new_record<Record>(context);
    if (!record) {
        drop();
        return nullptr;
    }
    *record = fields;
    return record;
}

// New records: a zeroed block of a record type from the memory layer
#pragma once

#include "base/memory.h"

// Null after a reported failure; the caller then releases what it was handed.
template <typename Record>
Record *new_record(HostContext *context) {
    return static_cast<Record *>(mem_alloc(context, sizeof(Record)));
}

// Component queries: the cursors over the seven register kinds
#pragma once

#include "query/query_cursors.h"
#include "oxel32.h"

// Register kind cursors, by RegisterKindCode: 1 when a first (or further)
// register of the kind is current afterwards; 0 leaves the kind's cursor as
// it was.
int32_t open_register_kind(query_cursors &q, int32_t code);
int32_t next_register_of_kind(query_cursors &q, int32_t code);
// The current register of a kind, or null.
void *current_register(query_cursors &q, int32_t code);

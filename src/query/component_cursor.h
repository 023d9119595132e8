// Component queries: the component cursor
#pragma once

#include "query/query_cursors.h"
#include "oxel32.h"

// The query of the public header with oxel_ before the name, over the
// cursors `q`: oxel32.h says what each answers.
int32_t nr_components(query_cursors &q);
int32_t get_first_component(query_cursors &q);
int32_t get_next_component(query_cursors &q);
ComponentRecord *get_current_component_entry(query_cursors &q);
const char *get_current_component_name(query_cursors &q);
int32_t open_component(query_cursors &q, const char *name);
int32_t delete_current_component(query_cursors &q, HostContext *context);

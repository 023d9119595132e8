// Component queries: the component cursor
#pragma once

#include "query/query_cursors.h"
#include "oxel32.h"

// The query of the public header with oxel_ before the name, over the
// cursors `q`: oxel32.h says what each answers.
#define OXEL_COMPONENT_CURSOR_QUERIES(X)                       \
    X(int32_t, nr_components, (void))                          \
    X(int32_t, get_first_component, (void))                    \
    X(int32_t, get_next_component, (void))                     \
    X(ComponentRecord *, get_current_component_entry, (void))  \
    X(const char *, get_current_component_name, (void))
OXEL_COMPONENT_CURSOR_QUERIES(OXEL_DECLARE_QUERY)
int32_t open_component(query_cursors &q, const char *name);
int32_t delete_current_component(query_cursors &q, HostContext *context);

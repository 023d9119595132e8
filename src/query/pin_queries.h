// Component queries: finding pins by type, name and number
#pragma once

#include "query/query_cursors.h"
#include "oxel32.h"

// The query of the public header with oxel_ before the name, over the
// cursors `q`: oxel32.h says what each answers.
const char *get_current_component_tap_pin_name(query_cursors &q, int32_t type);
const char *get_current_component_pin_id(query_cursors &q, int32_t type);
const char *get_current_component_pin_id_special(query_cursors &q, int32_t type);
#define OXEL_PIN_QUERIES(X)                                            \
    X(int32_t, get_current_component_trst_available, (HostContext *))
OXEL_PIN_QUERIES(OXEL_DECLARE_QUERY)
int32_t get_current_component_pin_type(query_cursors &q, const char *name);
const char *get_current_component_pin_nr(query_cursors &q, const char *name);
const char *find_current_component_pin_name(query_cursors &q, const char *number);
int32_t find_current_component_pin(query_cursors &q, const char *name);

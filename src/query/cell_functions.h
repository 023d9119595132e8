// Component queries: what a boundary-scan cell does for the pins it serves
#pragma once

#include "query/query_cursors.h"
#include "oxel32.h"

// The query of the public header with oxel_ before the name, over the
// cursors `q`: oxel32.h says what each answers.
int32_t get_current_component_current_cell_function_list(query_cursors &q, const char **names, int32_t *codes,
                                                         int32_t capacity);

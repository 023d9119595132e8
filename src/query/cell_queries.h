// Component queries: the walk along the boundary-scan chain
#pragma once

#include "query/query_cursors.h"
#include "oxel32.h"

// Copies the chain element at the 1-based position into the cell view.
void show_chain_element(query_cursors &q, ItemList *chain, int32_t position);
// The chain cursor over the current boundary-scan register's chain: each
// move copies the element into the cell view. The first cell re-opens the
// first boundary-scan register; both make the view the current cell (1),
// or leave no current cell (0).
int32_t first_cell(query_cursors &q);
int32_t next_cell(query_cursors &q);

// The query of the public header with oxel_ before the name, over the
// cursors `q`: oxel32.h says what each answers.
#define OXEL_CELL_QUERIES(X)                                                   \
    X(int32_t, get_current_component_first_cell, (HostContext *))              \
    X(int32_t, get_current_component_next_cell, (HostContext *))               \
    X(int32_t, get_current_component_current_cell_position, (void))            \
    X(const char *, get_current_component_current_cell_name, (void))           \
    X(int32_t, get_current_component_current_cell_CD_output, (HostContext *))  \
    X(char, get_current_component_current_cell_CD_value, (HostContext *))
OXEL_CELL_QUERIES(OXEL_DECLARE_QUERY)
const char *get_current_component_pin_name_by_position(query_cursors &q, HostContext *context, int32_t position);

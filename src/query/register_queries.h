// Component queries: register lengths, capture codes and register types
#pragma once

#include "query/query_cursors.h"
#include "oxel32.h"

// The query of the public header with oxel_ before the name, over the
// cursors `q`: oxel32.h says what each answers.
#define OXEL_REGISTER_QUERIES(X)                                                      \
    X(int32_t, open_current_component_boundary_scan_register, (HostContext *))        \
    X(int32_t, get_current_component_boundary_scan_register_length, (void))           \
    X(int32_t, get_current_component_instruction_register_length, (void))             \
    X(const char *, get_current_component_instruction_register_capture_code, (void))  \
    X(const char *, get_current_component_idcode_register_capture_code, (void))       \
    X(const char *, get_current_component_usercode_register_capture_code, (void))
OXEL_REGISTER_QUERIES(OXEL_DECLARE_QUERY)
int32_t get_current_component_register_length(query_cursors &q, const char *name);
const char *get_current_component_register_capture_code(query_cursors &q, const char *name);
void get_current_component_register_type_selected(query_cursors &q, char *buffer);
int32_t get_current_component_register_type_selected_n(query_cursors &q, char *buffer, int32_t size);

// Component queries: the instruction cursor and what it shows
#pragma once

#include "query/query_cursors.h"
#include "oxel32.h"

// The query of the public header with oxel_ before the name, over the
// cursors `q`: oxel32.h says what each answers.
#define OXEL_INSTRUCTION_QUERIES(X)                                            \
    X(const char *, get_current_component_extest_instruction, (void))          \
    X(const char *, get_current_component_bypass_instruction, (void))          \
    X(const char *, get_current_component_sample_preload_instruction, (void))  \
    X(const char *, get_current_component_ident_instruction, (void))           \
    X(const char *, get_current_component_clamp_instruction, (void))           \
    X(const char *, get_current_component_highz_instruction, (void))           \
    X(int32_t, get_current_component_first_instruction, (void))                \
    X(int32_t, get_current_component_next_instruction, (void))                 \
    X(const char *, get_current_component_current_instruction_name, (void))    \
    X(const char *, get_current_component_current_instruction_code, (void))    \
    X(const char *, get_current_component_register_selected, (void))
OXEL_INSTRUCTION_QUERIES(OXEL_DECLARE_QUERY)
int32_t current_component_instruction2text(query_cursors &q, int32_t kind, char *buffer);
int32_t current_component_instruction2text_n(query_cursors &q, int32_t kind, char *buffer, int32_t size);

// Component queries: the instruction cursor and what it shows
#pragma once

#include "query/query_cursors.h"
#include "oxel32.h"

// The query of the public header with oxel_ before the name, over the
// cursors `q`: oxel32.h says what each answers.
const char *get_current_component_extest_instruction(query_cursors &q);
const char *get_current_component_bypass_instruction(query_cursors &q);
const char *get_current_component_sample_preload_instruction(query_cursors &q);
const char *get_current_component_ident_instruction(query_cursors &q);
const char *get_current_component_clamp_instruction(query_cursors &q);
const char *get_current_component_highz_instruction(query_cursors &q);
int32_t get_current_component_first_instruction(query_cursors &q);
int32_t get_current_component_next_instruction(query_cursors &q);
const char *get_current_component_current_instruction_name(query_cursors &q);
const char *get_current_component_current_instruction_code(query_cursors &q);
const char *get_current_component_register_selected(query_cursors &q);
int32_t current_component_instruction2text(query_cursors &q, int32_t kind, char *buffer);
int32_t current_component_instruction2text_n(query_cursors &q, int32_t kind, char *buffer, int32_t size);

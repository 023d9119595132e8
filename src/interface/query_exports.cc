// Query exports: the component queries of the public header over the library's cursors
#include "interface/library_state.h"
#include "query/cell_functions.h"
#include "query/cell_queries.h"
#include "query/component_cursor.h"
#include "query/component_queries.h"
#include "query/instruction_queries.h"
#include "query/pin_cursor.h"
#include "query/pin_queries.h"
#include "query/register_queries.h"

// Each export asks its query over the library's one set of cursors; the
// host context some take is accepted and, but for deleting a component and
// looking a cell up by position, not used.
extern "C" {

// Components.
OXEL_API int32_t oxel_nr_components(void) { return nr_components(g_library.cursors); }
OXEL_API int32_t oxel_get_first_component(void) { return get_first_component(g_library.cursors); }
OXEL_API int32_t oxel_get_next_component(void) { return get_next_component(g_library.cursors); }
OXEL_API ComponentRecord *oxel_get_current_component_entry(void) {
    return get_current_component_entry(g_library.cursors);
}
OXEL_API const char *oxel_get_current_component_name(void) {
    return get_current_component_name(g_library.cursors);
}
OXEL_API int32_t oxel_open_component(HostContext *, const char *name) {
    return open_component(g_library.cursors, name);
}
OXEL_API int32_t oxel_delete_current_component(HostContext *context) {
    return delete_current_component(g_library.cursors, context);
}

// Source, standard and test frequency.
OXEL_API const char *oxel_get_current_component_bsd_ref(void) {
    return get_current_component_bsd_ref(g_library.cursors);
}
OXEL_API double oxel_get_current_component_highest_frequency(void) {
    return get_current_component_highest_frequency(g_library.cursors);
}
OXEL_API int32_t oxel_get_current_component_standard(HostContext *) {
    return get_current_component_standard(g_library.cursors);
}

// Instructions.
OXEL_API const char *oxel_get_current_component_extest_instruction(void) {
    return get_current_component_extest_instruction(g_library.cursors);
}
OXEL_API const char *oxel_get_current_component_bypass_instruction(void) {
    return get_current_component_bypass_instruction(g_library.cursors);
}
OXEL_API const char *oxel_get_current_component_sample_preload_instruction(void) {
    return get_current_component_sample_preload_instruction(g_library.cursors);
}
OXEL_API const char *oxel_get_current_component_ident_instruction(void) {
    return get_current_component_ident_instruction(g_library.cursors);
}
OXEL_API const char *oxel_get_current_component_clamp_instruction(void) {
    return get_current_component_clamp_instruction(g_library.cursors);
}
OXEL_API const char *oxel_get_current_component_highz_instruction(void) {
    return get_current_component_highz_instruction(g_library.cursors);
}
OXEL_API int32_t oxel_get_current_component_first_instruction(void) {
    return get_current_component_first_instruction(g_library.cursors);
}
OXEL_API int32_t oxel_get_current_component_next_instruction(void) {
    return get_current_component_next_instruction(g_library.cursors);
}
OXEL_API const char *oxel_get_current_component_current_instruction_name(void) {
    return get_current_component_current_instruction_name(g_library.cursors);
}
OXEL_API const char *oxel_get_current_component_current_instruction_code(void) {
    return get_current_component_current_instruction_code(g_library.cursors);
}
OXEL_API const char *oxel_get_current_component_register_selected(void) {
    return get_current_component_register_selected(g_library.cursors);
}
OXEL_API int32_t oxel_current_component_instruction2text(HostContext *, int32_t kind, char *buffer) {
    return current_component_instruction2text(g_library.cursors, kind, buffer);
}
OXEL_API int32_t oxel_current_component_instruction2text_n(HostContext *, int32_t kind, char *buffer, int32_t size) {
    return current_component_instruction2text_n(g_library.cursors, kind, buffer, size);
}
OXEL_API void oxel_get_current_component_register_type_selected(HostContext *, char *buffer) {
    get_current_component_register_type_selected(g_library.cursors, buffer);
}
OXEL_API int32_t oxel_get_current_component_register_type_selected_n(HostContext *, char *buffer, int32_t size) {
    return get_current_component_register_type_selected_n(g_library.cursors, buffer, size);
}

// Registers.
OXEL_API int32_t oxel_open_current_component_boundary_scan_register(HostContext *) {
    return open_current_component_boundary_scan_register(g_library.cursors);
}
OXEL_API int32_t oxel_get_current_component_boundary_scan_register_length(void) {
    return get_current_component_boundary_scan_register_length(g_library.cursors);
}
OXEL_API int32_t oxel_get_current_component_instruction_register_length(void) {
    return get_current_component_instruction_register_length(g_library.cursors);
}
OXEL_API const char *oxel_get_current_component_instruction_register_capture_code(void) {
    return get_current_component_instruction_register_capture_code(g_library.cursors);
}
OXEL_API const char *oxel_get_current_component_idcode_register_capture_code(void) {
    return get_current_component_idcode_register_capture_code(g_library.cursors);
}
OXEL_API const char *oxel_get_current_component_usercode_register_capture_code(void) {
    return get_current_component_usercode_register_capture_code(g_library.cursors);
}
OXEL_API int32_t oxel_get_current_component_register_length(HostContext *, const char *name) {
    return get_current_component_register_length(g_library.cursors, name);
}
OXEL_API const char *oxel_get_current_component_register_capture_code(HostContext *, const char *name) {
    return get_current_component_register_capture_code(g_library.cursors, name);
}

// Pins.
OXEL_API const char *oxel_get_current_component_tap_pin_name(HostContext *, int32_t type) {
    return get_current_component_tap_pin_name(g_library.cursors, type);
}
OXEL_API const char *oxel_get_current_component_pin_id(HostContext *, int32_t type) {
    return get_current_component_pin_id(g_library.cursors, type);
}
OXEL_API const char *oxel_get_current_component_pin_id_special(HostContext *, int32_t type) {
    return get_current_component_pin_id_special(g_library.cursors, type);
}
OXEL_API int32_t oxel_get_current_component_trst_available(HostContext *) {
    return get_current_component_trst_available(g_library.cursors);
}
OXEL_API int32_t oxel_get_current_component_pin_type(HostContext *, const char *name) {
    return get_current_component_pin_type(g_library.cursors, name);
}
OXEL_API const char *oxel_get_current_component_pin_nr(HostContext *, const char *name) {
    return get_current_component_pin_nr(g_library.cursors, name);
}
OXEL_API const char *oxel_find_current_component_pin_name(HostContext *, const char *number) {
    return find_current_component_pin_name(g_library.cursors, number);
}
OXEL_API int32_t oxel_find_current_component_pin(HostContext *, const char *name) {
    return find_current_component_pin(g_library.cursors, name);
}
OXEL_API const char *oxel_get_current_component_pin_name_by_position(HostContext *context, int32_t position) {
    return get_current_component_pin_name_by_position(g_library.cursors, context, position);
}
OXEL_API const char *oxel_get_current_component_first_pin_name(void) {
    return get_current_component_first_pin_name(g_library.cursors);
}
OXEL_API const char *oxel_get_current_component_next_pin_name(void) {
    return get_current_component_next_pin_name(g_library.cursors);
}
OXEL_API const char *oxel_get_current_component_first_pin_nr(void) {
    return get_current_component_first_pin_nr(g_library.cursors);
}
OXEL_API const char *oxel_get_current_component_next_pin_nr(void) {
    return get_current_component_next_pin_nr(g_library.cursors);
}
OXEL_API const char *oxel_get_current_component_current_pin_name(void) {
    return get_current_component_current_pin_name(g_library.cursors);
}
OXEL_API const char *oxel_get_current_component_current_pin_nr(void) {
    return get_current_component_current_pin_nr(g_library.cursors);
}
OXEL_API int32_t oxel_get_current_component_current_pin_direction(HostContext *) {
    return get_current_component_current_pin_direction(g_library.cursors);
}
OXEL_API int32_t oxel_nr_current_component_pins(void) { return nr_current_component_pins(g_library.cursors); }

// Boundary-scan cells.
OXEL_API int32_t oxel_get_current_component_first_cell(HostContext *) {
    return get_current_component_first_cell(g_library.cursors);
}
OXEL_API int32_t oxel_get_current_component_next_cell(HostContext *) {
    return get_current_component_next_cell(g_library.cursors);
}
OXEL_API int32_t oxel_get_current_component_current_cell_position(void) {
    return get_current_component_current_cell_position(g_library.cursors);
}
OXEL_API const char *oxel_get_current_component_current_cell_name(void) {
    return get_current_component_current_cell_name(g_library.cursors);
}
OXEL_API int32_t oxel_get_current_component_current_cell_function_list(HostContext *, const char **names, int32_t *codes, int32_t capacity) {
    return get_current_component_current_cell_function_list(g_library.cursors, names, codes, capacity);
}
OXEL_API int32_t oxel_get_current_component_current_cell_CD_output(HostContext *) {
    return get_current_component_current_cell_CD_output(g_library.cursors);
}
OXEL_API char oxel_get_current_component_current_cell_CD_value(HostContext *) {
    return get_current_component_current_cell_CD_value(g_library.cursors);
}

}  // extern "C"

// Query exports: the component queries of the public header over the library's cursors
#include "interface/entry_points.h"
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

#define OXEL_EXPORT_QUERY(Type, name, parameters) \
    OXEL_API Type oxel_##name parameters { return name(g_library.cursors); }

// Components.
OXEL_COMPONENT_CURSOR_QUERIES(OXEL_EXPORT_QUERY)
OXEL_API int32_t oxel_open_component(HostContext *, const char *name) {
    return open_component(g_library.cursors, name);
}
OXEL_API int32_t oxel_delete_current_component(HostContext *context) {
    return delete_current_component(g_library.cursors, context);
}

// Source, standard and test frequency.
OXEL_COMPONENT_QUERIES(OXEL_EXPORT_QUERY)

// Instructions.
OXEL_INSTRUCTION_QUERIES(OXEL_EXPORT_QUERY)
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
OXEL_REGISTER_QUERIES(OXEL_EXPORT_QUERY)
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
OXEL_PIN_QUERIES(OXEL_EXPORT_QUERY)
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
OXEL_PIN_CURSOR_QUERIES(OXEL_EXPORT_QUERY)

// Boundary-scan cells.
OXEL_CELL_QUERIES(OXEL_EXPORT_QUERY)
OXEL_API int32_t oxel_get_current_component_current_cell_function_list(HostContext *, const char **names,
                                                                       int32_t *codes, int32_t capacity) {
    return get_current_component_current_cell_function_list(g_library.cursors, names, codes, capacity);
}

#undef OXEL_EXPORT_QUERY

}  // extern "C"

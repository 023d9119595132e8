// Component queries: finding pins by type, name and number
#include <cstring>
#include <strings.h>

#include "query/attributes.h"
#include "query/query_cursors.h"

namespace {

// An input pin that no boundary-scan cell lists among its PI parameters.
constexpr int32_t kUnservedInput = 7;

bool same_text(const char *a, const char *b) { return a && b && strcasecmp(a, b) == 0; }

// Both null, or the same text ignoring case.
bool same_number(const char *a, const char *b) { return a == b || same_text(a, b); }

PinRecord *current_pin() { return g_cursors.pin.record; }

// Opens the first pin list and takes its first entry; false when there is
// no component or no entry.
bool start_pin_walk() {
    if (!current_component())
        return false;
    open_pin_list();
    return take_first_pin();
}

// Whether some chain element of the first boundary-scan register lists the
// pin number among its PI parameters. Moves the chain cursor.
bool served_by_a_cell(const char *number) {
    if (!first_cell())
        return false;
    do {
        const ItemList *inputs = attribute_list(ATTR_CELL_INPUTS);
        for (int32_t i = 0; inputs && i < inputs->count; i++)
            if (same_text(static_cast<const char *>(inputs->items[i]), number))
                return true;
    } while (next_cell());
    return false;
}

}  // namespace

extern "C" {

// The walk stops at the first bus.
OXEL_API const char *oxel_get_current_component_tap_pin_name(HostContext *, int32_t type) {
    if (!start_pin_walk())
        return nullptr;
    do {
        if (is_bus(current_pin()))
            return nullptr;
        if (current_pin()->type == type)
            return current_pin()->name;
    } while (advance_pin());
    return nullptr;
}

// The walk goes on past buses; a bus of the type gives null.
OXEL_API const char *oxel_get_current_component_pin_id(HostContext *, int32_t type) {
    if (!start_pin_walk())
        return nullptr;
    do
        if (current_pin()->type == type)
            return is_bus(current_pin()) ? nullptr : current_pin()->name;
    while (advance_pin());
    return nullptr;
}

OXEL_API const char *oxel_get_current_component_pin_id_special(HostContext *context, int32_t type) {
    return oxel_get_current_component_pin_id(context, type);
}

OXEL_API int32_t oxel_get_current_component_trst_available(HostContext *) {
    if (!start_pin_walk())
        return 0;
    do
        if (current_pin()->type == OXEL_PIN_TRST)
            return 1;
    while (advance_pin());
    return 0;
}

// The name is compared with case. An input pin answers 1 only when a
// boundary-scan cell lists its number among the PI parameters, else 7.
OXEL_API int32_t oxel_get_current_component_pin_type(HostContext *, const char *name) {
    if (!name || !start_pin_walk())
        return 0;
    const PinRecord *pin = nullptr;
    do {
        if (is_bus(current_pin()))
            return 0;
        if (current_pin()->name && std::strcmp(current_pin()->name, name) == 0)
            pin = current_pin();
    } while (!pin && advance_pin());
    if (!pin || pin->type < OXEL_PIN_IN || pin->type > OXEL_PIN_TRST)
        return 0;
    if (pin->type != OXEL_PIN_IN)
        return pin->type;
    return served_by_a_cell(pin_number_of(pin)) ? OXEL_PIN_IN : kUnservedInput;
}

OXEL_API const char *oxel_get_current_component_pin_nr(HostContext *, const char *name) {
    if (!start_pin_walk())
        return nullptr;
    do {
        if (is_bus(current_pin()))
            return nullptr;
        if (same_text(current_pin()->name, name))
            return pin_number_of(current_pin());
    } while (advance_pin());
    return nullptr;
}

OXEL_API const char *oxel_find_current_component_pin_name(HostContext *, const char *number) {
    if (!start_pin_walk())
        return nullptr;
    do
        if (same_number(pin_number_of(current_pin()), number))
            return is_bus(current_pin()) ? nullptr : current_pin()->name;
    while (advance_pin());
    return nullptr;
}

OXEL_API int32_t oxel_find_current_component_pin(HostContext *, const char *name) {
    if (!start_pin_walk())
        return 0;
    do {
        if (is_bus(current_pin()))
            return 0;
        if (same_text(current_pin()->name, name))
            return 1;
    } while (advance_pin());
    return 0;
}

}  // extern "C"

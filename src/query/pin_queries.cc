// Component queries: finding pins by type, name and number
#include "query/pin_queries.h"

#include <cstring>
#include <strings.h>

#include "query/attributes.h"
#include "query/cell_queries.h"
#include "query/pin_cursor.h"

namespace {

// An input pin that no boundary-scan cell lists among its PI parameters.
constexpr int32_t kUnservedInput = 7;

bool same_text(const char *a, const char *b) { return a && b && strcasecmp(a, b) == 0; }

// Both null, or the same text ignoring case.
bool same_number(const char *a, const char *b) { return a == b || same_text(a, b); }

PinRecord *current_pin(query_cursors &q) { return q.pin.record; }

// Opens the first pin list and takes its first entry; false when there is
// no component or no entry.
bool start_pin_walk(query_cursors &q) {
    if (!current_component(q))
        return false;
    open_pin_list(q);
    return take_first_pin(q);
}

// Whether some chain element of the first boundary-scan register lists the
// pin number among its PI parameters. Moves the chain cursor.
bool served_by_a_cell(query_cursors &q, const char *number) {
    if (!first_cell(q))
        return false;
    do {
        const ItemList *inputs = attribute_list(q, ATTR_CELL_INPUTS);
        for (int32_t i = 0; inputs && i < inputs->count; i++)
            if (same_text(static_cast<const char *>(inputs->items[i]), number))
                return true;
    } while (next_cell(q));
    return false;
}

}  // namespace

// The walk stops at the first bus.
const char *get_current_component_tap_pin_name(query_cursors &q, int32_t type) {
    if (!start_pin_walk(q))
        return nullptr;
    do {
        if (is_bus(current_pin(q)))
            return nullptr;
        if (current_pin(q)->type == type)
            return current_pin(q)->name;
    } while (advance_pin(q));
    return nullptr;
}

// The walk goes on past buses; a bus of the type gives null.
const char *get_current_component_pin_id(query_cursors &q, int32_t type) {
    if (!start_pin_walk(q))
        return nullptr;
    do
        if (current_pin(q)->type == type)
            return is_bus(current_pin(q)) ? nullptr : current_pin(q)->name;
    while (advance_pin(q));
    return nullptr;
}

const char *get_current_component_pin_id_special(query_cursors &q, int32_t type) {
    return get_current_component_pin_id(q, type);
}

int32_t get_current_component_trst_available(query_cursors &q) {
    if (!start_pin_walk(q))
        return 0;
    do
        if (current_pin(q)->type == OXEL_PIN_TRST)
            return 1;
    while (advance_pin(q));
    return 0;
}

// The name is compared with case. An input pin answers 1 only when a
// boundary-scan cell lists its number among the PI parameters, else 7.
int32_t get_current_component_pin_type(query_cursors &q, const char *name) {
    if (!name || !start_pin_walk(q))
        return 0;
    const PinRecord *pin = nullptr;
    do {
        if (is_bus(current_pin(q)))
            return 0;
        if (current_pin(q)->name && std::strcmp(current_pin(q)->name, name) == 0)
            pin = current_pin(q);
    } while (!pin && advance_pin(q));
    if (!pin || pin->type < OXEL_PIN_IN || pin->type > OXEL_PIN_TRST)
        return 0;
    if (pin->type != OXEL_PIN_IN)
        return pin->type;
    return served_by_a_cell(q, pin_number_of(pin)) ? OXEL_PIN_IN : kUnservedInput;
}

const char *get_current_component_pin_nr(query_cursors &q, const char *name) {
    if (!start_pin_walk(q))
        return nullptr;
    do {
        if (is_bus(current_pin(q)))
            return nullptr;
        if (same_text(current_pin(q)->name, name))
            return pin_number_of(current_pin(q));
    } while (advance_pin(q));
    return nullptr;
}

const char *find_current_component_pin_name(query_cursors &q, const char *number) {
    if (!start_pin_walk(q))
        return nullptr;
    do
        if (same_number(pin_number_of(current_pin(q)), number))
            return is_bus(current_pin(q)) ? nullptr : current_pin(q)->name;
    while (advance_pin(q));
    return nullptr;
}

int32_t find_current_component_pin(query_cursors &q, const char *name) {
    if (!start_pin_walk(q))
        return 0;
    do {
        if (is_bus(current_pin(q)))
            return 0;
        if (same_text(current_pin(q)->name, name))
            return 1;
    } while (advance_pin(q));
    return 0;
}


// Component queries: the pin cursor and the pin walk exports
#pragma once

#include "query/query_cursors.h"
#include "oxel32.h"

// A pin list entry that is a bus rather than a single pin.
bool is_bus(const PinRecord *pin);
// The pin cursor over the current component's first pin list: opening
// points it at that list before its first entry; taking the first pin and
// advancing are false when there is no such entry (the current pin is then
// unchanged).
void open_pin_list(query_cursors &q);
bool take_first_pin(query_cursors &q);
bool advance_pin(query_cursors &q);

// The query of the public header with oxel_ before the name, over the
// cursors `q`: oxel32.h says what each answers.
#define OXEL_PIN_CURSOR_QUERIES(X)                                            \
    X(const char *, get_current_component_first_pin_name, (void))             \
    X(const char *, get_current_component_next_pin_name, (void))              \
    X(const char *, get_current_component_first_pin_nr, (void))               \
    X(const char *, get_current_component_next_pin_nr, (void))                \
    X(const char *, get_current_component_current_pin_name, (void))           \
    X(const char *, get_current_component_current_pin_nr, (void))             \
    X(int32_t, get_current_component_current_pin_direction, (HostContext *))  \
    X(int32_t, nr_current_component_pins, (void))
OXEL_PIN_CURSOR_QUERIES(OXEL_DECLARE_QUERY)

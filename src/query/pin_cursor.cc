// Component queries: the pin cursor and the pin walk exports
#include "query/pin_cursor.h"

#include "query/attributes.h"

namespace {

// Direction codes of the pin types: 1 in, 2 out, 3 both, 0 neither.
int32_t direction_of(int32_t type) {
    switch (type) {
    case OXEL_PIN_IN:
    case OXEL_PIN_PWR:
    case OXEL_PIN_GND:
    case OXEL_PIN_TMS:
    case OXEL_PIN_TDI:
    case OXEL_PIN_TCK:
    case OXEL_PIN_TRST: return 1;
    case OXEL_PIN_OUT:
    case OXEL_PIN_OUTZ:
    case OXEL_PIN_TDO: return 2;
    case OXEL_PIN_IO:
    case OXEL_PIN_IOZ: return 3;
    default: return 0;
    }
}

const char *name_unless_bus(query_cursors &q) {
    return is_bus(q.pin.record) ? nullptr : attribute_text(q, ATTR_PIN_NAME);
}

bool has_pin_list(query_cursors &q) {
    const ComponentRecord *component = current_component(q);
    return component && component->pin_lists && component->pin_lists->count >= 1;
}

}  // namespace

bool is_bus(const PinRecord *pin) { return pin && pin->form != OXEL_FORM_SINGLE; }

void open_pin_list(query_cursors &q) {
    const ComponentRecord *component = current_component(q);
    ItemList *pin_lists = component ? component->pin_lists : nullptr;
    q.pin_list =
        pin_lists && pin_lists->count >= 1 ? static_cast<ItemList *>(pin_lists->items[0]) : nullptr;
    q.pin.position = 0;
}

bool take_first_pin(query_cursors &q) {
    ItemList *pins = q.pin_list;
    if (!current_component(q) || !pins || pins->count < 1)
        return false;
    q.pin = {1, static_cast<PinRecord *>(pins->items[0])};
    return true;
}

bool advance_pin(query_cursors &q) {
    ItemList *pins = q.pin_list;
    if (!current_component(q) || !pins || q.pin.position >= pins->count)
        return false;
    int32_t position = q.pin.position + 1;
    q.pin = {position, static_cast<PinRecord *>(pins->items[position - 1])};
    return true;
}

const char *get_current_component_first_pin_name(query_cursors &q) {
    if (!has_pin_list(q))
        return nullptr;
    open_pin_list(q);
    return take_first_pin(q) ? name_unless_bus(q) : nullptr;
}

const char *get_current_component_next_pin_name(query_cursors &q) {
    return advance_pin(q) ? name_unless_bus(q) : nullptr;
}

const char *get_current_component_first_pin_nr(query_cursors &q) {
    if (!has_pin_list(q))
        return nullptr;
    open_pin_list(q);
    return take_first_pin(q) ? attribute_text(q, ATTR_PIN_NUMBER) : nullptr;
}

const char *get_current_component_next_pin_nr(query_cursors &q) {
    return advance_pin(q) ? attribute_text(q, ATTR_PIN_NUMBER) : nullptr;
}

const char *get_current_component_current_pin_name(query_cursors &q) {
    return attribute_text(q, ATTR_PIN_NAME);
}

const char *get_current_component_current_pin_nr(query_cursors &q) {
    return attribute_text(q, ATTR_PIN_NUMBER);
}

int32_t get_current_component_current_pin_direction(query_cursors &q) {
    return direction_of(attribute_integer(q, ATTR_PIN_TYPE));
}

int32_t nr_current_component_pins(query_cursors &q) {
    if (!current_component(q) || !q.pin_list)
        return 0;
    return q.pin_list->count;
}


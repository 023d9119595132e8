// Component queries: the pin cursor and the pin walk exports
#include "query/attributes.h"
#include "query/query_cursors.h"

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

const char *name_unless_bus() {
    return is_bus(g_cursors.pin.record) ? nullptr : attribute_text(ATTR_PIN_NAME);
}

bool has_pin_list() {
    const ComponentRecord *component = current_component();
    return component && component->pin_lists && component->pin_lists->count >= 1;
}

}  // namespace

bool is_bus(const PinRecord *pin) { return pin && pin->form != OXEL_FORM_SINGLE; }

void open_pin_list() {
    const ComponentRecord *component = current_component();
    ItemList *pin_lists = component ? component->pin_lists : nullptr;
    g_cursors.pin_list =
        pin_lists && pin_lists->count >= 1 ? static_cast<ItemList *>(pin_lists->items[0]) : nullptr;
    g_cursors.pin.position = 0;
}

bool take_first_pin() {
    ItemList *pins = g_cursors.pin_list;
    if (!current_component() || !pins || pins->count < 1)
        return false;
    g_cursors.pin = {1, static_cast<PinRecord *>(pins->items[0])};
    return true;
}

bool advance_pin() {
    ItemList *pins = g_cursors.pin_list;
    if (!current_component() || !pins || g_cursors.pin.position >= pins->count)
        return false;
    int32_t position = g_cursors.pin.position + 1;
    g_cursors.pin = {position, static_cast<PinRecord *>(pins->items[position - 1])};
    return true;
}

extern "C" {

OXEL_API const char *oxel_get_current_component_first_pin_name(void) {
    if (!has_pin_list())
        return nullptr;
    open_pin_list();
    return take_first_pin() ? name_unless_bus() : nullptr;
}

OXEL_API const char *oxel_get_current_component_next_pin_name(void) {
    return advance_pin() ? name_unless_bus() : nullptr;
}

OXEL_API const char *oxel_get_current_component_first_pin_nr(void) {
    if (!has_pin_list())
        return nullptr;
    open_pin_list();
    return take_first_pin() ? attribute_text(ATTR_PIN_NUMBER) : nullptr;
}

OXEL_API const char *oxel_get_current_component_next_pin_nr(void) {
    return advance_pin() ? attribute_text(ATTR_PIN_NUMBER) : nullptr;
}

OXEL_API const char *oxel_get_current_component_current_pin_name(void) {
    return attribute_text(ATTR_PIN_NAME);
}

OXEL_API const char *oxel_get_current_component_current_pin_nr(void) {
    return attribute_text(ATTR_PIN_NUMBER);
}

OXEL_API int32_t oxel_get_current_component_current_pin_direction(HostContext *) {
    return direction_of(attribute_integer(ATTR_PIN_TYPE));
}

OXEL_API int32_t oxel_nr_current_component_pins(void) {
    if (!current_component() || !g_cursors.pin_list)
        return 0;
    return g_cursors.pin_list->count;
}

}  // extern "C"

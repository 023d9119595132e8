// Component queries: the walk along the boundary-scan chain
#include <climits>
#include <cstring>

#include "query/attributes.h"
#include "query/chain_position_index.h"
#include "query/query_cursors.h"

namespace {

ItemList *chain_of_current_register() {
    auto *boundary_scan =
        static_cast<BoundaryScanRegisterRecord *>(current_register(REGISTER_BOUNDARY_SCAN));
    return boundary_scan ? boundary_scan->chain : nullptr;
}

const ChainElementRecord *current_cell() {
    return current_component() ? g_cursors.current_cell : nullptr;
}

bool is_white(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// A control parameter read as a chain position: decimal digits, blanks
// around them allowed; anything else after the digits gives -1, and a
// text of blanks only gives 0.
int32_t control_position(const char *text) {
    while (is_white(*text))
        text++;
    long long value = 0;
    for (; *text >= '0' && *text <= '9'; text++) {
        value = value * 10 + (*text - '0');
        if (value > INT32_MAX)
            return -1;
    }
    return *text == '\0' || is_white(*text) ? static_cast<int32_t>(value) : -1;
}

// The first entry of a parameter list of the current cell; null for none
// and for "-". Restarts the list iterator on that list.
const char *first_parameter(ItemList *list) {
    const char *entry = static_cast<const char *>(list_iter_first(list));
    return entry && std::strcmp(entry, "-") != 0 ? entry : nullptr;
}

}  // namespace

void show_chain_element(ItemList *chain, int32_t position) {
    auto *element = static_cast<ChainElementRecord *>(chain->items[position - 1]);
    g_cursors.chain = {position, element};
    g_cursors.cell_view = *element;
}

int32_t first_cell() {
    if (!current_component())
        return 0;
    open_register_kind(REGISTER_BOUNDARY_SCAN);
    ItemList *chain = chain_of_current_register();
    if (!chain || chain->count < 1) {
        g_cursors.chain = {};
        g_cursors.current_cell = nullptr;
        return 0;
    }
    show_chain_element(chain, 1);
    g_cursors.current_cell = &g_cursors.cell_view;
    return 1;
}

int32_t next_cell() {
    if (!current_component())
        return 0;
    ItemList *chain = chain_of_current_register();
    if (!chain || g_cursors.chain.position >= chain->count) {
        g_cursors.current_cell = nullptr;
        return 0;
    }
    show_chain_element(chain, g_cursors.chain.position + 1);
    g_cursors.current_cell = &g_cursors.cell_view;
    return 1;
}

extern "C" {

OXEL_API int32_t oxel_get_current_component_first_cell(HostContext *) { return first_cell(); }

OXEL_API int32_t oxel_get_current_component_next_cell(HostContext *) { return next_cell(); }

OXEL_API int32_t oxel_get_current_component_current_cell_position(void) {
    const ChainElementRecord *cell = current_cell();
    return cell ? cell->position : -1;
}

OXEL_API const char *oxel_get_current_component_current_cell_name(void) {
    const ChainElementRecord *cell = current_cell();
    return cell ? cell->cell_name : nullptr;
}

OXEL_API int32_t oxel_get_current_component_current_cell_CD_output(HostContext *) {
    const ChainElementRecord *cell = current_cell();
    const char *control = cell ? first_parameter(cell->control_cells) : nullptr;
    return control ? control_position(control) : -1;
}

OXEL_API char oxel_get_current_component_current_cell_CD_value(HostContext *) {
    const ChainElementRecord *cell = current_cell();
    const char *disable = cell ? first_parameter(cell->disable_values) : nullptr;
    return disable ? disable[0] : '\0';
}

// Looks the position up in the chain of the first boundary-scan register:
// the cell view shows the first element that holds it or, when none does,
// the last element, just as a walk along the chain would leave it; the
// current cell is neither set nor cleared.
OXEL_API const char *oxel_get_current_component_pin_name_by_position(HostContext *context,
                                                                     int32_t position) {
    if (!open_register_kind(REGISTER_BOUNDARY_SCAN))
        return nullptr;
    ItemList *chain = chain_of_current_register();
    if (!chain || chain->count < 1)
        return nullptr;
    int32_t place = chain_place_of_position(context, chain, position);
    if (place < 0) {
        // No room for the index: the walk needs none.
        for (place = 1; place <= chain->count; place++)
            if (static_cast<const ChainElementRecord *>(chain->items[place - 1])->position == position)
                break;
    }
    if (place < 1 || place > chain->count) {
        show_chain_element(chain, chain->count);
        return nullptr;
    }
    show_chain_element(chain, place);
    return attribute_pin_kind(ATTR_CELL_PIN) == OXEL_PINREF_PLAIN ? attribute_text(ATTR_CELL_PIN) : nullptr;
}

}  // extern "C"

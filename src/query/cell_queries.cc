// Component queries: the walk along the boundary-scan chain
#include "query/cell_queries.h"

#include <climits>
#include <cstring>

#include "base/text_input.h"
#include "query/attributes.h"
#include "query/chain_position_index.h"
#include "query/register_cursors.h"

namespace {

ItemList *chain_of_current_register(query_cursors &q) {
    auto *boundary_scan =
        static_cast<BoundaryScanRegisterRecord *>(current_register(q, REGISTER_BOUNDARY_SCAN));
    return boundary_scan ? boundary_scan->chain : nullptr;
}

const ChainElementRecord *current_cell(query_cursors &q) {
    return current_component(q) ? q.current_cell : nullptr;
}

// A control parameter read as a chain position: decimal digits, blanks
// around them allowed; anything else after the digits gives -1, and a
// text of blanks only gives 0.
int32_t control_position(const char *text) {
    while (is_white_space(*text))
        text++;
    long long value = 0;
    for (; *text >= '0' && *text <= '9'; text++) {
        value = value * 10 + (*text - '0');
        if (value > INT32_MAX)
            return -1;
    }
    return *text == '\0' || is_white_space(*text) ? static_cast<int32_t>(value) : -1;
}

// The first entry of a parameter list of the current cell; null for none
// and for "-". Restarts the list iterator on that list.
const char *first_parameter(query_cursors &q, ItemList *list) {
    const char *entry = static_cast<const char *>(list_iter_first(q, list));
    return entry && std::strcmp(entry, "-") != 0 ? entry : nullptr;
}

}  // namespace

void show_chain_element(query_cursors &q, ItemList *chain, int32_t position) {
    auto *element = static_cast<ChainElementRecord *>(chain->items[position - 1]);
    q.chain = {position, element};
    q.cell_view = *element;
}

int32_t first_cell(query_cursors &q) {
    if (!current_component(q))
        return 0;
    open_register_kind(q, REGISTER_BOUNDARY_SCAN);
    ItemList *chain = chain_of_current_register(q);
    if (!chain || chain->count < 1) {
        q.chain = {};
        q.current_cell = nullptr;
        return 0;
    }
    show_chain_element(q, chain, 1);
    q.current_cell = &q.cell_view;
    return 1;
}

int32_t next_cell(query_cursors &q) {
    if (!current_component(q))
        return 0;
    ItemList *chain = chain_of_current_register(q);
    if (!chain || q.chain.position >= chain->count) {
        q.current_cell = nullptr;
        return 0;
    }
    show_chain_element(q, chain, q.chain.position + 1);
    q.current_cell = &q.cell_view;
    return 1;
}

int32_t get_current_component_first_cell(query_cursors &q) { return first_cell(q); }

int32_t get_current_component_next_cell(query_cursors &q) { return next_cell(q); }

int32_t get_current_component_current_cell_position(query_cursors &q) {
    const ChainElementRecord *cell = current_cell(q);
    return cell ? cell->position : -1;
}

const char *get_current_component_current_cell_name(query_cursors &q) {
    const ChainElementRecord *cell = current_cell(q);
    return cell ? cell->cell_name : nullptr;
}

int32_t get_current_component_current_cell_CD_output(query_cursors &q) {
    const ChainElementRecord *cell = current_cell(q);
    const char *control = cell ? first_parameter(q, cell->control_cells) : nullptr;
    return control ? control_position(control) : -1;
}

char get_current_component_current_cell_CD_value(query_cursors &q) {
    const ChainElementRecord *cell = current_cell(q);
    const char *disable = cell ? first_parameter(q, cell->disable_values) : nullptr;
    return disable ? disable[0] : '\0';
}

// Looks the position up in the chain of the first boundary-scan register:
// the cell view shows the first element that holds it or, when none does,
// the last element, just as a walk along the chain would leave it; the
// current cell is neither set nor cleared.
const char *get_current_component_pin_name_by_position(query_cursors &q, HostContext *context,
                                                       int32_t position) {
    if (!open_register_kind(q, REGISTER_BOUNDARY_SCAN))
        return nullptr;
    ItemList *chain = chain_of_current_register(q);
    if (!chain || chain->count < 1)
        return nullptr;
    int32_t place = chain_place_of_position(q.position_index, context, chain, position);
    if (place < 0) {
        // No room for the index: the walk needs none.
        for (place = 1; place <= chain->count; place++)
            if (static_cast<const ChainElementRecord *>(chain->items[place - 1])->position == position)
                break;
    }
    if (place < 1 || place > chain->count) {
        show_chain_element(q, chain, chain->count);
        return nullptr;
    }
    show_chain_element(q, chain, place);
    return attribute_pin_kind(q, ATTR_CELL_PIN) == OXEL_PINREF_PLAIN ? attribute_text(q, ATTR_CELL_PIN) : nullptr;
}


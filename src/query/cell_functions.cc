// Component queries: what a boundary-scan cell does for the pins it serves
#include <cstring>
#include <strings.h>

#include "query/cell_functions.h"

#include "query/attributes.h"
#include "query/cell_queries.h"

namespace {

// Function codes written by the function list.
enum CellFunction : int32_t {
    FUNCTION_INPUT = 1,               // a PI parameter only
    FUNCTION_OUTPUT = 2,              // a PO parameter, no other control cell
    FUNCTION_CONTROLLED_OUTPUT = 3,   // a PO parameter under another cell's control
    FUNCTION_CONTROL = 4,             // the cell itself: a control cell
    FUNCTION_INTERNAL = 5,            // the cell itself: anything else
    FUNCTION_BIDIRECTIONAL = 6,       // both a PI and a PO parameter
};

// At most this many PI and this many PO parameters are looked at.
constexpr int kParameterLimit = 10;

struct Parameters {
    const char *names[kParameterLimit];
    int count;

    bool holds(const char *name) const {
        for (int i = 0; i < count; i++)
            if (strcasecmp(names[i], name) == 0)
                return true;
        return false;
    }
};

// The first ten entries of a parameter list other than "-".
Parameters collect(const ItemList *list) {
    Parameters parameters{};
    for (int32_t i = 0; list && i < list->count && parameters.count < kParameterLimit; i++) {
        const char *entry = static_cast<const char *>(list->items[i]);
        if (entry && std::strcmp(entry, "-") != 0)
            parameters.names[parameters.count++] = entry;
    }
    return parameters;
}

// The stored cell name is upper-cased in place, so that later queries of
// the cell name see it so too.
void upper_case_in_place(char *text) {
    for (; text && *text; text++)
        if (*text >= 'a' && *text <= 'z')
            *text = static_cast<char>(*text - 'a' + 'A');
}

}  // namespace

int32_t get_current_component_current_cell_function_list(query_cursors &q, const char **names, int32_t *codes,
                                                         int32_t capacity) {
    ChainElementRecord *cell = current_component(q) ? q.current_cell : nullptr;
    if (capacity < 1 || !cell || !names || !codes)
        return 0;
    int32_t position = cell->position;
    upper_case_in_place(cell->cell_name);
    bool control_named = cell->cell_name && std::strstr(cell->cell_name, "CONTROL");
    Parameters inputs = collect(attribute_list(q, ATTR_CELL_INPUTS));
    Parameters outputs = collect(attribute_list(q, ATTR_CELL_OUTPUTS));
    int32_t control = get_current_component_current_cell_CD_output(q);

    int32_t count = 0;
    auto write = [&](const char *name, int32_t code) {
        names[count] = name;
        codes[count] = code;
        return ++count < capacity;
    };
    if (inputs.count == 0 && outputs.count == 0) {
        write(nullptr, control != -1 && control_named ? FUNCTION_CONTROL : FUNCTION_INTERNAL);
        return count;
    }
    for (int i = 0; i < inputs.count; i++)
        if (!write(inputs.names[i], outputs.holds(inputs.names[i]) ? FUNCTION_BIDIRECTIONAL : FUNCTION_INPUT))
            return count;
    bool own_control = control == -1 || control == position;
    for (int i = 0; i < outputs.count; i++)
        if (!inputs.holds(outputs.names[i]) &&
            !write(outputs.names[i], own_control ? FUNCTION_OUTPUT : FUNCTION_CONTROLLED_OUTPUT))
            return count;
    return count;
}

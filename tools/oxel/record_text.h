// oxel show: texts of the description's records as the file wrote them
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "oxel32.h"

using Text = std::optional<std::string>;

// The items of a list of the description, typed; none for a null list.
template <typename Record>
std::vector<const Record *> items_of(const ItemList *list) {
    std::vector<const Record *> items;
    for (int32_t i = 0; list && i < list->count; i++)
        items.push_back(static_cast<const Record *>(list->items[i]));
    return items;
}

// An absent text stays absent.
inline Text text(const char *value) { return value ? Text(value) : std::nullopt; }

// A list of indices in parentheses: (0:7), (6,7,8).
std::string index_list_text(const ItemList *indices);

// A pin reference as written: CLK, D(3), D(0,1), D(0:3); absent for "-".
Text pin_reference_text(const PinRefRecord *pin);

// The mnemonic of a VRAK instruction: RST, WTN, ... ("?" for an unknown kind).
const char *vrak_mnemonic(int32_t kind);

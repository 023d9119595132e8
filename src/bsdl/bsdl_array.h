// BSDL arrays: the growing arrays of plain records the importer keeps while it reads
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/memory.h"
#include "base/messages.h"

// A growing array of plain records (copied byte for byte when it moves).
template <typename Item>
struct BsdlArray {
    Item *items = nullptr;
    int32_t count = 0;
    int32_t room = 0;
};

// A new zeroed item at the end of the array; null after a reported failure,
// the array then as it was. The room doubles.
template <typename Item>
Item *array_add(HostContext *context, BsdlArray<Item> &array) {
    if (array.count == array.room) {
        const int32_t most = static_cast<int32_t>(INT32_MAX / 2);
        if (array.room > most || static_cast<size_t>(array.room) * 2 + 8 > SIZE_MAX / sizeof(Item)) {
            report_memory_error(context);
            return nullptr;
        }
        int32_t room = array.room ? array.room * 2 : 8;
        auto *items = static_cast<Item *>(mem_realloc(context, array.items, sizeof(Item) * static_cast<size_t>(room)));
        if (!items)
            return nullptr;
        array.items = items;
        array.room = room;
    }
    Item *item = &array.items[array.count++];
    *item = Item{};
    return item;
}

template <typename Item>
void array_release(HostContext *context, BsdlArray<Item> &array) {
    mem_free(context, array.items);
    array = BsdlArray<Item>{};
}

// Growable pointer lists
#include "model/item_list.h"

#include <cstring>

#include "base/memory.h"

namespace {

// A new list's first array lives in the list's own block, right behind the
// three fields: one allocation instead of two for the many short lists of a
// description. A list that outgrows it moves its items to an array of their own.
void **inline_items(ItemList *list) { return reinterpret_cast<void **>(list + 1); }

bool has_inline_items(ItemList *list) { return list->items == inline_items(list); }

}  // namespace

ItemList *list_create(HostContext *context, void *first, int32_t grow_step) {
    if (grow_step < 1)
        grow_step = 1;
    ItemList *list = static_cast<ItemList *>(mem_alloc(context, sizeof(ItemList) + sizeof(void *) * grow_step));
    if (!list) {
        mem_free(context, first);
        return nullptr;
    }
    list->grow_step = grow_step;
    list->items = inline_items(list);
    if (first) {
        list->items[0] = first;
        list->count = 1;
    }
    return list;
}

namespace {

// The capacity is never stored: it is grow_step times the smallest power of
// two that holds count, so an array is full exactly when count is grow_step
// times a power of two. Doubling keeps a long list's appends linear whatever
// the allocator does with a resize.
bool at_capacity(const ItemList *list) {
    if (list->count <= 0 || list->count % list->grow_step != 0)
        return false;
    int32_t steps = list->count / list->grow_step;
    return (steps & (steps - 1)) == 0;
}

}  // namespace

bool list_make_room(HostContext *context, ItemList *list) {
    if (at_capacity(list)) {
        size_t entries = static_cast<size_t>(list->count) * 2;
        void **items = nullptr;
        if (has_inline_items(list)) {
            items = static_cast<void **>(mem_alloc(context, sizeof(void *) * entries));
            if (items)
                std::memcpy(items, list->items, sizeof(void *) * list->count);
        } else {
            items = static_cast<void **>(mem_realloc(context, list->items, sizeof(void *) * entries));
        }
        if (!items)
            return false;
        list->items = items;
    }
    return true;
}

ItemList *list_append(HostContext *context, ItemList *list, void *item) {
    if (!list || !list_make_room(context, list)) {
        mem_free(context, item);
        list_release(context, list);
        return nullptr;
    }
    list->items[list->count++] = item;
    return list;
}

void *list_remove_at(HostContext *context, ItemList *list, int32_t position) {
    if (!list || position < 1 || position > list->count)
        return nullptr;
    void *item = list->items[position - 1];
    std::memmove(&list->items[position - 1], &list->items[position],
                 sizeof(void *) * (list->count - position));
    list->count--;
    if (at_capacity(list) && !has_inline_items(list)) {
        // Shrinking only gives memory back: when the resize fails the old
        // array still holds the remaining items, so the list keeps it and
        // the removed item is still handed to the caller.
        void **items = static_cast<void **>(mem_realloc(context, list->items, sizeof(void *) * list->count));
        if (items)
            list->items = items;
    }
    return item;
}

void list_release_array(HostContext *context, ItemList *list) {
    if (!list)
        return;
    if (!has_inline_items(list))
        mem_free(context, list->items);
    mem_free(context, list);
}

void list_release(HostContext *context, ItemList *list) {
    if (!list)
        return;
    for (int32_t i = 0; i < list->count; i++)
        mem_free(context, list->items[i]);
    list_release_array(context, list);
}

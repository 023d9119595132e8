// Growable pointer lists
#pragma once

#include "oxel32.h"

// Whether a list holds at least one item in its array; false for none.
inline bool list_holds_items(const ItemList *list) { return list && list->count >= 1 && list->items; }
// The number of items in a list's array; 0 for none.
inline int32_t list_count(const ItemList *list) { return list && list->items ? list->count : 0; }
// The item at the 0-based index i, as the record type the list holds.
template <typename Record>
Record *list_item(const ItemList *list, int32_t i) {
    return static_cast<Record *>(list->items[i]);
}

// A new list with room for grow_step items, holding `first` when it is not
// null. On failure `first` is released as one block and null returned.
ItemList *list_create(HostContext *context, void *first, int32_t grow_step);
// The list with `item` appended; on failure the item and the whole list are
// released and null returned (store the result back where the list was).
ItemList *list_append(HostContext *context, ItemList *list, void *item);
// Takes out the item at 1-based `position`; null when there is none.
void *list_remove_at(HostContext *context, ItemList *list, int32_t position);
// Releases every item as one block, the array and the list; null is ignored.
void list_release(HostContext *context, ItemList *list);

// Makes room for one more item: a full array doubles, so that the capacity
// is always grow_step times a power of two; false after a reported failure,
// the list unchanged.
bool list_make_room(HostContext *context, ItemList *list);

// list_create and list_append for lists of records: on failure the record
// and the list are released with `release_item` instead of as one block,
// so that nothing the record owns is lost.
template <typename Record>
ItemList *list_create_with(HostContext *context, Record *first, int32_t grow_step,
                           void (*release_item)(HostContext *, Record *));
template <typename Record>
ItemList *list_append_with(HostContext *context, ItemList *list, Record *item,
                           void (*release_item)(HostContext *, Record *));

// Releases a list whose items are records: each item by `release_item`,
// from the first to the last, then the array and the list.
template <typename Record>
void list_release_with(HostContext *context, ItemList *list,
                       void (*release_item)(HostContext *, Record *));
void list_release_array(HostContext *context, ItemList *list);

template <typename Record>
void list_release_with(HostContext *context, ItemList *list,
                       void (*release_item)(HostContext *, Record *)) {
    if (!list)
        return;
    for (int32_t i = 0; i < list->count; i++)
        release_item(context, static_cast<Record *>(list->items[i]));
    list_release_array(context, list);
}

template <typename Record>
ItemList *list_create_with(HostContext *context, Record *first, int32_t grow_step,
                           void (*release_item)(HostContext *, Record *)) {
    ItemList *list = list_create(context, nullptr, grow_step);
    if (!list) {
        release_item(context, first);
        return nullptr;
    }
    if (first) {
        list->items[0] = first;
        list->count = 1;
    }
    return list;
}

template <typename Record>
ItemList *list_append_with(HostContext *context, ItemList *list, Record *item,
                           void (*release_item)(HostContext *, Record *)) {
    if (!list || !list_make_room(context, list)) {
        release_item(context, item);
        list_release_with(context, list, release_item);
        return nullptr;
    }
    list->items[list->count++] = item;
    return list;
}

// Appends a record to a list field, creating the list (grow step 1) at the
// first. On failure the record and the whole list are gone, the field is
// null, and the result is false.
template <typename Record>
bool append_record(HostContext *context, ItemList **field, Record *record,
                   void (*release_item)(HostContext *, Record *)) {
    *field = *field ? list_append_with(context, *field, record, release_item)
                    : list_create_with(context, record, 1, release_item);
    return *field != nullptr;
}

// Tagged items: the {tag, value} pairs that route section statements
#include "model/tagged_item.h"

#include "base/memory.h"
#include "model/item_list.h"

TaggedItem *item_make(HostContext *context, int32_t tag, intptr_t value) {
    TaggedItem *item = static_cast<TaggedItem *>(mem_alloc(context, sizeof(TaggedItem)));
    if (!item)
        return nullptr;
    item->tag = tag;
    item->value = value;
    return item;
}

TaggedItem *item_make_owning(HostContext *context, intptr_t first, ItemList *list) {
    TaggedItem *item = item_make(context, first, reinterpret_cast<intptr_t>(list));
    if (!item)
        list_release(context, list);
    return item;
}

TaggedItem *item_make_nonempty(HostContext *context, int32_t tag, ItemList *list) {
    if (!list || list->count < 1 || !list->items)
        return nullptr;
    return item_make(context, tag, reinterpret_cast<intptr_t>(list));
}

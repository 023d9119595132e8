// Counted name list: names in insertion order, each with a count and a payload
#include "check/counted_name_list.h"

#include <cstring>

#include "base/memory.h"
#include "check/name_lists.h"

namespace {

CountedName *find_entry(const CountedName *list, const char *name) {
    for (; list; list = list->next)
        if (std::strcmp(list->name, name) == 0)
            return const_cast<CountedName *>(list);
    return nullptr;
}

}  // namespace

CountedName *counted_name_add(HostContext *context, CountedName *list, const char *name, intptr_t payload) {
    if (!name)
        return nullptr;
    if (CountedName *known = find_entry(list, name)) {
        known->count++;
        return list;
    }
    auto *entry = new_named_entry<CountedName>(context, name);
    if (!entry)
        return nullptr;
    entry->count = 1;
    entry->payload = payload;
    if (!list)
        return entry;
    CountedName *last = list;
    while (last->next)
        last = last->next;
    last->next = entry;
    return list;
}

int32_t counted_name_remove(HostContext *context, CountedName **list, const char *name) {
    if (!name || !*list)
        return 0;
    CountedName *first = *list;
    if (std::strcmp(first->name, name) == 0) {
        CountedName *successor = first->next;
        if (!successor) {
            free_named_entry(context, first);
            *list = nullptr;
            return 0;
        }
        mem_free(context, first->name);
        *first = *successor;
        mem_free(context, successor);
        return 1;
    }
    for (CountedName *before = first; before->next; before = before->next) {
        CountedName *entry = before->next;
        if (std::strcmp(entry->name, name) == 0) {
            before->next = entry->next;
            free_named_entry(context, entry);
            return before->next ? 1 : 0;
        }
    }
    return 0;
}

intptr_t counted_name_find(const CountedName *list, const char *name) {
    if (!name)
        return -1;
    const CountedName *entry = find_entry(list, name);
    return entry ? entry->payload : 0;
}

void counted_name_free(HostContext *context, CountedName *list) {
    while (list) {
        CountedName *next = list->next;
        free_named_entry(context, list);
        list = next;
    }
}

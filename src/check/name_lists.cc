// Name lists and name entries: the owned name copies the checks keep
#include "check/name_lists.h"

#include <cstring>
#include <initializer_list>

#include "base/memory.h"
#include "model/item_list.h"

namespace {

constexpr int32_t kNameListStep = 16;

}  // namespace

bool append_name_copy(HostContext *context, ItemList **list, const char *name) {
    char *copy = str_duplicate(context, name);
    if (!copy)
        return false;
    if (!*list) {
        *list = list_create(context, copy, kNameListStep);
        return *list != nullptr;
    }
    if (!list_make_room(context, *list)) {
        mem_free(context, copy);
        return false;
    }
    (*list)->items[(*list)->count++] = copy;
    return true;
}

namespace {

const char *find_name(const LookupIndex *index, const char *name, uint32_t hash) {
    auto same = [name](const void *text) { return std::strcmp(static_cast<const char *>(text), name) == 0; };
    return static_cast<const char *>(lookup_find(index, hash, same));
}

}  // namespace

bool append_indexed_name(HostContext *context, ItemList **list, LookupIndex *index, const char *name) {
    // Room in the index first: the copy then cannot be left unindexed.
    if (!lookup_reserve(context, index) || !append_name_copy(context, list, name))
        return false;
    char *copy = static_cast<char *>((*list)->items[(*list)->count - 1]);
    lookup_insert(index, text_hash(copy), copy);
    return true;
}

int32_t name_list_contains(const LookupIndex *index, const char *name) {
    return name && find_name(index, name, text_hash(name)) ? 1 : 0;
}

bool build_name_lists(HostContext *context, NameLists &names, const ItemList *components) {
    names.family_names = list_create(context, nullptr, kNameListStep);
    if (!names.family_names)
        return false;
    if (!components || components->count < 1)
        return true;
    names.component_names = list_create(context, nullptr, kNameListStep);
    if (!names.component_names)
        return false;
    for (int32_t i = 0; i < components->count; i++) {
        const auto *component = static_cast<const ComponentRecord *>(components->items[i]);
        if (component && component->name &&
            !append_indexed_name(context, &names.component_names, &names.component_index, component->name))
            return false;
    }
    return true;
}

void free_name_lists(HostContext *context, NameLists &names) {
    for (ItemList **list : {&names.component_names, &names.family_names}) {
        list_release(context, *list);
        *list = nullptr;
    }
    for (LookupIndex *index : {&names.component_index, &names.net_index, &names.family_index, &names.family_records})
        lookup_release(context, index);
}

bool record_net_name(HostContext *context, NameLists &names, const char *name) {
    if (!name)
        return true;
    uint32_t hash = text_hash(name);
    if (find_name(&names.net_index, name, hash))
        return true;
    // The net names are the description's own: it outlives the run.
    if (!lookup_reserve(context, &names.net_index))
        return false;
    lookup_insert(&names.net_index, hash, const_cast<char *>(name));
    return true;
}

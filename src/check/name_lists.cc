// Name lists and name entries: the owned name copies the checks keep
#include "check/name_lists.h"

#include <cstring>
#include <initializer_list>

#include "base/memory.h"
#include "check/check_state.h"
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

uint32_t hash_of_name(const void *name) { return text_hash(static_cast<const char *>(name)); }

}  // namespace

bool append_indexed_name(HostContext *context, ItemList **list, LookupIndex *index, const char *name) {
    // Room in the index first: the copy then cannot be left unindexed.
    if (!lookup_reserve(context, index, hash_of_name) || !append_name_copy(context, list, name))
        return false;
    char *copy = static_cast<char *>((*list)->items[(*list)->count - 1]);
    lookup_insert(index, text_hash(copy), copy);
    return true;
}

int32_t name_list_contains(const LookupIndex *index, const char *name) {
    if (!name)
        return 0;
    auto same = [name](const void *entry) {
        return std::strcmp(static_cast<const char *>(entry), name) == 0;
    };
    return lookup_find(index, text_hash(name), same) ? 1 : 0;
}

bool build_name_lists(HostContext *context, const ItemList *components) {
    g_check.net_names = list_create(context, nullptr, kNameListStep);
    g_check.family_names = g_check.net_names ? list_create(context, nullptr, kNameListStep) : nullptr;
    if (!g_check.family_names)
        return false;
    if (!components || components->count < 1)
        return true;
    g_check.component_names = list_create(context, nullptr, kNameListStep);
    if (!g_check.component_names)
        return false;
    for (int32_t i = 0; i < components->count; i++) {
        const auto *component = static_cast<const ComponentRecord *>(components->items[i]);
        if (component && component->name &&
            !append_indexed_name(context, &g_check.component_names, &g_check.component_index,
                                 component->name))
            return false;
    }
    return true;
}

void free_name_lists(HostContext *context) {
    for (ItemList **list : {&g_check.component_names, &g_check.net_names, &g_check.family_names}) {
        list_release(context, *list);
        *list = nullptr;
    }
    for (LookupIndex *index : {&g_check.component_index, &g_check.net_index, &g_check.family_index})
        lookup_release(context, index);
}

bool record_net_name(HostContext *context, const char *name) {
    if (!name || name_list_contains(&g_check.net_index, name))
        return true;
    return append_indexed_name(context, &g_check.net_names, &g_check.net_index, name);
}

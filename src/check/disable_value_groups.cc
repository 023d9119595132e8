// Disable-value groups: the control cell entries of a chain's elements, grouped by control cell
#include "check/disable_value_groups.h"

#include <algorithm>
#include <cstring>

#include "base/memory.h"

namespace {

int32_t *count_for(DisableGroup *group, char value) {
    switch (value) {
    case '0': return &group->zeros;
    case '1': return &group->ones;
    case 'X': return &group->unknowns;
    default: return nullptr;
    }
}

DisableGroup *find_group(const DisableValueGroups &all, const char *control, uint32_t hash) {
    auto same = [control](const void *group) {
        return std::strcmp(static_cast<const DisableGroup *>(group)->control, control) == 0;
    };
    void *group = lookup_find(&all.by_control, hash, same);
    return static_cast<DisableGroup *>(group);
}

DisableGroup *new_group(HostContext *context, DisableValueGroups &all, const char *control, uint32_t hash) {
    if (!grow_array(context, &all.groups, all.group_count, &all.group_capacity, 4) ||
        !lookup_reserve(context, &all.by_control))
        return nullptr;
    auto *group = static_cast<DisableGroup *>(mem_alloc(context, sizeof(DisableGroup)));
    if (!group)
        return nullptr;
    group->control = control;
    all.groups[all.group_count++] = group;
    lookup_insert(&all.by_control, hash, group);
    return group;
}

// Enters the pairs of one element that the settlement compares with: both
// texts present and the control cell not "-".
bool enter_element(HostContext *context, DisableValueGroups &all, int32_t element) {
    const ItemList *chain = all.chain;
    const auto *record = static_cast<const ChainElementRecord *>(chain->items[element]);
    if (!record || !record->control_cells || !record->control_cells->items || !record->disable_values ||
        !record->disable_values->items)
        return true;
    int32_t pairs = std::min(record->control_cells->count, record->disable_values->count);
    for (int32_t j = 0; j < pairs; j++) {
        const char *value = static_cast<const char *>(record->disable_values->items[j]);
        const char *control = static_cast<const char *>(record->control_cells->items[j]);
        if (!value || !control || std::strcmp(control, "-") == 0)
            continue;
        uint32_t hash = text_hash(control);
        DisableGroup *group = find_group(all, control, hash);
        if (!group && !(group = new_group(context, all, control, hash)))
            return false;
        if (!grow_array(context, &group->entries, group->count, &group->capacity, 4))
            return false;
        group->entries[group->count++] = {element, j};
        if (int32_t *counter = count_for(group, value[0]))
            ++*counter;
    }
    return true;
}

}  // namespace

DisableGroup *disable_group_before(HostContext *context, DisableValueGroups &all, const ItemList *chain,
                                   int32_t element, const char *control, bool *failed) {
    *failed = false;
    if (all.chain != chain) {
        release_disable_groups(context, all);
        all.chain = chain;
    }
    // The chain checks go forward; an element behind what is entered would
    // need the groups rebuilt.
    if (element < all.indexed) {
        release_disable_groups(context, all);
        all.chain = chain;
    }
    for (; all.indexed < element; all.indexed++) {
        if (!enter_element(context, all, all.indexed)) {
            *failed = true;
            release_disable_groups(context, all);
            return nullptr;
        }
    }
    return find_group(all, control, text_hash(control));
}

void disable_group_recount(DisableGroup *group, char before, char after) {
    if (int32_t *counter = count_for(group, before))
        --*counter;
    if (int32_t *counter = count_for(group, after))
        ++*counter;
}

void release_disable_groups(HostContext *context, DisableValueGroups &all) {
    for (int32_t i = 0; i < all.group_count; i++) {
        mem_free(context, all.groups[i]->entries);
        mem_free(context, all.groups[i]);
    }
    mem_free(context, all.groups);
    lookup_release(context, &all.by_control);
    all = {};
}

// Component queries: the module-wide cursors and their reset
#include "query/query_cursors.h"


query_cursors g_cursors;

namespace {

// The longest list the iterator walks.
constexpr int32_t kIteratedListLimit = 65536;

template <typename Record>
Record *first_item(ItemList *list) {
    return list && list->count >= 1 ? static_cast<Record *>(list->items[0]) : nullptr;
}

}  // namespace

void reset_query_cursors(DescriptionRoot *root) {
    release_chain_position_index();
    g_cursors = query_cursors{};
    g_cursors.root = root;
}

ComponentRecord *current_component() {
    const ItemList *components = g_cursors.root ? g_cursors.root->components : nullptr;
    int32_t position = g_cursors.component.position;
    ComponentRecord *component = g_cursors.component.record;
    if (!component || !components || position < 1 || position > components->count ||
        components->items[position - 1] != component)
        return nullptr;
    return component;
}

void make_component_current(int32_t position, ComponentRecord *component) {
    g_cursors.component = {component ? position : 0, component};
    reset_component_cursors();
}

void reset_component_cursors() {
    list_cursor<ComponentRecord> component = g_cursors.component;
    reset_query_cursors(g_cursors.root);
    g_cursors.component = component;
    ComponentRecord *current = current_component();
    if (!current)
        return;
    g_cursors.pin_list = first_item<ItemList>(current->pin_lists);
    for (const RegisterKindRow &row : register_kinds())
        open_register_kind(row.query_code);
    g_cursors.global_performance = first_item<GlobalPerformanceRecord>(current->global_performances);
}

void *list_iter_first(ItemList *list) {
    if (!list || list->count < 1 || list->count > kIteratedListLimit)
        return nullptr;
    g_cursors.iterated_list = list;
    g_cursors.iterated_position = 1;
    return list->items[0];
}

void *list_iter_next() {
    ItemList *list = g_cursors.iterated_list;
    if (!list || g_cursors.iterated_position >= list->count)
        return nullptr;
    return list->items[g_cursors.iterated_position++];
}

// Component queries: the cursors of the query interface and their reset
#include "query/query_cursors.h"

#include "query/register_cursors.h"

namespace {

// The longest list the iterator walks.
constexpr int32_t kIteratedListLimit = 65536;

template <typename Record>
Record *first_item(ItemList *list) {
    return list && list->count >= 1 ? static_cast<Record *>(list->items[0]) : nullptr;
}

}  // namespace

void reset_query_cursors(query_cursors &q, DescriptionRoot *root) {
    release_chain_position_index(q.position_index);
    q = query_cursors{};
    q.root = root;
}

ComponentRecord *current_component(query_cursors &q) {
    const ItemList *components = q.root ? q.root->components : nullptr;
    int32_t position = q.component.position;
    ComponentRecord *component = q.component.record;
    if (!component || !components || position < 1 || position > components->count ||
        components->items[position - 1] != component)
        return nullptr;
    return component;
}

void make_component_current(query_cursors &q, int32_t position, ComponentRecord *component) {
    q.component = {component ? position : 0, component};
    reset_component_cursors(q);
}

void reset_component_cursors(query_cursors &q) {
    list_cursor<ComponentRecord> component = q.component;
    reset_query_cursors(q, q.root);
    q.component = component;
    ComponentRecord *current = current_component(q);
    if (!current)
        return;
    q.pin_list = first_item<ItemList>(current->pin_lists);
    for (const RegisterKindRow &row : register_kinds())
        open_register_kind(q, row.query_code);
    q.global_family = first_item<GlobalPerformanceRecord>(current->global_performances);
}

void *list_iter_first(query_cursors &q, ItemList *list) {
    if (!list || list->count < 1 || list->count > kIteratedListLimit)
        return nullptr;
    q.iterated_list = list;
    q.iterated_position = 1;
    return list->items[0];
}

void *list_iter_next(query_cursors &q) {
    ItemList *list = q.iterated_list;
    if (!list || q.iterated_position >= list->count)
        return nullptr;
    return list->items[q.iterated_position++];
}

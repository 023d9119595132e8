// Component queries: the component cursor
#include "query/component_cursor.h"

#include <strings.h>

#include "model/item_list.h"
#include "model/release.h"
#include "query/attributes.h"

namespace {

ComponentRecord *component_at(const ItemList *components, int32_t position) {
    return static_cast<ComponentRecord *>(components->items[position - 1]);
}

bool named(const ComponentRecord *component, const char *name) {
    return component && component->name && strcasecmp(component->name, name) == 0;
}

}  // namespace

int32_t nr_components(query_cursors &q) {
    const ItemList *components = q.root ? q.root->components : nullptr;
    return components ? components->count : 0;
}

int32_t get_first_component(query_cursors &q) {
    const ItemList *components = q.root ? q.root->components : nullptr;
    if (!components || components->count < 1)
        return 0;
    make_component_current(q, 1, component_at(components, 1));
    return 1;
}

int32_t get_next_component(query_cursors &q) {
    const ItemList *components = q.root ? q.root->components : nullptr;
    int32_t position = q.component.position;
    if (!components || position >= components->count)
        return 0;
    make_component_current(q, position + 1, component_at(components, position + 1));
    return 1;
}

ComponentRecord *get_current_component_entry(query_cursors &q) { return current_component(q); }

const char *get_current_component_name(query_cursors &q) {
    return attribute_text(q, ATTR_COMPONENT_NAME);
}

int32_t open_component(query_cursors &q, const char *name) {
    if (!name)
        return 0;
    if (named(current_component(q), name))
        return 1;
    if (!get_first_component(q))
        return 0;
    while (!named(current_component(q), name))
        if (!get_next_component(q))
            return 0;
    return 1;
}

int32_t delete_current_component(query_cursors &q, HostContext *context) {
    ComponentRecord *component = current_component(q);
    ItemList *components = q.root ? q.root->components : nullptr;
    if (!component)
        return 0;
    int32_t position = q.component.position;
    if (!list_remove_at(context, components, position))
        return 0;
    release_component(context, component);
    if (position > components->count)
        position = components->count;
    if (position < 1)
        make_component_current(q, 0, nullptr);
    else
        make_component_current(q, position, component_at(components, position));
    return 1;
}


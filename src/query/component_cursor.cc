// Component queries: the component cursor
#include <strings.h>

#include "model/item_list.h"
#include "model/release.h"
#include "query/attributes.h"
#include "query/query_cursors.h"

namespace {

ComponentRecord *component_at(const ItemList *components, int32_t position) {
    return static_cast<ComponentRecord *>(components->items[position - 1]);
}

bool named(const ComponentRecord *component, const char *name) {
    return component && component->name && strcasecmp(component->name, name) == 0;
}

}  // namespace

extern "C" {

OXEL_API int32_t oxel_nr_components(void) {
    const ItemList *components = g_cursors.root ? g_cursors.root->components : nullptr;
    return components ? components->count : 0;
}

OXEL_API int32_t oxel_get_first_component(void) {
    const ItemList *components = g_cursors.root ? g_cursors.root->components : nullptr;
    if (!components || components->count < 1)
        return 0;
    make_component_current(1, component_at(components, 1));
    return 1;
}

OXEL_API int32_t oxel_get_next_component(void) {
    const ItemList *components = g_cursors.root ? g_cursors.root->components : nullptr;
    int32_t position = g_cursors.component.position;
    if (!components || position >= components->count)
        return 0;
    make_component_current(position + 1, component_at(components, position + 1));
    return 1;
}

OXEL_API ComponentRecord *oxel_get_current_component_entry(void) { return current_component(); }

OXEL_API const char *oxel_get_current_component_name(void) {
    return attribute_text(ATTR_COMPONENT_NAME);
}

OXEL_API int32_t oxel_open_component(HostContext *, const char *name) {
    if (!name)
        return 0;
    if (named(current_component(), name))
        return 1;
    if (!oxel_get_first_component())
        return 0;
    while (!named(current_component(), name))
        if (!oxel_get_next_component())
            return 0;
    return 1;
}

OXEL_API int32_t oxel_delete_current_component(HostContext *context) {
    ComponentRecord *component = current_component();
    ItemList *components = g_cursors.root ? g_cursors.root->components : nullptr;
    if (!component)
        return 0;
    int32_t position = g_cursors.component.position;
    if (!list_remove_at(context, components, position))
        return 0;
    release_component(context, component);
    if (position > components->count)
        position = components->count;
    if (position < 1)
        make_component_current(0, nullptr);
    else
        make_component_current(position, component_at(components, position));
    return 1;
}

}  // extern "C"

// The description the library holds: its four roots, the program name and where each record was written
#include "model/description.h"

#include "base/memory.h"
#include "model/item_list.h"
#include "model/release.h"

namespace {

// Releases a list of records from the last to the first, then the list.
template <typename Record>
void release_backwards(HostContext *context, ItemList *list,
                       void (*release_item)(HostContext *, Record *)) {
    if (!list)
        return;
    for (int32_t i = list->count - 1; i >= 0; i--)
        release_item(context, static_cast<Record *>(list->items[i]));
    list_release_array(context, list);
}

}  // namespace

bool set_description_prog_name(HostContext *context, description_state &description, const char *name) {
    // The earlier name is released: it would otherwise be lost.
    mem_free(context, description.prog_name);
    description.prog_name = str_duplicate(context, name);
    return description.prog_name || !name;
}

void release_description(HostContext *context, description_state &description) {
    if (!context)
        return;
    DescriptionRoot &root = description.root;
    memory_arena_release_next();
    mem_free(context, description.prog_name);
    description.prog_name = nullptr;
    release_header(context, root.header);
    root.header = nullptr;
    release_backwards(context, root.boards, release_board);
    root.boards = nullptr;
    release_backwards(context, root.components, release_component);
    root.components = nullptr;
    list_release_with(context, root.pin_families, release_pin_family);
    root.pin_families = nullptr;
    release_record_locations(context, description.locations);
    // The walk above gave back the blocks of the heap; the rest goes at once.
    memory_arena_release();
}


// Teardown of the whole description and of headers
#include "base/memory.h"
#include "model/description.h"
#include "model/item_list.h"
#include "model/record_locations.h"
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

description_state g_description;

}  // namespace

DescriptionRoot *description_root() { return &g_description.root; }

const char *description_prog_name() { return g_description.prog_name; }

bool set_description_prog_name(HostContext *context, const char *name) {
    // The earlier name is released: it would otherwise be lost.
    mem_free(context, g_description.prog_name);
    g_description.prog_name = str_duplicate(context, name);
    return g_description.prog_name || !name;
}

void release_description(HostContext *context) {
    if (!context)
        return;
    DescriptionRoot &root = g_description.root;
    memory_arena_release_next();
    mem_free(context, g_description.prog_name);
    g_description.prog_name = nullptr;
    release_header(context, root.header);
    root.header = nullptr;
    release_backwards(context, root.boards, release_board);
    root.boards = nullptr;
    release_backwards(context, root.components, release_component);
    root.components = nullptr;
    list_release_with(context, root.pin_families, release_pin_family);
    root.pin_families = nullptr;
    release_record_locations(context);
    // The walk above gave back the blocks of the heap; the rest goes at once.
    memory_arena_release();
}

void release_log(HostContext *context, LogRecord *log) {
    if (!log)
        return;
    mem_free(context, log->date);
    mem_free(context, log->creator);
    mem_free(context, log->tool);
    mem_free(context, log->reason);
    mem_free(context, log);
}

void release_header(HostContext *context, HeaderRecord *header) {
    if (!header)
        return;
    release_log(context, header->creation_log);
    list_release_with(context, header->change_logs, release_log);
    mem_free(context, header);
}

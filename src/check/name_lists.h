// Name lists and name entries: the owned name copies the checks keep
#pragma once

#include "base/memory.h"
#include "base/lookup_index.h"
#include "oxel32.h"

// An entry of a name store: a new zero-filled Entry holding a copy of
// `name`, or null after a reported failure; and its release.
template <typename Entry>
Entry *new_named_entry(HostContext *context, const char *name) {
    auto *entry = static_cast<Entry *>(mem_alloc(context, sizeof(Entry)));
    if (entry && !(entry->name = str_duplicate(context, name))) {
        mem_free(context, entry);
        return nullptr;
    }
    return entry;
}
template <typename Entry>
void free_named_entry(HostContext *context, Entry *entry) {
    mem_free(context, entry->name);
    mem_free(context, entry);
}

// Appends a copy of `name` to *list, creating the list when it is null.
// False after a reported failure; the list is then as it was.
bool append_name_copy(HostContext *context, ItemList **list, const char *name);

// Appends a copy of `name` to *list as append_name_copy does and enters the
// copy in the list's index; false after a reported failure, both as they were.
bool append_indexed_name(HostContext *context, ItemList **list, LookupIndex *index, const char *name);

// 1 when the list whose index this is holds the name (exact comparison); 0
// for an empty list or a null name.
int32_t name_list_contains(const LookupIndex *index, const char *name);

// The names a check run keeps, asked only for membership, which each list's
// index answers: owned copies of every named component's and of the pin
// families registered, the first family record of each registered name (and
// the one found last), and the nets of the netlists checked so far, each
// once, as the description's own texts in an index alone.
struct NameLists {
    ItemList *component_names;      // every named component; null without components
    LookupIndex component_index;
    ItemList *family_names;         // the family name register
    LookupIndex family_index;
    LookupIndex family_records;
    const PinFamilyRecord *last_family;
    LookupIndex net_index;
};

// The run's lists at its start: a copy of the name of every named
// component, in list order (no list when there are no components), and the
// family name register, empty. False after a reported failure, with
// whatever was built left for free_name_lists.
bool build_name_lists(HostContext *context, NameLists &names, const ItemList *components);
void free_name_lists(HostContext *context, NameLists &names);

// Adds a net name to the run's net names unless it is there already; the
// text is borrowed from the description. False after a reported failure.
bool record_net_name(HostContext *context, NameLists &names, const char *name);

// Name tables: the hashed name stores of the checks
#include "check/name_table.h"

#include <cstring>

#include "base/memory.h"
#include "check/name_lists.h"
#include "model/item_list.h"

static_assert(kNameHashMultiplier == 31, "the bucket hash is the polynomial of hash_text");

uint32_t name_bucket(const char *name) { return hash_text(name).polynomial % kNameTableBuckets; }

NameTable *name_table_create(HostContext *context) {
    return static_cast<NameTable *>(mem_alloc(context, sizeof(NameTable)));
}

namespace {

// The entry of the name whose index hash is `hash`, or null.
NameEntry *find_entry(const NameTable *table, const char *name, uint32_t hash) {
    auto same = [name](const void *entry) {
        return std::strcmp(static_cast<const NameEntry *>(entry)->name, name) == 0;
    };
    return static_cast<NameEntry *>(lookup_find(&table->index, hash, same));
}

}  // namespace

bool name_table_reserve(HostContext *context, NameTable *table, int32_t count) {
    return !table || count < 1 || lookup_reserve(context, &table->index, static_cast<uint32_t>(count));
}

NameEntry *name_table_lookup(const NameTable *table, const char *name) {
    if (!table || !name)
        return nullptr;
    NameEntry *found = table->last_found;
    if (found && found->later && std::strcmp(found->later->name, name) == 0)
        found = found->later;
    else if (!found || std::strcmp(found->name, name) != 0)
        found = find_entry(table, name, text_hash(name));
    if (found)
        table->last_found = found;
    return found;
}

namespace {

NameEntry *enter(HostContext *context, NameTable *table, const char *name, void *payload, bool borrowed) {
    if (!table || !name)
        return nullptr;
    // The name is walked once for its hashes and its length.
    const TextHash hash = hash_text(name);
    if (NameEntry *known = find_entry(table, name, hash.index)) {
        if (++known->uses > table->most_uses)
            table->most_uses = known->uses;
        if (known->uses == 2)
            known->repeat = payload;
        return known;
    }
    if (!lookup_reserve(context, &table->index))
        return nullptr;
    // A copied name lives right after its entry, both in the table's slabs,
    // which go together with the table.
    size_t size = sizeof(NameEntry) + (borrowed ? 0 : hash.length + 1);
    auto *entry = static_cast<NameEntry *>(slab_space(context, &table->slabs, size, alignof(NameEntry)));
    if (!entry)
        return nullptr;
    if (borrowed) {
        entry->name = const_cast<char *>(name);
    } else {
        entry->name = reinterpret_cast<char *>(entry + 1);
        std::memcpy(entry->name, name, hash.length + 1);
    }
    lookup_insert(&table->index, hash.index, entry);
    uint32_t bucket = hash.polynomial % kNameTableBuckets;
    entry->uses = 1;
    if (table->most_uses < 1)
        table->most_uses = 1;
    entry->payload = payload;
    entry->repeat = nullptr;
    entry->next = table->buckets[bucket];
    table->buckets[bucket] = entry;
    if (table->newest)
        table->newest->later = entry;
    table->newest = entry;
    return entry;
}

}  // namespace

NameEntry *name_table_enter(HostContext *context, NameTable *table, const char *name, void *payload) {
    return enter(context, table, name, payload, false);
}

NameEntry *name_table_enter_text(HostContext *context, NameTable *table, const char *text, void *payload) {
    return enter(context, table, text, payload, true);
}

ItemList *names_used_more_than(HostContext *context, const NameTable *table, int32_t times,
                               bool *failed) {
    if (failed)
        *failed = false;
    ItemList *names = nullptr;
    // Most tables hold each name once: then no bucket needs a walk.
    if (table && table->most_uses <= times)
        return nullptr;
    for (int32_t bucket = 0; table && bucket < kNameTableBuckets; bucket++) {
        for (NameEntry *entry = table->buckets[bucket]; entry; entry = entry->next) {
            if (entry->uses <= times)
                continue;
            if (!append_name_copy(context, &names, entry->name)) {
                list_release(context, names);
                if (failed)
                    *failed = true;
                return nullptr;
            }
        }
    }
    return names;
}

void name_table_free(HostContext *context, NameTable *table) {
    if (!table)
        return;
    slab_store_free(context, &table->slabs);
    lookup_release(context, &table->index);
    mem_free(context, table);
}

// Name tables: the hashed name stores of the checks
#include "check/name_table.h"

#include <cstring>

#include "base/memory.h"
#include "check/name_lists.h"
#include "model/item_list.h"

uint32_t name_hash(const char *name) {
    uint32_t hash = 0;
    for (const char *c = name; *c; c++)
        hash = hash * kNameHashMultiplier + static_cast<uint32_t>(static_cast<int8_t>(*c));
    return hash;
}

uint32_t name_bucket(const char *name) { return name_hash(name) % kNameTableBuckets; }

namespace {

// The index slot that holds the name, or the free slot where it would go.
// The hash is mixed first: names such as P1, P2, ... differ in their low
// bits only a little and would crowd together.
NameEntry **index_slot(const NameTable *table, const char *name) {
    uint32_t mask = table->index_size - 1;
    uint32_t hash = name_hash(name);
    hash = (hash ^ (hash >> 16)) * 0x45d9f3bu;
    hash ^= hash >> 16;
    for (uint32_t i = hash & mask;; i = (i + 1) & mask) {
        NameEntry **slot = &table->index[i];
        if (!*slot || std::strcmp((*slot)->name, name) == 0)
            return slot;
    }
}

// Makes room in the index for one more entry: at most half its slots are
// used. False after a reported failure; the table is then as it was.
bool index_make_room(HostContext *context, NameTable *table) {
    if (table->count + 1 <= table->index_size / 2)
        return true;
    uint32_t size = table->index_size ? table->index_size * 2 : 64;
    auto *index = static_cast<NameEntry **>(mem_alloc(context, sizeof(NameEntry *) * size));
    if (!index)
        return false;
    mem_free(context, table->index);
    table->index = index;
    table->index_size = size;
    for (NameEntry *head : table->buckets)
        for (NameEntry *entry = head; entry; entry = entry->next)
            *index_slot(table, entry->name) = entry;
    return true;
}

}  // namespace

NameTable *name_table_create(HostContext *context) {
    return static_cast<NameTable *>(mem_alloc(context, sizeof(NameTable)));
}

NameEntry *name_table_lookup(const NameTable *table, const char *name) {
    if (!table || !name || !table->index)
        return nullptr;
    return *index_slot(table, name);
}

NameEntry *name_table_enter(HostContext *context, NameTable *table, const char *name, void *payload) {
    if (!table || !name)
        return nullptr;
    if (NameEntry *known = name_table_lookup(table, name)) {
        known->uses++;
        return known;
    }
    if (!index_make_room(context, table))
        return nullptr;
    auto *entry = new_named_entry<NameEntry>(context, name);
    if (!entry)
        return nullptr;
    uint32_t bucket = name_bucket(name);
    entry->uses = 1;
    entry->payload = payload;
    entry->next = table->buckets[bucket];
    table->buckets[bucket] = entry;
    *index_slot(table, entry->name) = entry;
    table->count++;
    return entry;
}

ItemList *names_used_more_than(HostContext *context, const NameTable *table, int32_t times,
                               bool *failed) {
    if (failed)
        *failed = false;
    ItemList *names = nullptr;
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
    for (NameEntry *head : table->buckets) {
        while (head) {
            NameEntry *next = head->next;
            free_named_entry(context, head);
            head = next;
        }
    }
    mem_free(context, table->index);
    mem_free(context, table);
}

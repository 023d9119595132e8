// Name tables: the hashed name stores of the checks
#include "check/name_table.h"

#include <cstring>

#include "base/memory.h"
#include "check/name_lists.h"
#include "model/item_list.h"

uint32_t name_bucket(const char *name) {
    uint32_t hash = 0;
    for (const char *c = name; *c; c++)
        hash = hash * kNameHashMultiplier + static_cast<uint32_t>(static_cast<int8_t>(*c));
    return hash % kNameTableBuckets;
}

NameTable *name_table_create(HostContext *context) {
    return static_cast<NameTable *>(mem_alloc(context, sizeof(NameTable)));
}

namespace {

uint32_t hash_of_entry(const void *entry) { return static_cast<const NameEntry *>(entry)->hash; }

// The entry of the name whose index hash is `hash`, or null.
NameEntry *find_entry(const NameTable *table, const char *name, uint32_t hash) {
    auto same = [name, hash](const void *item) {
        const auto *entry = static_cast<const NameEntry *>(item);
        return entry->hash == hash && std::strcmp(entry->name, name) == 0;
    };
    return static_cast<NameEntry *>(lookup_find(&table->index, hash, same));
}

}  // namespace

NameEntry *name_table_lookup(const NameTable *table, const char *name) {
    if (!table || !name)
        return nullptr;
    return find_entry(table, name, text_hash(name));
}

NameEntry *name_table_enter(HostContext *context, NameTable *table, const char *name, void *payload) {
    if (!table || !name)
        return nullptr;
    // The name is hashed once for the lookup and the insertion.
    uint32_t hash = text_hash(name);
    if (NameEntry *known = find_entry(table, name, hash)) {
        if (++known->uses > table->most_uses)
            table->most_uses = known->uses;
        return known;
    }
    if (!lookup_reserve(context, &table->index, hash_of_entry))
        return nullptr;
    // The name lives in the entry's own block: one allocation per name.
    size_t length = std::strlen(name);
    auto *entry = static_cast<NameEntry *>(mem_alloc(context, sizeof(NameEntry) + length + 1));
    if (!entry)
        return nullptr;
    entry->name = reinterpret_cast<char *>(entry + 1);
    std::memcpy(entry->name, name, length + 1);
    lookup_insert(&table->index, hash, entry);
    uint32_t bucket = name_bucket(name);
    entry->hash = hash;
    entry->uses = 1;
    if (table->most_uses < 1)
        table->most_uses = 1;
    entry->payload = payload;
    entry->next = table->buckets[bucket];
    table->buckets[bucket] = entry;
    return entry;
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
    for (NameEntry *head : table->buckets) {
        while (head) {
            NameEntry *next = head->next;
            mem_free(context, head);
            head = next;
        }
    }
    lookup_release(context, &table->index);
    mem_free(context, table);
}

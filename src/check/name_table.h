// Name tables: the hashed name stores of the checks
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/lookup_index.h"
#include "check/slab_store.h"
#include "oxel32.h"

constexpr int32_t kNameTableBuckets = 101;
constexpr uint32_t kNameHashMultiplier = 31;

// One name of a table: how often it was entered, the record it was first
// entered with and the one it was entered with the second time (not owned;
// each may be null).
struct NameEntry {
    char *name;          // a copy in the entry's own block, or a borrowed text
    int32_t uses;
    void *payload;
    void *repeat;        // null while the name was entered once
    NameEntry *next;     // the next entry of the bucket, older than this one
    NameEntry *later;    // the entry made right after this one; null for the newest
};

// Each bucket holds a chain of entries, newest first: the order of the
// reports. Lookups go through the index, which holds every entry too, so
// that a table of many thousand names answers without walking a chain.
// Names are mostly asked for in the order they were entered (a chain names
// its pins in pin list order): a lookup first tries the entry made after
// the one it found last, and that one again, before it reads the index.
struct NameTable {
    NameEntry *buckets[kNameTableBuckets];
    LookupIndex index;
    NameEntry *newest;               // null while empty
    mutable NameEntry *last_found;   // the entry the last lookup found; null before one
    int32_t most_uses;   // the highest use count of any entry; 0 while empty
    SlabStore slabs;     // the entries with their names, freed with the table
};

// The bucket of a name: every character taken as a signed 8-bit value, the
// hash multiplied by 31 and the character added in unsigned 32-bit
// arithmetic, the unsigned remainder by 101.
uint32_t name_bucket(const char *name);

// A new table with every bucket empty; null after a reported failure.
NameTable *name_table_create(HostContext *context);

// Adds 1 to the name's use count when it is present (the second time
// keeping the payload as the repeat); otherwise puts a new entry (use count
// 1, the payload) at the head of its bucket. The entry, or
// null after a reported failure; a null table or name enters nothing (null).
NameEntry *name_table_enter(HostContext *context, NameTable *table, const char *name, void *payload);

// Makes room for `count` more names at once, so that a table about to take
// a long list is not grown step by step. False after a reported failure
// (the table then grows as names come, as without it).
bool name_table_reserve(HostContext *context, NameTable *table, int32_t count);

// As name_table_enter, for a text that outlives the table (the
// description's own): a new entry borrows it instead of a copy.
NameEntry *name_table_enter_text(HostContext *context, NameTable *table, const char *text, void *payload);

// The entry of the name (exact comparison), or null.
NameEntry *name_table_lookup(const NameTable *table, const char *name);

// A new list of copies of every name used more than `times` times, in
// bucket order and, within a bucket, chain order; null when there is none.
// A failed allocation also gives null: *failed (when given) then tells.
ItemList *names_used_more_than(HostContext *context, const NameTable *table, int32_t times,
                               bool *failed);

// Frees every entry with its name, and the table; payloads are not freed.
void name_table_free(HostContext *context, NameTable *table);

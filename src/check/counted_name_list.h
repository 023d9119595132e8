// Counted name list: names in insertion order, each with a count and a payload
#pragma once

#include <cstdint>

#include "oxel32.h"

struct CountedName {
    char *name;          // owned copy
    int32_t count;       // how often the name was added
    intptr_t payload;    // what the name was first added with
    CountedName *next;
};

// Adds 1 to the count of a name already in the list; otherwise appends an
// entry with count 1 and the payload. The result is the list (the new entry
// when the list was null); null for a null name or after a reported failure,
// the list then unchanged.
CountedName *counted_name_add(HostContext *context, CountedName *list, const char *name, intptr_t payload);

// Unlinks and frees the first entry of the name. The first entry of a list
// keeps its address: when it is the one removed, its successor's contents
// move into it. Removing the only entry leaves no list (*list becomes null).
// 1 when the removed entry had a successor; 0 when it was the last one or
// the name is null or not there.
int32_t counted_name_remove(HostContext *context, CountedName **list, const char *name);

// The payload of the name's entry; 0 when it is not there; -1 for a null name.
intptr_t counted_name_find(const CountedName *list, const char *name);

// Frees every entry with its name.
void counted_name_free(HostContext *context, CountedName *list);

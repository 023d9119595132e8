// Pin constructors: single pins, buses, index records and pin references
#pragma once

#include "oxel32.h"

// Every constructor takes the context first and ownership of every text,
// list and record it is handed. It returns the new record, or null after a
// reported failure, having then released everything it was handed.

// The transient pair a bus name yields: the name and its index list.
struct BusNamePair {
    char *name;
    ItemList *indices;  // IndexRecord
};

PinRecord *make_pin(HostContext *context, char *number, char *name, int32_t type, char *family);
// A bus pin from its pin numbers and the bus pair, whose name and indices
// move into the record.
PinRecord *make_bus(HostContext *context, ItemList *numbers, BusNamePair *pair, int32_t type, char *family);
BusNamePair *make_bus_name(HostContext *context, char *name, ItemList *indices);
// kind OXEL_INDEX_NAME keeps `identifier`, OXEL_INDEX_NUMBER `number`,
// OXEL_INDEX_RANGE `number` to `last`.
IndexRecord *make_index(HostContext *context, int32_t kind, int32_t number, char *identifier, int32_t last);
// kind 3: a plain name, number or "-". kind 1: a bus reference with an
// index list; one single number stays kind 1 with the number as selector,
// anything else becomes kind 2 holding the list. Kind 1 without indices
// builds nothing.
PinRefRecord *make_pin_ref(HostContext *context, int32_t kind, char *name, ItemList *indices);

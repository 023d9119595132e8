// Record locations: where each record of the description was written
#pragma once

#include <cstdint>

#include "base/lookup_index.h"
#include "base/message_location.h"
#include "oxel32.h"

// One remembered record, in 16 bytes: its address, the order in which it
// was remembered and its place packed into one number: the line, the column
// and the file by number in the table's path list (-1 when the source had
// no name). A place too far for the packing (a deep line or column, many
// files) is kept whole in a second table, found by the order.
struct RecordPlace {
    const void *record;
    uint32_t order;
    uint32_t where;
};
struct WidePlace {
    uint32_t order;
    int32_t file;
    int32_t line;
    int32_t column;
};

// The description's side table, keyed by record address. A parse only
// appends, in the order records are built; the first lookup after it sorts
// the places by address (and order), so that a lookup is a binary search.
// The records keep their layout; the table is released with the
// description.
struct record_locations {
    RecordPlace *places;
    uint32_t count;
    uint32_t room;
    // The places sorted so far, from the first: a lookup sorts them, which
    // changes their order and not what the table holds.
    mutable uint32_t sorted;
    WidePlace *wide;          // in order
    uint32_t wide_count;
    uint32_t wide_room;
    char **paths;             // each path once, owned
    int32_t path_count;
    int32_t path_room;
    LookupIndex path_index;   // the paths by the hash of their text, each as its number + 1
    // The source path last met and its number: a record mostly comes from
    // the file the one before came from. The lexer's paths are new at every
    // parse, so the parse forgets it first.
    const char *last_source;
    int32_t last_path;
};

// A new parse begins: paths met from now on are the lexer's new ones.
void start_locations_of_parse(record_locations &table);
// Remembers that `record` was written at `where`, whose path must keep its
// text at its address until the next parse begins. A record remembered again
// (a new record where a released one lay) takes its new place. False after
// a reported allocation failure: the record is then not remembered.
bool remember_location(HostContext *context, record_locations &table, const void *record,
                       const SourceLocation &where);
// Where `record` was written, its path owned by the table; nowhere for a
// record not remembered, and for null.
SourceLocation location_of(const record_locations &table, const void *record);
// A message about `record`: it points where the record was written, looked
// up only when such a message is delivered. A null table knows no place.
MessagePlace place_of_record(const record_locations *table, const void *record);
// Releases the table and its paths (the description's release does).
void release_record_locations(HostContext *context, record_locations &table);

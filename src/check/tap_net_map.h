// TAP net map: the nets a board's TAPs use, in net name order, each with its uses
#pragma once

#include <cstdint>

#include "base/lookup_index.h"
#include "oxel32.h"

// One use of a net: the TAP that names it and for which signal. The texts
// are borrowed from the description, which outlives the map.
struct TapNetUse {
    const char *tap;         // the TAP's name; may be null
    const char *signal;      // "TDI", "TDO", "TMS", "TCK" or "TRST"
    TapNetUse *next;
};

struct TapNet {
    const char *name;        // borrowed
    int32_t uses;
    TapNetUse *first_use;    // in the order of recording
    TapNetUse *last_use;
};

// The nets in order of recording, found by name through the index; a
// board of many TAPs then records each use at once, and the nets are put
// in name order once, when they are read.
struct TapNetMap {
    TapNet **nets;
    int32_t count;
    int32_t capacity;
    LookupIndex by_name;
};

// A new empty map; null after a reported failure.
TapNetMap *tap_net_map_create(HostContext *context);

// Records one use of `net`, adding the net when it is new. False after a
// reported failure, the map then as it was.
bool tap_net_map_record(HostContext *context, TapNetMap *map, const char *net, const char *tap,
                        const char *signal);

// Puts the nets in order of their names, compared byte by byte as unsigned
// characters, for a walk of map->nets.
void tap_net_map_sort(TapNetMap *map);

// Frees the map with its nets and uses (not the texts).
void tap_net_map_free(HostContext *context, TapNetMap *map);

// TAP net map: the nets a board's TAPs use, in net name order, each with its uses
#pragma once

#include <cstdint>

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
    TapNet *next;            // the next net by byte-wise comparison of names
};

struct TapNetMap {
    TapNet *first;
};

// A new empty map; null after a reported failure.
TapNetMap *tap_net_map_create(HostContext *context);

// Records one use of `net`, adding the net in its place when it is new.
// False after a reported failure, the map then as it was.
bool tap_net_map_record(HostContext *context, TapNetMap *map, const char *net, const char *tap,
                        const char *signal);

// Frees the map with its nets and uses (not the texts).
void tap_net_map_free(HostContext *context, TapNetMap *map);

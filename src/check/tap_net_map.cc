// TAP net map: the nets a board's TAPs use, in net name order, each with its uses
#include "check/tap_net_map.h"

#include <cstring>

#include "base/memory.h"

TapNetMap *tap_net_map_create(HostContext *context) {
    return static_cast<TapNetMap *>(mem_alloc(context, sizeof(TapNetMap)));
}

bool tap_net_map_record(HostContext *context, TapNetMap *map, const char *net, const char *tap,
                        const char *signal) {
    auto *use = static_cast<TapNetUse *>(mem_alloc(context, sizeof(TapNetUse)));
    if (!use)
        return false;
    use->tap = tap;
    use->signal = signal;
    // strcmp compares the bytes as unsigned characters: the map's order.
    TapNet **place = &map->first;
    while (*place && std::strcmp((*place)->name, net) < 0)
        place = &(*place)->next;
    TapNet *entry = *place;
    if (!entry || std::strcmp(entry->name, net) != 0) {
        entry = static_cast<TapNet *>(mem_alloc(context, sizeof(TapNet)));
        if (!entry) {
            mem_free(context, use);
            return false;
        }
        entry->name = net;
        entry->next = *place;
        *place = entry;
    }
    if (entry->last_use)
        entry->last_use->next = use;
    else
        entry->first_use = use;
    entry->last_use = use;
    entry->uses++;
    return true;
}

void tap_net_map_free(HostContext *context, TapNetMap *map) {
    if (!map)
        return;
    while (TapNet *net = map->first) {
        map->first = net->next;
        while (TapNetUse *use = net->first_use) {
            net->first_use = use->next;
            mem_free(context, use);
        }
        mem_free(context, net);
    }
    mem_free(context, map);
}

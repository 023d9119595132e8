// TAP net map: the nets a board's TAPs use, in net name order, each with its uses
#include "check/tap_net_map.h"

#include <algorithm>
#include <cstring>

#include "base/memory.h"

namespace {

constexpr int32_t kFirstNets = 16;

TapNet *find_net(const TapNetMap *map, const char *name, uint32_t hash) {
    auto same = [name](const void *net) {
        return std::strcmp(static_cast<const TapNet *>(net)->name, name) == 0;
    };
    return static_cast<TapNet *>(lookup_find(&map->by_name, hash, same));
}

// A new net at the end of the map, or null after a reported failure (the
// map as it was).
TapNet *add_net(HostContext *context, TapNetMap *map, const char *name, uint32_t hash) {
    if (!grow_array(context, &map->nets, map->count, &map->capacity, kFirstNets) ||
        !lookup_reserve(context, &map->by_name))
        return nullptr;
    auto *net = static_cast<TapNet *>(mem_alloc(context, sizeof(TapNet)));
    if (!net)
        return nullptr;
    net->name = name;
    map->nets[map->count++] = net;
    lookup_insert(&map->by_name, hash, net);
    return net;
}

}  // namespace

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
    uint32_t hash = text_hash(net);
    TapNet *entry = find_net(map, net, hash);
    if (!entry && !(entry = add_net(context, map, net, hash))) {
        mem_free(context, use);
        return false;
    }
    if (entry->last_use)
        entry->last_use->next = use;
    else
        entry->first_use = use;
    entry->last_use = use;
    entry->uses++;
    return true;
}

void tap_net_map_sort(TapNetMap *map) {
    // strcmp compares the bytes as unsigned characters: the map's order.
    std::sort(map->nets, map->nets + map->count,
              [](const TapNet *a, const TapNet *b) { return std::strcmp(a->name, b->name) < 0; });
}

void tap_net_map_free(HostContext *context, TapNetMap *map) {
    if (!map)
        return;
    for (int32_t i = 0; i < map->count; i++) {
        TapNet *net = map->nets[i];
        while (TapNetUse *use = net->first_use) {
            net->first_use = use->next;
            mem_free(context, use);
        }
        mem_free(context, net);
    }
    mem_free(context, map->nets);
    lookup_release(context, &map->by_name);
    mem_free(context, map);
}

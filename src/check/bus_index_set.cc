// Bus index set: the integers seen so far in one bus or one boundary-scan chain
#include "check/bus_index_set.h"

#include "base/memory.h"
#include "check/check_state.h"

namespace {

// No 32-bit value is this.
constexpr int64_t kNoBusIndex = INT64_MIN;

int64_t *slot_of(const BusIndexSet &set, int32_t value) {
    uint32_t mask = set.size - 1;
    for (uint32_t i = (static_cast<uint32_t>(value) * 2654435761u) & mask;; i = (i + 1) & mask)
        if (set.slots[i] == kNoBusIndex || set.slots[i] == value)
            return &set.slots[i];
}

// Room for one more member; false after a reported failure.
bool make_room(HostContext *context, BusIndexSet &set) {
    if (set.count + 1 <= set.size / 2)
        return true;
    BusIndexSet grown{nullptr, set.size ? set.size * 2 : 64, set.count};
    grown.slots = static_cast<int64_t *>(mem_alloc(context, sizeof(int64_t) * grown.size));
    if (!grown.slots)
        return false;
    for (uint32_t i = 0; i < grown.size; i++)
        grown.slots[i] = kNoBusIndex;
    for (uint32_t i = 0; i < set.size; i++)
        if (set.slots[i] != kNoBusIndex)
            *slot_of(grown, static_cast<int32_t>(set.slots[i])) = set.slots[i];
    mem_free(context, set.slots);
    set = grown;
    return true;
}

}  // namespace

BusIndexResult bus_index_add(HostContext *context, int32_t value) {
    BusIndexSet &set = g_check.bus_indices;
    if (set.size && *slot_of(set, value) == value)
        return {BusIndexOutcome::kPresent, value};
    if (!make_room(context, set))
        return {BusIndexOutcome::kFailed, value};
    *slot_of(set, value) = value;
    set.count++;
    return {BusIndexOutcome::kAdded, value};
}

void bus_index_empty(HostContext *context) {
    mem_free(context, g_check.bus_indices.slots);
    g_check.bus_indices = BusIndexSet{};
}

// Bus index set: the integers seen so far in one bus or one boundary-scan chain
#include "check/bus_index_set.h"

#include "base/memory.h"
#include "check/check_state.h"

namespace {

uint32_t hash_of_member(const void *member) {
    return integer_hash(static_cast<const BusIndex *>(member)->value);
}

}  // namespace

BusIndexResult bus_index_add(HostContext *context, int32_t value) {
    LookupIndex *lookup = &g_check.bus_index_lookup;
    auto same = [value](const void *member) { return static_cast<const BusIndex *>(member)->value == value; };
    if (lookup_find(lookup, integer_hash(value), same))
        return {BusIndexOutcome::kPresent, value};
    // The member first: a failure then leaves the index as it was.
    auto *member = static_cast<BusIndex *>(mem_alloc(context, sizeof(BusIndex)));
    if (!member)
        return {BusIndexOutcome::kFailed, value};
    if (!lookup_reserve(context, lookup, hash_of_member)) {
        mem_free(context, member);
        return {BusIndexOutcome::kFailed, value};
    }
    member->value = value;
    lookup_insert(lookup, integer_hash(value), member);
    BusIndex **tail = g_check.bus_indices ? &g_check.bus_last->next : &g_check.bus_indices;
    *tail = member;
    g_check.bus_last = member;
    return {BusIndexOutcome::kAdded, value};
}

void bus_index_empty(HostContext *context) {
    while (BusIndex *member = g_check.bus_indices) {
        g_check.bus_indices = member->next;
        mem_free(context, member);
    }
    g_check.bus_last = nullptr;
    lookup_release(context, &g_check.bus_index_lookup);
}

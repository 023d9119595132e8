// Bus index set: the integers seen so far in one bus or one boundary-scan chain
#include "check/bus_index_set.h"

#include "base/memory.h"
#include "check/check_state.h"

BusIndexResult bus_index_add(HostContext *context, int32_t value) {
    BusIndex **tail = &g_check.bus_indices;
    for (; *tail; tail = &(*tail)->next)
        if ((*tail)->value == value)
            return {BusIndexOutcome::kPresent, value};
    auto *member = static_cast<BusIndex *>(mem_alloc(context, sizeof(BusIndex)));
    if (!member)
        return {BusIndexOutcome::kFailed, value};
    member->value = value;
    *tail = member;
    return {BusIndexOutcome::kAdded, value};
}

void bus_index_empty(HostContext *context) {
    while (BusIndex *member = g_check.bus_indices) {
        g_check.bus_indices = member->next;
        mem_free(context, member);
    }
}

// Bus index set: the integers seen so far in one bus or one boundary-scan chain
#include "check/bus_index_set.h"

#include "base/memory.h"
#include "base/lookup_index.h"

namespace {

constexpr uint32_t kFirstSlots = 64;

uint64_t stored(int32_t value) { return uint64_t(int64_t{value} - INT32_MIN) + 1; }

// The slot of the value, or the empty slot where it belongs.
uint32_t slot_of(const BusIndexSet &set, uint64_t member, uint32_t hash) {
    uint32_t slot = hash & set.mask;
    while (set.slots[slot] && set.slots[slot] != member)
        slot = (slot + 1) & set.mask;
    return slot;
}

// Room for one more member; false after a reported failure, the set as it was.
bool grow_table(HostContext *context, BusIndexSet &set) {
    uint32_t slots = set.slots ? set.mask + 1 : 0;
    if (2 * (uint64_t{set.used} + 1) <= slots)
        return true;
    uint32_t grown = slots ? slots * 2 : kFirstSlots;
    auto *table = static_cast<uint64_t *>(mem_alloc(context, sizeof(uint64_t) * grown));
    if (!table)
        return false;
    BusIndexSet larger = set;
    larger.slots = table;
    larger.mask = grown - 1;
    for (uint32_t slot = 0; slot < slots; slot++) {
        if (uint64_t member = set.slots[slot]) {
            auto value = static_cast<int32_t>(int64_t(member - 1) + INT32_MIN);
            table[slot_of(larger, member, integer_hash(value))] = member;
        }
    }
    mem_free(context, set.slots);
    set = larger;
    return true;
}

}  // namespace

BusIndexResult bus_index_add(HostContext *context, BusIndexSet &set, int32_t value) {
    if (value >= 0 && value < set.expected_end) {
        size_t words = size_t(set.expected_end) / 64 + 1;
        if (!set.expected && !(set.expected = static_cast<uint64_t *>(mem_alloc(context, 8 * words))))
            return {BusIndexOutcome::kFailed, value};
        uint64_t &word = set.expected[value / 64];
        const uint64_t bit = uint64_t{1} << (value % 64);
        if (word & bit)
            return {BusIndexOutcome::kPresent, value};
        word |= bit;
        return {BusIndexOutcome::kAdded, value};
    }
    const uint64_t member = stored(value);
    const uint32_t hash = integer_hash(value);
    if (set.slots && set.slots[slot_of(set, member, hash)] == member)
        return {BusIndexOutcome::kPresent, value};
    if (!grow_table(context, set))
        return {BusIndexOutcome::kFailed, value};
    set.slots[slot_of(set, member, hash)] = member;
    set.used++;
    return {BusIndexOutcome::kAdded, value};
}

void bus_index_expect(BusIndexSet &set, int32_t end) {
    if (!set.slots && !set.expected)
        set.expected_end = end;
}

void bus_index_empty(HostContext *context, BusIndexSet &set) {
    mem_free(context, set.slots);
    mem_free(context, set.expected);
    set = {};
}

// Record locations: where each record of the description was written
#include "model/record_locations.h"

#include <cstring>

#include "base/memory.h"

namespace {

constexpr int kFirstCapacityBits = 8;
constexpr int32_t kNoPath = -1;

record_locations g_locations;

// Fibonacci hashing: the high bits of the address times the golden ratio
// spread records that lie a fixed size apart over the whole table.
uint32_t slot_of(const void *record, int shift) {
    uint64_t key = reinterpret_cast<uintptr_t>(record);
    return static_cast<uint32_t>((key * 0x9E3779B97F4A7C15ull) >> shift);
}

// The slot that holds `record`, or the free slot where it belongs.
RecordPlace *find_slot(RecordPlace *slots, uint32_t capacity, int shift, const void *record) {
    uint32_t mask = capacity - 1;
    for (uint32_t i = slot_of(record, shift);; i = (i + 1) & mask)
        if (slots[i].record == record || !slots[i].record)
            return &slots[i];
}

// Doubles the slots (or makes the first ones) and moves every entry over.
bool grow(HostContext *context) {
    record_locations &table = g_locations;
    int bits = table.slots ? 64 - table.shift + 1 : kFirstCapacityBits;
    uint32_t capacity = uint32_t{1} << bits;
    auto *slots = static_cast<RecordPlace *>(mem_alloc(context, sizeof(RecordPlace) * capacity));
    if (!slots)
        return false;
    for (uint32_t i = 0; i < table.capacity; i++)
        if (table.slots[i].record)
            *find_slot(slots, capacity, 64 - bits, table.slots[i].record) = table.slots[i];
    mem_free(context, table.slots);
    table.slots = slots;
    table.capacity = capacity;
    table.shift = 64 - bits;
    return true;
}

// The number of `path` in the path list, a copy added when it is new;
// kNoPath for no path. False after a reported allocation failure.
bool find_path(HostContext *context, const char *path, int32_t *number) {
    record_locations &table = g_locations;
    *number = kNoPath;
    if (!path)
        return true;
    if (path == table.last_source) {
        *number = table.last_path;
        return true;
    }
    int32_t found = 0;
    while (found < table.path_count && std::strcmp(table.paths[found], path) != 0)
        found++;
    if (found == table.path_count) {
        if (table.path_count == table.path_room) {
            int32_t room = table.path_room ? 2 * table.path_room : 4;
            auto *paths = static_cast<char **>(mem_realloc(context, table.paths, sizeof(char *) * room));
            if (!paths)
                return false;
            table.paths = paths;
            table.path_room = room;
        }
        char *copy = str_duplicate(context, path);
        if (!copy)
            return false;
        table.paths[table.path_count++] = copy;
    }
    table.last_source = path;
    table.last_path = *number = found;
    return true;
}

}  // namespace

void start_locations_of_parse() {
    g_locations.last_source = nullptr;
    g_locations.last_path = kNoPath;
}

bool remember_location(HostContext *context, const void *record, const SourceLocation &where) {
    record_locations &table = g_locations;
    int32_t path;
    if (!record)
        return true;
    if (!find_path(context, where.file, &path))
        return false;
    if (4 * (uint64_t{table.used} + 1) > 3 * uint64_t{table.capacity} && !grow(context))
        return false;
    RecordPlace *slot = find_slot(table.slots, table.capacity, table.shift, record);
    if (!slot->record)
        table.used++;
    *slot = RecordPlace{record, path, where.line, where.column};
    return true;
}

SourceLocation location_of(const void *record) {
    const record_locations &table = g_locations;
    if (!record || !table.slots)
        return kNowhere;
    const RecordPlace *slot = find_slot(table.slots, table.capacity, table.shift, record);
    if (!slot->record || slot->file == kNoPath)
        return kNowhere;
    return SourceLocation{table.paths[slot->file], slot->line, slot->column};
}

void release_record_locations(HostContext *context) {
    record_locations &table = g_locations;
    for (int32_t i = 0; i < table.path_count; i++)
        mem_free(context, table.paths[i]);
    mem_free(context, table.paths);
    mem_free(context, table.slots);
    table = record_locations{};
    start_locations_of_parse();
}

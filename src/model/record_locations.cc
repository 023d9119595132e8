// Record locations: where each record of the description was written
#include "model/record_locations.h"

#include <algorithm>
#include <cstring>
#include <functional>

#include "base/lookup_index.h"
#include "base/memory.h"

namespace {

constexpr uint32_t kFirstRoom = 256;
constexpr int32_t kNoPath = -1;

// The packing of a place: the line above the column above the file number + 1.
constexpr int kFileBits = 3;
constexpr int kColumnBits = 7;
constexpr uint32_t kWideWhere = 0xffffffffu;   // the place is in the wide table
constexpr uint32_t kLineLimit = (1u << (32 - kFileBits - kColumnBits)) - 1;

// The packed place, or kWideWhere when it does not fit.
uint32_t packed_place(int32_t file, int32_t line, int32_t column) {
    if (file + 1 >= (1 << kFileBits) || column < 0 || column >= (1 << kColumnBits) || line < 0 ||
        static_cast<uint32_t>(line) >= kLineLimit)
        return kWideWhere;
    return static_cast<uint32_t>(line) << (kFileBits + kColumnBits) |
           static_cast<uint32_t>(column) << kFileBits | static_cast<uint32_t>(file + 1);
}

// Address first; of two places of one address, the later one last.
bool comes_before(const RecordPlace &a, const RecordPlace &b) {
    if (a.record != b.record)
        return std::less<const void *>()(a.record, b.record);
    return a.order < b.order;
}

bool lies_before(const void *record, const RecordPlace &place) {
    return std::less<const void *>()(record, place.record);
}

// The paths are entered in the index as their number + 1: no item is null.
void *path_item(int32_t number) { return reinterpret_cast<void *>(static_cast<uintptr_t>(number) + 1); }
int32_t path_number(const void *item) { return static_cast<int32_t>(reinterpret_cast<uintptr_t>(item) - 1); }

// The number of `path` in the path list, a copy added when it is new;
// kNoPath for no path. False after a reported allocation failure. Each
// include directive gives its file a path of its own: one text reaches here
// under many addresses, so the lookup goes by the text, hashed.
bool find_path(HostContext *context, record_locations &table, const char *path, int32_t *number) {
    *number = kNoPath;
    if (!path)
        return true;
    if (path == table.last_source) {
        *number = table.last_path;
        return true;
    }
    uint32_t hash = text_hash(path);
    void *known = lookup_find(&table.path_index, hash, [&](void *item) {
        return std::strcmp(table.paths[path_number(item)], path) == 0;
    });
    if (!known) {
        if (!grow_array(context, &table.paths, table.path_count, &table.path_room, 4) ||
            !lookup_reserve(context, &table.path_index))
            return false;
        char *copy = str_duplicate(context, path);
        if (!copy)
            return false;
        table.paths[table.path_count] = copy;
        known = path_item(table.path_count++);
        lookup_insert(&table.path_index, hash, known);
    }
    table.last_source = path;
    table.last_path = *number = path_number(known);
    return true;
}

}  // namespace

void start_locations_of_parse(record_locations &table) {
    table.last_source = nullptr;
    table.last_path = kNoPath;
}

bool remember_location(HostContext *context, record_locations &table, const void *record,
                       const SourceLocation &where) {
    int32_t path;
    if (!record)
        return true;
    if (!find_path(context, table, where.file, &path))
        return false;
    uint32_t packed = packed_place(path, where.line, where.column);
    if ((packed == kWideWhere && !grow_array(context, &table.wide, table.wide_count, &table.wide_room, kFirstRoom)) ||
        !grow_array(context, &table.places, table.count, &table.room, kFirstRoom))
        return false;
    if (packed == kWideWhere)
        table.wide[table.wide_count++] = WidePlace{table.count, path, where.line, where.column};
    table.places[table.count] = RecordPlace{record, table.count, packed};
    table.count++;
    return true;
}

SourceLocation location_of(const record_locations &table, const void *record) {
    if (!record || table.count == 0)
        return kNowhere;
    RecordPlace *first = table.places, *last = table.places + table.count;
    if (table.sorted != table.count) {
        std::sort(first, last, comes_before);
        table.sorted = table.count;
    }
    // The last place of the address is the one that counts.
    const RecordPlace *after = std::upper_bound(first, last, record, lies_before);
    if (after == first || (after - 1)->record != record)
        return kNowhere;
    const RecordPlace &place = *(after - 1);
    int32_t file = static_cast<int32_t>(place.where & ((1u << kFileBits) - 1)) - 1;
    int32_t line = static_cast<int32_t>(place.where >> (kFileBits + kColumnBits));
    int32_t column = static_cast<int32_t>(place.where >> kFileBits & ((1u << kColumnBits) - 1));
    if (place.where == kWideWhere) {
        const WidePlace *wide = std::lower_bound(
            table.wide, table.wide + table.wide_count, place.order,
            [](const WidePlace &entry, uint32_t order) { return entry.order < order; });
        file = wide->file;
        line = wide->line;
        column = wide->column;
    }
    if (file == kNoPath)
        return kNowhere;
    return SourceLocation{table.paths[file], line, column};
}

namespace {

SourceLocation find_record_place(const void *table, const void *record) {
    return table ? location_of(*static_cast<const record_locations *>(table), record) : kNowhere;
}

}  // namespace

MessagePlace place_of_record(const record_locations *table, const void *record) {
    return {kNowhere, table, record, find_record_place};
}

void release_record_locations(HostContext *context, record_locations &table) {
    for (int32_t i = 0; i < table.path_count; i++)
        mem_free(context, table.paths[i]);
    mem_free(context, table.paths);
    lookup_release(context, &table.path_index);
    mem_free(context, table.places);
    mem_free(context, table.wide);
    table = record_locations{};
    start_locations_of_parse(table);
}

// Device tables: the pin name, pin number and cell name tables of one device
#include "check/device_tables.h"

namespace {

NameTable **table_at(DeviceTables &tables, int i) {
    NameTable **all[] = {&tables.pin_names, &tables.pin_numbers, &tables.cell_names};
    return all[i];
}

constexpr int kTables = 3;

}  // namespace

Severity create_device_tables(HostContext *context, DeviceTables &tables) {
    for (int i = 0; i < kTables; i++) {
        NameTable **table = table_at(tables, i);
        if (!*table)
            *table = name_table_create(context);
        if (!*table)
            return kError;
    }
    return kClean;
}

void free_device_tables(HostContext *context, DeviceTables &tables) {
    for (int i = 0; i < kTables; i++) {
        NameTable **table = table_at(tables, i);
        name_table_free(context, *table);
        *table = nullptr;
    }
    release_chain_pin_names(context, tables.chain_pins);
}

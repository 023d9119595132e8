// Device tables: the pin name, pin number and cell name tables of one device
#include "check/device_tables.h"

#include "check/chain_pin_names.h"
#include "check/check_state.h"

namespace {

NameTable **const kDeviceTables[] = {&g_check.pin_names, &g_check.pin_numbers, &g_check.cell_names};

}  // namespace

Severity create_device_tables(HostContext *context) {
    for (NameTable **table : kDeviceTables) {
        if (!*table)
            *table = name_table_create(context);
        if (!*table)
            return kError;
    }
    return kClean;
}

void free_device_tables(HostContext *context) {
    for (NameTable **table : kDeviceTables) {
        name_table_free(context, *table);
        *table = nullptr;
    }
    release_chain_pin_names(context);
}

// Semantic checks: the module-wide state of one check run
#include "check/check_state.h"

#include "check/device_name_registry.h"
#include "check/device_tables.h"
#include "check/disable_value_groups.h"
#include "check/name_lists.h"

check_state g_check;

void release_check_state(HostContext *context) {
    free_device_tables(context);
    bus_index_empty(context);
    release_disable_groups(context);
    register_device_name(context, nullptr, kRegistryRelease);
    free_name_lists(context);
    counted_name_free(context, g_check.ppa_groups);
    counted_name_free(context, g_check.register_names);
    g_check = check_state{};
}

// Device name registry: boards, and separately components, defined twice in one run
#include "check/device_name_registry.h"

#include "check/check_state.h"

RegistryResult register_device_name(HostContext *context, const char *name, int32_t mode) {
    if (mode == kRegistryRelease || mode == kRegistryStart) {
        name_table_free(context, g_check.device_names);
        g_check.device_names = nullptr;
    }
    if (mode == kRegistryRelease || !name)
        return kNameRegistered;
    if (name_table_lookup(g_check.device_names, name))
        return kNameKnown;
    if (!g_check.device_names)
        g_check.device_names = name_table_create(context);
    if (!g_check.device_names || !name_table_enter(context, g_check.device_names, name, nullptr))
        return kRegistryFailed;
    return kNameRegistered;
}

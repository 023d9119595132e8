// Device name registry: boards, and separately components, defined twice in one run
#include "check/device_name_registry.h"

RegistryResult register_device_name(HostContext *context, NameTable *&registry, const char *name, bool first) {
    if (first) {
        name_table_free(context, registry);
        registry = nullptr;
    }
    if (!name)
        return kNameRegistered;
    if (name_table_lookup(registry, name))
        return kNameKnown;
    if (!registry)
        registry = name_table_create(context);
    if (!registry || !name_table_enter(context, registry, name, nullptr))
        return kRegistryFailed;
    return kNameRegistered;
}

Severity register_device(const Subject &at, NameTable *&registry, const char *name, bool first,
                         const char *repeated) {
    RegistryResult registered = register_device_name(at.host, registry, name, first);
    return at.error_if(registered == kNameKnown, repeated, name) | (registered == kRegistryFailed ? kError : kClean);
}

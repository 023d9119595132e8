// Device name registry: boards, and separately components, defined twice in one run
#pragma once

#include <cstdint>

#include "check/name_table.h"
#include "oxel32.h"

enum RegistryResult : int32_t {
    kNameKnown = 0,          // the name was registered before
    kNameRegistered = 1,     // done (also for a null name)
    kRegistryFailed = 2,     // an allocation failed (reported)
};

// Registers a device's name in `registry` unless it is there; the first
// device of a walk (`first`) drops what an earlier walk left and starts it
// afresh. A null name is neither looked up nor registered. The walk frees
// the registry after its last device (name_table_free).
RegistryResult register_device_name(HostContext *context, NameTable *&registry, const char *name, bool first);

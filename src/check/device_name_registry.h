// Device name registry: boards, and separately components, defined twice in one run
#pragma once

#include <cstdint>

#include "oxel32.h"

enum RegistryMode : int32_t {
    kRegistryStart = 1,      // start a new registry holding the name
    kRegistryAdd = 0,        // register the name unless it is there
    kRegistryRelease = -1,   // free the registry
};

enum RegistryResult : int32_t {
    kNameKnown = 0,          // kRegistryAdd: the name was registered before
    kNameRegistered = 1,     // done (also for a null name and for a release)
    kRegistryFailed = 2,     // an allocation failed (reported)
};

// A null name is neither looked up nor registered (kNameRegistered); with
// kRegistryStart the earlier registry is dropped all the same.
RegistryResult register_device_name(HostContext *context, const char *name, int32_t mode);

// Device name registry: boards, and separately components, defined twice in one run
#pragma once

#include <cstdint>

#include "check/name_table.h"
#include "check/subject.h"
#include "model/item_list.h"
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

// Registers the device's name as above and sends the error `repeated` (a
// format that takes the name) about `at` when the name was registered
// before: kError for that or for a failed allocation.
Severity register_device(const Subject &at, NameTable *&registry, const char *name, bool first, const char *repeated)
    OXEL_PRINTF(5, 0);

// Checks each device of a list in turn, about itself: check_one(at, registry,
// device, first, stop) for the device, where `registry` holds the names of
// the devices checked so far (freed after the last) and `first` says it is
// the walk's first; check_one sets `stop` to end the walk after it.
template <typename Record, typename CheckOne>
Severity check_each_device(const Subject &at, const ItemList *devices, CheckOne check_one) {
    if (!devices || devices->count < 1)
        return kClean;
    Severity result = kClean;
    NameTable *registry = nullptr;
    bool stop = false;
    for (int32_t i = 0; i < devices->count && !stop; i++) {
        Record *device = list_item<Record>(devices, i);
        result |= check_one(at.about(device), registry, device, i == 0, stop);
    }
    name_table_free(at.host, registry);
    return result;
}

// Pin and bus reference resolution against the current device's pin tables
#pragma once

#include <cstdint>

#include "check/device_tables.h"
#include "oxel32.h"

enum PinReferenceCode : int32_t {
    kPinRefValid = 0,
    kPinRefIsBus = 1,          // a plain reference names a bus
    kPinRefUndefined = 2,      // in neither pin table
    kPinRefNotBus = 3,         // a bus reference to something that is no bus
    kPinRefNotMember = 4,      // an index the bus does not have
    kPinRefIsPinNumber = 5,    // a bus reference to a pin number
    kPinRefUnknownKind = 6,    // a reference kind other than 1, 2 or 3
};

// Resolves a reference against the pin name table and the pin number table
// of a device. For the codes 1 to 6 the reason text is stored through
// `reason` (when given); a valid reference, an absent one or one without a
// name stores nothing and gives 0.
int32_t resolve_pin_reference(const DeviceTables &tables, const PinRefRecord *reference, const char **reason);

// As resolve_pin_reference; a valid reference with a name also stores the
// pin or bus it names through `pin` (from the pin name table, else from the
// pin number table), so that the caller need not look it up again.
int32_t resolve_pin_reference_to(const DeviceTables &tables, const PinRefRecord *reference, const char **reason,
                                 PinRecord **pin);

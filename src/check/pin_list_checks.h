// Pin list and pin family checks: the pins of a device and the families they name
#pragma once

#include "check/device_tables.h"
#include "check/severity.h"
#include "check/subject.h"
#include "oxel32.h"

// Registers the name of every PinFamilyRecord of the list in the run's
// family name register, reporting nameless and twice-defined families
// (each about itself); 0 for an absent or empty list.
Severity register_pin_families(const Subject &at, NameLists &names, const ItemList *families);

// Checks each pin list (an ItemList of PinRecord) of a device, the device
// being `at`, and fills the device's pin name and pin number tables
// (payload: the PinRecord; a bus's numbers are entered one by one, integers
// and range values in decimal); `component` is null for a board, whose pins
// are then not asked for in a boundary-scan chain. An absent or empty list
// is an error only while the device states a standard.
Severity check_pin_lists(const Subject &at, const DeviceChecks &device, const ItemList *pin_lists,
                         const ComponentRecord *component, bool standard_stated);

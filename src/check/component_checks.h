// Component checks: the walk over the components and the fixed order of one component's checks
#pragma once

#include "check/device_tables.h"
#include "check/register_name_table.h"
#include "check/severity.h"
#include "check/subject.h"
#include "oxel32.h"

// What the checks of one component's registers, instructions and cells use
// besides their records: the component, its register names, its device
// tables, and whether it states a standard (which the checks after that one
// are handed as it is: a component that states one must have its pin list,
// instruction and bypass registers, boundary-scan register and mandatory
// instructions).
struct ComponentChecks {
    const ComponentRecord *component;
    RegisterNames &register_names;
    const DeviceTables &tables;
    bool standard_stated;
};

// Checks every ComponentRecord of the list in order, each about itself
// (`at` is the description); the device name registry of the walk is
// released after the last. 0 for an absent or empty list.
Severity check_components(const Subject &at, const DeviceChecks &device, const ItemList *components);

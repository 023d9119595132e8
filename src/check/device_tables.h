// Device tables: the pin name, pin number and cell name tables of one device
#pragma once

#include "check/chain_pin_names.h"
#include "check/name_lists.h"
#include "check/name_table.h"
#include "check/severity.h"
#include "oxel32.h"

// The tables of the board or component being checked: its pin lists and
// cells fill them, its chains, nets, references and sequences read them.
// Created at its start (the check driver makes the first ones before any
// device), freed at its end.
struct DeviceTables {
    NameTable *pin_names;     // pin and bus names -> their PinRecord
    NameTable *pin_numbers;   // pin numbers as text -> their PinRecord
    NameTable *cell_names;    // cell names -> their CellRecord
    // The pin names of the device's boundary-scan chains.
    ChainPinNames chain_pins[kChainPinRegisters];
};

// What the checks of each board and component use besides its records: the
// device's tables, the run's names and the description's pin families.
struct DeviceChecks {
    DeviceTables &tables;
    NameLists &names;
    const ItemList *pin_families;
};

// Creates whichever of the three tables does not exist yet, every bucket
// empty; 0, or kError after a reported failure.
Severity create_device_tables(HostContext *context, DeviceTables &tables);

// Frees the three tables (their payloads belong to the description) and the
// chains' pin names.
void free_device_tables(HostContext *context, DeviceTables &tables);

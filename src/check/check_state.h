// Semantic checks: the module-wide state of one check run
#pragma once

#include <cstdint>

#include "check/bus_index_set.h"
#include "check/chain_pin_names.h"
#include "check/counted_name_list.h"
#include "check/disable_value_groups.h"
#include "check/lookup_index.h"
#include "check/name_table.h"
#include "oxel32.h"

// Everything the checks share while OxelCheck runs. The check driver
// starts each run from a zeroed state and frees everything at its end.
struct check_state {
    // The device tables of the board or component being checked: created at
    // its start, freed at its end.
    NameTable *pin_names;             // pin and bus names -> their PinRecord
    NameTable *pin_numbers;           // pin numbers as text -> their PinRecord
    NameTable *cell_names;            // cell names -> their CellRecord

    BusIndexSet bus_indices;          // the bus index set, emptied by its users

    // The pin names of the device's boundary-scan chains, released with
    // the device tables.
    ChainPinNames chain_pins[kChainPinRegisters];

    // The control cell entries of the chain being checked, for the
    // settlement of disable values; released at the end of each chain.
    DisableValueGroups disable_groups;

    // Boards, and separately components, defined twice in one run. It
    // exists from the first device of a walk to the end of the walk; null
    // while it does not.
    NameTable *device_names;

    // The driver's name lists: owned copies, asked only for membership,
    // which each list's index answers; and the nets of the netlists checked
    // so far, each once, as the description's own texts in an index alone.
    ItemList *component_names;        // every named component; null without components
    ItemList *family_names;           // the family name register of the pin family checks
    LookupIndex component_index, net_index, family_index;
    // The first pin family record of each registered name, by name, and
    // the one found last.
    LookupIndex family_records;
    const PinFamilyRecord *last_family;

    // The component checks' counters, both set to 0 after every component.
    int32_t standard_counter;         // 1 while the component states a standard
    int32_t pin_list_counter;         // pin lists checked for the current device

    // Test sequences: the PPA group names defined so far in the current
    // sequence, and whether it was told that the device has no pin lists.
    CountedName *ppa_groups;
    bool missing_pin_lists_warned;

    // The register names of the current component, payload the register
    // kind; built on first use, released at the end of the component. The
    // flag tells a built table without registers from one not built yet.
    CountedName *register_names;
    bool register_names_built;
};

extern check_state g_check;

// Frees everything the state holds and zeroes it.
void release_check_state(HostContext *context);

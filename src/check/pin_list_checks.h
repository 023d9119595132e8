// Pin list and pin family checks: the pins of a device and the families they name
#pragma once

#include "check/severity.h"
#include "oxel32.h"

// Registers the name of every PinFamilyRecord of the list in the family name
// register, reporting nameless and twice-defined families; 0 for an absent
// or empty list.
Severity register_pin_families(HostContext *context, const ItemList *families);

// Checks each pin list (an ItemList of PinRecord) of a device and fills the
// device's pin name and pin number tables (payload: the PinRecord; a bus's
// numbers are entered one by one, integers and range values in decimal);
// `component` is null for a board, whose pins are then not asked for in a
// boundary-scan chain. The pin list counter grows by one for each list
// checked. An absent or empty list is an error only while the standard
// counter is set.
Severity check_pin_lists(HostContext *context, ItemList *pin_lists, const ComponentRecord *component);

// Component checks: the walk over the components and the fixed order of one component's checks
#pragma once

#include "check/severity.h"
#include "oxel32.h"

// Checks every ComponentRecord of the list in order; the counters of the
// component checks are set to 0 after each one, and the device name
// registry is released after the last. 0 for an absent or empty list.
Severity check_components(HostContext *context, ItemList *components);

// Every check of one component, in their fixed order; `first` starts a new
// device name registry.
Severity check_component(HostContext *context, ComponentRecord *component, bool first);

// Counts a stated standard (1 or 2) in the standard counter; any code but
// 0, 1 and 2 is illegal.
Severity check_standard(HostContext *context, const ComponentRecord *component);

// The component's one instruction register: its name, purpose, length and
// capture, and its instruction list.
Severity check_instruction_register(HostContext *context, ComponentRecord *component);

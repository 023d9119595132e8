// Register name table: the register names of the component being checked
#pragma once

#include <cstdint>

#include "oxel32.h"

// Each name in the table carries its RegisterKind (model/register_kinds.h)
// as payload.

enum RegisterTableMode : int32_t {
    kRegisterLookup = 1,     // build the table when it is not built, then look up
    kRegisterRelease = -1,   // release the table
};

// kRegisterLookup: the kind of the first register of that name (exact
// comparison), 0 when none has it, -1 for a null name. Building enters
// every register of the component, in kind order and list order; a name met
// again (or a register without a name) is noted "Name conflict with
// register" and not entered. A build that fails to allocate gives -1 and
// leaves the table unbuilt (the next lookup tries again).
// kRegisterRelease: frees the table and clears the built flag; 0.
int32_t register_name_table(HostContext *context, const ComponentRecord *component, const char *name,
                            int32_t mode);

// The length of the first register of that name, looking in kind order;
// -1 when no register has it.
int32_t register_length(const ComponentRecord *component, const char *name);

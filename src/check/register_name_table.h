// Register name table: the register names of the component being checked
#pragma once

#include <cstdint>

#include "check/counted_name_list.h"
#include "check/subject.h"
#include "oxel32.h"

// The register names of one component, each with its RegisterKind
// (model/register_kinds.h) as payload; built on the first lookup, released
// at the end of the component. `built` tells a built table without
// registers from one not built yet.
struct RegisterNames {
    CountedName *names;
    bool built;
};

// The kind of the first register of that name (exact comparison), 0 when
// none has it, -1 for a null name. The first lookup builds the table: it
// enters every register of the component, in kind order and list order; a
// name met again (or a register without a name) draws the note "Name
// conflict with register" about the register that repeats it and is not
// entered. A build that fails to allocate gives -1 and leaves the table
// unbuilt (the next lookup tries again).
int32_t register_kind_named(const Subject &at, RegisterNames &table, const ComponentRecord *component,
                            const char *name);

// Frees the table; the next lookup builds it again.
void release_register_names(HostContext *context, RegisterNames &table);

// The length of the first register of that name, looking in kind order;
// -1 when no register has it.
int32_t register_length(const ComponentRecord *component, const char *name);

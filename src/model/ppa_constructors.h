// PPA constructors: the record of a PPA instruction, with its serial and parallel groups
#pragma once

#include "base/message_location.h"
#include "model/board_constructors.h"
#include "oxel32.h"

// Every constructor takes the context first and ownership of every text,
// list and record it is handed. It returns the new record, or null after a
// reported failure, having then released everything it was handed.

// The groups travel from the grammar to the PpaRecord as transient
// assignments of which exactly one side is set, and the signal lists of a
// serial group as PpaSignal entries.
struct PpaAssignment {
    PpaSerialGroupRecord *serial;
    PpaParallelGroupRecord *parallel;
};
struct PpaSignal {
    int32_t signal;    // a TapSignal
    ItemList *names;
};

// Null (and nothing allocated) when both groups are null.
PpaAssignment *make_ppa_assignment(HostContext *context, PpaSerialGroupRecord *serial,
                                   PpaParallelGroupRecord *parallel);
// The record of a PPA instruction's first assignment (an empty record for
// a null one). The assignment's groups move into the record's lists and
// its block is released.
PpaRecord *make_ppa(HostContext *context, PpaAssignment *first);
// Each further assignment: its groups appended to the record's lists. A
// null assignment leaves the record as it is.
PpaRecord *ppa_add(HostContext *context, PpaRecord *ppa, PpaAssignment *next);
// A signal's list of names, for a list holding at least one name; else
// null, the list released.
PpaSignal *make_ppa_signal(HostContext *context, int32_t signal, ItemList *names);
// The signal's list stored in the serial group, which is created at its
// first signal. A signal given twice keeps its first list and sends a
// "Redefinition of ... list in PPA instruction" note pointing at `where`
// (the signal's). A null signal leaves the group as it is.
PpaSerialGroupRecord *ppa_serial_add(HostContext *context, const SourceLocation &where, PpaSerialGroupRecord *group,
                                     PpaSignal *signal);
// The serial group with its name set.
PpaSerialGroupRecord *ppa_serial_name(char *name, PpaSerialGroupRecord *group);
PpaParallelGroupRecord *make_ppa_parallel_group(HostContext *context, char *name, ItemList *pins);

// Board, technology and test records: the constructors the grammar's actions call
#pragma once

#include "oxel32.h"

// Every constructor takes the context first and ownership of every text,
// list and record it is handed. It returns the new record, or null after a
// reported failure, having then released everything it was handed.

// Boards.

// One board section statement {tag, value}. On failure the value is
// released according to its tag.
TaggedItem *mkboardstatement(HostContext *context, int32_t tag, void *value);
// A board from its name, a copy of the borrowed source reference (may be
// null) and its statements, routed by tag: pin lists, chains, netlists, test
// sequences, illegal vectors and global families into the board's lists, a
// header over the one held, pin families onto the library's pin family
// list. Other tags are skipped silently. A null statement list builds
// nothing.
BoardRecord *mkboard(HostContext *context, char *name, const char *source_ref, ItemList *items);
// One BOARD_LEVEL_TAP entry: {signal code, net name}.
TaggedItem *mktapmap(HostContext *context, int32_t signal, char *net);
// A board-level chain from its TAP entries and its part chain. A repeated
// signal replaces the earlier net; a signal that is no TAP signal reports
// "Invalid pintype in boardtap" and builds nothing.
BoardChainRecord *mkboardchain(HostContext *context, char *name, ItemList *signals,
                               ItemList *parts);
PartChainRecord *mkpartchain(HostContext *context, int32_t position, char *part_name,
                             char *component_name, char *tms_net, char *tck_net,
                             char *trst_net);
NetRecord *mknet(HostContext *context, char *component_name, PinRefRecord *pin, ItemList *nets);

// Technology data: empty families holding only their name; the grammar
// fills them statement by statement.
PinFamilyRecord *mkpinfamily(HostContext *context, char *name);
GlobalPerformanceRecord *mkglobalfamily(HostContext *context, char *name);

// Test sequences and VRAK instructions.
SequenceRecord *mksequence(HostContext *context, char *name, ItemList *instructions);
// An instruction whose operand is a list of VrakOperandRecord.
VrakInstructionRecord *mkvrak(HostContext *context, int32_t kind, ItemList *operands);
// A CMT instruction holding its comment.
VrakInstructionRecord *mkvrakcomment(HostContext *context, char *comment);
VrakOperandRecord *mkvrakoperand(HostContext *context, char *target, int32_t count, char *value);

// PPA instructions. The groups travel from the grammar to the PpaRecord as
// transient assignments of which exactly one side is set, and the signal
// lists of a serial group as {TapSignal code, list of names} items.
struct PpaAssignment {
    PpaSerialGroupRecord *serial;
    PpaParallelGroupRecord *parallel;
};

VrakInstructionRecord *mkppainstruction(HostContext *context, PpaRecord *ppa);
// Null (and nothing allocated) when both groups are null.
PpaAssignment *mkppaassignment(HostContext *context, PpaSerialGroupRecord *serial,
                               PpaParallelGroupRecord *parallel);
// The record of a PPA instruction's first assignment (an empty record for
// a null one). The assignment's groups move into the record's lists and
// its block is released.
PpaRecord *mkppa(HostContext *context, PpaAssignment *first);
// Each further assignment: its groups appended to the record's lists. A
// null assignment leaves the record as it is.
PpaRecord *ppa_add(HostContext *context, PpaRecord *ppa, PpaAssignment *next);
// {code, names} for a list holding at least one name; else null, the list
// released.
TaggedItem *mkppasignal(HostContext *context, int32_t signal, ItemList *names);
// The signal's list stored in the serial group, which is created at its
// first signal. A signal given twice keeps its first list and sends a
// "Redefinition of ... list in PPA instruction" note. A null signal leaves
// the group as it is.
PpaSerialGroupRecord *ppa_serial_add(HostContext *context, PpaSerialGroupRecord *group,
                                     TaggedItem *signal);
// The serial group with its name set.
PpaSerialGroupRecord *ppa_serial_name(char *name, PpaSerialGroupRecord *group);
PpaParallelGroupRecord *mkppaparallel(HostContext *context, char *name, ItemList *pins);

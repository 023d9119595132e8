// Board, technology and test records: the constructors the grammar's actions call
#pragma once

#include "base/message_location.h"
#include "oxel32.h"

// Every constructor takes the context first and ownership of every text,
// list and record it is handed. It returns the new record, or null after a
// reported failure, having then released everything it was handed.

// The codes of the five test access port signals (also their pin types).
enum TapSignal : int32_t {
    TAP_TMS = OXEL_PIN_TMS,
    TAP_TDI = OXEL_PIN_TDI,
    TAP_TDO = OXEL_PIN_TDO,
    TAP_TCK = OXEL_PIN_TCK,
    TAP_TRST = OXEL_PIN_TRST,
};

// Boards.

// A board from its name, a copy of the borrowed source reference (may be
// null) and its statements (model/statements.h), each routed into its
// field; pin families join `root`'s list. A statement no board holds is
// skipped silently. A null statement list builds nothing.
BoardRecord *make_board(HostContext *context, DescriptionRoot *root, char *name, const char *source_ref,
                        ItemList *items);
// One BOARD_LEVEL_TAP entry, on its way into the board-level chain.
struct TapMap {
    int32_t signal;    // a TapSignal, or any other code the grammar gives
    char *net;
};
TapMap *make_tap_map(HostContext *context, int32_t signal, char *net);
// A board-level chain from its TAP entries (TapMap) and its part chain. A
// repeated signal replaces the earlier net; a signal that is no TAP signal
// reports "Invalid pintype in boardtap" at `where` (the section) and builds
// nothing.
BoardChainRecord *make_board_chain(HostContext *context, const SourceLocation &where, char *name,
                                   ItemList *signals, ItemList *parts);
PartChainRecord *make_part_chain(HostContext *context, int32_t position, char *part_name, char *component_name,
                                 char *tms_net, char *tck_net, char *trst_net);
NetRecord *make_net(HostContext *context, char *component_name, PinRefRecord *pin, ItemList *nets);

// Technology data: empty families holding only their name; the grammar
// fills them statement by statement.
PinFamilyRecord *make_pin_family(HostContext *context, char *name);
GlobalPerformanceRecord *make_global_family(HostContext *context, char *name);

// Test sequences and VRAK instructions.
SequenceRecord *make_sequence(HostContext *context, char *name, ItemList *instructions);
// An instruction whose operand is a list of VrakOperandRecord.
VrakInstructionRecord *make_vrak_instruction(HostContext *context, int32_t kind, ItemList *operands);
// A CMT instruction holding its comment.
VrakInstructionRecord *make_vrak_comment(HostContext *context, char *comment);
VrakOperandRecord *make_vrak_operand(HostContext *context, char *target, int32_t count, char *value);

// PPA instructions. The groups travel from the grammar to the PpaRecord as
// transient assignments of which exactly one side is set, and the signal
// lists of a serial group as PpaSignal entries.
struct PpaAssignment {
    PpaSerialGroupRecord *serial;
    PpaParallelGroupRecord *parallel;
};
struct PpaSignal {
    int32_t signal;    // a TapSignal
    ItemList *names;
};

VrakInstructionRecord *make_ppa_instruction(HostContext *context, PpaRecord *ppa);
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

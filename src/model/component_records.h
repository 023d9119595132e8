// Component records: the constructors the grammar's actions call
#pragma once

#include "base/message_location.h"
#include "oxel32.h"

// Every constructor takes the context first and ownership of every text,
// list and record it is handed. It returns the new record, or null after a
// reported failure, having then released everything it was handed.

// The transient pair a bus name yields: the name and its index list.
struct BusNamePair {
    char *name;
    ItemList *indices;  // IndexRecord
};

// A component from its name, a copy of the borrowed source reference (may
// be null) and its statements (model/statements.h; null: a component
// without items), each routed into its field; pin families join `root`'s
// list. A statement no component holds reports "Internal error in
// mkcomponent", pointing at `where` (the section), and nothing is built.
ComponentRecord *make_component(HostContext *context, const SourceLocation &where, DescriptionRoot *root,
                                char *name, const char *source_ref, ItemList *items);

// Pins and pin references.
PinRecord *make_pin(HostContext *context, char *number, char *name, int32_t type, char *family);
// A bus pin from its pin numbers and the bus pair, whose name and indices
// move into the record.
PinRecord *make_bus(HostContext *context, ItemList *numbers, BusNamePair *pair, int32_t type,
                 char *family);
BusNamePair *make_bus_name(HostContext *context, char *name, ItemList *indices);
// kind OXEL_INDEX_NAME keeps `identifier`, OXEL_INDEX_NUMBER `number`,
// OXEL_INDEX_RANGE `number` to `last`.
IndexRecord *make_index(HostContext *context, int32_t kind, int32_t number, char *identifier,
                     int32_t last);
// kind 3: a plain name, number or "-". kind 1: a bus reference with an
// index list; one single number stays kind 1 with the number as selector,
// anything else becomes kind 2 holding the list. Kind 1 without indices
// builds nothing.
PinRefRecord *make_pin_ref(HostContext *context, int32_t kind, char *name, ItemList *indices);

// Registers. Each walks its statements in order, a repeated statement
// replacing the earlier one; a statement the register does not take is
// reported as "Illegal statement (Type %d) in %s %s" and dropped.
CaptureRecord *make_capture(HostContext *context, char *value, ItemList *status);
CaptureStatusRecord *make_capture_status(HostContext *context, char *value, char *description);
// A register of one of the six register record types (identification and
// usercode registers share theirs) from its name and statements; `where`
// is its section, which its messages point at.
template <typename Register>
Register *make_register(HostContext *context, const SourceLocation &where, char *name, ItemList *items);
PreloadRecord *make_preload(HostContext *context, char *register_name, char *value);
// The kind and mode entries are taken apart into the instruction's fields and
// released.
InstructionRecord *make_instruction(HostContext *context, ModeSpecRecord *kind, char *code,
                                 char *register_name, ModeSpecRecord *mode, ItemList *registers);

// Cells and the boundary-scan chain.
ModeSpecRecord *make_mode_spec(HostContext *context, int32_t code, char *name);
// A mode entry taken apart into a code field and a name field, its block
// freed; a null entry leaves both fields as they are.
void take_mode_entry(HostContext *context, ModeSpecRecord *entry, int32_t *code, char **name);
CellRecord *make_cell(HostContext *context, const SourceLocation &where, char *name, ItemList *items);
// The mode entry is taken apart into the cell mode's fields and released
// (null gives mode 0 without a name).
CellModeRecord *make_cell_mode(HostContext *context, ModeSpecRecord *mode, char *select,
                           ModeSpecRecord *capture, ItemList *outputs);
ChainElementRecord *make_chain_element(HostContext *context, int32_t position, char *cell_name,
                                   PinRefRecord *pin, ItemList *input_params,
                                   ItemList *output_params, ItemList *third_params,
                                   ItemList *control_cells, ItemList *disable_values);

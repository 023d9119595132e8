// Component records: the constructors the grammar's actions call
#pragma once

#include "oxel32.h"

// Every constructor takes the context first and ownership of every text,
// list and record it is handed. It returns the new record, or null after a
// reported failure, having then released everything it was handed.

// The transient pair a bus name yields: the name and its index list.
struct BusNamePair {
    char *name;
    ItemList *indices;  // IndexRecord
};
// Releases the pair with its name and indices; null is ignored.
void release_bus_name(HostContext *context, BusNamePair *pair);

// One section statement {tag, value}. On failure the value is released
// according to its tag.
TaggedItem *mkstatement(HostContext *context, int32_t tag, intptr_t value);

// A component from its name, a copy of the borrowed source reference (may
// be null) and its statements (null: a component without items). Each
// statement is routed by its tag; a tag a component does not take reports
// "Internal error in mkcomponent" and nothing is built.
ComponentRecord *mkcomponent(HostContext *context, char *name, const char *source_ref,
                             ItemList *items);

// Pins and pin references.
PinRecord *mkpin(HostContext *context, char *number, char *name, int32_t type, char *family);
// A bus pin from its pin numbers and the bus pair, whose name and indices
// move into the record.
PinRecord *mkbus(HostContext *context, ItemList *numbers, BusNamePair *pair, int32_t type,
                 char *family);
BusNamePair *mkbusname(HostContext *context, char *name, ItemList *indices);
// kind OXEL_INDEX_NAME keeps `identifier`, OXEL_INDEX_NUMBER `number`,
// OXEL_INDEX_RANGE `number` to `last`.
IndexRecord *mkindex(HostContext *context, int32_t kind, int32_t number, char *identifier,
                     int32_t last);
// kind 3: a plain name, number or "-". kind 1: a bus reference with an
// index list; one single number stays kind 1 with the number as selector,
// anything else becomes kind 2 holding the list. Kind 1 without indices
// builds nothing.
PinRefRecord *mkpinref(HostContext *context, int32_t kind, char *name, ItemList *indices);

// Registers. Each walks its statements in order, a repeated statement
// replacing the earlier one; a statement the register does not take is
// reported as "Illegal statement (Type %d) in %s %s" and dropped.
CaptureRecord *mkcapture(HostContext *context, char *value, ItemList *status);
CaptureStatusRecord *mkcapturestatus(HostContext *context, char *value, char *description);
InstructionRegisterRecord *mkinstructionregister(HostContext *context, char *name, ItemList *items);
BypassRegisterRecord *mkbypassregister(HostContext *context, char *name, ItemList *items);
IdRegisterRecord *mkidregister(HostContext *context, char *name, ItemList *items);
BistRegisterRecord *mkbistregister(HostContext *context, char *name, ItemList *items);
DataRegisterRecord *mkdataregister(HostContext *context, char *name, ItemList *items);
BoundaryScanRegisterRecord *mkbsregister(HostContext *context, char *name, ItemList *items);
PreloadRecord *mkpreload(HostContext *context, char *register_name, char *value);
// The kind and mode entries are taken apart into the instruction's fields and
// released.
InstructionRecord *mkinstruction(HostContext *context, ModeSpecRecord *kind, char *code,
                                 char *register_name, ModeSpecRecord *mode, ItemList *registers);

// Cells and the boundary-scan chain.
ModeSpecRecord *mkmodespec(HostContext *context, int32_t code, char *name);
CellRecord *mkcell(HostContext *context, char *name, ItemList *items);
// The mode entry is taken apart into the cell mode's fields and released
// (null gives mode 0 without a name).
CellModeRecord *mkcellmode(HostContext *context, ModeSpecRecord *mode, char *select,
                           ModeSpecRecord *capture, ItemList *outputs);
ChainElementRecord *mkchainelement(HostContext *context, int32_t position, char *cell_name,
                                   PinRefRecord *pin, ItemList *input_params,
                                   ItemList *output_params, ItemList *third_params,
                                   ItemList *control_cells, ItemList *disable_values);

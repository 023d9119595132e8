// Cell and chain constructors: cells, their modes and the boundary-scan chain elements
#pragma once

#include "base/message_location.h"
#include "oxel32.h"

// Every constructor takes the context first and ownership of every text,
// list and record it is handed. It returns the new record, or null after a
// reported failure, having then released everything it was handed.

ModeSpecRecord *make_mode_spec(HostContext *context, int32_t code, char *name);
// A mode entry taken apart into a code field and a name field, its block
// freed; a null entry leaves both fields as they are.
void take_mode_entry(HostContext *context, ModeSpecRecord *entry, int32_t *code, char **name);
CellRecord *make_cell(HostContext *context, const SourceLocation &where, char *name, ItemList *items);
// The mode entry is taken apart into the cell mode's fields and released
// (null gives mode 0 without a name).
CellModeRecord *make_cell_mode(HostContext *context, ModeSpecRecord *mode, char *select, ModeSpecRecord *capture,
                               ItemList *outputs);
ChainElementRecord *make_chain_element(HostContext *context, int32_t position, char *cell_name, PinRefRecord *pin,
                                       ItemList *input_params, ItemList *output_params, ItemList *third_params,
                                       ItemList *control_cells, ItemList *disable_values);

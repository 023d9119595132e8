// Register constructors: instruction, bypass, identification, BIST, data and boundary-scan registers
#pragma once

#include "base/message_location.h"
#include "oxel32.h"

// Every constructor takes the context first and ownership of every text,
// list and record it is handed. It returns the new record, or null after a
// reported failure, having then released everything it was handed.

// Each register walks its statements in order, a repeated statement
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
InstructionRecord *make_instruction(HostContext *context, ModeSpecRecord *kind, char *code, char *register_name,
                                    ModeSpecRecord *mode, ItemList *registers);

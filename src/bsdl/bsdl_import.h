// BSDL import: a BSDL file read, checked and built into a component, stage by stage
#pragma once

#include "bsdl/import_messages.h"
#include "model/description.h"
#include "oxel32.h"

// Reads the file `import.path` and builds the component it describes into
// `description` (its records remembered there, not yet filed), the
// pins taken from the pin map of `package` (null: the file's default). The
// stages: the file's text, the entity as written, the values of its
// attributes (pin map, instructions, boundary register, the rest), the pin
// types, then the records. Every finding about the BSDL is an error
// pointing into the file, counted in `import.errors`; a syntax error is
// the only message and stops the reading. Null when anything failed
// ("Unable to open BSDL file '%s'" for a file that cannot be opened):
// nothing is built then, and nothing is left behind.
ComponentRecord *import_bsdl(BsdlImport &import, description_state &description, const char *package);

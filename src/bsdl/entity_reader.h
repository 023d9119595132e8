// Entity reader: the entity of a BSDL file read into a document as written
#pragma once

#include "bsdl/bsdl_document.h"
#include "bsdl/import_messages.h"

// Reads the entity of `document.source`: its name, the generic's package,
// the port clause, the PIN_MAP_STRING constants and the attributes the
// importer knows, each value as written (strings joined, numbers read);
// any other attribute or declaration is passed over with a note. A syntax
// error is the one message of the import: reading stops there (false), as
// it does after a failed allocation. Findings of meaning (a port declared
// twice, an attribute given twice) are reported and reading goes on.
bool read_entity(BsdlImport &import, BsdlDocument &document);

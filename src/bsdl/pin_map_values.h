// Pin map values: the package chosen, its pins given to the ports, the TAP ports found
#pragma once

#include "bsdl/bsdl_document.h"
#include "bsdl/import_messages.h"

// Chooses the pin map: the constant named by `package` when given, else
// the generic's default, else the file's one constant (a PIN_MAP given as a
// string of its own needs no choice). Reads it into the document's pins and
// each port's first_pin and pin_count, and settles the port of each TAP
// attribute. Findings are reported; false when the import stopped.
bool read_pin_map(BsdlImport &import, BsdlDocument &document, const char *package);

// The name of the package chosen, for messages ("PIN_MAP" for a string of its own).
const char *package_name(const BsdlDocument &document, ShownSlice &buffer);

// Other values: the attributes read and checked whose facts a description does not hold
#pragma once

#include "bsdl/bsdl_document.h"
#include "bsdl/import_messages.h"

// Reads COMPONENT_CONFORMANCE (one name), COMPLIANCE_PATTERNS (the ports and
// the patterns that put the device into its compliance mode, each pattern
// one bit per port) and DESIGN_WARNING, whose text is passed on as a note.
// Findings are reported; false when the import stopped.
bool read_other_values(BsdlImport &import, BsdlDocument &document);

// Boundary values: the boundary register's cells read from BOUNDARY_LENGTH and BOUNDARY_REGISTER
#pragma once

#include "bsdl/bsdl_document.h"
#include "bsdl/import_messages.h"

// Reads the entries of BOUNDARY_REGISTER, checks each against the ports
// and the length, and merges the entries of one cell number into the
// document's cells (one per number, 0 to BOUNDARY_LENGTH - 1) with the cell
// kinds they use. Findings are reported; false when the import stopped.
bool read_boundary_values(BsdlImport &import, BsdlDocument &document);

// Cell definition checks: the boundary-scan cells of a component
#pragma once

#include "check/severity.h"
#include "oxel32.h"

// Checks every CellRecord of the component and enters each named cell into
// the cell name table; 0 for an absent or empty cell list.
Severity check_cells(HostContext *context, ComponentRecord *component);

// Cell definition checks: the boundary-scan cells of a component
#pragma once

#include "check/device_tables.h"
#include "check/severity.h"
#include "check/subject.h"
#include "oxel32.h"

// Checks every CellRecord of the component (`at`), each about itself, and
// enters each named cell into the device's cell name table; 0 for an absent
// or empty cell list.
Severity check_cells(const Subject &at, const DeviceTables &tables, const ComponentRecord *component);

// Grammar actions of board, technology and test sections
#pragma once

#include "oxel32.h"

// A top-level board or pin family joins its root list; on failure it is
// released and the parse must stop (false).
bool file_board(BoardRecord *board);
bool file_pin_family(PinFamilyRecord *family);

// A family section's record, made when its name has been read: it becomes
// the family under construction that the section's statements fill.
PinFamilyRecord *open_pin_family(char *name);
GlobalPerformanceRecord *open_global_family(char *name);
// The section is complete: no family is under construction any more.
void close_families();

// Stores a family value; a statement given again replaces (and releases)
// what the earlier one stored.
void store_value(double **field, double *value);

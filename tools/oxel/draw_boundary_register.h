// oxel draw: a component's boundary-scan register as a strip of cells from TDI to TDO
#pragma once

#include "component_report.h"
#include "svg_writer.h"

// The cells in chain order from TDI (the highest position) to TDO
// (position 0), row by row, each coloured by its role and labelled with
// its position and pin, a legend of the roles above; below each row the
// links from each control cell to the cells it governs.
Figure draw_boundary_register(const ComponentReport &component);

// oxel draw: a component's package: its pins on a ring or its balls on a grid, coloured by type
#pragma once

#include "component_report.h"
#include "svg_writer.h"

// Pins numbered by integers stand on a ring around the body in number
// order, counter-clockwise from pin 1 at the top of the left side; ball
// names (A1, AB12) on a grid of rows and columns; other numbers on a ring
// in the order written. Each pin is coloured by its type and labelled with
// its number and name; the TAP pins are outlined and their labels bold.
Figure draw_package(const ComponentReport &component);

// "type-in", "type-out", ... "type-tap", "type-unknown": the class of a
// pin type's colour.
const char *pin_type_class(int32_t type);

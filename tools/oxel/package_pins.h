// oxel draw: a component's pins as its package places them: in number order, or on a grid of balls
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "component_report.h"

// One pin of the package: a single pin, or one pin of a bus.
struct PackagePin {
    std::string name;     // "-" for a pin without a name
    std::string number;
    int32_t type;         // PinType
    int row = 0, column = 0;   // on a grid: the row's and the column's place, from 0
};

enum class PackageShape {
    ring_by_number,   // every number an integer: in numeric order
    grid,             // every number a ball name (A1, AB12): rows by letters, columns by number
    ring_as_written,  // numbers of other kinds: in the order written
};

struct Package {
    PackageShape shape = PackageShape::ring_by_number;
    std::vector<PackagePin> pins;          // in the order drawn
    std::vector<std::string> row_names;    // a grid: its rows' letters, in order
    int first_column = 0, columns = 0;     // a grid: the number of its first column, how many
    size_t unnumbered = 0;                 // pins the component lists without a number
};

// The package of the component's pins. A grid far emptier than its pins
// (a ball Z9999 among a few) is drawn as a ring instead.
Package package_of(const ComponentReport &component);

// Whether a pin type is a TAP signal (TMS, TDI, TDO, TCK, TRST).
bool is_tap_type(int32_t type);

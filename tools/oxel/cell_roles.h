// oxel draw: what each boundary-scan cell does, in the few roles a picture colours
#pragma once

#include <vector>

#include "component_report.h"

enum class CellRole { input, output, bidirectional, control, internal, observe_only };

// The role of each cell, in the order of `cells`. A cell whose name holds
// OBSERVE_ONLY only observes; a cell that another cell names as its control
// cell controls, as does one the query calls a control cell; then a cell
// that reads and drives a pin (or one pin and drives another) is
// bidirectional, one that drives is an output, one that reads is an input;
// what is left is internal.
std::vector<CellRole> cell_roles(const std::vector<CellInfo> &cells);

// "input", "output", "bidirectional", "control", "internal", "observe-only".
const char *cell_role_word(CellRole role);

constexpr CellRole kCellRoles[] = {CellRole::input,   CellRole::output,   CellRole::bidirectional,
                                   CellRole::control, CellRole::internal, CellRole::observe_only};

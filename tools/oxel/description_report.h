// oxel show: every fact show tells about the description, gathered once for any way of showing it
#pragma once

#include <vector>

#include "board_report.h"
#include "component_report.h"

struct DescriptionReport {
    std::vector<BoardReport> boards;           // each TAP with its scan chain
    std::vector<PinFamilyReport> pin_families;
    std::vector<ComponentReport> components;
};

// Gathers the description parsed last: the components through the query
// exports, boards and pin families from the records, and each board-level
// chain's scan chain from its parts and their components.
DescriptionReport collect_description(HostContext *context);

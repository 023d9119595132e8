// oxel draw: what each boundary-scan cell does, in the few roles a picture colours
#include "cell_roles.h"

#include <cctype>
#include <string>
#include <unordered_set>

namespace {

// Function codes of the cell queries.
enum : int32_t { kInput = 1, kOutput = 2, kTristate = 3, kControl = 4, kInternal = 5, kBidirectional = 6 };

bool names_observe_only(const Text &name) {
    if (!name)
        return false;
    std::string upper = *name;
    for (char &c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper.find("OBSERVE_ONLY") != std::string::npos;
}

CellRole role_of(const CellInfo &cell, bool governs) {
    if (names_observe_only(cell.name))
        return CellRole::observe_only;
    bool reads = false, drives = false, controls = governs;
    for (const CellFunctionInfo &function : cell.functions) {
        reads = reads || function.code == kInput || function.code == kBidirectional;
        drives = drives || function.code == kOutput || function.code == kTristate ||
                 function.code == kBidirectional;
        controls = controls || function.code == kControl;
    }
    if (controls)
        return CellRole::control;
    if (reads && drives)
        return CellRole::bidirectional;
    if (drives)
        return CellRole::output;
    if (reads)
        return CellRole::input;
    return CellRole::internal;
}

}  // namespace

std::vector<CellRole> cell_roles(const std::vector<CellInfo> &cells) {
    // A cell that names itself as its control cell controls nothing else.
    std::unordered_set<int32_t> governing;
    for (const CellInfo &cell : cells)
        if (cell.control >= 0 && cell.control != cell.position)
            governing.insert(cell.control);
    std::vector<CellRole> roles;
    roles.reserve(cells.size());
    for (const CellInfo &cell : cells)
        roles.push_back(role_of(cell, governing.count(cell.position) != 0));
    return roles;
}

const char *cell_role_word(CellRole role) {
    switch (role) {
    case CellRole::input: return "input";
    case CellRole::output: return "output";
    case CellRole::bidirectional: return "bidirectional";
    case CellRole::control: return "control";
    case CellRole::internal: return "internal";
    case CellRole::observe_only: return "observe-only";
    }
    return "internal";
}

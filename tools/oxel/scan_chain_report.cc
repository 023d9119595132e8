// oxel show: each board-level chain as a scan path from TDI to TDO
#include "scan_chain_report.h"

namespace {

// The first component of that name, compared exactly as the board check
// compares a part's component; null when none is described.
const ComponentReport *component_named(const std::vector<ComponentReport> &components, const Text &name) {
    if (!name)
        return nullptr;
    for (const ComponentReport &component : components)
        if (component.name == name)
            return &component;
    return nullptr;
}

// Adds a part's length to a total that is still known.
void add_length(std::optional<long long> &total, const std::optional<int32_t> &length) {
    if (total && length)
        *total += *length;
    else
        total.reset();
}

}  // namespace

ScanChainInfo scan_chain_of(const TapInfo &tap, const std::vector<ComponentReport> &components) {
    // The PART_CHAIN lists the parts as the data passes them: its first
    // entry takes the TAP's TDI, its last drives TDO. The positions are
    // shown as written; the check holds them to nothing.
    ScanChainInfo chain{tap.tdi, tap.tdo, {}, 0, 0};
    for (const PartInfo &part : tap.parts) {
        ChainPartInfo info{part.position, part.part, part.component, false, {}, {}, {}};
        if (const ComponentReport *component = component_named(components, part.component)) {
            info.defined = true;
            if (component->has_instruction_register)
                info.instruction_length = component->instruction_register_length;
            if (component->has_boundary_scan_register)
                info.boundary_length = component->boundary_scan_register_length;
            info.idcode = component->idcode_capture;
        }
        add_length(chain.instruction_length, info.instruction_length);
        add_length(chain.boundary_length, info.boundary_length);
        chain.parts.push_back(std::move(info));
    }
    return chain;
}

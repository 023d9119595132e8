// Component checks: the walk over the components and the fixed order of one component's checks
#include "check/component_checks.h"

#include "check/cell_checks.h"
#include "check/chain_checks.h"
#include "check/data_register_checks.h"
#include "check/device_name_registry.h"
#include "check/instruction_checks.h"
#include "check/performance_log_checks.h"
#include "check/pin_list_checks.h"
#include "check/sequence_checks.h"
#include "model/item_list.h"

namespace {

// Whether the component states a standard (1 or 2), which the checks after
// this one are handed; any code but 0, 1 and 2 is illegal.
Severity check_standard(const Subject &at, const ComponentRecord *component, bool *stated) {
    *stated = false;
    switch (component->standard) {
    case OXEL_STANDARD_UNKNOWN:
        return kClean;
    case OXEL_STANDARD_IEEE_1149_1_1990:
    case OXEL_STANDARD_JTAG_V2_0:
        *stated = true;
        return kClean;
    default:
        return at.error("Illegal standard");
    }
}

// The progress message that opens a component's check, or the error for a
// nameless component.
Severity announce_component(const Subject &at, const ComponentRecord *component) {
    if (!component->name)
        return at.error("OXEL semantic check on unspecified component");
    report_progress(at.host, "OXEL semantic check on \"%s\"", component->name);
    return kClean;
}

// Every check of one component, about itself (nowhere for an absent one), in
// their fixed order; `first` starts the walk's device name registry afresh.
Severity check_component(const Subject &at, const DeviceChecks &device, NameTable *&registry,
                         ComponentRecord *component, bool first) {
    // Without its tables a device cannot be checked; the allocator has said why.
    if (create_device_tables(at.host, device.tables) != kClean)
        return kError;
    if (!component)
        return at.error("Missing Component in componentlist");
    Severity result = announce_component(at, component);
    // A nameless component is not registered; the first one still starts
    // the registry afresh.
    result |= register_device(at, registry, component->name, first, "Component \"%s\" is multiple defined");
    result |= check_logs(at, component->header);
    // Built now so that every register check sees the same names; a build
    // that could not allocate leaves the table unbuilt.
    RegisterNames register_names{};
    register_kind_named(at, register_names, component, nullptr);
    if (!register_names.built)
        result |= kError;
    // The standard comes first: the checks after it are told whether it is
    // stated. The pin lists and the cells fill the tables the chain checks
    // read; the pin lists tell the sequences whether there are any.
    bool standard_stated = false;
    result |= check_standard(at, component, &standard_stated);
    const ComponentChecks checks{component, register_names, device.tables, standard_stated};
    result |= check_pin_lists(at, device, component->pin_lists, component, standard_stated);
    bool has_pin_lists = list_holds_items(component->pin_lists);
    result |= check_instruction_register(at, checks);
    result |= check_cells(at, device.tables, component);
    result |= check_boundary_scan_registers(at, device.tables, component, standard_stated);
    result |= check_bypass_registers(at, checks);
    result |= check_identification_registers(at, checks);
    result |= check_usercode_registers(at, checks);
    result |= check_bist_registers(at, checks);
    result |= check_data_registers(at, checks);
    result |= check_sequences(at, device.tables, has_pin_lists, component->test_sequences, kTestSequences);
    result |= check_sequences(at, device.tables, has_pin_lists, component->illegal_sequences, kIllegalVectors);
    result |= check_global_families(at, component->global_performances);
    release_register_names(at.host, register_names);
    free_device_tables(at.host, device.tables);
    return result;
}

}  // namespace

Severity check_components(const Subject &at, const DeviceChecks &device, const ItemList *components) {
    return check_each_device<ComponentRecord>(
        at, components,
        [&](const Subject &about, NameTable *&registry, ComponentRecord *component, bool first, bool &) {
            return check_component(about, device, registry, component, first);
        });
}

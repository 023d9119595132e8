// Component checks: the walk over the components and the fixed order of one component's checks
#include "base/messages.h"
#include "check/cell_checks.h"
#include "check/chain_checks.h"
#include "check/check_state.h"
#include "check/component_checks.h"
#include "check/data_register_checks.h"
#include "check/device_name_registry.h"
#include "check/device_tables.h"
#include "check/message_subject.h"
#include "check/performance_log_checks.h"
#include "check/pin_list_checks.h"
#include "check/register_name_table.h"
#include "check/sequence_checks.h"

Severity check_components(HostContext *context, ItemList *components) {
    if (!components || components->count < 1)
        return kClean;
    Severity result = kClean;
    for (int32_t i = 0; i < components->count; i++) {
        result |= check_component(context, static_cast<ComponentRecord *>(components->items[i]), i == 0);
        g_check.standard_counter = 0;
        g_check.pin_list_counter = 0;
    }
    register_device_name(context, nullptr, kRegistryRelease);
    return result;
}

Severity check_component(HostContext *context, ComponentRecord *component, bool first) {
    MessageSubject about(component);
    // Without its tables a device cannot be checked; the allocator has said why.
    if (create_device_tables(context) != kClean)
        return kError;
    if (!component) {
        report_error(context, "Missing Component in componentlist");
        return kError;
    }
    Severity result = kClean;
    if (!component->name) {
        report_error(context, "OXEL semantic check on unspecified component");
        result |= kError;
    } else {
        report_progress(context, "OXEL semantic check on \"%s\"", component->name);
    }
    // A nameless component is not registered; the first one still starts
    // the registry afresh.
    RegistryResult registered =
        register_device_name(context, component->name, first ? kRegistryStart : kRegistryAdd);
    if (registered == kNameKnown)
        report_error(context, "Component \"%s\" is multiple defined", component->name);
    if (registered != kNameRegistered)
        result |= kError;
    if (component->header)
        result |= check_logs(context, component->header);
    // Built now so that every register check sees the same names; a build
    // that could not allocate leaves the table unbuilt.
    register_name_table(context, component, nullptr, kRegisterLookup);
    if (!g_check.register_names_built)
        result |= kError;
    // The standard comes first: the checks after it read its counter. The
    // pin lists and the cells fill the tables the chain checks read.
    result |= check_standard(context, component);
    result |= check_pin_lists(context, component->pin_lists, component);
    result |= check_instruction_register(context, component);
    result |= check_cells(context, component);
    result |= check_boundary_scan_registers(context, component);
    result |= check_bypass_registers(context, component);
    result |= check_identification_registers(context, component);
    result |= check_usercode_registers(context, component);
    result |= check_bist_registers(context, component);
    result |= check_data_registers(context, component);
    result |= check_sequences(context, component->test_sequences, kTestSequences);
    result |= check_sequences(context, component->illegal_sequences, kIllegalVectors);
    result |= check_global_performances(context, component->global_performances);
    register_name_table(context, component, nullptr, kRegisterRelease);
    free_device_tables(context);
    return result;
}

Severity check_standard(HostContext *context, const ComponentRecord *component) {
    switch (component->standard) {
    case OXEL_STANDARD_UNKNOWN:
        return kClean;
    case OXEL_STANDARD_IEEE_1149_1_1990:
    case OXEL_STANDARD_JTAG_V2_0:
        g_check.standard_counter++;
        return kClean;
    default:
        report_error(context, "Illegal standard");
        return kError;
    }
}

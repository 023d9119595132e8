// Check driver: one run of every semantic check over the description
#include "check/check_driver.h"

#include "base/messages.h"
#include "check/board_checks.h"
#include "check/component_checks.h"
#include "check/device_tables.h"
#include "check/name_lists.h"
#include "check/performance_log_checks.h"
#include "check/pin_list_checks.h"

namespace {

MessageCounts start_counting(HostContext *context) {
    MessageCounts saved = message_counts(context);
    set_message_counts(context, {0, 0});
    return saved;
}

void add_back(HostContext *context, MessageCounts saved) {
    MessageCounts run = message_counts(context);
    set_message_counts(context, {run.errors + saved.errors, run.warnings + saved.warnings});
}

// The checks of one run, in the order of the host's messages.
Severity check_all(const Subject &nowhere, const DescriptionRoot *root, NameLists &names, DeviceTables &tables) {
    Severity mask = kClean;
    // Two statements: the operands of | may be evaluated in either order.
    if (root->header || root->pin_families) {
        mask = check_logs(nowhere, root->header);
        mask |= register_pin_families(nowhere, names, root->pin_families);
    }
    const DeviceChecks device{tables, names, root->pin_families};
    mask |= check_boards(nowhere, device, root->boards);
    mask |= check_components(nowhere, device, root->components);
    return mask;
}

}  // namespace

CheckVerdict check_description(HostContext *context, description_state &description, int32_t syntax_errors) {
    if (syntax_errors != 0) {
        report_status(context, "%s", "");
        report_status(context, "OXEL Status :");
        report_status(context, "   Sum of syntax errors       : %d", syntax_errors);
        return {OXEL_FAILED, false};
    }
    MessageCounts saved = start_counting(context);
    report_progress(context, "OXEL global semantic check");
    // Findings about the description as a whole point nowhere.
    const Subject nowhere{context, &description.locations, nullptr};
    // The run's own tables come first (the first device uses the device
    // tables made here); without them nothing is checked and the
    // description stays.
    NameLists names{};
    DeviceTables tables{};
    const DescriptionRoot *root = &description.root;
    bool made = create_device_tables(context, tables) == kClean && build_name_lists(context, names, root->components);
    Severity mask = made ? check_all(nowhere, root, names, tables) : kError;
    free_device_tables(context, tables);
    free_name_lists(context, names);
    add_back(context, saved);
    if (!made)
        return {OXEL_FAILED, false};
    if (has_error(mask))
        return {OXEL_FAILED, true};
    return {(mask & kWarning) ? OXEL_WARNINGS : OXEL_OK, false};
}

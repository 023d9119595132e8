// Check driver: one run of every semantic check over the description
#include "check/check_driver.h"

#include "base/messages.h"
#include "check/board_checks.h"
#include "check/check_state.h"
#include "check/component_checks.h"
#include "check/device_tables.h"
#include "check/name_lists.h"
#include "check/performance_log_checks.h"
#include "check/pin_list_checks.h"
#include "model/description.h"

namespace {

// Each run starts from an empty state with its own tables.
bool build_work_tables(HostContext *context, const DescriptionRoot *root) {
    release_check_state(context);
    return create_device_tables(context) == kClean && build_name_lists(context, root->components);
}

struct SavedCounts {
    int32_t errors;
    int32_t warnings;
};

SavedCounts start_counting(HostContext *context) {
    SavedCounts saved{get_error_count(context), get_warning_count(context)};
    set_error_count(context, 0);
    set_warning_count(context, 0);
    return saved;
}

void add_back(HostContext *context, SavedCounts saved) {
    set_error_count(context, get_error_count(context) + saved.errors);
    set_warning_count(context, get_warning_count(context) + saved.warnings);
}

}  // namespace

CheckVerdict check_description(HostContext *context, int32_t syntax_errors) {
    if (syntax_errors != 0) {
        report_status(context, "%s", "");
        report_status(context, "OXEL Status :");
        report_status(context, "   Sum of syntax errors       : %d", syntax_errors);
        return {OXEL_FAILED, false};
    }
    SavedCounts saved = start_counting(context);
    report_progress(context, "OXEL global semantic check");
    const DescriptionRoot *root = description_root();
    if (!build_work_tables(context, root)) {
        release_check_state(context);
        add_back(context, saved);
        return {OXEL_FAILED, false};
    }
    // The order of the checks is the order of the host's messages.
    Severity mask = kClean;
    // Two statements: the operands of | may be evaluated in either order.
    if (root->header || root->pin_families) {
        mask = check_logs(context, root->header);
        mask |= register_pin_families(context, root->pin_families);
    }
    mask |= check_boards(context, root->boards);
    mask |= check_components(context, root->components);
    release_check_state(context);
    add_back(context, saved);
    if (has_error(mask))
        return {OXEL_FAILED, true};
    return {(mask & kWarning) ? OXEL_WARNINGS : OXEL_OK, false};
}

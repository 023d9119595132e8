// Cell definition checks: the boundary-scan cells of a component
#include "check/cell_checks.h"

#include "base/messages.h"
#include "check/check_state.h"
#include "check/display_names.h"
#include "check/message_subject.h"
#include "check/name_table.h"

namespace {

bool is_empty(const ItemList *list) { return !list || list->count < 1 || !list->items; }

// A named mode by its own name; a code outside 0 to 6 is "UNKNOWN".
const char *cell_mode_name(const CellModeRecord *mode) {
    if (mode->mode == OXEL_MODE_NAMED)
        return show_name(mode->mode_name);
    const char *name = mode_code_name(mode->mode);
    return name ? name : "UNKNOWN";
}

// In HIZ a cell must drive its outputs to 1, 0 or Z.
bool drives_hiz_outputs(const ItemList *outputs) {
    for (int32_t i = 0; !is_empty(outputs) && i < outputs->count; i++) {
        const auto *output = static_cast<const ModeSpecRecord *>(outputs->items[i]);
        if (!output)
            continue;
        if (output->code == OXEL_CAPTURE_Z)
            return true;
        const char *text = output->name;
        if (output->code == OXEL_CAPTURE_NUMBER && text && (text[0] == '1' || text[0] == '0'))
            return true;
    }
    return false;
}

Severity check_mode_code(HostContext *context, const char *cell_name, const CellModeRecord *mode) {
    switch (mode->mode) {
    case OXEL_MODE_INTERNAL:
    case OXEL_MODE_EXTERNAL:
    case OXEL_MODE_SAMPLE:
    case OXEL_MODE_PRIVATE:
    case OXEL_MODE_HIGHZ:
        return kClean;
    case OXEL_MODE_HIZ:
        if (drives_hiz_outputs(mode->outputs))
            return kClean;
        report_error(context, "Cell mode HIZ with wrong PO data (not 1,0,Z) in cell \"%s\"", cell_name);
        return kError;
    case OXEL_MODE_NAMED:
        if (mode->mode_name)
            return kClean;
        report_error(context, "Missing User-mode name in cell \"%s\"", cell_name);
        return kError;
    default:
        report_error(context, "Unknown mode in cell \"%s\"", cell_name);
        return kError;
    }
}

// Only HIZ may go without a capture.
Severity check_capture(HostContext *context, const char *cell_name, const CellModeRecord *mode) {
    const ModeSpecRecord *capture = mode->capture;
    if (!capture) {
        if (mode->mode == OXEL_MODE_HIZ)
            return kClean;
        report_error(context, "Missing capture for mode \"%s\" in cell \"%s\"", cell_mode_name(mode),
                     cell_name);
        return kError;
    }
    switch (capture->code) {
    case OXEL_CAPTURE_UPDATE:
    case OXEL_CAPTURE_SI:
        return kClean;
    case OXEL_CAPTURE_NAME:
        if (capture->name)
            return kClean;
        report_error(context, "Missing capture-mode name in cell \"%s\" at mode \"%s\"", cell_name,
                     cell_mode_name(mode));
        return kError;
    case OXEL_CAPTURE_NUMBER:
        if (capture->name)
            return kClean;
        report_error(context, "Missing capture-mode value in cell \"%s\" at mode \"%s\"", cell_name,
                     cell_mode_name(mode));
        return kError;
    default:
        report_error(context, "Unknown capture type in cell \"%s\" at mode \"%s\"", cell_name,
                     cell_mode_name(mode));
        return kError;
    }
}

// Every output item must be of a known kind; a "-" item is absent and fine.
Severity check_outputs(HostContext *context, const char *cell_name, const ItemList *outputs) {
    Severity result = kClean;
    for (int32_t i = 0; !is_empty(outputs) && i < outputs->count; i++) {
        const auto *output = static_cast<const ModeSpecRecord *>(outputs->items[i]);
        if (!output)
            continue;
        switch (output->code) {
        case 0:
        case OXEL_CAPTURE_UPDATE:
        case OXEL_CAPTURE_SI:
        case OXEL_CAPTURE_NAME:
        case OXEL_CAPTURE_NUMBER:
        case OXEL_CAPTURE_Z:
            break;
        default:
            report_error(context, "Unknown mode in cell \"%s\"", cell_name);
            result |= kError;
        }
    }
    return result;
}

Severity check_cell(HostContext *context, CellRecord *cell) {
    MessageSubject about(cell);
    if (!cell) {
        report_error(context, "Missing cell declaration");
        return kError;
    }
    if (!cell->name) {
        report_error(context, "Missing Cell name");
        return kError;
    }
    // The first definition of a name stays the one the chain resolves to.
    NameEntry *entry = name_table_enter(context, g_check.cell_names, cell->name, cell);
    if (!entry)
        return kError;
    Severity result = kClean;
    if (entry->uses > 1) {
        report_error(context, "Cell \"%s\" multiple defined", cell->name);
        result |= kError;
    }
    if (is_empty(cell->data_inputs) && is_empty(cell->data_outputs) && is_empty(cell->data_select)) {
        report_error(context, "Cell definition without I/O in cell \"%s\"", cell->name);
        result |= kError;
    }
    for (int32_t i = 0; !is_empty(cell->modes) && i < cell->modes->count; i++) {
        const auto *mode = static_cast<const CellModeRecord *>(cell->modes->items[i]);
        if (!mode)
            continue;
        result |= check_mode_code(context, cell->name, mode);
        result |= check_capture(context, cell->name, mode);
        result |= check_outputs(context, cell->name, mode->outputs);
    }
    return result;
}

}  // namespace

Severity check_cells(HostContext *context, ComponentRecord *component) {
    const ItemList *cells = component->cells;
    if (is_empty(cells))
        return kClean;
    Severity result = kClean;
    for (int32_t i = 0; i < cells->count; i++)
        result |= check_cell(context, static_cast<CellRecord *>(cells->items[i]));
    return result;
}

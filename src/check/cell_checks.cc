// Cell definition checks: the boundary-scan cells of a component
#include "check/cell_checks.h"

#include "check/display_names.h"
#include "check/name_table.h"
#include "model/item_list.h"

namespace {

// A named mode by its own name; a code outside 0 to 6 is "UNKNOWN".
const char *cell_mode_name(const CellModeRecord *mode) {
    if (mode->mode == OXEL_MODE_NAMED)
        return show_name(mode->mode_name);
    const char *name = mode_code_name(mode->mode);
    return name ? name : "UNKNOWN";
}

// In HIZ a cell must drive its outputs to 1, 0 or Z.
bool drives_hiz_outputs(const ItemList *outputs) {
    for (int32_t i = 0; list_holds_items(outputs) && i < outputs->count; i++) {
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

Severity check_mode_code(const Subject &at, const char *cell_name, const CellModeRecord *mode) {
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
        return at.error("Cell mode HIZ with wrong PO data (not 1,0,Z) in cell \"%s\"", cell_name);
    case OXEL_MODE_NAMED:
        if (mode->mode_name)
            return kClean;
        return at.error("Missing User-mode name in cell \"%s\"", cell_name);
    default:
        return at.error("Unknown mode in cell \"%s\"", cell_name);
    }
}

// Only HIZ may go without a capture.
Severity check_capture(const Subject &at, const char *cell_name, const CellModeRecord *mode) {
    const ModeSpecRecord *capture = mode->capture;
    if (!capture) {
        if (mode->mode == OXEL_MODE_HIZ)
            return kClean;
        return at.error("Missing capture for mode \"%s\" in cell \"%s\"", cell_mode_name(mode),
                        cell_name);
    }
    switch (capture->code) {
    case OXEL_CAPTURE_UPDATE:
    case OXEL_CAPTURE_SI:
        return kClean;
    case OXEL_CAPTURE_NAME:
        if (capture->name)
            return kClean;
        return at.error("Missing capture-mode name in cell \"%s\" at mode \"%s\"", cell_name,
                        cell_mode_name(mode));
    case OXEL_CAPTURE_NUMBER:
        if (capture->name)
            return kClean;
        return at.error("Missing capture-mode value in cell \"%s\" at mode \"%s\"", cell_name,
                        cell_mode_name(mode));
    default:
        return at.error("Unknown capture type in cell \"%s\" at mode \"%s\"", cell_name,
                        cell_mode_name(mode));
    }
}

// Every output item must be of a known kind; a "-" item is absent and fine.
Severity check_outputs(const Subject &at, const char *cell_name, const ItemList *outputs) {
    Severity result = kClean;
    for (int32_t i = 0; list_holds_items(outputs) && i < outputs->count; i++) {
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
            result |= at.error("Unknown mode in cell \"%s\"", cell_name);
        }
    }
    return result;
}

// One cell, about itself (nowhere for an absent one); each mode about its own line.
Severity check_cell(const Subject &at, NameTable *cell_names, CellRecord *cell) {
    if (!cell)
        return at.error("Missing cell declaration");
    if (!cell->name)
        return at.error("Missing Cell name");
    // The first definition of a name stays the one the chain resolves to.
    NameEntry *entry = name_table_enter(at.host, cell_names, cell->name, cell);
    if (!entry)
        return kError;
    Severity result = kClean;
    if (entry->uses > 1)
        result |= at.error("Cell \"%s\" multiple defined", cell->name);
    if (!list_holds_items(cell->data_inputs) && !list_holds_items(cell->data_outputs) &&
        !list_holds_items(cell->data_select))
        result |= at.error("Cell definition without I/O in cell \"%s\"", cell->name);
    for (int32_t i = 0; list_holds_items(cell->modes) && i < cell->modes->count; i++) {
        const auto *mode = static_cast<const CellModeRecord *>(cell->modes->items[i]);
        if (!mode)
            continue;
        // A mode's findings point at its line of the mode list.
        const Subject about = at.about(mode);
        result |= check_mode_code(about, cell->name, mode);
        result |= check_capture(about, cell->name, mode);
        result |= check_outputs(about, cell->name, mode->outputs);
    }
    return result;
}

}  // namespace

Severity check_cells(const Subject &at, const DeviceTables &tables, const ComponentRecord *component) {
    const ItemList *cells = component->cells;
    if (!list_holds_items(cells))
        return kClean;
    Severity result = kClean;
    for (int32_t i = 0; i < cells->count; i++) {
        auto *cell = static_cast<CellRecord *>(cells->items[i]);
        result |= check_cell(at.about(cell), tables.cell_names, cell);
    }
    return result;
}

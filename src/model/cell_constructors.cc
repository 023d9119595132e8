// Cell and chain constructors: cells, their modes and the boundary-scan chain elements
#include "model/cell_constructors.h"

#include "model/shared_values.h"
#include "model/statement_routing.h"

ModeSpecRecord *make_mode_spec(HostContext *context, int32_t code, char *name) {
    return new_record_of(context, ModeSpecRecord{0, code, name}, [&] { mem_free(context, name); });
}

void take_mode_entry(HostContext *context, ModeSpecRecord *entry, int32_t *code, char **name) {
    if (!entry)
        return;
    *code = entry->code;
    *name = entry->name;
    mem_free(context, entry);
}

CellRecord *make_cell(HostContext *context, const SourceLocation &where, char *name, ItemList *items) {
    return build_from_statements<CellRecord>(context, where, name, items, "Cell");
}

CellModeRecord *make_cell_mode(HostContext *context, ModeSpecRecord *mode, char *select,
                               ModeSpecRecord *capture, ItemList *outputs) {
    CellModeRecord *cell_mode = new_record<CellModeRecord>(context);
    if (!cell_mode) {
        release_mode_spec(context, mode);
        mem_free(context, select);
        release_mode_spec(context, capture);
        list_release_with(context, outputs, release_mode_spec);
        return nullptr;
    }
    take_mode_entry(context, mode, &cell_mode->mode, &cell_mode->mode_name);
    cell_mode->select = select;
    cell_mode->capture = capture;
    cell_mode->outputs = outputs;
    return cell_mode;
}

ChainElementRecord *make_chain_element(HostContext *context, int32_t position, char *cell_name,
                                       PinRefRecord *pin, ItemList *input_params,
                                       ItemList *output_params, ItemList *third_params,
                                       ItemList *control_cells, ItemList *disable_values) {
    ChainElementRecord *element = new_record<ChainElementRecord>(context);
    if (!element) {
        mem_free(context, cell_name);
        release_pin_ref(context, pin);
        release_text_lists(context, {input_params, output_params, third_params, control_cells, disable_values});
        return nullptr;
    }
    element->position = position;
    element->cell_name = share_text(context, cell_name);
    element->pin = pin;
    if (pin)
        pin->name = share_text(context, pin->name);
    // The one-word parameters of a chain repeat from element to element.
    element->input_params = share_text_list(context, input_params);
    element->output_params = share_text_list(context, output_params);
    element->third_params = share_text_list(context, third_params);
    element->control_cells = share_text_list(context, control_cells);
    element->disable_values = share_text_list(context, disable_values);
    return element;
}

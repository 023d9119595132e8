// Cell and chain constructors: cells, their modes and the boundary-scan chain elements
#include "model/component_records.h"
#include "model/shared_values.h"
#include "model/statement_routing.h"
#include "model/tagged_item.h"

namespace {

bool take_cell_field(HostContext *context, CellRecord *cell, TaggedItem *s) {
    switch (s->tag) {
    case TAG_INIT_UPDATE: take_block(context, &cell->init_update, s); return true;
    case TAG_DATA_INPUTS: take_text_list(context, &cell->data_inputs, s); return true;
    case TAG_DATA_OUTPUTS: take_text_list(context, &cell->data_outputs, s); return true;
    case TAG_DATA_SELECT: take_text_list(context, &cell->data_select, s); return true;
    case TAG_MODE_LIST: take_record_list(context, &cell->modes, s, release_cell_mode); return true;
    default: return false;
    }
}

}  // namespace

ModeSpecRecord *mkmodespec(HostContext *context, int32_t code, char *name) {
    ModeSpecRecord *mode_entry = new_record<ModeSpecRecord>(context);
    if (!mode_entry) {
        mem_free(context, name);
        return nullptr;
    }
    mode_entry->code = code;
    mode_entry->name = name;
    return mode_entry;
}

CellRecord *mkcell(HostContext *context, char *name, ItemList *items) {
    return build_from_statements(context, name, items, "Cell", take_cell_field);
}

CellModeRecord *mkcellmode(HostContext *context, ModeSpecRecord *mode, char *select,
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

ChainElementRecord *mkchainelement(HostContext *context, int32_t position, char *cell_name,
                                   PinRefRecord *pin, ItemList *input_params,
                                   ItemList *output_params, ItemList *third_params,
                                   ItemList *control_cells, ItemList *disable_values) {
    ChainElementRecord *element = new_record<ChainElementRecord>(context);
    if (!element) {
        mem_free(context, cell_name);
        release_pin_ref(context, pin);
        release_text_lists(context, {input_params, output_params, third_params, control_cells,
                                     disable_values});
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

// Cell and chain constructors: cells, their modes and the boundary-scan chain elements
#include "model/component_records.h"
#include "model/statement_routing.h"
#include "model/tagged_item.h"

ModeSpecRecord *mkmodespec(HostContext *context, int32_t code, char *name) {
    ModeSpecRecord *mode_entry = static_cast<ModeSpecRecord *>(mem_alloc(context, sizeof(ModeSpecRecord)));
    if (!mode_entry) {
        mem_free(context, name);
        return nullptr;
    }
    mode_entry->code = code;
    mode_entry->name = name;
    return mode_entry;
}

CellRecord *mkcell(HostContext *context, char *name, ItemList *items) {
    CellRecord *cell = static_cast<CellRecord *>(mem_alloc(context, sizeof(CellRecord)));
    if (!cell) {
        mem_free(context, name);
        release_statements(context, items);
        return nullptr;
    }
    cell->name = name;
    for (int32_t i = 0; i < statement_count(items); i++) {
        TaggedItem *s = statement_at(items, i);
        switch (s->tag) {
        case TAG_INIT_UPDATE: take_block(context, &cell->init_update, s); break;
        case TAG_DATA_INPUTS: take_text_list(context, &cell->data_inputs, s); break;
        case TAG_DATA_OUTPUTS: take_text_list(context, &cell->data_outputs, s); break;
        case TAG_DATA_SELECT: take_text_list(context, &cell->data_select, s); break;
        case TAG_MODE_LIST: take_record_list(context, &cell->modes, s, release_cell_mode); break;
        default: report_illegal_statement(context, s, "Cell", name);
        }
    }
    release_statements(context, items);
    return cell;
}

CellModeRecord *mkcellmode(HostContext *context, ModeSpecRecord *mode, char *select,
                           ModeSpecRecord *capture, ItemList *outputs) {
    CellModeRecord *cell_mode = static_cast<CellModeRecord *>(mem_alloc(context, sizeof(CellModeRecord)));
    if (!cell_mode) {
        release_mode_spec(context, mode);
        mem_free(context, select);
        release_mode_spec(context, capture);
        list_release_with(context, outputs, release_mode_spec);
        return nullptr;
    }
    if (mode) {
        cell_mode->mode_name = mode->name;
        cell_mode->mode = mode->code;
        mem_free(context, mode);
    }
    cell_mode->select = select;
    cell_mode->capture = capture;
    cell_mode->outputs = outputs;
    return cell_mode;
}

ChainElementRecord *mkchainelement(HostContext *context, int32_t position, char *cell_name,
                                   PinRefRecord *pin, ItemList *input_params,
                                   ItemList *output_params, ItemList *third_params,
                                   ItemList *control_cells, ItemList *disable_values) {
    ChainElementRecord *element =
        static_cast<ChainElementRecord *>(mem_alloc(context, sizeof(ChainElementRecord)));
    if (!element) {
        mem_free(context, cell_name);
        release_pin_ref(context, pin);
        list_release(context, input_params);
        list_release(context, output_params);
        list_release(context, third_params);
        list_release(context, control_cells);
        list_release(context, disable_values);
        return nullptr;
    }
    element->position = position;
    element->cell_name = cell_name;
    element->pin = pin;
    element->input_params = input_params;
    element->output_params = output_params;
    element->third_params = third_params;
    element->control_cells = control_cells;
    element->disable_values = disable_values;
    return element;
}

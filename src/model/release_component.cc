// Teardown of component records
#include "base/memory.h"
#include "model/component_records.h"
#include "model/item_list.h"
#include "model/register_fields.h"
#include "model/register_kinds.h"
#include "model/release.h"

void release_component(HostContext *context, ComponentRecord *component) {
    if (!component)
        return;
    release_shared_parts(context, component);
    list_release_with(context, component->cells, release_cell);
    // The table's order, instruction registers first, is the release order.
    for (const RegisterKindRow &row : register_kinds())
        list_release_with(context, registers_in(component, row), row.release);
    mem_free(context, component);
}

// Pins.

void release_pin_list(HostContext *context, ItemList *pins) {
    list_release_with(context, pins, release_pin);
}

void release_pin(HostContext *context, PinRecord *pin) {
    if (!pin)
        return;
    if (PinNumberingRecord *numbering = pin->numbering) {
        mem_free(context, numbering->number);
        list_release_with(context, numbering->numbers, release_index);
        list_release_with(context, numbering->indices, release_index);
        mem_free(context, numbering);
    }
    free_blocks(context, {pin->name, pin->family, pin});
}

void release_index(HostContext *context, IndexRecord *index) {
    if (!index)
        return;
    // Only an identifier is owned; numbers and ranges are plain integers.
    if (index->kind == OXEL_INDEX_NAME)
        mem_free(context, reinterpret_cast<char *>(index->first));
    mem_free(context, index);
}

void release_pin_ref(HostContext *context, PinRefRecord *pin_ref) {
    if (!pin_ref)
        return;
    mem_free(context, pin_ref->name);
    if (pin_ref->kind == OXEL_PINREF_ELEMENTS)
        list_release_with(context, reinterpret_cast<ItemList *>(pin_ref->selector), release_index);
    mem_free(context, pin_ref);
}

void release_bus_name(HostContext *context, BusNamePair *pair) {
    if (!pair)
        return;
    mem_free(context, pair->name);
    list_release_with(context, pair->indices, release_index);
    mem_free(context, pair);
}

// Registers: the fields every kind has, then the kind's own.

void release_register_fields(HostContext *context, const RegisterFields &fields) {
    mem_free(context, *fields.name);
    mem_free(context, *fields.purpose);
    if (fields.capture_value) {
        mem_free(context, *fields.capture_value);
        list_release_with(context, *fields.capture_status, release_capture_status);
    }
}

void release_instruction_register(HostContext *context, InstructionRegisterRecord *reg) {
    if (!reg)
        return;
    release_register_fields(context, register_fields(reg));
    list_release_with(context, reg->instructions, release_instruction);
    mem_free(context, reg);
}

void release_instruction(HostContext *context, InstructionRecord *instruction) {
    if (!instruction)
        return;
    free_blocks(context, {instruction->name, instruction->code, instruction->register_name,
                          instruction->mode_name});
    list_release(context, instruction->registers);
    mem_free(context, instruction);
}

void release_capture(HostContext *context, CaptureRecord *capture) {
    if (!capture)
        return;
    list_release_with(context, capture->status, release_capture_status);
    mem_free(context, capture->value);
    mem_free(context, capture);
}

void release_capture_status(HostContext *context, CaptureStatusRecord *status) {
    if (!status)
        return;
    free_blocks(context, {status->value, status->description, status});
}

// Boundary-scan register and cells.

void release_boundary_scan_register(HostContext *context, BoundaryScanRegisterRecord *reg) {
    if (!reg)
        return;
    release_register_fields(context, register_fields(reg));
    list_release_with(context, reg->chain, release_chain_element);
    mem_free(context, reg);
}

void release_chain_element(HostContext *context, ChainElementRecord *element) {
    if (!element)
        return;
    mem_free(context, element->cell_name);
    release_pin_ref(context, element->pin);
    release_text_lists(context, {element->input_params, element->output_params, element->third_params,
                                 element->control_cells, element->disable_values});
    mem_free(context, element);
}

void release_cell(HostContext *context, CellRecord *cell) {
    if (!cell)
        return;
    free_blocks(context, {cell->name, cell->init_update});
    release_text_lists(context, {cell->data_inputs, cell->data_outputs, cell->data_select});
    list_release_with(context, cell->modes, release_cell_mode);
    mem_free(context, cell);
}

void release_cell_mode(HostContext *context, CellModeRecord *mode) {
    if (!mode)
        return;
    free_blocks(context, {mode->mode_name, mode->select});
    release_mode_spec(context, mode->capture);
    // A "-" among bracketed outputs is a null item; release_mode_spec skips it.
    list_release_with(context, mode->outputs, release_mode_spec);
    mem_free(context, mode);
}

void release_mode_spec(HostContext *context, ModeSpecRecord *mode_entry) {
    if (!mode_entry)
        return;
    free_blocks(context, {mode_entry->name, mode_entry});
}

// The other data registers.

void release_bypass_register(HostContext *context, BypassRegisterRecord *reg) {
    if (!reg)
        return;
    release_register_fields(context, register_fields(reg));
    mem_free(context, reg);
}

void release_id_register(HostContext *context, IdRegisterRecord *reg) {
    if (!reg)
        return;
    release_register_fields(context, register_fields(reg));
    free_blocks(context, {reg->manufacturer, reg->part_number, reg->version});
    list_release(context, reg->concatenation);
    mem_free(context, reg);
}

void release_bist_register(HostContext *context, BistRegisterRecord *reg) {
    if (!reg)
        return;
    release_register_fields(context, register_fields(reg));
    release_preload(context, reg->preload);
    mem_free(context, reg->coverage);
    release_pin_ref(context, reg->clock);
    mem_free(context, reg->min_duration);
    release_text_lists(context, {reg->altered_registers, reg->concatenation});
    mem_free(context, reg);
}

void release_preload(HostContext *context, PreloadRecord *preload) {
    if (!preload)
        return;
    free_blocks(context, {preload->register_name, preload->value, preload});
}

void release_data_register(HostContext *context, DataRegisterRecord *reg) {
    if (!reg)
        return;
    release_register_fields(context, register_fields(reg));
    release_text_lists(context, {reg->altered_registers, reg->concatenation});
    mem_free(context, reg);
}

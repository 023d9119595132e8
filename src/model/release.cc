// Teardown: the release routine of every record of the description
#include "model/release.h"

#include "base/memory.h"
#include "model/board_records.h"
#include "model/component_records.h"
#include "model/item_list.h"
#include "model/register_fields.h"
#include "model/register_kinds.h"

// Headers.

void release_log(HostContext *context, LogRecord *log) {
    if (!log)
        return;
    mem_free(context, log->date);
    mem_free(context, log->creator);
    mem_free(context, log->tool);
    mem_free(context, log->reason);
    mem_free(context, log);
}

void release_header(HostContext *context, HeaderRecord *header) {
    if (!header)
        return;
    release_log(context, header->creation_log);
    list_release_with(context, header->change_logs, release_log);
    mem_free(context, header);
}

// Components.

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

// Boards, technology and test records.

void release_board(HostContext *context, BoardRecord *board) {
    if (!board)
        return;
    release_shared_parts(context, board);
    list_release_with(context, board->chains, release_board_chain);
    list_release_with(context, board->netlists, release_netlist);
    mem_free(context, board);
}

void release_board_chain(HostContext *context, BoardChainRecord *chain) {
    if (!chain)
        return;
    free_blocks(context, {chain->name, chain->tdi_net, chain->tdo_net, chain->tms_net, chain->tck_net,
                          chain->trst_net});
    list_release_with(context, chain->parts, release_part_chain);
    mem_free(context, chain);
}

void release_tap_map(HostContext *context, TapMap *tap_map) {
    if (!tap_map)
        return;
    mem_free(context, tap_map->net);
    mem_free(context, tap_map);
}

void release_part_chain(HostContext *context, PartChainRecord *part) {
    if (!part)
        return;
    free_blocks(context, {part->component_name, part->part_name, part->tms_net, part->tck_net,
                          part->trst_net, part});
}

void release_netlist(HostContext *context, ItemList *nets) {
    list_release_with(context, nets, release_net);
}

void release_net(HostContext *context, NetRecord *net) {
    if (!net)
        return;
    mem_free(context, net->component_name);
    release_pin_ref(context, net->pin);
    list_release(context, net->nets);
    mem_free(context, net);
}

void release_sequence(HostContext *context, SequenceRecord *sequence) {
    if (!sequence)
        return;
    mem_free(context, sequence->name);
    list_release_with(context, sequence->instructions, release_vrak_instruction);
    mem_free(context, sequence);
}

void release_vrak_instruction(HostContext *context, VrakInstructionRecord *instruction) {
    if (!instruction)
        return;
    switch (instruction->kind) {
    case OXEL_VRAK_RST:
    case OXEL_VRAK_WTN:
    case OXEL_VRAK_BPV:
    case OXEL_VRAK_CNF:
    case OXEL_VRAK_TAP:
    case OXEL_VRAK_ITP:
    case OXEL_VRAK_DRS:
        list_release_with(context, static_cast<ItemList *>(instruction->operand),
                          release_vrak_operand);
        break;
    case OXEL_VRAK_PPA:
        release_ppa(context, static_cast<PpaRecord *>(instruction->operand));
        break;
    case OXEL_VRAK_CMT:
        mem_free(context, instruction->operand);
        break;
    default:
        break;
    }
    mem_free(context, instruction);
}

void release_vrak_operand(HostContext *context, VrakOperandRecord *operand) {
    if (!operand)
        return;
    free_blocks(context, {operand->target, operand->value, operand});
}

void release_ppa(HostContext *context, PpaRecord *ppa) {
    if (!ppa)
        return;
    list_release_with(context, ppa->serial_groups, release_ppa_serial_group);
    list_release_with(context, ppa->parallel_groups, release_ppa_parallel_group);
    mem_free(context, ppa);
}

void release_ppa_assignment(HostContext *context, PpaAssignment *assignment) {
    if (!assignment)
        return;
    release_ppa_serial_group(context, assignment->serial);
    release_ppa_parallel_group(context, assignment->parallel);
    mem_free(context, assignment);
}

void release_ppa_signal(HostContext *context, PpaSignal *signal) {
    if (!signal)
        return;
    list_release(context, signal->names);
    mem_free(context, signal);
}

void release_ppa_serial_group(HostContext *context, PpaSerialGroupRecord *group) {
    if (!group)
        return;
    mem_free(context, group->name);
    release_text_lists(context, {group->tdi, group->tdo, group->tms, group->tck, group->trst});
    mem_free(context, group);
}

void release_ppa_parallel_group(HostContext *context, PpaParallelGroupRecord *group) {
    if (!group)
        return;
    mem_free(context, group->name);
    list_release_with(context, group->pins, release_pin_ref);
    mem_free(context, group);
}

void release_global_family(HostContext *context, GlobalPerformanceRecord *family) {
    if (!family)
        return;
    free_blocks(context, {family->name, family->test_freq_min, family->test_freq_typ, family->test_freq_max,
                          family->clock_freq_min, family->clock_freq_typ, family->clock_freq_max,
                          family->temperature_min, family->temperature_typ, family->temperature_max,
                          family});
}

void release_pin_family(HostContext *context, PinFamilyRecord *family) {
    if (!family)
        return;
    free_blocks(context, {family->name, family->setup_time, family->hold_time,
                          family->tplh_min, family->tplh_typ, family->tplh_max,
                          family->tphl_min, family->tphl_typ, family->tphl_max,
                          family->iil, family->iih, family->vil, family->vih,
                          family->iol, family->ioh, family->vol, family->voh,
                          family->vcc_min, family->vcc_typ, family->vcc_max, family});
}

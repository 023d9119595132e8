// Teardown: the release routine of every record of the description
#include "model/release.h"

#include "base/memory.h"
#include "model/board_constructors.h"
#include "model/item_list.h"
#include "model/pin_constructors.h"
#include "model/ppa_constructors.h"
#include "model/register_fields.h"
#include "model/register_kinds.h"

// Headers.

void release_parts(HostContext *context, LogRecord &log) {
    free_blocks(context, {log.date, log.creator, log.tool, log.reason});
}

void release_parts(HostContext *context, HeaderRecord &header) {
    release_log(context, header.creation_log);
    list_release_with(context, header.change_logs, release_log);
}

// Components.

void release_parts(HostContext *context, ComponentRecord &component) {
    release_shared_parts(context, component);
    list_release_with(context, component.cells, release_cell);
    // The table's order, instruction registers first, is the release order.
    for (const RegisterKindRow &row : register_kinds())
        list_release_with(context, registers_in(&component, row), row.release);
}

// Pins.

void release_pin_list(HostContext *context, ItemList *pins) {
    list_release_with(context, pins, release_pin);
}

void release_parts(HostContext *context, PinRecord &pin) {
    if (PinNumberingRecord *numbering = pin.numbering) {
        mem_free(context, numbering->number);
        list_release_with(context, numbering->numbers, release_index);
        list_release_with(context, numbering->indices, release_index);
        mem_free(context, numbering);
    }
    free_blocks(context, {pin.name, pin.family});
}

void release_parts(HostContext *context, IndexRecord &index) {
    // Only an identifier is owned; numbers and ranges are plain integers.
    if (index.kind == OXEL_INDEX_NAME)
        mem_free(context, reinterpret_cast<char *>(index.first));
}

void release_parts(HostContext *context, PinRefRecord &pin_ref) {
    if (pin_ref.kind == OXEL_PINREF_ELEMENTS)
        list_release_with(context, reinterpret_cast<ItemList *>(pin_ref.selector), release_index);
    mem_free(context, pin_ref.name);
}

void release_parts(HostContext *context, BusNamePair &pair) {
    list_release_with(context, pair.indices, release_index);
    mem_free(context, pair.name);
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

void release_parts(HostContext *context, InstructionRegisterRecord &reg) {
    release_register_fields(context, register_fields(&reg));
    list_release_with(context, reg.instructions, release_instruction);
}

void release_parts(HostContext *context, InstructionRecord &instruction) {
    list_release(context, instruction.registers);
    free_blocks(context, {instruction.name, instruction.code, instruction.register_name,
                          instruction.mode_name});
}

void release_parts(HostContext *context, CaptureRecord &capture) {
    list_release_with(context, capture.status, release_capture_status);
    mem_free(context, capture.value);
}

void release_parts(HostContext *context, CaptureStatusRecord &status) {
    free_blocks(context, {status.value, status.description});
}

// Boundary-scan register and cells.

void release_parts(HostContext *context, BoundaryScanRegisterRecord &reg) {
    release_register_fields(context, register_fields(&reg));
    list_release_with(context, reg.chain, release_chain_element);
}

void release_parts(HostContext *context, ChainElementRecord &element) {
    release_pin_ref(context, element.pin);
    release_text_lists(context, {element.input_params, element.output_params, element.third_params,
                                 element.control_cells, element.disable_values});
    mem_free(context, element.cell_name);
}

void release_parts(HostContext *context, CellRecord &cell) {
    release_text_lists(context, {cell.data_inputs, cell.data_outputs, cell.data_select});
    list_release_with(context, cell.modes, release_cell_mode);
    free_blocks(context, {cell.name, cell.init_update});
}

void release_parts(HostContext *context, CellModeRecord &mode) {
    release_mode_spec(context, mode.capture);
    // A "-" among bracketed outputs is a null item; release_mode_spec skips it.
    list_release_with(context, mode.outputs, release_mode_spec);
    free_blocks(context, {mode.mode_name, mode.select});
}

void release_parts(HostContext *context, ModeSpecRecord &mode_entry) {
    mem_free(context, mode_entry.name);
}

// The other data registers.

void release_parts(HostContext *context, BypassRegisterRecord &reg) {
    release_register_fields(context, register_fields(&reg));
}

void release_parts(HostContext *context, IdRegisterRecord &reg) {
    release_register_fields(context, register_fields(&reg));
    list_release(context, reg.concatenation);
    free_blocks(context, {reg.manufacturer, reg.part_number, reg.version});
}

void release_parts(HostContext *context, BistRegisterRecord &reg) {
    release_register_fields(context, register_fields(&reg));
    release_preload(context, reg.preload);
    release_pin_ref(context, reg.clock);
    release_text_lists(context, {reg.altered_registers, reg.concatenation});
    free_blocks(context, {reg.coverage, reg.min_duration});
}

void release_parts(HostContext *context, PreloadRecord &preload) {
    free_blocks(context, {preload.register_name, preload.value});
}

void release_parts(HostContext *context, DataRegisterRecord &reg) {
    release_register_fields(context, register_fields(&reg));
    release_text_lists(context, {reg.altered_registers, reg.concatenation});
}

// Boards, technology and test records.

void release_parts(HostContext *context, BoardRecord &board) {
    release_shared_parts(context, board);
    list_release_with(context, board.chains, release_board_chain);
    list_release_with(context, board.netlists, release_netlist);
}

void release_parts(HostContext *context, BoardChainRecord &chain) {
    list_release_with(context, chain.parts, release_part_chain);
    free_blocks(context, {chain.name, chain.tdi_net, chain.tdo_net, chain.tms_net, chain.tck_net,
                          chain.trst_net});
}

void release_parts(HostContext *context, TapMap &tap_map) {
    mem_free(context, tap_map.net);
}

void release_parts(HostContext *context, PartChainRecord &part) {
    free_blocks(context, {part.component_name, part.part_name, part.tms_net, part.tck_net,
                          part.trst_net});
}

void release_netlist(HostContext *context, ItemList *nets) {
    list_release_with(context, nets, release_net);
}

void release_parts(HostContext *context, NetRecord &net) {
    release_pin_ref(context, net.pin);
    list_release(context, net.nets);
    mem_free(context, net.component_name);
}

void release_parts(HostContext *context, SequenceRecord &sequence) {
    list_release_with(context, sequence.instructions, release_vrak_instruction);
    mem_free(context, sequence.name);
}

void release_parts(HostContext *context, VrakInstructionRecord &instruction) {
    switch (instruction.kind) {
    case OXEL_VRAK_RST:
    case OXEL_VRAK_WTN:
    case OXEL_VRAK_BPV:
    case OXEL_VRAK_CNF:
    case OXEL_VRAK_TAP:
    case OXEL_VRAK_ITP:
    case OXEL_VRAK_DRS:
        list_release_with(context, static_cast<ItemList *>(instruction.operand),
                          release_vrak_operand);
        break;
    case OXEL_VRAK_PPA:
        release_ppa(context, static_cast<PpaRecord *>(instruction.operand));
        break;
    case OXEL_VRAK_CMT:
        mem_free(context, instruction.operand);
        break;
    default:
        break;
    }
}

void release_parts(HostContext *context, VrakOperandRecord &operand) {
    free_blocks(context, {operand.target, operand.value});
}

void release_parts(HostContext *context, PpaRecord &ppa) {
    list_release_with(context, ppa.serial_groups, release_ppa_serial_group);
    list_release_with(context, ppa.parallel_groups, release_ppa_parallel_group);
}

void release_parts(HostContext *context, PpaAssignment &assignment) {
    release_ppa_serial_group(context, assignment.serial);
    release_ppa_parallel_group(context, assignment.parallel);
}

void release_parts(HostContext *context, PpaSignal &signal) {
    list_release(context, signal.names);
}

void release_parts(HostContext *context, PpaSerialGroupRecord &group) {
    release_text_lists(context, {group.tdi, group.tdo, group.tms, group.tck, group.trst});
    mem_free(context, group.name);
}

void release_parts(HostContext *context, PpaParallelGroupRecord &group) {
    list_release_with(context, group.pins, release_pin_ref);
    mem_free(context, group.name);
}

void release_parts(HostContext *context, GlobalPerformanceRecord &family) {
    free_blocks(context, {family.name, family.test_freq_min, family.test_freq_typ, family.test_freq_max,
                          family.clock_freq_min, family.clock_freq_typ, family.clock_freq_max,
                          family.temperature_min, family.temperature_typ, family.temperature_max});
}

void release_parts(HostContext *context, PinFamilyRecord &family) {
    free_blocks(context, {family.name, family.setup_time, family.hold_time,
                          family.tplh_min, family.tplh_typ, family.tplh_max,
                          family.tphl_min, family.tphl_typ, family.tphl_max,
                          family.iil, family.iih, family.vil, family.vih,
                          family.iol, family.ioh, family.vol, family.voh,
                          family.vcc_min, family.vcc_typ, family.vcc_max});
}

// Each routine by its record type.
#define DEFINE_RELEASE(Record, name) \
    void release_##name(HostContext *context, Record *record) { release_record(context, record); }
RELEASED_RECORDS(DEFINE_RELEASE)
#undef DEFINE_RELEASE

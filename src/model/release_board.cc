// Teardown of board, technology and test records
#include "base/memory.h"
#include "model/board_records.h"
#include "model/item_list.h"
#include "model/release.h"

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

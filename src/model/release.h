// Teardown: the release routine of every record of the description
#pragma once

#include <initializer_list>

#include "base/memory.h"
#include "model/item_list.h"
#include "oxel32.h"

// Each routine releases its record and everything the record owns; a null
// record is ignored.
void release_header(HostContext *context, HeaderRecord *header);
void release_log(HostContext *context, LogRecord *log);
void release_board(HostContext *context, BoardRecord *board);
void release_component(HostContext *context, ComponentRecord *component);
void release_pin_family(HostContext *context, PinFamilyRecord *family);

// Frees each block in turn; nulls are skipped.
inline void free_blocks(HostContext *context, std::initializer_list<void *> blocks) {
    for (void *block : blocks)
        mem_free(context, block);
}

// Releases each list of texts in turn (every text, the array, the list).
inline void release_text_lists(HostContext *context, std::initializer_list<ItemList *> lists) {
    for (ItemList *list : lists)
        list_release(context, list);
}

// Component records. A list field's items go with the routine of its item
// type; every routine accepts null.
void release_pin_list(HostContext *context, ItemList *pins);
void release_pin(HostContext *context, PinRecord *pin);
void release_index(HostContext *context, IndexRecord *index);
void release_pin_ref(HostContext *context, PinRefRecord *pin_ref);
void release_instruction_register(HostContext *context, InstructionRegisterRecord *reg);
void release_instruction(HostContext *context, InstructionRecord *instruction);
void release_capture(HostContext *context, CaptureRecord *capture);
void release_capture_status(HostContext *context, CaptureStatusRecord *status);
void release_boundary_scan_register(HostContext *context, BoundaryScanRegisterRecord *reg);
void release_chain_element(HostContext *context, ChainElementRecord *element);
void release_cell(HostContext *context, CellRecord *cell);
void release_cell_mode(HostContext *context, CellModeRecord *mode);
void release_mode_spec(HostContext *context, ModeSpecRecord *mode_entry);
void release_bypass_register(HostContext *context, BypassRegisterRecord *reg);
void release_id_register(HostContext *context, IdRegisterRecord *reg);
void release_bist_register(HostContext *context, BistRegisterRecord *reg);
void release_preload(HostContext *context, PreloadRecord *preload);
void release_data_register(HostContext *context, DataRegisterRecord *reg);
// The transient pair a bus name yields, with its name and indices.
struct BusNamePair;
void release_bus_name(HostContext *context, BusNamePair *pair);
// What the shared fields of a register hold (the record block stays).
struct RegisterFields;
void release_register_fields(HostContext *context, const RegisterFields &fields);

// Board, technology and test records, and the transient values that carry
// them through the grammar. A netlist is a list of NetRecord; a PPA
// assignment holds one group.
struct PpaAssignment;
struct PpaSignal;
struct TapMap;
void release_board_chain(HostContext *context, BoardChainRecord *chain);
void release_tap_map(HostContext *context, TapMap *tap_map);
void release_part_chain(HostContext *context, PartChainRecord *part);
void release_netlist(HostContext *context, ItemList *nets);
void release_net(HostContext *context, NetRecord *net);
void release_sequence(HostContext *context, SequenceRecord *sequence);
void release_vrak_instruction(HostContext *context, VrakInstructionRecord *instruction);
void release_vrak_operand(HostContext *context, VrakOperandRecord *operand);
void release_ppa(HostContext *context, PpaRecord *ppa);
void release_ppa_assignment(HostContext *context, PpaAssignment *assignment);
void release_ppa_signal(HostContext *context, PpaSignal *signal);
void release_ppa_serial_group(HostContext *context, PpaSerialGroupRecord *group);
void release_ppa_parallel_group(HostContext *context, PpaParallelGroupRecord *group);
void release_global_family(HostContext *context, GlobalPerformanceRecord *family);

// The release routine of each record type a statement carries, by its
// type: the statement routing releases a value without naming its routine.
#define RECORDS_RELEASED_BY_TYPE(X)                                                                   \
    X(HeaderRecord, header) X(PinRecord, pin) X(InstructionRegisterRecord, instruction_register)      \
    X(InstructionRecord, instruction) X(CaptureRecord, capture) X(CellRecord, cell)                  \
    X(CellModeRecord, cell_mode) X(BoundaryScanRegisterRecord, boundary_scan_register)               \
    X(ChainElementRecord, chain_element) X(BypassRegisterRecord, bypass_register)                    \
    X(IdRegisterRecord, id_register) X(BistRegisterRecord, bist_register) X(PreloadRecord, preload)  \
    X(PinRefRecord, pin_ref) X(DataRegisterRecord, data_register) X(BoardChainRecord, board_chain)   \
    X(NetRecord, net) X(SequenceRecord, sequence) X(GlobalPerformanceRecord, global_family)          \
    X(PinFamilyRecord, pin_family)
#define RELEASE_RECORD(Record, name) \
    inline void release_record(HostContext *context, Record *record) { release_##name(context, record); }
RECORDS_RELEASED_BY_TYPE(RELEASE_RECORD)
#undef RELEASE_RECORD

// The parts boards and components both hold: name, source reference,
// header, pin lists, test sequences, illegal vectors and global families.
template <typename Holder>
void release_shared_parts(HostContext *context, Holder *holder) {
    free_blocks(context, {holder->name, holder->source_ref});
    release_header(context, holder->header);
    list_release_with(context, holder->pin_lists, release_pin_list);
    list_release_with(context, holder->test_sequences, release_sequence);
    list_release_with(context, holder->illegal_sequences, release_sequence);
    list_release_with(context, holder->global_performances, release_global_family);
}

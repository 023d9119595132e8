// Teardown: the release routine of every record of the description
#pragma once

#include <initializer_list>

#include "base/memory.h"
#include "model/item_list.h"
#include "oxel32.h"

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

// The transient values that carry records through the grammar: the pair a
// bus name yields, a PPA assignment (one group), a PPA signal and a TAP map.
struct BusNamePair;
struct PpaAssignment;
struct PpaSignal;
struct TapMap;

// Every record type the description owns, X(Record, name), by the parts of
// the description: headers, components, pins, registers and cells, boards,
// test sequences and families. Each has its routine release_<name>, which
// releases the record and everything it owns and ignores a null record; a
// list field's items go with the routine of their item type.
#define RELEASED_RECORDS(X)                                                                                     \
    X(HeaderRecord, header) X(LogRecord, log) X(ComponentRecord, component) X(PinRecord, pin)                   \
    X(IndexRecord, index) X(PinRefRecord, pin_ref) X(BusNamePair, bus_name)                                     \
    X(InstructionRegisterRecord, instruction_register) X(InstructionRecord, instruction)                        \
    X(CaptureRecord, capture) X(CaptureStatusRecord, capture_status)                                            \
    X(BoundaryScanRegisterRecord, boundary_scan_register) X(ChainElementRecord, chain_element)                  \
    X(CellRecord, cell) X(CellModeRecord, cell_mode) X(ModeSpecRecord, mode_spec)                               \
    X(BypassRegisterRecord, bypass_register) X(IdRegisterRecord, id_register)                                   \
    X(BistRegisterRecord, bist_register) X(PreloadRecord, preload) X(DataRegisterRecord, data_register)         \
    X(BoardRecord, board) X(BoardChainRecord, board_chain) X(TapMap, tap_map) X(PartChainRecord, part_chain)    \
    X(NetRecord, net) X(SequenceRecord, sequence) X(VrakInstructionRecord, vrak_instruction)                    \
    X(VrakOperandRecord, vrak_operand) X(PpaRecord, ppa) X(PpaAssignment, ppa_assignment)                       \
    X(PpaSignal, ppa_signal) X(PpaSerialGroupRecord, ppa_serial_group)                                          \
    X(PpaParallelGroupRecord, ppa_parallel_group) X(GlobalPerformanceRecord, global_family)                     \
    X(PinFamilyRecord, pin_family)

// What a record owns, released; the record's own block stays. One overload
// a record type, each in release.cc.
#define DECLARE_RELEASE(Record, name)                                \
    void release_parts(HostContext *context, Record &record);        \
    void release_##name(HostContext *context, Record *record);
RELEASED_RECORDS(DECLARE_RELEASE)
#undef DECLARE_RELEASE

// Releases a record of any of those types: its parts, then its block; a
// null record is ignored. The statement routing releases a value through it
// without naming the value's routine.
template <typename Record>
void release_record(HostContext *context, Record *record) {
    if (!record)
        return;
    release_parts(context, *record);
    mem_free(context, record);
}

// Lists: a pin list is a list of PinRecord, a netlist one of NetRecord.
void release_pin_list(HostContext *context, ItemList *pins);
void release_netlist(HostContext *context, ItemList *nets);
// What the shared fields of a register hold (the record block stays).
struct RegisterFields;
void release_register_fields(HostContext *context, const RegisterFields &fields);

// The parts boards and components both hold: name, source reference,
// header, pin lists, test sequences, illegal vectors and global families.
template <typename Holder>
void release_shared_parts(HostContext *context, Holder &holder) {
    free_blocks(context, {holder.name, holder.source_ref});
    release_header(context, holder.header);
    list_release_with(context, holder.pin_lists, release_pin_list);
    list_release_with(context, holder.test_sequences, release_sequence);
    list_release_with(context, holder.illegal_sequences, release_sequence);
    list_release_with(context, holder.global_performances, release_global_family);
}

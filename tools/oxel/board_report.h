// oxel show: boards, pin families and test sequences as the records hold them
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "oxel32.h"
#include "record_text.h"

// One operand entry of a VRAK instruction: a TAP or pin group (or the
// digits standing for one), a bit count and a value, as the record holds
// them (RST keeps no value and no count, WTN no count).
struct VrakOperandInfo {
    Text target;
    int32_t count;
    Text value;
};

// A serial group of a PPA instruction: its name and the names given for
// each TAP signal, in the order TDI, TDO, TMS, TCK, TRST (only those given).
struct PpaSerialInfo {
    Text name;
    std::vector<std::pair<const char *, std::vector<Text>>> signals;
};

// A parallel group of a PPA instruction: its name and its pins as written.
struct PpaParallelInfo {
    Text name;
    std::vector<Text> pins;
};

// One VRAK instruction with its arguments.
struct VrakStepInfo {
    int32_t kind;                                 // VrakKind
    std::vector<VrakOperandInfo> operands;        // RST, WTN, DRS, BPV, CNF, TAP, ITP
    Text comment;                                 // CMT
    std::vector<PpaSerialInfo> serial_groups;     // PPA
    std::vector<PpaParallelInfo> parallel_groups; // PPA
};

// A TEST_SEQUENCE or ILLEGAL_VECTORS list: its name and its instructions in
// order.
struct SequenceInfo {
    Text name;
    std::vector<VrakStepInfo> steps;
};

struct PartInfo {
    int32_t position;
    Text part, component;
    Text tms, tck, trst;
};

// One part of a scan chain, with what its component tells of its
// registers. The lengths and the IDCODE are absent when no component of
// that name is described (or it has no such register).
struct ChainPartInfo {
    int32_t position;                   // as the PART_CHAIN entry writes it
    Text part, component;
    bool defined;                       // a component of that name is described
    std::optional<int32_t> instruction_length;
    std::optional<int32_t> boundary_length;
    Text idcode;                        // the identification register's CAPTURE value
};

// The path of a board-level chain from the TAP's TDI to its TDO: the parts
// in the order the PART_CHAIN lists them, its first entry at TDI, and the
// chain's total instruction and boundary-scan register lengths (absent when
// a part's is unknown).
struct ScanChainInfo {
    Text tdi, tdo;
    std::vector<ChainPartInfo> parts;
    std::optional<long long> instruction_length, boundary_length;
};

// A board-level chain: its TAP's nets, its part chain and its scan chain.
struct TapInfo {
    Text name;
    Text tdi, tdo, tms, tck, trst;
    std::vector<PartInfo> parts;
    ScanChainInfo scan_chain;   // filled once the components are known
};

// A NETLIST_MAP entry: a component pin and the nets it joins.
struct NetlistEntryInfo {
    Text component, pin;
    std::vector<Text> nets;
};

// A net and the netlist entries that join a component pin to it (their
// indices in the board's `netlist`), in order.
struct NetInfo {
    std::string name;
    std::vector<size_t> entries;
};

// A pin of a board's PIN_LIST as written.
struct BoardPinInfo {
    Text name;           // a bus: its name and indices, D(0:3)
    Text number;         // a bus: its numbers in parentheses
    bool bus;
    int32_t type;        // PinType
    Text family;
};

struct BoardReport {
    Text name;
    Text source;
    std::vector<std::vector<BoardPinInfo>> pin_lists;
    std::vector<TapInfo> taps;
    std::vector<NetlistEntryInfo> netlist;   // every NETLIST_MAP's entries in order
    std::vector<NetInfo> nets;               // each net once, in the order first named
    size_t net_count;                        // distinct net names among them
    std::vector<SequenceInfo> test_sequences, illegal_vectors;
};

// A figure a pin family gives: its record field's name and value.
struct FamilyValue {
    const char *name;
    double value;
};

struct PinFamilyReport {
    Text name;
    std::vector<FamilyValue> values;   // only those the family defines
};

std::vector<SequenceInfo> collect_sequences(const ItemList *sequences);
// The boards of the description; their scan chains are left empty.
std::vector<BoardReport> collect_boards(const DescriptionRoot *root);
std::vector<PinFamilyReport> collect_pin_families(const DescriptionRoot *root);

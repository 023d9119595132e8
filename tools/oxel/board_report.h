// oxel show: boards, pin families and test sequences as the records hold them
#pragma once

#include <string>
#include <vector>

#include "oxel32.h"
#include "record_text.h"

// A TEST_SEQUENCE or ILLEGAL_VECTORS list: its name and its instructions'
// mnemonics in order.
struct SequenceInfo {
    Text name;
    std::vector<std::string> mnemonics;
};

struct PartInfo {
    int32_t position;
    Text part, component;
    Text tms, tck, trst;
};

// A board-level chain: its TAP's nets and its part chain.
struct TapInfo {
    Text name;
    Text tdi, tdo, tms, tck, trst;
    std::vector<PartInfo> parts;
};

// A NETLIST_MAP entry: a component pin and the nets it joins.
struct NetlistEntryInfo {
    Text component, pin;
    std::vector<Text> nets;
};

struct BoardReport {
    Text name;
    Text source;
    std::vector<TapInfo> taps;
    std::vector<NetlistEntryInfo> netlist;   // every NETLIST_MAP's entries in order
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
std::vector<BoardReport> collect_boards(const DescriptionRoot *root);
std::vector<PinFamilyReport> collect_pin_families(const DescriptionRoot *root);

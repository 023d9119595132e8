// oxel show: what the query exports tell about each component
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "board_report.h"
#include "oxel32.h"
#include "record_text.h"

struct InstructionInfo {
    int32_t kind;
    std::string kind_text;
    Text opcode;
    Text register_name;
    Text register_type;
};

struct TapPinInfo {
    const char *signal;   // TDI, TDO, TMS, TCK, TRST
    Text name;
};

// One pin of a bus: D(3) and the number the bus lists at its place (absent
// where the bus lists fewer numbers than indices).
struct BusElementInfo {
    std::string name;
    Text number;
};

struct PinInfo {
    Text name;
    Text number;          // a bus: its pin numbers as written, in parentheses
    bool bus;
    int32_t type;         // PinType as declared
    int32_t direction;    // 0 none, 1 in, 2 out, 3 both
    std::vector<BusElementInfo> elements;   // a bus: its pins in index order
};

enum class RegisterKind { instruction, boundary_scan, bypass, identification, usercode, bist, data };

// A register of the component as its record holds it.
struct RegisterInfo {
    RegisterKind kind;
    Text name;
    int32_t length;
    Text capture;
    Text purpose;
};

struct CellFunctionInfo {
    Text name;
    int32_t code;         // 1 input ... 6 bidirectional
};

struct CellInfo {
    int32_t position;
    Text name;
    Text pin;
    std::vector<CellFunctionInfo> functions;
    int32_t control;      // chain position of the control cell, -1 none
    char disable;         // first character of the disable value, 0 none
};

struct ComponentReport {
    Text name;
    int32_t standard;
    Text source;
    Text bsdl_file;
    double highest_frequency;   // -2.0: not given
    bool has_instruction_register;
    int32_t instruction_register_length;
    Text instruction_register_capture;
    Text idcode_capture;
    Text usercode_capture;
    std::vector<InstructionInfo> instructions;
    std::vector<TapPinInfo> tap_pins;
    std::vector<PinInfo> pins;
    bool has_boundary_scan_register;
    int32_t boundary_scan_register_length;
    std::vector<CellInfo> cells;
    std::vector<RegisterInfo> registers;   // every register, kind by kind, in the order written
    std::vector<SequenceInfo> test_sequences, illegal_vectors;
};

// Walks every component of the parsed description.
std::vector<ComponentReport> collect_components(HostContext *context);

// Words for the codes.
const char *standard_word(int32_t standard);
const char *pin_type_word(int32_t type);
const char *direction_word(int32_t direction);
const char *cell_function_word(int32_t code);
// "instruction", "boundary scan", "bypass", "identification", "usercode", "BIST", "data".
const char *register_kind_word(RegisterKind kind);

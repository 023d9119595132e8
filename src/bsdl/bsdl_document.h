// BSDL document: what the importer reads of a BSDL file, as plain values
#pragma once

#include <cstdint>

#include "bsdl/bsdl_array.h"
#include "bsdl/bsdl_text.h"
#include "bsdl/name_index.h"
#include "bsdl/source_text.h"

// ---- Values as written ----

// Where the contents of one string of a concatenation begin: their offset
// in the joined value and their place in the file.
struct BsdlSegment {
    int32_t offset;
    BsdlPlace place;
};

// A string expression ("..." & "..."): the contents of its strings joined
// (a doubled quote taken as one), terminated, with the place of each
// string's contents. The importer may rewrite the text in place (patterns
// are upper-cased and closed up).
struct BsdlString {
    char *text;
    int32_t length;
    int32_t room;                   // bytes the text's block holds, its terminator included
    BsdlArray<BsdlSegment> segments;
    int32_t last_segment;           // the segment string_place found last
};

// Where the character at `offset` of the value was written. A value is
// read front to back: the segment found last, or the one after it, is
// tried before a search.
BsdlPlace string_place(BsdlString &value, int32_t offset);

// The attributes the importer reads, each given once. A string attribute
// keeps its value, INSTRUCTION_LENGTH and BOUNDARY_LENGTH their number,
// PIN_MAP the name it gives (or a string of its own).
enum AttributeId : int32_t {
    kComponentConformance,
    kPinMap,
    kInstructionLength,
    kInstructionOpcode,
    kInstructionCapture,
    kInstructionPrivate,
    kIdcodeRegister,
    kUsercodeRegister,
    kRegisterAccess,
    kBoundaryLength,
    kBoundaryRegister,
    kCompliancePatterns,
    kDesignWarning,
    kAttributeCount
};

struct BsdlAttribute {
    bool given;
    BsdlPlace place;        // of the attribute's name in its `attribute ... is` statement
    BsdlString text;        // a string value
    int32_t number;         // an integer value
    BsdlSlice word;         // a name given as the value (PIN_MAP)
    BsdlPlace value_place;  // where the value begins
};

// The name each attribute has in BSDL.
const char *attribute_name(AttributeId id);

// ---- Ports and the pin map ----

enum class PortMode : uint8_t { kIn, kOut, kInout, kBuffer, kLinkage };

struct BsdlPort {
    BsdlSlice name;         // as declared
    BsdlPlace place;
    PortMode mode;
    bool vector;            // bit_vector, with the range as written
    int32_t left, right;
    int32_t first_pin;      // its pins in BsdlDocument::pins, in the order of the range; -1 unmapped
    int32_t pin_count;
    int32_t tap;            // the TAP signal it carries (a PinType from TMS to TRST), or 0
    int32_t type;           // the pin type the importer settles on (a PinType)
    bool told_unmapped;     // a cell naming it unmapped has been reported
};

// The bits of a port: its lowest and highest index, and whether an index is one of them.
int32_t port_low(const BsdlPort &port);
int32_t port_high(const BsdlPort &port);
int32_t port_width(const BsdlPort &port);
// The pin of bit `index` (the port's only pin for a bit), an index into
// BsdlDocument::pins.
int32_t pin_of_bit(const BsdlPort &port, int32_t index);

// A package pin of the pin map: its name as written and the port it serves.
struct BsdlPin {
    BsdlSlice id;
    BsdlPlace place;
    int32_t port;
};

// A constant of type PIN_MAP_STRING: one package.
struct BsdlConstant {
    BsdlSlice name;
    BsdlPlace place;
    BsdlString value;
};

// A TAP_SCAN_IN (OUT, MODE, CLOCK, RESET) attribute: the port it names.
struct BsdlTapAttribute {
    int32_t signal;         // the PinType of the signal
    BsdlSlice port;
    BsdlPlace place;
};

// ---- Instructions and registers ----

// A bit pattern of 0, 1 and X, upper-cased in place in its string value.
struct BsdlPattern {
    char *bits;
    int32_t length;
    BsdlPlace place;
};

enum class BsdlRegisterKind : uint8_t { kBoundary, kBypass, kDeviceId, kUsercode, kData };

// A test data register: the four of the standard, and the data registers
// REGISTER_ACCESS names with their lengths.
struct BsdlRegister {
    BsdlRegisterKind kind;
    BsdlSlice name;
    BsdlPlace place;        // where REGISTER_ACCESS names it; line 0 for none
    bool used;              // an instruction selects it, or its attribute is given
    int32_t length;
    BsdlPattern capture;    // from CAPTURES, bits that differ between them X; length 0 when none
};

struct BsdlInstruction {
    BsdlSlice name;
    BsdlPlace place;
    int32_t first_opcode;   // in BsdlDocument::opcodes
    int32_t opcode_count;
    bool is_private;
    int32_t register_index; // in BsdlDocument::registers; -1 until settled
};

// ---- The boundary register ----

enum class BsdlCellFunction : uint8_t {
    kInput,
    kOutput2,
    kOutput3,
    kControl,
    kControlr,
    kInternal,
    kClock,
    kBidir,
    kObserveOnly,
};

// Its name as BSDL writes it, in upper case.
const char *cell_function_name(BsdlCellFunction function);
// The function captures the pin's value (PI) or drives the pin (PO).
bool function_captures(BsdlCellFunction function);
bool function_drives(BsdlCellFunction function);

// What an output shows when its control cell disables it.
enum class DisableResult : uint8_t { kNone, kZ, kWeak0, kWeak1, kPull0, kPull1, kKeeper };

// Its name as BSDL writes it ("Z", "WEAK0", ...); null for kNone.
const char *disable_result_name(DisableResult result);

// One entry of BOUNDARY_REGISTER: num (cell, port, function, safe [, ccell, disval [, rslt]]).
struct BsdlCellEntry {
    int32_t number;
    BsdlPlace place;
    int32_t kind;           // the cell's name, in BsdlDocument::cell_kinds
    int32_t port;           // in BsdlDocument::ports; -1 for * (and a port in error)
    int32_t bit;            // the bit of a bit_vector port
    int32_t control;        // the control cell's number, -1 none
    int32_t next_merged;    // the next entry of the same cell number, -1 none
    BsdlCellFunction function;
    char safe;              // '0', '1' or 'X'
    char disable;           // '0' or '1' with a control cell
    DisableResult result;
};

// One cell of the boundary register: its entries merged.
struct BsdlCell {
    int32_t first_entry;    // -1: no entry describes the cell
    int32_t port;           // the port it serves, -1 none
    int32_t bit;
    bool captures;          // some entry reads the port
    bool drives;            // some entry drives it
    bool has_control;       // some entry names a control cell
    bool controls;          // another cell names this one as its control cell
    int32_t kind;           // in BsdlDocument::cell_kinds
};

// ---- The document ----

struct BsdlDocument {
    SourceText source;
    BsdlSlice entity;
    BsdlPlace entity_place;
    BsdlSlice default_package;      // the generic's value; empty when none
    BsdlPlace default_package_place;

    BsdlArray<BsdlPort> ports;
    NameIndex port_index;
    BsdlArray<BsdlConstant> constants;
    NameIndex constant_index;
    BsdlArray<BsdlTapAttribute> taps;
    BsdlAttribute attributes[kAttributeCount];

    // Read from the attribute values.
    bool pin_map_read;              // false: no pin map could be chosen (reported), ports are left unmapped
    int32_t package;                // the constant chosen; -1 for a PIN_MAP string of its own
    BsdlArray<BsdlPin> pins;
    BsdlArray<BsdlPattern> opcodes;
    BsdlArray<BsdlInstruction> instructions;
    NameIndex instruction_index;
    BsdlPattern instruction_capture;
    BsdlPattern idcode;             // length 0 when not given
    BsdlPattern usercode;
    BsdlArray<BsdlRegister> registers;
    NameIndex register_index;
    BsdlArray<BsdlCellEntry> entries;

    BsdlArray<BsdlSlice> cell_kinds; // upper-cased, in the order of their first use

    // Settled from all of it.
    BsdlArray<BsdlCell> cells;      // by cell number
};

// A document holding nothing.
void start_document(BsdlDocument &document);
// Releases everything the document holds.
void release_document(HostContext *context, BsdlDocument &document);

// The port, instruction and register of a name, or -1.
int32_t find_port(const BsdlDocument &document, BsdlSlice name);
int32_t find_instruction(const BsdlDocument &document, BsdlSlice name);
int32_t find_register(const BsdlDocument &document, BsdlSlice name);
int32_t find_constant(const BsdlDocument &document, BsdlSlice name);

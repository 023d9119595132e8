// Component builder: the records of the description made from a BSDL document
#include "bsdl/component_builder.h"

#include <cstdio>
#include <cstring>

#include "bsdl/standard_instructions.h"
#include "model/cell_constructors.h"
#include "model/component_constructors.h"
#include "model/pin_constructors.h"
#include "model/register_constructors.h"
#include "model/statements.h"
#include "model/item_list.h"
#include "model/record_locations.h"
#include "model/release.h"

namespace {

// The names the registers of every imported device have.
const char *const kInstructionRegister = "INSTRUCTION";

struct Builder {
    HostContext *host;
    const BsdlDocument &d;
    const char *path;
    description_state &description;
};

SourceLocation location(const Builder &b, BsdlPlace place) { return SourceLocation{b.path, place.line, place.column}; }

// ---- Texts and lists ----

char *text(Builder &b, const char *text) { return str_duplicate(b.host, text); }

char *text(Builder &b, BsdlSlice slice) { return copy_slice(b.host, slice); }

// A pattern's bits, or `length` X's where the file gives none.
char *pattern_text(Builder &b, const BsdlPattern &pattern, int32_t length) {
    if (pattern.length)
        return copy_slice(b.host, BsdlSlice{pattern.bits, pattern.length});
    char *unknown = static_cast<char *>(mem_alloc(b.host, static_cast<size_t>(length) + 1));
    if (unknown)
        std::memset(unknown, 'X', static_cast<size_t>(length));
    return unknown;
}

// A list of texts of one entry; null after a failure (the text released).
ItemList *list_of(Builder &b, char *entry) {
    return entry ? list_create(b.host, entry, 1) : nullptr;
}

// Appends a text to a list of texts; false after a failure, the list gone.
bool add_text(Builder &b, ItemList **list, char *entry) {
    if (!entry) {
        list_release(b.host, *list);
        *list = nullptr;
        return false;
    }
    *list = *list ? list_append(b.host, *list, entry) : list_create(b.host, entry, 1);
    return *list != nullptr;
}

// The record remembered at its place in the file; null (the record
// released) when it is null or cannot be remembered.
template <typename Record>
Record *keep(Builder &b, Record *record, BsdlPlace place, void (*release)(HostContext *, Record *)) {
    if (record && !remember_location(b.host, b.description.locations, record, location(b, place))) {
        release(b.host, record);
        return nullptr;
    }
    return record;
}

// Appends the statement {tag, value} to a section's statements; false after
// a failure, the value and the statements gone.
bool add_statement(Builder &b, ItemList **statements, int32_t tag, intptr_t value) {
    TaggedItem *statement = make_statement(b.host, tag, value);
    if (!statement) {
        release_statements(b.host, *statements);
        *statements = nullptr;
        return false;
    }
    *statements = *statements ? list_append_with(b.host, *statements, statement, release_statement)
                              : list_create_with(b.host, statement, 1, release_statement);
    return *statements != nullptr;
}

template <typename Record>
bool add_record(Builder &b, ItemList **statements, int32_t tag, Record *record) {
    if (!record) {
        release_statements(b.host, *statements);
        *statements = nullptr;
        return false;
    }
    return add_statement(b, statements, tag, reinterpret_cast<intptr_t>(record));
}

bool add_text_statement(Builder &b, ItemList **statements, int32_t tag, char *value) {
    return add_record(b, statements, tag, value);
}

// PURPOSE and LENGTH, the statements every register here starts with.
ItemList *register_statements(Builder &b, const char *purpose, int32_t length) {
    ItemList *statements = nullptr;
    if (!add_text_statement(b, &statements, TAG_PURPOSE, text(b, purpose)) ||
        !add_statement(b, &statements, TAG_LENGTH, length))
        return nullptr;
    return statements;
}

// CAPTURE with its value (null: not made, the statements then released).
bool add_capture(Builder &b, ItemList **statements, char *value) {
    CaptureRecord *pair = value ? make_capture(b.host, value, nullptr) : nullptr;
    return add_record(b, statements, TAG_CAPTURE, pair);
}

// ---- Pins ----

// A pin number a bus holds as a number when it is written as one.
bool is_plain_number(BsdlSlice id, int32_t *value) {
    if (id.length < 1 || id.length > 9 || (id.text[0] == '0' && id.length > 1))
        return false;
    return slice_number(id, value);
}

PinRecord *build_bus(Builder &b, const BsdlPort &port) {
    ItemList *numbers = nullptr;
    for (int32_t bit = port_low(port); bit <= port_high(port); bit++) {
        BsdlSlice id = b.d.pins.items[pin_of_bit(port, bit)].id;
        int32_t value;
        char *name = is_plain_number(id, &value) ? nullptr : text(b, id);
        IndexRecord *number = is_plain_number(id, &value) ? make_index(b.host, OXEL_INDEX_NUMBER, value, nullptr, 0)
                              : name                      ? make_index(b.host, OXEL_INDEX_NAME, 0, name, 0)
                                                          : nullptr;
        if (!number) {
            list_release_with(b.host, numbers, release_index);
            return nullptr;
        }
        numbers = numbers ? list_append_with(b.host, numbers, number, release_index)
                          : list_create_with(b.host, number, 1, release_index);
        if (!numbers)
            return nullptr;
    }
    const bool one_bit = port_low(port) == port_high(port);
    IndexRecord *range = make_index(b.host, one_bit ? OXEL_INDEX_NUMBER : OXEL_INDEX_RANGE, port_low(port), nullptr,
                                 one_bit ? 0 : port_high(port));
    ItemList *indices = range ? list_create_with(b.host, range, 1, release_index) : nullptr;
    char *name = indices ? text(b, port.name) : nullptr;
    BusNamePair *pair = name ? make_bus_name(b.host, name, indices) : nullptr;
    if (!pair) {
        if (!name)
            list_release_with(b.host, indices, release_index);
        list_release_with(b.host, numbers, release_index);
        return nullptr;
    }
    return make_bus(b.host, numbers, pair, port.type, nullptr);
}

PinRecord *build_pin(Builder &b, const BsdlPort &port) {
    if (port.vector)
        return build_bus(b, port);
    char *number = text(b, b.d.pins.items[port.first_pin].id);
    char *name = number ? text(b, port.name) : nullptr;
    if (!name) {
        mem_free(b.host, number);
        return nullptr;
    }
    return make_pin(b.host, number, name, port.type, nullptr);
}

// The bits first, then the buses: the pin queries stop at the first bus.
ItemList *build_pin_list(Builder &b) {
    ItemList *pins = nullptr;
    for (bool buses : {false, true})
        for (int32_t i = 0; i < b.d.ports.count; i++) {
            const BsdlPort &port = b.d.ports.items[i];
            if (port.first_pin < 0 || port.vector != buses)
                continue;
            PinRecord *pin = keep(b, build_pin(b, port), port.place, release_pin);
            if (!pin) {
                list_release_with(b.host, pins, release_pin);
                return nullptr;
            }
            pins = pins ? list_append_with(b.host, pins, pin, release_pin) : list_create_with(b.host, pin, 1, release_pin);
            if (!pins)
                return nullptr;
        }
    return pins;
}

// ---- Instructions and registers ----

InstructionRecord *build_instruction(Builder &b, const BsdlInstruction &instruction, const BsdlPattern &opcode,
                                     bool preload_apart) {
    InstructionMapping mapping =
        instruction_mapping(standard_instruction(instruction.name), preload_apart, instruction.is_private);
    char *name = mapping.kind == OXEL_INSTRUCTION_NAMED ? text(b, instruction.name) : nullptr;
    ModeSpecRecord *kind = mapping.kind != OXEL_INSTRUCTION_NAMED || name ? make_mode_spec(b.host, mapping.kind, name)
                                                                          : nullptr;
    ModeSpecRecord *mode = kind ? make_mode_spec(b.host, mapping.mode, nullptr) : nullptr;
    char *code = mode ? text(b, BsdlSlice{opcode.bits, opcode.length}) : nullptr;
    char *selected = code ? text(b, b.d.registers.items[instruction.register_index].name) : nullptr;
    ItemList *registers = selected ? list_create(b.host, nullptr, 1) : nullptr;
    if (!registers) {
        release_mode_spec(b.host, kind);
        release_mode_spec(b.host, mode);
        free_blocks(b.host, {code, selected});
        return nullptr;
    }
    return make_instruction(b.host, kind, code, selected, mode, registers);
}

ItemList *build_instruction_list(Builder &b) {
    const BsdlDocument &d = b.d;
    const PreloadPairing pairing = preload_pairing(d);
    const bool preload_apart = pairing.apart;
    ItemList *list = nullptr;
    for (int32_t i = 0; i < d.instructions.count; i++) {
        const BsdlInstruction &instruction = d.instructions.items[i];
        // PRELOAD merged into SAMPLE: SAMPLE's entry stands for both.
        if (pairing.merged && standard_instruction(instruction.name) == StandardInstruction::kPreload)
            continue;
        // An instruction of several opcodes is one instruction per opcode.
        for (int32_t j = 0; j < instruction.opcode_count; j++) {
            const BsdlPattern &opcode = d.opcodes.items[instruction.first_opcode + j];
            InstructionRecord *record =
                keep(b, build_instruction(b, instruction, opcode, preload_apart), opcode.place, release_instruction);
            if (!record) {
                list_release_with(b.host, list, release_instruction);
                return nullptr;
            }
            list = list ? list_append_with(b.host, list, record, release_instruction)
                        : list_create_with(b.host, record, 1, release_instruction);
            if (!list)
                return nullptr;
        }
    }
    return list;
}

InstructionRegisterRecord *build_instruction_register(Builder &b) {
    const BsdlAttribute &length = b.d.attributes[kInstructionLength];
    ItemList *statements = register_statements(b, "Instruction register", length.number);
    if (!statements ||
        !add_capture(b, &statements, pattern_text(b, b.d.instruction_capture, length.number)) ||
        !add_record(b, &statements, TAG_INSTRUCTION_LIST, build_instruction_list(b)))
        return nullptr;
    char *name = text(b, kInstructionRegister);
    if (!name) {
        release_statements(b.host, statements);
        return nullptr;
    }
    return keep(b, make_register<InstructionRegisterRecord>(b.host, location(b, length.place), name, statements), length.place, release_instruction_register);
}

// An IDCODE's fields: version, part number, manufacturer (the last bit is
// the 1 every IDCODE ends with).
struct CodeField {
    int32_t tag;
    int32_t first, length;
};
constexpr CodeField kCodeFields[] = {
    {TAG_VERSION_IDCODE, 0, 4},
    {TAG_PARTNUMBER_IDCODE, 4, 16},
    {TAG_MANUFACTURER_IDCODE, 20, 11},
};

// The statements of a register other than the boundary-scan register:
// purpose, length, capture (X where the file gives none) and, for the
// identification register, the fields of its code.
ItemList *register_section(Builder &b, const BsdlRegister &reg) {
    const BsdlDocument &d = b.d;
    static const char *const kPurposes[] = {"Boundary-scan register", "Bypass register",
                                            "Device identification register", "Usercode register", "Data register"};
    const BsdlPattern kNone{};
    const BsdlPattern &capture = reg.kind == BsdlRegisterKind::kDeviceId   ? d.idcode
                                 : reg.kind == BsdlRegisterKind::kUsercode ? d.usercode
                                 : reg.kind == BsdlRegisterKind::kData     ? reg.capture
                                                                       : kNone;
    ItemList *statements = register_statements(b, kPurposes[static_cast<int>(reg.kind)], reg.length);
    // The bypass register captures 0.
    char *value = reg.kind == BsdlRegisterKind::kBypass ? text(b, "0") : pattern_text(b, capture, reg.length);
    if (!statements) {
        mem_free(b.host, value);
        return nullptr;
    }
    if (!add_capture(b, &statements, value))
        return nullptr;
    if (reg.kind != BsdlRegisterKind::kDeviceId)
        return statements;
    for (const CodeField &field : kCodeFields) {
        const BsdlPattern part = capture.length ? BsdlPattern{capture.bits + field.first, field.length, {}} : kNone;
        if (!add_text_statement(b, &statements, field.tag, pattern_text(b, part, field.length)))
            return nullptr;
    }
    return statements;
}

// The register of the standard or the data register at `index`, as the
// section statement that holds it; false after a failure, the component's
// statements then released.
bool add_register(Builder &b, ItemList **component, int32_t index) {
    const BsdlRegister &reg = b.d.registers.items[index];
    const BsdlAttribute *attribute = reg.kind == BsdlRegisterKind::kDeviceId   ? &b.d.attributes[kIdcodeRegister]
                                     : reg.kind == BsdlRegisterKind::kUsercode ? &b.d.attributes[kUsercodeRegister]
                                                                           : nullptr;
    BsdlPlace place = attribute && attribute->given ? attribute->place
                      : reg.place.line                ? reg.place
                                                      : b.d.entity_place;
    if (reg.kind == BsdlRegisterKind::kBoundary)
        return true;
    ItemList *statements = register_section(b, reg);
    char *name = statements ? text(b, reg.name) : nullptr;
    if (!name) {
        release_statements(b.host, statements);
        release_statements(b.host, *component);
        *component = nullptr;
        return false;
    }
    switch (reg.kind) {
    case BsdlRegisterKind::kBypass:
        return add_record(b, component, TAG_BYPASS_REGISTER,
                          keep(b, make_register<BypassRegisterRecord>(b.host, location(b, place), name, statements), place, release_bypass_register));
    case BsdlRegisterKind::kDeviceId:
        return add_record(b, component, TAG_IDENTIFICATION_REGISTER,
                          keep(b, make_register<IdRegisterRecord>(b.host, location(b, place), name, statements), place, release_id_register));
    case BsdlRegisterKind::kUsercode:
        return add_record(b, component, TAG_USERCODE_REGISTER,
                          keep(b, make_register<IdRegisterRecord>(b.host, location(b, place), name, statements), place, release_id_register));
    default:
        return add_record(b, component, TAG_DATA_REGISTER,
                          keep(b, make_register<DataRegisterRecord>(b.host, location(b, place), name, statements), place, release_data_register));
    }
}

// ---- Cells ----

// What every cell kind declares: one data input and one data output, and
// the modes the instructions use: captured from the pin (PI) in each, the
// pin driven from the update stage in the test modes, passed through in
// SAMPLE, high impedance in HIGHZ.
struct CellModeRow {
    int32_t mode;
    int32_t output;
    const char *output_name;
};
constexpr CellModeRow kCellModes[] = {
    {OXEL_MODE_INTERNAL, OXEL_CAPTURE_UPDATE, nullptr},
    {OXEL_MODE_EXTERNAL, OXEL_CAPTURE_UPDATE, nullptr},
    {OXEL_MODE_SAMPLE, OXEL_CAPTURE_NAME, "PI"},
    {OXEL_MODE_HIGHZ, OXEL_CAPTURE_Z, nullptr},
};

CellModeRecord *build_cell_mode(Builder &b, const CellModeRow &row) {
    ModeSpecRecord *mode = make_mode_spec(b.host, row.mode, nullptr);
    char *pi = mode ? text(b, "PI") : nullptr;
    ModeSpecRecord *capture = pi ? make_mode_spec(b.host, OXEL_CAPTURE_NAME, pi) : nullptr;
    char *output_name = capture && row.output_name ? text(b, row.output_name) : nullptr;
    ModeSpecRecord *output = capture && (output_name || !row.output_name)
                                 ? make_mode_spec(b.host, row.output, output_name)
                                 : nullptr;
    ItemList *outputs = output ? list_create_with(b.host, output, 1, release_mode_spec) : nullptr;
    if (!outputs) {
        release_mode_spec(b.host, mode);
        release_mode_spec(b.host, capture);
        return nullptr;
    }
    return make_cell_mode(b.host, mode, nullptr, capture, outputs);
}

CellRecord *build_cell(Builder &b, BsdlSlice kind, BsdlPlace place) {
    ItemList *modes = nullptr;
    for (const CellModeRow &row : kCellModes) {
        CellModeRecord *mode = build_cell_mode(b, row);
        if (!mode) {
            list_release_with(b.host, modes, release_cell_mode);
            return nullptr;
        }
        modes = modes ? list_append_with(b.host, modes, mode, release_cell_mode)
                      : list_create_with(b.host, mode, 1, release_cell_mode);
        if (!modes)
            return nullptr;
    }
    ItemList *statements = nullptr;
    bool made = add_text_statement(b, &statements, TAG_INIT_UPDATE, text(b, "X")) &&
                add_record(b, &statements, TAG_DATA_INPUTS, list_of(b, text(b, "PI"))) &&
                add_record(b, &statements, TAG_DATA_OUTPUTS, list_of(b, text(b, "PO")));
    if (!made) {
        list_release_with(b.host, modes, release_cell_mode);
        return nullptr;
    }
    char *name = add_record(b, &statements, TAG_MODE_LIST, modes) ? text(b, kind) : nullptr;
    if (!name) {
        release_statements(b.host, statements);
        return nullptr;
    }
    return make_cell(b.host, location(b, place), name, statements);
}

// ---- The boundary-scan chain ----

PinRefRecord *build_cell_pin(Builder &b, const BsdlCell &cell) {
    if (cell.port < 0)
        return make_pin_ref(b.host, OXEL_PINREF_PLAIN, nullptr, nullptr);
    const BsdlPort &port = b.d.ports.items[cell.port];
    char *name = text(b, port.name);
    if (!name)
        return nullptr;
    if (!port.vector)
        return make_pin_ref(b.host, OXEL_PINREF_PLAIN, name, nullptr);
    IndexRecord *bit = make_index(b.host, OXEL_INDEX_NUMBER, cell.bit, nullptr, 0);
    ItemList *indices = bit ? list_create_with(b.host, bit, 1, release_index) : nullptr;
    if (!indices) {
        mem_free(b.host, name);
        return nullptr;
    }
    return make_pin_ref(b.host, OXEL_PINREF_ELEMENT, name, indices);
}

// The pin number of the cell's pin when `serves`, else "-".
char *pin_parameter(Builder &b, const BsdlCell &cell, bool serves) {
    if (!serves || cell.port < 0)
        return text(b, "-");
    return text(b, b.d.pins.items[pin_of_bit(b.d.ports.items[cell.port], cell.bit)].id);
}

// What the BSDL entries of a cell say beyond its pins: per entry its
// function and safe value, and its disable result where it gives one; and
// the control cells with their disable values ("-" for none).
bool build_entry_lists(Builder &b, const BsdlCell &cell, ItemList **third, ItemList **controls,
                       ItemList **disables) {
    for (int32_t i = cell.first_entry; i >= 0; i = b.d.entries.items[i].next_merged) {
        const BsdlCellEntry &entry = b.d.entries.items[i];
        const char safe[] = {entry.safe, '\0'};
        if (!add_text(b, third, text(b, cell_function_name(entry.function))) || !add_text(b, third, text(b, safe)) ||
            (entry.result != DisableResult::kNone && !add_text(b, third, text(b, disable_result_name(entry.result)))))
            return false;
        if (entry.control < 0)
            continue;
        char number[16];
        std::snprintf(number, sizeof number, "%d", static_cast<int>(entry.control));
        const char disable[] = {entry.disable, '\0'};
        if (!add_text(b, controls, text(b, number)) || !add_text(b, disables, text(b, disable)))
            return false;
    }
    return (*controls || add_text(b, controls, text(b, "-"))) && (*disables || add_text(b, disables, text(b, "-")));
}

ChainElementRecord *build_element(Builder &b, int32_t number) {
    const BsdlCell &cell = b.d.cells.items[number];
    ItemList *third = nullptr, *controls = nullptr, *disables = nullptr;
    ItemList *inputs = list_of(b, pin_parameter(b, cell, cell.captures));
    ItemList *outputs = inputs ? list_of(b, pin_parameter(b, cell, cell.drives)) : nullptr;
    bool lists = outputs && build_entry_lists(b, cell, &third, &controls, &disables);
    char *kind = lists ? text(b, b.d.cell_kinds.items[cell.kind]) : nullptr;
    PinRefRecord *pin = kind ? build_cell_pin(b, cell) : nullptr;
    if (!pin) {
        mem_free(b.host, kind);
        release_text_lists(b.host, {inputs, outputs, third, controls, disables});
        return nullptr;
    }
    return make_chain_element(b.host, number, kind, pin, inputs, outputs, third, controls, disables);
}

BoundaryScanRegisterRecord *build_boundary_register(Builder &b) {
    ItemList *chain = nullptr;
    for (int32_t number = 0; number < b.d.cells.count; number++) {
        BsdlPlace place = b.d.entries.items[b.d.cells.items[number].first_entry].place;
        ChainElementRecord *element = keep(b, build_element(b, number), place, release_chain_element);
        if (!element) {
            list_release_with(b.host, chain, release_chain_element);
            return nullptr;
        }
        chain = chain ? list_append_with(b.host, chain, element, release_chain_element)
                      : list_create_with(b.host, element, 1, release_chain_element);
        if (!chain)
            return nullptr;
    }
    ItemList *statements = register_statements(b, "Boundary-scan register", b.d.cells.count);
    if (!statements) {
        list_release_with(b.host, chain, release_chain_element);
        return nullptr;
    }
    char *name = add_record(b, &statements, TAG_CHAIN_LIST, chain) ? text(b, "BOUNDARY") : nullptr;
    if (!name) {
        release_statements(b.host, statements);
        return nullptr;
    }
    return keep(b, make_register<BoundaryScanRegisterRecord>(b.host, location(b, b.d.attributes[kBoundaryRegister].place), name, statements),
                b.d.attributes[kBoundaryRegister].place,
                release_boundary_scan_register);
}

// ---- The component ----

ItemList *build_statements(Builder &b) {
    const BsdlDocument &d = b.d;
    ItemList *statements = nullptr;
    if (!add_statement(b, &statements, TAG_STANDARD, OXEL_STANDARD_IEEE_1149_1_1990))
        return nullptr;
    // A file whose pin map maps nothing has no pin list.
    if (d.pins.count && !add_record(b, &statements, TAG_PIN_LIST, build_pin_list(b)))
        return nullptr;
    if (!add_record(b, &statements, TAG_INSTRUCTION_REGISTER, build_instruction_register(b)))
        return nullptr;
    for (int32_t i = 0; i < d.registers.count; i++)
        if (d.registers.items[i].used && !add_register(b, &statements, i))
            return nullptr;
    for (int32_t i = 0; i < d.cell_kinds.count; i++) {
        // A cell kind stands where the first cell that uses it is written.
        BsdlPlace place{};
        for (int32_t n = 0; n < d.cells.count && !place.line; n++)
            if (d.cells.items[n].kind == i)
                place = d.entries.items[d.cells.items[n].first_entry].place;
        if (!add_record(b, &statements, TAG_CELL, keep(b, build_cell(b, d.cell_kinds.items[i], place), place, release_cell)))
            return nullptr;
    }
    if (!add_record(b, &statements, TAG_BOUNDARY_SCAN_REGISTER, build_boundary_register(b)))
        return nullptr;
    return statements;
}

}  // namespace

ComponentRecord *build_component(HostContext *context, description_state &description, const BsdlDocument &document,
                                 const char *path) {
    Builder b{context, document, path, description};
    // The source reference by which the component queries name the BSDL file.
    char *prefix = str_duplicate(context, "BSDL ");
    char *source_ref = prefix ? str_append(context, prefix, path) : nullptr;
    if (!source_ref)
        mem_free(context, prefix);
    ItemList *statements = source_ref ? build_statements(b) : nullptr;
    char *name = statements ? text(b, document.entity) : nullptr;
    if (!name) {
        mem_free(context, source_ref);
        release_statements(context, statements);
        return nullptr;
    }
    ComponentRecord *component = make_component(context, location(b, document.entity_place), &description.root, name,
                                                  source_ref, statements);
    mem_free(context, source_ref);
    return keep(b, component, document.entity_place, release_component);
}

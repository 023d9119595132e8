// Instruction values: the instruction register, the opcodes and the registers the instructions select
#include "bsdl/instruction_values.h"

#include <cstdio>
#include <cstring>

#include "bsdl/standard_instructions.h"
#include "bsdl/value_reader.h"

namespace {

constexpr int32_t kCodeLength = 32;   // of IDCODE and USERCODE

// A pattern made of several: the bits where they differ become X.
void merge_pattern(BsdlPattern &into, const BsdlPattern &other) {
    for (int32_t i = 0; i < into.length && i < other.length; i++)
        if (into.bits[i] != other.bits[i])
            into.bits[i] = 'X';
}

// ---- The instruction register ----

int32_t read_length(BsdlImport &import, BsdlDocument &d) {
    const BsdlAttribute *length = given_attribute(import, d, kInstructionLength);
    if (length && length->number < 2)
        import_error(import, length->value_place, "INSTRUCTION_LENGTH %d is less than 2", length->number);
    return length && length->number >= 2 ? length->number : 0;
}

bool add_instruction(BsdlImport &import, BsdlDocument &d, const ValueToken &name, BsdlPlace place) {
    BsdlInstruction *instruction = array_add(import.host, d.instructions);
    if (!instruction || !name_index_add(import.host, d.instruction_index, token_slice(name), d.instructions.count - 1)) {
        if (instruction)
            d.instructions.count--;
        import_out_of_memory(import);
        return false;
    }
    *instruction = BsdlInstruction{token_slice(name), place, d.opcodes.count, 0, false, -1};
    return true;
}

// NAME ( pattern {, pattern} )
bool read_opcode_entry(ValueReader &r, BsdlDocument &d, int32_t length) {
    ValueToken name{};
    if (!value_take_word(r, "an instruction name", &name))
        return false;
    BsdlPlace place = value_place(r, name);
    ShownSlice shown;
    const char *shown_name = shown_slice(shown, token_slice(name));
    bool listed_before = find_instruction(d, token_slice(name)) >= 0;
    if (listed_before)
        import_error(r.import, place, "Instruction %s is listed twice in INSTRUCTION_OPCODE", shown_name);
    else if (!add_instruction(r.import, d, name, place))
        return false;
    if (!value_take_symbol(r, '(', "'('"))
        return false;
    char kind[kShownLength + 16];
    std::snprintf(kind, sizeof kind, "opcode of %s", shown_name);
    for (;;) {
        BsdlPattern opcode{};
        if (!value_take_pattern(r, kind, &opcode))
            return false;
        if (length && opcode.length != length) {
            ShownSlice bits;
            import_error(r.import, opcode.place, "Opcode %s of %s has %d bits; INSTRUCTION_LENGTH is %d",
                         shown_slice(bits, BsdlSlice{opcode.bits, opcode.length}), shown_name, opcode.length, length);
        }
        if (!listed_before) {
            BsdlPattern *entry = array_add(r.import.host, d.opcodes);
            if (!entry) {
                import_out_of_memory(r.import);
                return false;
            }
            *entry = opcode;
            d.instructions.items[d.instructions.count - 1].opcode_count++;
        }
        if (!value_list_goes_on(r, ')'))
            break;
    }
    return !r.import.stopped && value_take_symbol(r, ')', "',' or ')'");
}

bool read_opcodes(BsdlImport &import, BsdlDocument &d, int32_t length) {
    BsdlAttribute *opcodes = given_attribute(import, d, kInstructionOpcode);
    if (!opcodes)
        return true;
    ValueReader r{import, "INSTRUCTION_OPCODE", {}, {}};
    if (!value_start(r, opcodes->text))
        return false;
    if (value_at_end(r)) {
        import_error(import, opcodes->value_place, "INSTRUCTION_OPCODE lists no instruction");
        return true;
    }
    while (read_opcode_entry(r, d, length) && value_list_goes_on(r, 0)) {
    }
    return !import.stopped;
}

// A value that is one bit pattern, or a list of them; `add` takes each.
template <typename Add>
bool read_patterns(BsdlImport &import, BsdlAttribute &attribute, AttributeId id, const char *kind, bool list,
                   Add add) {
    ValueReader r{import, attribute_name(id), {}, {}};
    if (!value_start(r, attribute.text))
        return false;
    for (;;) {
        BsdlPattern pattern{};
        if (!value_take_pattern(r, kind, &pattern))
            return false;
        add(pattern);
        if (!list || !value_list_goes_on(r, 0))
            break;
    }
    return !import.stopped && (value_at_end(r) || value_expected(r, list ? "','" : "the end of the string"));
}

bool read_capture(BsdlImport &import, BsdlDocument &d, int32_t length) {
    BsdlAttribute &capture = d.attributes[kInstructionCapture];
    if (!capture.given) {
        import_note(import, d.entity_place, "No INSTRUCTION_CAPTURE: the instruction register's capture is unknown (X)");
        return true;
    }
    return read_patterns(import, capture, kInstructionCapture, "INSTRUCTION_CAPTURE", false,
                         [&](const BsdlPattern &pattern) {
                             d.instruction_capture = pattern;
                             if (length && pattern.length != length) {
                                 ShownSlice bits;
                                 import_error(import, pattern.place,
                                              "INSTRUCTION_CAPTURE %s has %d bits; INSTRUCTION_LENGTH is %d",
                                              shown_slice(bits, BsdlSlice{pattern.bits, pattern.length}),
                                              pattern.length, length);
                             }
                         });
}

bool read_private(BsdlImport &import, BsdlDocument &d) {
    BsdlAttribute &private_list = d.attributes[kInstructionPrivate];
    if (!private_list.given)
        return true;
    ValueReader r{import, "INSTRUCTION_PRIVATE", {}, {}};
    if (!value_start(r, private_list.text) || value_at_end(r))
        return !import.stopped;
    for (;;) {
        ValueToken name{};
        if (!value_take_word(r, "an instruction name", &name))
            return false;
        int32_t found = find_instruction(d, token_slice(name));
        ShownSlice shown;
        if (found < 0)
            import_note(import, value_place(r, name),
                        "INSTRUCTION_PRIVATE names %s, which INSTRUCTION_OPCODE does not list: skipped",
                        shown_slice(shown, token_slice(name)));
        else
            d.instructions.items[found].is_private = true;
        if (!value_list_goes_on(r, 0))
            break;
    }
    return !import.stopped;
}

// IDCODE_REGISTER and USERCODE_REGISTER: 32-bit codes, several of them
// merged into one whose differing bits are X.
bool read_code(BsdlImport &import, BsdlDocument &d, AttributeId id, BsdlPattern &code) {
    BsdlAttribute &attribute = d.attributes[id];
    if (!attribute.given)
        return true;
    int32_t codes = 0;
    bool read = read_patterns(import, attribute, id, attribute_name(id), true, [&](const BsdlPattern &pattern) {
        if (pattern.length != kCodeLength) {
            ShownSlice bits;
            import_error(import, pattern.place, "%s code %s has %d bits, not %d", attribute_name(id),
                         shown_slice(bits, BsdlSlice{pattern.bits, pattern.length}), pattern.length, kCodeLength);
            return;
        }
        if (codes++ == 0)
            code = pattern;
        else
            merge_pattern(code, pattern);
    });
    if (codes > 1)
        import_note(import, attribute.value_place, "%s lists %d codes: the bits in which they differ are taken as X",
                    attribute_name(id), codes);
    return read;
}

// ---- The registers ----

constexpr struct {
    const char *name;
    BsdlRegisterKind kind;
} kStandardRegisters[] = {
    {"BOUNDARY", BsdlRegisterKind::kBoundary},
    {"BYPASS", BsdlRegisterKind::kBypass},
    {"DEVICE_ID", BsdlRegisterKind::kDeviceId},
    {"USERCODE", BsdlRegisterKind::kUsercode},
};

bool add_register(BsdlImport &import, BsdlDocument &d, BsdlRegisterKind kind, BsdlSlice name, int32_t length) {
    BsdlRegister *reg = array_add(import.host, d.registers);
    if (!reg || !name_index_add(import.host, d.register_index, name, d.registers.count - 1)) {
        if (reg)
            d.registers.count--;
        import_out_of_memory(import);
        return false;
    }
    *reg = BsdlRegister{kind, name, BsdlPlace{0, 0}, false, length, BsdlPattern{}};
    return true;
}

bool add_standard_registers(BsdlImport &import, BsdlDocument &d) {
    const int32_t lengths[] = {d.attributes[kBoundaryLength].number, 1, kCodeLength, kCodeLength};
    for (int32_t i = 0; i < 4; i++) {
        BsdlSlice name{kStandardRegisters[i].name, static_cast<int32_t>(std::strlen(kStandardRegisters[i].name))};
        if (!add_register(import, d, kStandardRegisters[i].kind, name, lengths[i]))
            return false;
    }
    d.registers.items[0].used = d.registers.items[1].used = true;
    d.registers.items[2].used = d.attributes[kIdcodeRegister].given;
    d.registers.items[3].used = d.attributes[kUsercodeRegister].given;
    return true;
}

// NAME [CAPTURES pattern]: the instruction given the register, a capture
// of a data register merged into its capture.
bool read_access_instruction(ValueReader &r, BsdlDocument &d, int32_t reg) {
    ValueToken name{};
    if (!value_take_word(r, "an instruction name", &name))
        return false;
    BsdlPlace place = value_place(r, name);
    ShownSlice shown, first, second;
    const char *shown_name = shown_slice(shown, token_slice(name));
    BsdlPattern capture{};
    if (r.token.kind == ValueTokenKind::kWord && is_name(token_slice(r.token), "CAPTURES")) {
        if (!value_advance(r) || !value_take_pattern(r, "a capture", &capture))
            return false;
    }
    BsdlRegister &selected = d.registers.items[reg];
    if (capture.length && selected.kind == BsdlRegisterKind::kData) {
        if (capture.length != selected.length) {
            ShownSlice bits;
            import_error(r.import, capture.place, "Capture %s of %s has %d bits; register %s has %d",
                         shown_slice(bits, BsdlSlice{capture.bits, capture.length}), shown_name, capture.length,
                         shown_slice(first, selected.name), selected.length);
        } else if (selected.capture.length == 0) {
            selected.capture = capture;
        } else {
            merge_pattern(selected.capture, capture);
        }
    }
    int32_t found = find_instruction(d, token_slice(name));
    if (found < 0) {
        import_note(r.import, place, "REGISTER_ACCESS names %s, which INSTRUCTION_OPCODE does not list: skipped",
                    shown_name);
        return true;
    }
    BsdlInstruction &instruction = d.instructions.items[found];
    if (instruction.register_index >= 0 && instruction.register_index != reg) {
        import_error(r.import, place, "Instruction %s is given two registers, %s and %s", shown_name,
                     shown_slice(first, d.registers.items[instruction.register_index].name),
                     shown_slice(second, selected.name));
        return true;
    }
    instruction.register_index = reg;
    selected.used = true;
    return true;
}

// REGISTER [ [length] ] ( instruction {, instruction} )
bool read_association(ValueReader &r, BsdlDocument &d) {
    ValueToken name{};
    if (!value_take_word(r, "a register name", &name))
        return false;
    BsdlPlace place = value_place(r, name);
    int32_t length = -1;
    if (is_symbol(r.token, '[')) {
        if (!value_advance(r) || !value_take_number(r, "a register length", &length, nullptr) ||
            !value_take_symbol(r, ']', "']'"))
            return false;
    }
    ShownSlice shown;
    const char *shown_name = shown_slice(shown, token_slice(name));
    int32_t reg = find_register(d, token_slice(name));
    if (reg < 0) {
        if (length < 0) {
            import_error(r.import, place, "Register %s in REGISTER_ACCESS needs its length: %s[n]", shown_name,
                         shown_name);
            length = 1;
        } else if (length < 1) {
            import_error(r.import, place, "Register %s has length %d", shown_name, length);
            length = 1;
        }
        if (!add_register(r.import, d, BsdlRegisterKind::kData, token_slice(name), length))
            return false;
        reg = d.registers.count - 1;
        d.registers.items[reg].place = place;
    } else if (d.registers.items[reg].kind == BsdlRegisterKind::kData && length >= 0 &&
               length != d.registers.items[reg].length) {
        import_error(r.import, place, "Register %s is given the lengths %d and %d", shown_name,
                     d.registers.items[reg].length, length);
    } else if (d.registers.items[reg].place.line == 0) {
        d.registers.items[reg].place = place;
    }
    if (!value_take_symbol(r, '(', "'('"))
        return false;
    while (read_access_instruction(r, d, reg) && value_list_goes_on(r, ')')) {
    }
    return !r.import.stopped && value_take_symbol(r, ')', "',' or ')'");
}

bool read_register_access(BsdlImport &import, BsdlDocument &d) {
    BsdlAttribute &access = d.attributes[kRegisterAccess];
    if (!access.given)
        return true;
    ValueReader r{import, "REGISTER_ACCESS", {}, {}};
    if (!value_start(r, access.text) || value_at_end(r))
        return !import.stopped;
    while (read_association(r, d) && value_list_goes_on(r, 0)) {
    }
    return !import.stopped;
}

// Every instruction REGISTER_ACCESS leaves out selects the register the
// standard gives it.
void settle_selected_registers(BsdlImport &import, BsdlDocument &d) {
    const bool preload_apart = preload_pairing(d).apart;
    for (int32_t i = 0; i < d.instructions.count; i++) {
        BsdlInstruction &instruction = d.instructions.items[i];
        if (instruction.register_index >= 0)
            continue;
        StandardInstruction which = standard_instruction(instruction.name);
        InstructionMapping mapping = instruction_mapping(which, preload_apart, instruction.is_private);
        instruction.register_index = static_cast<int32_t>(mapping.default_register);
        d.registers.items[instruction.register_index].used = true;
        if (which == StandardInstruction::kRunbist)
            import_note(import, instruction.place,
                        "REGISTER_ACCESS names no register for RUNBIST: the boundary register is taken");
    }
}

}  // namespace

bool read_instruction_values(BsdlImport &import, BsdlDocument &d) {
    int32_t length = read_length(import, d);
    if (!read_opcodes(import, d, length) || !read_capture(import, d, length) || !read_private(import, d) ||
        !read_code(import, d, kIdcodeRegister, d.idcode) || !read_code(import, d, kUsercodeRegister, d.usercode) ||
        !add_standard_registers(import, d) || !read_register_access(import, d))
        return false;
    settle_selected_registers(import, d);
    return !import.stopped;
}

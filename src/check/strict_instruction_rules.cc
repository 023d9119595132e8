// Strict instruction rules: the instruction register's capture and the opcodes, held to IEEE 1149.1
#include "check/strict_instruction_rules.h"

#include <cstring>

#include "base/memory.h"
#include "check/display_names.h"
#include "check/value_bits.h"
#include "model/item_list.h"

namespace {

// Longer registers are not read bit by bit (their opcodes stay unchecked).
constexpr int32_t kLongestReadRegister = 4096;

// Captured bits end in 01 unless a known bit says otherwise.
Severity check_capture_ends_in_01(const Subject &at, const InstructionRegisterRecord *reg, char *bits) {
    if (reg->length < 2 || !value_bits(reg->capture_value, reg->length, bits))
        return kClean;
    const char last = bits[reg->length - 1], before = bits[reg->length - 2];
    const bool ends_in_01 = last != '0' && before != '1';
    return at.error_if(!ends_in_01, "Instruction-register capture value \"%s\" of \"%s\" does not end in 01",
                       reg->capture_value, reg->name ? reg->name : "(noname)");
}

bool all_ones(const char *bits) { return bits[0] && !std::strchr(bits, '0') && !std::strchr(bits, 'X'); }

// The designed check's test: the opcode as written holds no 0.
bool written_without_zero(const InstructionRecord *instruction) {
    return instruction && instruction->code && !std::strchr(instruction->code, '0');
}

// Whether the designed check warned that no BYPASS opcode is all ones.
bool designed_bypass_warning(const ItemList *instructions, bool standard_stated) {
    if (!standard_stated)
        return false;
    bool bypass = false;
    for (int32_t i = 0; i < list_count(instructions); i++) {
        const auto *instruction = list_item<InstructionRecord>(instructions, i);
        if (instruction && instruction->kind == OXEL_INSTRUCTION_BYPASS) {
            bypass = true;
            if (written_without_zero(instruction))
                return false;
        }
    }
    return bypass;
}

bool all_ones_not_bypass(const InstructionRecord *instruction, const char *bits) {
    return instruction->kind != OXEL_INSTRUCTION_BYPASS && all_ones(bits);
}

bool same_instruction(const InstructionRecord *a, const InstructionRecord *b) {
    if (a->kind != b->kind)
        return false;
    if (a->kind != OXEL_INSTRUCTION_NAMED)
        return true;
    return a->name && b->name && std::strcmp(a->name, b->name) == 0;
}

const char *name_of(const InstructionRecord *instruction) {
    return instruction_name(instruction->kind, instruction->name);
}

// One of the BYPASS opcodes is all ones (an X may be a 1), told at the first
// BYPASS instruction when none is. An opcode that gives no bits is taken to
// be all ones: the designed check tells what is wrong with it.
Severity check_bypass_all_ones(const Subject &at, const ItemList *instructions, const char *decoded, int32_t width) {
    const InstructionRecord *first = nullptr;
    for (int32_t i = 0; i < list_count(instructions); i++) {
        const auto *instruction = list_item<InstructionRecord>(instructions, i);
        if (!instruction || instruction->kind != OXEL_INSTRUCTION_BYPASS)
            continue;
        const char *bits = decoded + static_cast<size_t>(i) * width;
        if (!bits[0] || !std::strchr(bits, '0'))
            return kClean;
        first = first ? first : instruction;
    }
    return first ? at.about(first).warning("BYPASS opcode \"%s\" is not all ones", first->code) : kClean;
}

// The rules of one opcode, its bits in `bits`, against those of the
// instructions before it (`decoded`, `width` bytes each, empty where an
// opcode gives no bits).
Severity check_opcode(const Subject &at, const ItemList *instructions, int32_t index, const char *decoded,
                      int32_t width) {
    const auto *instruction = list_item<InstructionRecord>(instructions, index);
    const char *bits = decoded + static_cast<size_t>(index) * width;
    if (!bits[0])
        return kClean;
    const Subject about = at.about(instruction);
    Severity result = kClean;
    if (instruction->kind != OXEL_INSTRUCTION_BYPASS)
        result |= about.error_if(all_ones(bits), "%s has the all-ones opcode \"%s\", which selects BYPASS",
                                 name_of(instruction), instruction->code);
    for (int32_t earlier = 0; earlier < index; earlier++) {
        const auto *other = list_item<InstructionRecord>(instructions, earlier);
        const char *other_bits = decoded + static_cast<size_t>(earlier) * width;
        // The same text twice is the designed check's warning, an all-ones
        // opcode of another instruction than BYPASS this check's error.
        if (!other || !other_bits[0] || same_instruction(other, instruction) ||
            all_ones_not_bypass(other, other_bits) || all_ones_not_bypass(instruction, bits) ||
            std::strcmp(other->code, instruction->code) == 0 || !bits_may_equal(other_bits, bits))
            continue;
        result |= about.error("Opcode \"%s\" of %s decodes to the opcode \"%s\" of %s", instruction->code,
                              name_of(instruction), other->code, name_of(other));
        break;
    }
    return result;
}

Severity check_register(const Subject &at, const InstructionRegisterRecord *reg, bool standard_stated) {
    const int32_t length = reg->length;
    if (length < 1 || length > kLongestReadRegister)
        return kClean;
    const int32_t width = length + 1;
    const int32_t count = list_count(reg->instructions);
    char *decoded = static_cast<char *>(mem_alloc(at.host, static_cast<size_t>(width) * (count + 1)));
    if (!decoded)
        return kError;
    char *capture_bits = decoded + static_cast<size_t>(count) * width;
    Severity result = check_capture_ends_in_01(at, reg, capture_bits);
    for (int32_t i = 0; i < count; i++) {
        const auto *instruction = list_item<InstructionRecord>(reg->instructions, i);
        char *bits = decoded + static_cast<size_t>(i) * width;
        if (!instruction || !instruction->code || !value_bits(instruction->code, length, bits))
            bits[0] = '\0';
    }
    if (!designed_bypass_warning(reg->instructions, standard_stated))
        result |= check_bypass_all_ones(at, reg->instructions, decoded, width);
    for (int32_t i = 0; i < count; i++)
        if (list_item<InstructionRecord>(reg->instructions, i))
            result |= check_opcode(at, reg->instructions, i, decoded, width);
    mem_free(at.host, decoded);
    return result;
}

}   // namespace

Severity check_strict_instructions(const Subject &at, const ComponentRecord *component, bool standard_stated) {
    Severity result = kClean;
    const ItemList *registers = component->instruction_registers;
    for (int32_t i = 0; i < list_count(registers); i++)
        if (const auto *reg = list_item<InstructionRegisterRecord>(registers, i))
            result |= check_register(at.about(reg), reg, standard_stated);
    return result;
}

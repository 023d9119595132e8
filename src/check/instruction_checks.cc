// Instruction register checks: the component's one instruction register and its instruction list
#include "check/instruction_checks.h"

#include <cstring>

#include "base/memory.h"
#include "check/display_names.h"
#include "check/register_values.h"
#include "check/register_walk.h"
#include "model/item_list.h"
#include "model/register_kinds.h"

namespace {

// What one instruction list has shown so far of the mandatory instructions.
struct Tally {
    int32_t extests;
    int32_t bypasses;
    int32_t all_ones_bypasses;      // BYPASS values without a '0'
    int32_t sample_preloads;
};

// The instructions whose values were met first, in list order; a later
// instruction with one of their values is named after them and not kept.
struct IdenticalCodes {
    const InstructionRecord **stored;   // room for every instruction of the list
    int32_t used;
};

// Every further register an instruction names must exist; a user
// instruction may leave gaps in its list.
Severity check_further_registers(const Subject &at, const ComponentChecks &checks,
                                 const InstructionRecord *instruction) {
    const ItemList *registers = instruction->registers;
    if (!list_holds_items(registers))
        return kClean;
    Severity result = kClean;
    for (int32_t i = 0; i < registers->count; i++) {
        const char *name = static_cast<const char *>(registers->items[i]);
        if (!name && instruction->kind != OXEL_INSTRUCTION_NAMED)
            result |= at.error("Registerlist number %d is null", i);
        else if (register_kind_named(at, checks.register_names, checks.component, name) == 0)
            result |= at.error("No register \"%s\" specified", name);
    }
    return result;
}

// Values compare as text, exactly: 0001 and 001 are different codes.
Severity check_identical_code(const Subject &at, IdenticalCodes *codes, const InstructionRecord *instruction,
                              int32_t instruction_count) {
    if (!instruction->code)
        return kClean;
    if (!codes->stored) {
        codes->stored = static_cast<const InstructionRecord **>(
            mem_alloc(at.host, sizeof(InstructionRecord *) * static_cast<size_t>(instruction_count)));
        if (!codes->stored)
            return kError;
    }
    for (int32_t i = 0; i < codes->used; i++) {
        const InstructionRecord *earlier = codes->stored[i];
        if (std::strcmp(earlier->code, instruction->code) == 0)
            return at.warning("Instructions %s and %s with identical code",
                              instruction_name(earlier->kind, earlier->name),
                              instruction_name(instruction->kind, instruction->name));
    }
    codes->stored[codes->used++] = instruction;
    return kClean;
}

// The mode an instruction runs in must be one every cell has. The message
// names the mode only once the walk has looked at a mode entry of some cell
// and the last one it looked at was present.
Severity check_modes_against_cells(const Subject &at, const ComponentRecord *component,
                                   const InstructionRecord *instruction, const char *name) {
    int32_t mode = instruction->mode;
    if ((mode != OXEL_MODE_EXTERNAL && mode != OXEL_MODE_HIGHZ && mode != OXEL_MODE_HIZ) ||
        !list_holds_items(component->cells))
        return kClean;
    Severity result = kClean;
    const CellModeRecord *last = nullptr;
    for (int32_t i = 0; i < component->cells->count; i++) {
        const auto *cell = static_cast<const CellRecord *>(component->cells->items[i]);
        if (!cell || !cell->modes)
            continue;
        int32_t supported = 0;
        for (int32_t m = 0; cell->modes->items && m < cell->modes->count; m++) {
            last = static_cast<const CellModeRecord *>(cell->modes->items[m]);
            if (last && last->mode == mode)
                supported++;
        }
        if (supported > 0)
            continue;
        if (last)
            result |= at.error("Mode \"%s\" (inst %s) not supported by cell \"%s\"", mode_code_name(mode), name,
                               show_name(cell->name));
        else
            result |= at.error("Mode (unknown) (inst %s) not supported by cell \"%s\"", name, show_name(cell->name));
    }
    return result;
}

// What an instruction counts for among the mandatory instructions.
void count_instruction(const InstructionRecord *instruction, Tally *tally) {
    switch (instruction->kind) {
    case OXEL_INSTRUCTION_EXTEST:
        tally->extests++;
        break;
    case OXEL_INSTRUCTION_BYPASS:
        tally->bypasses++;
        // An all-ones value is any value without a '0': 1X1 counts too.
        if (instruction->code && !std::strchr(instruction->code, '0'))
            tally->all_ones_bypasses++;
        break;
    case OXEL_INSTRUCTION_SAMPLE_PRELOAD:
        tally->sample_preloads++;
        break;
    default:
        break;
    }
}

// The mode each standard instruction kind must run in, one rule a line.
Severity check_kind_mode(const Subject &at, const InstructionRecord *instruction) {
    const int32_t mode = instruction->mode;
    switch (instruction->kind) {
    case OXEL_INSTRUCTION_EXTEST: return at.error_if(mode != OXEL_MODE_EXTERNAL, "The EXTEST instruction must run in EXTERNAL mode");
    case OXEL_INSTRUCTION_BYPASS: return at.error_if(mode != OXEL_MODE_SAMPLE, "The BYPASS instruction must run in SAMPLE mode");
    case OXEL_INSTRUCTION_SAMPLE_PRELOAD: return at.error_if(mode != OXEL_MODE_SAMPLE, "The SAMPLE/PRELOAD instruction must run in SAMPLE mode");
    case OXEL_INSTRUCTION_INTEST: return at.error_if(mode != OXEL_MODE_INTERNAL, "The INTEST instruction must run in INTERNAL mode");
    case OXEL_INSTRUCTION_RUNBIST: return at.error_if(mode != OXEL_MODE_INTERNAL, "The RUNBIST instruction must run in INTERNAL mode");
    case OXEL_INSTRUCTION_IDCODE: return at.error_if(mode != OXEL_MODE_SAMPLE, "The IDCODE instruction must run in SAMPLE mode");
    case OXEL_INSTRUCTION_USERCODE: return at.error_if(mode != OXEL_MODE_SAMPLE, "The USERCODE instruction must run in SAMPLE mode");
    case OXEL_INSTRUCTION_CLAMP: return at.error_if(mode != OXEL_MODE_EXTERNAL, "The CLAMP instruction must run in EXTERNAL mode");
    default: return kClean;   // HIGHZ runs in any mode
    }
}

// The register each standard instruction kind must connect between TDI and
// TDO, one rule a line; `kind` is the register kind of the one it names
// (-1 when none could be told).
Severity check_kind_register(const Subject &at, const InstructionRecord *instruction, int32_t kind) {
    const bool scan = kind == KIND_BOUNDARY_SCAN_REGISTER, bypass = kind == KIND_BYPASS_REGISTER;
    const bool id = kind == KIND_IDENTIFICATION_REGISTER;
    switch (instruction->kind) {
    case OXEL_INSTRUCTION_EXTEST: return at.error_if(!scan, "Illegal register connected between TDI and TDO with an extest instruction");
    case OXEL_INSTRUCTION_BYPASS: return at.error_if(!bypass, "Illegal register connected between TDI and TDO with a bypass instruction");
    case OXEL_INSTRUCTION_SAMPLE_PRELOAD: return at.error_if(!scan, "Illegal register connected between TDI and TDO with a sample/preload instruction");
    case OXEL_INSTRUCTION_INTEST: return at.error_if(!scan, "Illegal register connected between TDI and TDO with an intest instruction");
    case OXEL_INSTRUCTION_RUNBIST:
        return at.error_if(!scan && kind != KIND_BIST_REGISTER && kind != KIND_DATA_REGISTER,
                           "Illegal register connected between TDI and TDO with a runbist instruction");
    case OXEL_INSTRUCTION_IDCODE: return at.error_if(!id, "Illegal register connected between TDI and TDO with an idcode instruction");
    case OXEL_INSTRUCTION_USERCODE:
        return at.error_if(!id && kind != KIND_USERCODE_REGISTER,
                           "Illegal register (name = '%s', type = %d) connected between TDI and TDO with an usercode instruction",
                           show_name(instruction->register_name), kind);
    case OXEL_INSTRUCTION_CLAMP: return at.error_if(!bypass, "The CLAMP instruction requires the Bypass register between TDI and TDO");
    case OXEL_INSTRUCTION_HIGHZ: return at.error_if(!bypass, "The HIGHZ instruction requires the Bypass register between TDI and TDO");
    default: return kClean;
    }
}

// The mode and the connected register that the instruction's kind requires;
// a user instruction connects what it likes. The register is not judged
// while it is undefined (`judged` false): that has its own message.
Severity check_kind_rules(const Subject &at, const InstructionRecord *instruction, int32_t register_kind,
                          bool judged) {
    if (instruction->kind == OXEL_INSTRUCTION_NAMED)
        return at.error_if(!instruction->name, "Missing name in Userinstruction");
    Severity result = check_kind_mode(at, instruction);
    return judged ? result | check_kind_register(at, instruction, register_kind) : result;
}

// The register between TDI and TDO, the modes the cells must support and
// the rules of the kind.
Severity check_connection(const Subject &at, const ComponentChecks &checks, const InstructionRecord *instruction,
                          const char *name, Tally *tally) {
    Severity result = kClean;
    int32_t register_kind = -1;
    bool undefined = false;
    if (instruction->kind != OXEL_INSTRUCTION_NAMED) {
        register_kind = register_kind_named(at, checks.register_names, checks.component, instruction->register_name);
        undefined = register_kind == KIND_NO_REGISTER;
        result |= check_modes_against_cells(at, checks.component, instruction, name);
    }
    result |= check_kind_rules(at, instruction, register_kind, !undefined);
    count_instruction(instruction, tally);
    result |= at.error_if(undefined,
                          "Instruction \"%s\" is accessing an undefined register \"%s\"", name,
                          instruction->register_name);
    return result;
}

Severity check_mandatory_instructions(const Subject &at, const Tally &tally) {
    Severity result = kClean;
    result |= at.warning_if(tally.bypasses > 0 && tally.all_ones_bypasses == 0,
                            "No ByPass instructions with the required instruction value {111..1}");
    result |= at.error_if(tally.extests == 0, "Missing mandatory EXTEST instructions");
    result |= at.error_if(tally.bypasses == 0, "Missing mandatory BYPASS instructions");
    result |= at.error_if(tally.sample_preloads == 0, "Missing mandatory SAMPLE/PRELOAD instructions");
    return result;
}

// The instruction list of the register, about the register; each
// instruction about itself (nowhere for an absent one).
Severity check_instruction_list(const Subject &at, const ComponentChecks &checks, ItemList *instructions,
                                int32_t register_length) {
    if (!list_holds_items(instructions))
        return at.error("Missing instruction list in Instruction register");
    Severity result = kClean;
    Tally tally{};
    IdenticalCodes codes{};
    for (int32_t i = 0; i < instructions->count; i++) {
        auto *instruction = static_cast<InstructionRecord *>(instructions->items[i]);
        const Subject about = at.about(instruction);
        if (!instruction) {
            result |= about.error("Missing contents in instruction number %d", i);
            continue;
        }
        if (instruction->kind < OXEL_INSTRUCTION_EXTEST || instruction->kind > OXEL_INSTRUCTION_HIGHZ) {
            result |= about.error("Instruction number %d is unknown", i);
            continue;
        }
        const char *name = instruction_name(instruction->kind, instruction->name);
        if (!instruction->code)
            result |= about.warning("No instruction value in inst number %d", i);
        result |= check_further_registers(about, checks, instruction);
        remove_white_space(instruction->code);
        result |= check_value(about, register_length, name, instruction->code, kInstructionValue);
        result |= check_identical_code(about, &codes, instruction, instructions->count);
        // Once the list holds an error, no later instruction is examined and
        // no mandatory instruction asked for: what they would find rests on
        // a list already known to be wrong.
        if (has_error(result)) {
            mem_free(at.host, codes.stored);
            return result;
        }
        result |= check_connection(about, checks, instruction, name, &tally);
    }
    if (checks.standard_stated)
        result |= check_mandatory_instructions(at, tally);
    mem_free(at.host, codes.stored);
    return result;
}

// One instruction register, about itself.
Severity check_instruction_register_entry(const Subject &at, const ComponentChecks &checks,
                                          InstructionRegisterRecord *reg, int32_t index) {
    Severity result = kClean;
    const char *name = reg->name;
    if (!name) {
        result |= at.error("Missing Instruction-register name in register number %d", index);
        name = show_name(name);
    }
    result |= at.warning_if(!reg->purpose, "Missing Instruction-register purpose in \"%s\"", name);
    result |= at.error_if(reg->length < 2, "Instruction-register length is < 2 in \"%s\"", name);
    if (!reg->capture_value) {
        result |= at.error("Instruction-register capture missing in \"%s\"", name);
    } else {
        // The value checks get the name as stored: an absent one is theirs to report.
        remove_white_space(reg->capture_value);
        result |= check_value(at, reg->length, reg->name, reg->capture_value, kCaptureValue);
        result |= check_capture_status_list(at, "Instruction", reg->name, reg->capture_status, reg->length);
    }
    return result | check_instruction_list(at, checks, reg->instructions, reg->length);
}

}  // namespace

Severity check_instruction_register(const Subject &at, const ComponentChecks &checks) {
    // Only a component that states a standard must have the register.
    bool required = checks.standard_stated;
    return check_registers_of_kind<InstructionRegisterRecord>(
        at, checks.component->instruction_registers, required ? "Missing Instruction-register list" : nullptr,
        required ? "Missing Instruction register" : nullptr, "More than 1 Instruction register", nullptr,
        [&](const Subject &about, InstructionRegisterRecord *reg, int32_t index) {
            return check_instruction_register_entry(about, checks, reg, index);
        });
}

// Instruction checks: the instruction list of an instruction register
#include "check/instruction_checks.h"

#include <cstring>

#include "base/memory.h"
#include "base/messages.h"
#include "check/check_state.h"
#include "check/display_names.h"
#include "check/message_subject.h"
#include "check/register_name_table.h"
#include "check/register_values.h"
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

// What an instruction kind must run in and connect between TDI and TDO.
struct KindRule {
    int32_t mode;                       // the required mode; 0 for any
    const char *mode_error;
    int32_t registers[3];               // the allowed register kinds; 0 fills up
    const char *register_error;         // null for USERCODE: its message names the register
    int32_t Tally::*counter;            // the mandatory instruction it counts as, if any
};

// Indexed by InstructionKind - 1; a user instruction (8) has rules of its own.
constexpr KindRule kKindRules[] = {
    {OXEL_MODE_EXTERNAL, "The EXTEST instruction must run in EXTERNAL mode",
     {KIND_BOUNDARY_SCAN_REGISTER},
     "Illegal register connected between TDI and TDO with an extest instruction", &Tally::extests},
    {OXEL_MODE_SAMPLE, "The BYPASS instruction must run in SAMPLE mode",
     {KIND_BYPASS_REGISTER},
     "Illegal register connected between TDI and TDO with a bypass instruction", &Tally::bypasses},
    {OXEL_MODE_SAMPLE, "The SAMPLE/PRELOAD instruction must run in SAMPLE mode",
     {KIND_BOUNDARY_SCAN_REGISTER},
     "Illegal register connected between TDI and TDO with a sample/preload instruction",
     &Tally::sample_preloads},
    {OXEL_MODE_INTERNAL, "The INTEST instruction must run in INTERNAL mode",
     {KIND_BOUNDARY_SCAN_REGISTER},
     "Illegal register connected between TDI and TDO with an intest instruction", nullptr},
    {OXEL_MODE_INTERNAL, "The RUNBIST instruction must run in INTERNAL mode",
     {KIND_BOUNDARY_SCAN_REGISTER, KIND_BIST_REGISTER, KIND_DATA_REGISTER},
     "Illegal register connected between TDI and TDO with a runbist instruction", nullptr},
    {OXEL_MODE_SAMPLE, "The IDCODE instruction must run in SAMPLE mode",
     {KIND_IDENTIFICATION_REGISTER},
     "Illegal register connected between TDI and TDO with an idcode instruction", nullptr},
    {OXEL_MODE_SAMPLE, "The USERCODE instruction must run in SAMPLE mode",
     {KIND_IDENTIFICATION_REGISTER, KIND_USERCODE_REGISTER},
     nullptr, nullptr},
    {0, nullptr, {}, nullptr, nullptr},
    {OXEL_MODE_EXTERNAL, "The CLAMP instruction must run in EXTERNAL mode",
     {KIND_BYPASS_REGISTER},
     "The CLAMP instruction requires the Bypass register between TDI and TDO", nullptr},
    {0, nullptr,
     {KIND_BYPASS_REGISTER},
     "The HIGHZ instruction requires the Bypass register between TDI and TDO", nullptr},
};

bool is_empty(const ItemList *list) { return !list || list->count < 1 || !list->items; }

// Every further register an instruction names must exist; a user
// instruction may leave gaps in its list.
Severity check_register_list(HostContext *context, const ComponentRecord *component,
                             const InstructionRecord *instruction) {
    const ItemList *registers = instruction->registers;
    if (is_empty(registers))
        return kClean;
    Severity result = kClean;
    for (int32_t i = 0; i < registers->count; i++) {
        const char *name = static_cast<const char *>(registers->items[i]);
        if (!name && instruction->kind != OXEL_INSTRUCTION_NAMED) {
            report_error(context, "Registerlist number %d is null", i);
            result |= kError;
        } else if (register_name_table(context, component, name, kRegisterLookup) == 0) {
            report_error(context, "No register \"%s\" specified", name);
            result |= kError;
        }
    }
    return result;
}

// Values compare as text, exactly: 0001 and 001 are different codes.
Severity check_identical_code(HostContext *context, IdenticalCodes *codes,
                              const InstructionRecord *instruction, int32_t instruction_count) {
    if (!instruction->code)
        return kClean;
    if (!codes->stored) {
        codes->stored = static_cast<const InstructionRecord **>(
            mem_alloc(context, sizeof(InstructionRecord *) * static_cast<size_t>(instruction_count)));
        if (!codes->stored)
            return kError;
    }
    for (int32_t i = 0; i < codes->used; i++) {
        const InstructionRecord *earlier = codes->stored[i];
        if (std::strcmp(earlier->code, instruction->code) == 0) {
            report_warning(context, "Instructions %s and %s with identical code",
                           instruction_name(earlier->kind, earlier->name),
                           instruction_name(instruction->kind, instruction->name));
            return kWarning;
        }
    }
    codes->stored[codes->used++] = instruction;
    return kClean;
}

// The mode an instruction runs in must be one every cell has. The message
// names the mode only once the walk has looked at a mode entry of some cell
// and the last one it looked at was present.
Severity check_modes_against_cells(HostContext *context, const ComponentRecord *component,
                                   const InstructionRecord *instruction, const char *name) {
    int32_t mode = instruction->mode;
    if ((mode != OXEL_MODE_EXTERNAL && mode != OXEL_MODE_HIGHZ && mode != OXEL_MODE_HIZ) ||
        is_empty(component->cells))
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
            report_error(context, "Mode \"%s\" (inst %s) not supported by cell \"%s\"", mode_code_name(mode),
                         name, show_name(cell->name));
        else
            report_error(context, "Mode (unknown) (inst %s) not supported by cell \"%s\"", name,
                         show_name(cell->name));
        result = kError;
    }
    return result;
}

bool allows(const KindRule &rule, int32_t register_kind) {
    for (int32_t allowed : rule.registers)
        if (allowed != 0 && allowed == register_kind)
            return true;
    return false;
}

// The one register message that names the register and its kind.
void report_usercode_register(HostContext *context, const char *name, int32_t kind) {
    report_error(context,
        "Illegal register (name = '%s', type = %d) connected between TDI and TDO with an usercode instruction",
        show_name(name), kind);
}

// The mode and the connected register that the kind requires, and what the
// instruction counts for. The register is not judged while it is undefined:
// that has its own message.
Severity check_kind_rules(HostContext *context, const InstructionRecord *instruction, int32_t register_kind,
                          bool undefined, Tally *tally) {
    int32_t kind = instruction->kind;
    if (kind == OXEL_INSTRUCTION_NAMED) {
        if (instruction->name)
            return kClean;
        report_error(context, "Missing name in Userinstruction");
        return kError;
    }
    const KindRule &rule = kKindRules[kind - 1];
    Severity result = kClean;
    if (rule.mode != 0 && instruction->mode != rule.mode) {
        report_error(context, "%s", rule.mode_error);
        result |= kError;
    }
    if (!undefined && !allows(rule, register_kind)) {
        if (rule.register_error)
            report_error(context, "%s", rule.register_error);
        else
            report_usercode_register(context, instruction->register_name, register_kind);
        result |= kError;
    }
    if (rule.counter)
        tally->*rule.counter += 1;
    // An all-ones value is any value without a '0': 1X1 counts too.
    if (kind == OXEL_INSTRUCTION_BYPASS && instruction->code && !std::strchr(instruction->code, '0'))
        tally->all_ones_bypasses++;
    return result;
}

// The register between TDI and TDO, the modes the cells must support and
// the rules of the kind. A user instruction connects what it likes.
Severity check_connection(HostContext *context, const ComponentRecord *component,
                          const InstructionRecord *instruction, const char *name, Tally *tally) {
    Severity result = kClean;
    int32_t register_kind = -1;
    bool undefined = false;
    if (instruction->kind != OXEL_INSTRUCTION_NAMED) {
        register_kind = register_name_table(context, component, instruction->register_name, kRegisterLookup);
        undefined = register_kind == 0;
        result |= check_modes_against_cells(context, component, instruction, name);
    }
    result |= check_kind_rules(context, instruction, register_kind, undefined, tally);
    if (undefined) {
        report_error(context, "Instruction \"%s\" is accessing an undefined register \"%s\"", name,
                     instruction->register_name);
        result |= kError;
    }
    return result;
}

Severity check_mandatory_instructions(HostContext *context, const Tally &tally) {
    Severity result = kClean;
    if (tally.bypasses > 0 && tally.all_ones_bypasses == 0) {
        report_warning(context, "No ByPass instructions with the required instruction value {111..1}");
        result |= kWarning;
    }
    if (tally.extests == 0) {
        report_error(context, "Missing mandatory EXTEST instructions");
        result |= kError;
    }
    if (tally.bypasses == 0) {
        report_error(context, "Missing mandatory BYPASS instructions");
        result |= kError;
    }
    if (tally.sample_preloads == 0) {
        report_error(context, "Missing mandatory SAMPLE/PRELOAD instructions");
        result |= kError;
    }
    return result;
}

}  // namespace

Severity check_instruction_list(HostContext *context, const ComponentRecord *component,
                                ItemList *instructions, int32_t register_length) {
    if (is_empty(instructions)) {
        report_error(context, "Missing instruction list in Instruction register");
        return kError;
    }
    Severity result = kClean;
    Tally tally{};
    IdenticalCodes codes{};
    for (int32_t i = 0; i < instructions->count; i++) {
        auto *instruction = static_cast<InstructionRecord *>(instructions->items[i]);
        MessageSubject about(instruction);
        if (!instruction) {
            report_error(context, "Missing contents in instruction number %d", i);
            result |= kError;
            continue;
        }
        if (instruction->kind < OXEL_INSTRUCTION_EXTEST || instruction->kind > OXEL_INSTRUCTION_HIGHZ) {
            report_error(context, "Instruction number %d is unknown", i);
            result |= kError;
            continue;
        }
        const char *name = instruction_name(instruction->kind, instruction->name);
        if (!instruction->code) {
            report_warning(context, "No instruction value in inst number %d", i);
            result |= kWarning;
        }
        result |= check_register_list(context, component, instruction);
        remove_white_space(instruction->code);
        result |= check_value(context, register_length, name, instruction->code, kInstructionValue);
        result |= check_identical_code(context, &codes, instruction, instructions->count);
        // Once the list holds an error, no later instruction is examined and
        // no mandatory instruction asked for: what they would find rests on
        // a list already known to be wrong.
        if (has_error(result)) {
            mem_free(context, codes.stored);
            return result;
        }
        result |= check_connection(context, component, instruction, name, &tally);
    }
    if (g_check.standard_counter >= 1)
        result |= check_mandatory_instructions(context, tally);
    mem_free(context, codes.stored);
    return result;
}

// Register constructors: instruction, bypass, identification, BIST, data and boundary-scan registers
#include "model/register_constructors.h"

#include "model/cell_constructors.h"
#include "model/register_kinds.h"
#include "model/statement_routing.h"

namespace {

// The kind whose label names a register record type in its messages.
// Identification and usercode registers share the record and the label.
template <typename Register> constexpr RegisterKind kLabelKind = KIND_IDENTIFICATION_REGISTER;
template <> constexpr RegisterKind kLabelKind<InstructionRegisterRecord> = KIND_INSTRUCTION_REGISTER;
template <> constexpr RegisterKind kLabelKind<BoundaryScanRegisterRecord> = KIND_BOUNDARY_SCAN_REGISTER;
template <> constexpr RegisterKind kLabelKind<BypassRegisterRecord> = KIND_BYPASS_REGISTER;
template <> constexpr RegisterKind kLabelKind<BistRegisterRecord> = KIND_BIST_REGISTER;
template <> constexpr RegisterKind kLabelKind<DataRegisterRecord> = KIND_DATA_REGISTER;

}  // namespace

// What a register does not take is reported with its kind's label.
template <typename Register>
Register *make_register(HostContext *context, const SourceLocation &where, char *name, ItemList *items) {
    return build_from_statements<Register>(context, where, name, items, register_kind(kLabelKind<Register>)->label);
}

#define MAKE_REGISTER_OF(Register) \
    template Register *make_register(HostContext *, const SourceLocation &, char *, ItemList *);
MAKE_REGISTER_OF(InstructionRegisterRecord)
MAKE_REGISTER_OF(BoundaryScanRegisterRecord)
MAKE_REGISTER_OF(BypassRegisterRecord)
MAKE_REGISTER_OF(IdRegisterRecord)
MAKE_REGISTER_OF(BistRegisterRecord)
MAKE_REGISTER_OF(DataRegisterRecord)
#undef MAKE_REGISTER_OF

CaptureRecord *make_capture(HostContext *context, char *value, ItemList *status) {
    return new_record_of(context, CaptureRecord{status, value}, [&] {
        mem_free(context, value);
        list_release_with(context, status, release_capture_status);
    });
}

CaptureStatusRecord *make_capture_status(HostContext *context, char *value, char *description) {
    return new_record_of(context, CaptureStatusRecord{value, description},
                         [&] { free_blocks(context, {value, description}); });
}

PreloadRecord *make_preload(HostContext *context, char *register_name, char *value) {
    return new_record_of(context, PreloadRecord{register_name, 0, value},
                         [&] { free_blocks(context, {register_name, value}); });
}

InstructionRecord *make_instruction(HostContext *context, ModeSpecRecord *kind, char *code,
                                    char *register_name, ModeSpecRecord *mode, ItemList *registers) {
    InstructionRecord *instruction = new_record<InstructionRecord>(context);
    if (!instruction) {
        release_mode_spec(context, kind);
        free_blocks(context, {code, register_name});
        release_mode_spec(context, mode);
        list_release(context, registers);
        return nullptr;
    }
    take_mode_entry(context, kind, &instruction->kind, &instruction->name);
    instruction->code = code;
    instruction->register_name = register_name;
    take_mode_entry(context, mode, &instruction->mode, &instruction->mode_name);
    instruction->registers = registers;
    return instruction;
}

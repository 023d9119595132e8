// Register constructors: instruction, bypass, identification, BIST, data and boundary-scan registers
#include "model/component_records.h"
#include "model/register_kinds.h"
#include "model/statement_routing.h"

namespace {

// A register built from its statements; what it does not take is reported
// with its kind's label.
template <typename Register>
Register *build_register(HostContext *context, RegisterKind kind, char *name, ItemList *items) {
    return build_from_statements<Register>(context, name, items, register_kind(kind)->label);
}

}  // namespace

CaptureRecord *make_capture(HostContext *context, char *value, ItemList *status) {
    CaptureRecord *capture = new_record<CaptureRecord>(context);
    if (!capture) {
        mem_free(context, value);
        list_release_with(context, status, release_capture_status);
        return nullptr;
    }
    capture->status = status;
    capture->value = value;
    return capture;
}

CaptureStatusRecord *make_capture_status(HostContext *context, char *value, char *description) {
    CaptureStatusRecord *status = new_record<CaptureStatusRecord>(context);
    if (!status) {
        free_blocks(context, {value, description});
        return nullptr;
    }
    status->value = value;
    status->description = description;
    return status;
}

InstructionRegisterRecord *make_instruction_register(HostContext *context, char *name, ItemList *items) {
    return build_register<InstructionRegisterRecord>(context, KIND_INSTRUCTION_REGISTER, name, items);
}

BypassRegisterRecord *make_bypass_register(HostContext *context, char *name, ItemList *items) {
    return build_register<BypassRegisterRecord>(context, KIND_BYPASS_REGISTER, name, items);
}

// Identification and usercode registers share the record and the label.
IdRegisterRecord *make_id_register(HostContext *context, char *name, ItemList *items) {
    return build_register<IdRegisterRecord>(context, KIND_IDENTIFICATION_REGISTER, name,
                                                           items);
}

DataRegisterRecord *make_data_register(HostContext *context, char *name, ItemList *items) {
    return build_register<DataRegisterRecord>(context, KIND_DATA_REGISTER, name, items);
}

BistRegisterRecord *make_bist_register(HostContext *context, char *name, ItemList *items) {
    return build_register<BistRegisterRecord>(context, KIND_BIST_REGISTER, name, items);
}

BoundaryScanRegisterRecord *make_boundary_scan_register(HostContext *context, char *name, ItemList *items) {
    return build_register<BoundaryScanRegisterRecord>(context, KIND_BOUNDARY_SCAN_REGISTER,
                                                                        name, items);
}

PreloadRecord *make_preload(HostContext *context, char *register_name, char *value) {
    PreloadRecord *preload = new_record<PreloadRecord>(context);
    if (!preload) {
        free_blocks(context, {register_name, value});
        return nullptr;
    }
    preload->register_name = register_name;
    preload->value = value;
    return preload;
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

// Register constructors: instruction, bypass, identification, BIST, data and boundary-scan registers
#include "model/component_records.h"
#include "model/new_record.h"
#include "model/register_fields.h"
#include "model/register_kinds.h"
#include "model/statement_routing.h"
#include "model/tagged_item.h"

namespace {

int32_t integer_value(const TaggedItem *statement) { return static_cast<int32_t>(statement->value); }

// The statements every register kind takes, then the kind's own.
template <typename Register, bool (*take_own)(HostContext *, Register *, TaggedItem *)>
bool take_statement(HostContext *context, Register *reg, TaggedItem *s) {
    return take_register_field(context, register_fields(reg), s) || take_own(context, reg, s);
}

bool take_instruction_field(HostContext *context, InstructionRegisterRecord *reg, TaggedItem *s) {
    if (s->tag != TAG_INSTRUCTION_LIST)
        return false;
    take_record_list(context, &reg->instructions, s, release_instruction);
    return true;
}

// The bypass register takes only the shared statements.
bool take_no_field(HostContext *, BypassRegisterRecord *, TaggedItem *) { return false; }

bool take_id_field(HostContext *context, IdRegisterRecord *reg, TaggedItem *s) {
    switch (s->tag) {
    case TAG_MANUFACTURER_IDCODE: take_block(context, &reg->manufacturer, s); return true;
    case TAG_PARTNUMBER_IDCODE: take_block(context, &reg->part_number, s); return true;
    case TAG_VERSION_IDCODE: take_block(context, &reg->version, s); return true;
    case TAG_CONCATENATION: take_text_list(context, &reg->concatenation, s); return true;
    default: return false;
    }
}

// The statements the data and BIST registers share.
template <typename Register>
bool take_data_field(HostContext *context, Register *reg, TaggedItem *s) {
    switch (s->tag) {
    case TAG_CONCATENATION: take_text_list(context, &reg->concatenation, s); return true;
    case TAG_ALTERED_REGISTERS: take_text_list(context, &reg->altered_registers, s); return true;
    case TAG_PARALLEL_OUTPUTS: reg->parallel_outputs = integer_value(s); return true;
    default: return false;
    }
}

bool take_bist_field(HostContext *context, BistRegisterRecord *reg, TaggedItem *s) {
    switch (s->tag) {
    case TAG_PRELOAD: take_record(context, &reg->preload, s, release_preload); return true;
    case TAG_COVERAGE: take_block(context, &reg->coverage, s); return true;
    case TAG_CLOCK: take_record(context, &reg->clock, s, release_pin_ref); return true;
    case TAG_MIN_DURATION: take_block(context, &reg->min_duration, s); return true;
    default: return take_data_field(context, reg, s);
    }
}

bool take_chain_field(HostContext *context, BoundaryScanRegisterRecord *reg, TaggedItem *s) {
    if (s->tag != TAG_CHAIN_LIST)
        return false;
    take_record_list(context, &reg->chain, s, release_chain_element);
    return true;
}

// A register built from its statements; what it does not take is reported
// with its kind's label.
template <typename Register, bool (*take_own)(HostContext *, Register *, TaggedItem *)>
Register *build_register(HostContext *context, RegisterKind kind, char *name, ItemList *items) {
    return build_from_statements(context, name, items, register_kind(kind)->label,
                                 take_statement<Register, take_own>);
}

}  // namespace

bool take_register_field(HostContext *context, const RegisterFields &fields, TaggedItem *s) {
    switch (s->tag) {
    case TAG_PURPOSE:
        take_block(context, fields.purpose, s);
        return true;
    case TAG_LENGTH:
        *fields.length = integer_value(s);
        return true;
    case TAG_CAPTURE:
        if (!fields.capture_value)
            return false;
        take_capture(context, fields.capture_value, fields.capture_status, s);
        return true;
    default:
        return false;
    }
}

CaptureRecord *mkcapture(HostContext *context, char *value, ItemList *status) {
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

CaptureStatusRecord *mkcapturestatus(HostContext *context, char *value, char *description) {
    CaptureStatusRecord *status = new_record<CaptureStatusRecord>(context);
    if (!status) {
        free_blocks(context, {value, description});
        return nullptr;
    }
    status->value = value;
    status->description = description;
    return status;
}

InstructionRegisterRecord *mkinstructionregister(HostContext *context, char *name, ItemList *items) {
    return build_register<InstructionRegisterRecord, take_instruction_field>(
        context, KIND_INSTRUCTION_REGISTER, name, items);
}

BypassRegisterRecord *mkbypassregister(HostContext *context, char *name, ItemList *items) {
    return build_register<BypassRegisterRecord, take_no_field>(context, KIND_BYPASS_REGISTER, name, items);
}

// Identification and usercode registers share the record and the label.
IdRegisterRecord *mkidregister(HostContext *context, char *name, ItemList *items) {
    return build_register<IdRegisterRecord, take_id_field>(context, KIND_IDENTIFICATION_REGISTER, name,
                                                           items);
}

DataRegisterRecord *mkdataregister(HostContext *context, char *name, ItemList *items) {
    return build_register<DataRegisterRecord, take_data_field>(context, KIND_DATA_REGISTER, name, items);
}

BistRegisterRecord *mkbistregister(HostContext *context, char *name, ItemList *items) {
    return build_register<BistRegisterRecord, take_bist_field>(context, KIND_BIST_REGISTER, name, items);
}

BoundaryScanRegisterRecord *mkbsregister(HostContext *context, char *name, ItemList *items) {
    return build_register<BoundaryScanRegisterRecord, take_chain_field>(context, KIND_BOUNDARY_SCAN_REGISTER,
                                                                        name, items);
}

PreloadRecord *mkpreload(HostContext *context, char *register_name, char *value) {
    PreloadRecord *preload = new_record<PreloadRecord>(context);
    if (!preload) {
        free_blocks(context, {register_name, value});
        return nullptr;
    }
    preload->register_name = register_name;
    preload->value = value;
    return preload;
}

InstructionRecord *mkinstruction(HostContext *context, ModeSpecRecord *kind, char *code,
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

// Register constructors: instruction, bypass, identification, BIST, data and boundary-scan registers
#include "model/component_records.h"
#include "model/statement_routing.h"
#include "model/tagged_item.h"

namespace {

// Allocates a register record holding its name; on failure the name and
// the statements are released.
template <typename Register>
Register *new_register(HostContext *context, char *name, ItemList *items) {
    Register *reg = static_cast<Register *>(mem_alloc(context, sizeof(Register)));
    if (!reg) {
        mem_free(context, name);
        release_statements(context, items);
        return nullptr;
    }
    reg->name = name;
    return reg;
}

int32_t integer_value(const TaggedItem *statement) { return static_cast<int32_t>(statement->value); }

}  // namespace

CaptureRecord *mkcapture(HostContext *context, char *value, ItemList *status) {
    CaptureRecord *capture = static_cast<CaptureRecord *>(mem_alloc(context, sizeof(CaptureRecord)));
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
    CaptureStatusRecord *status =
        static_cast<CaptureStatusRecord *>(mem_alloc(context, sizeof(CaptureStatusRecord)));
    if (!status) {
        mem_free(context, value);
        mem_free(context, description);
        return nullptr;
    }
    status->value = value;
    status->description = description;
    return status;
}

InstructionRegisterRecord *mkinstructionregister(HostContext *context, char *name, ItemList *items) {
    InstructionRegisterRecord *reg = new_register<InstructionRegisterRecord>(context, name, items);
    if (!reg)
        return nullptr;
    for (int32_t i = 0; i < statement_count(items); i++) {
        TaggedItem *s = statement_at(items, i);
        switch (s->tag) {
        case TAG_PURPOSE: take_block(context, &reg->purpose, s); break;
        case TAG_LENGTH: reg->length = integer_value(s); break;
        case TAG_CAPTURE: take_capture(context, &reg->capture_value, &reg->capture_status, s); break;
        case TAG_INSTRUCTION_LIST: take_record_list(context, &reg->instructions, s, release_instruction); break;
        default: report_illegal_statement(context, s, "Instructionregister", name);
        }
    }
    release_statements(context, items);
    return reg;
}

BypassRegisterRecord *mkbypassregister(HostContext *context, char *name, ItemList *items) {
    BypassRegisterRecord *reg = new_register<BypassRegisterRecord>(context, name, items);
    if (!reg)
        return nullptr;
    for (int32_t i = 0; i < statement_count(items); i++) {
        TaggedItem *s = statement_at(items, i);
        switch (s->tag) {
        case TAG_PURPOSE: take_block(context, &reg->purpose, s); break;
        case TAG_LENGTH: reg->length = integer_value(s); break;
        case TAG_CAPTURE: take_capture(context, &reg->capture_value, &reg->capture_status, s); break;
        default: report_illegal_statement(context, s, "ByPassregister", name);
        }
    }
    release_statements(context, items);
    return reg;
}

IdRegisterRecord *mkidregister(HostContext *context, char *name, ItemList *items) {
    IdRegisterRecord *reg = new_register<IdRegisterRecord>(context, name, items);
    if (!reg)
        return nullptr;
    for (int32_t i = 0; i < statement_count(items); i++) {
        TaggedItem *s = statement_at(items, i);
        switch (s->tag) {
        case TAG_PURPOSE: take_block(context, &reg->purpose, s); break;
        case TAG_LENGTH: reg->length = integer_value(s); break;
        case TAG_CAPTURE: take_capture(context, &reg->capture_value, &reg->capture_status, s); break;
        case TAG_MANUFACTURER_IDCODE: take_block(context, &reg->manufacturer, s); break;
        case TAG_PARTNUMBER_IDCODE: take_block(context, &reg->part_number, s); break;
        case TAG_VERSION_IDCODE: take_block(context, &reg->version, s); break;
        case TAG_CONCATENATION: take_text_list(context, &reg->concatenation, s); break;
        default: report_illegal_statement(context, s, "ID or USERCODE register", name);
        }
    }
    release_statements(context, items);
    return reg;
}

DataRegisterRecord *mkdataregister(HostContext *context, char *name, ItemList *items) {
    DataRegisterRecord *reg = new_register<DataRegisterRecord>(context, name, items);
    if (!reg)
        return nullptr;
    for (int32_t i = 0; i < statement_count(items); i++) {
        TaggedItem *s = statement_at(items, i);
        switch (s->tag) {
        case TAG_PURPOSE: take_block(context, &reg->purpose, s); break;
        case TAG_LENGTH: reg->length = integer_value(s); break;
        case TAG_CAPTURE: take_capture(context, &reg->capture_value, &reg->capture_status, s); break;
        case TAG_CONCATENATION: take_text_list(context, &reg->concatenation, s); break;
        case TAG_ALTERED_REGISTERS: take_text_list(context, &reg->altered_registers, s); break;
        case TAG_PARALLEL_OUTPUTS: reg->parallel_outputs = integer_value(s); break;
        default: report_illegal_statement(context, s, "Dataregister", name);
        }
    }
    release_statements(context, items);
    return reg;
}

BistRegisterRecord *mkbistregister(HostContext *context, char *name, ItemList *items) {
    BistRegisterRecord *reg = new_register<BistRegisterRecord>(context, name, items);
    if (!reg)
        return nullptr;
    for (int32_t i = 0; i < statement_count(items); i++) {
        TaggedItem *s = statement_at(items, i);
        switch (s->tag) {
        case TAG_PURPOSE: take_block(context, &reg->purpose, s); break;
        case TAG_LENGTH: reg->length = integer_value(s); break;
        case TAG_CAPTURE: take_capture(context, &reg->capture_value, &reg->capture_status, s); break;
        case TAG_CONCATENATION: take_text_list(context, &reg->concatenation, s); break;
        case TAG_PRELOAD: take_record(context, &reg->preload, s, release_preload); break;
        case TAG_COVERAGE: take_block(context, &reg->coverage, s); break;
        case TAG_CLOCK: take_record(context, &reg->clock, s, release_pin_ref); break;
        case TAG_MIN_DURATION: take_block(context, &reg->min_duration, s); break;
        case TAG_ALTERED_REGISTERS: take_text_list(context, &reg->altered_registers, s); break;
        case TAG_PARALLEL_OUTPUTS: reg->parallel_outputs = integer_value(s); break;
        default: report_illegal_statement(context, s, "BISTregister", name);
        }
    }
    release_statements(context, items);
    return reg;
}

BoundaryScanRegisterRecord *mkbsregister(HostContext *context, char *name, ItemList *items) {
    BoundaryScanRegisterRecord *reg = new_register<BoundaryScanRegisterRecord>(context, name, items);
    if (!reg)
        return nullptr;
    for (int32_t i = 0; i < statement_count(items); i++) {
        TaggedItem *s = statement_at(items, i);
        switch (s->tag) {
        case TAG_PURPOSE: take_block(context, &reg->purpose, s); break;
        case TAG_LENGTH: reg->length = integer_value(s); break;
        case TAG_CHAIN_LIST: take_record_list(context, &reg->chain, s, release_chain_element); break;
        default: report_illegal_statement(context, s, "BoundaryScanregister", name);
        }
    }
    release_statements(context, items);
    return reg;
}

PreloadRecord *mkpreload(HostContext *context, char *register_name, char *value) {
    PreloadRecord *preload = static_cast<PreloadRecord *>(mem_alloc(context, sizeof(PreloadRecord)));
    if (!preload) {
        mem_free(context, register_name);
        mem_free(context, value);
        return nullptr;
    }
    preload->register_name = register_name;
    preload->value = value;
    return preload;
}

InstructionRecord *mkinstruction(HostContext *context, ModeSpecRecord *kind, char *code,
                                 char *register_name, ModeSpecRecord *mode, ItemList *registers) {
    InstructionRecord *instruction =
        static_cast<InstructionRecord *>(mem_alloc(context, sizeof(InstructionRecord)));
    if (!instruction) {
        release_mode_spec(context, kind);
        mem_free(context, code);
        mem_free(context, register_name);
        release_mode_spec(context, mode);
        list_release(context, registers);
        return nullptr;
    }
    if (kind) {
        instruction->kind = kind->code;
        instruction->name = kind->name;
        mem_free(context, kind);
    }
    instruction->code = code;
    instruction->register_name = register_name;
    if (mode) {
        instruction->mode = mode->code;
        instruction->mode_name = mode->name;
        mem_free(context, mode);
    }
    instruction->registers = registers;
    return instruction;
}

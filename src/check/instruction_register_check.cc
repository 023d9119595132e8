// Instruction register check: the component's one instruction register
#include "base/messages.h"
#include "check/check_state.h"
#include "check/component_checks.h"
#include "check/instruction_checks.h"
#include "check/message_subject.h"
#include "check/register_values.h"

namespace {

Severity check_register(HostContext *context, const ComponentRecord *component,
                        InstructionRegisterRecord *reg, int32_t index) {
    MessageSubject about(reg);
    Severity result = kClean;
    const char *name = reg->name;
    if (!name) {
        report_error(context, "Missing Instruction-register name in register number %d", index);
        result |= kError;
        name = show_name(name);
    }
    if (!reg->purpose) {
        report_warning(context, "Missing Instruction-register purpose in \"%s\"", name);
        result |= kWarning;
    }
    if (reg->length < 2) {
        report_error(context, "Instruction-register length is < 2 in \"%s\"", name);
        result |= kError;
    }
    if (!reg->capture_value) {
        report_error(context, "Instruction-register capture missing in \"%s\"", name);
        result |= kError;
    } else {
        // The value checks get the name as stored: an absent one is theirs to report.
        remove_white_space(reg->capture_value);
        result |= check_value(context, reg->length, reg->name, reg->capture_value, kCaptureValue);
        result |= check_capture_status_list(context, "Instruction", reg->name, reg->capture_status,
                                            reg->length);
    }
    return result | check_instruction_list(context, component, reg->instructions, reg->length);
}

}  // namespace

Severity check_instruction_register(HostContext *context, ComponentRecord *component) {
    const ItemList *registers = component->instruction_registers;
    bool required = g_check.standard_counter >= 1;
    if (!registers) {
        if (!required)
            return kClean;
        report_error(context, "Missing Instruction-register list");
        return kError;
    }
    if (registers->count < 1 || !registers->items) {
        if (!required)
            return kClean;
        report_error(context, "Missing Instruction register");
        return kError;
    }
    Severity result = kClean;
    if (registers->count > 1) {
        report_error(context, "More than 1 Instruction register");
        result |= kError;
    }
    for (int32_t i = 0; i < registers->count; i++)
        if (auto *reg = static_cast<InstructionRegisterRecord *>(registers->items[i]))
            result |= check_register(context, component, reg, i);
    return result;
}

// Bypass, identification, usercode, BIST and data register checks
#include "check/data_register_checks.h"

#include "base/messages.h"
#include "check/check_state.h"
#include "check/message_subject.h"
#include "check/pin_reference.h"
#include "check/register_name_table.h"
#include "check/register_values.h"
#include "model/register_fields.h"
#include "model/register_kinds.h"

namespace {

// The registers of a kind that a component lists; null when it lists none
// (no list, an empty one, or one without its entry array).
const ItemList *listed_registers(const ComponentRecord *component, RegisterKind kind) {
    const ItemList *list = registers_in(component, *register_kind(kind));
    return list && list->count >= 1 && list->items ? list : nullptr;
}

// Walks the registers of one kind: `more_than_one` is the error for a second
// register where the kind allows one only (null: any number), `missing_entry`
// the error for an absent list entry (null: it is passed over).
template <typename Register>
Severity check_register_list(HostContext *context, const ComponentRecord *component, const ItemList *registers,
                             const char *more_than_one, const char *missing_entry,
                             Severity (*check_one)(HostContext *, const ComponentRecord *, Register *)) {
    if (!registers)
        return kClean;
    Severity result = kClean;
    if (more_than_one && registers->count > 1) {
        report_error(context, "%s", more_than_one);
        result |= kError;
    }
    for (int32_t i = 0; i < registers->count; i++) {
        if (auto *reg = static_cast<Register *>(registers->items[i])) {
            MessageSubject about(reg);
            result |= check_one(context, component, reg);
        } else if (missing_entry) {
            report_error(context, "%s", missing_entry);
            result |= kError;
        }
    }
    return result;
}

// The capture check of a register with a capture value: the value is cleaned
// in place and measured against the register's length, then the capture
// status list is checked under `kind_word` (the bypass register, null, has
// none checked). The value checks get the name as stored: an absent one is
// theirs to report.
Severity check_capture(HostContext *context, const RegisterFields &reg, const char *kind_word) {
    remove_white_space(*reg.capture_value);
    Severity result = check_value(context, *reg.length, *reg.name, *reg.capture_value, kCaptureValue);
    if (kind_word)
        result |= check_capture_status_list(context, kind_word, *reg.name, *reg.capture_status, *reg.length);
    return result;
}

// The kind of the register a name stands for: 0 when no register of the
// component has it (an absent name included), -1 when the register name
// table could not be built, which the allocator has reported.
int32_t named_register_kind(HostContext *context, const ComponentRecord *component, const char *name) {
    return name ? register_name_table(context, component, name, kRegisterLookup) : 0;
}

// Calls visit(entry, kind) for each entry of a list of register names, an
// absent entry shown as "(noname)". A name table that cannot be built ends
// the walk with an error and no finding of its own.
template <typename Visit>
Severity each_named_register(HostContext *context, const ComponentRecord *component, const ItemList *names,
                             Visit visit) {
    Severity result = kClean;
    for (int32_t i = 0; names && names->items && i < names->count; i++) {
        const char *entry = static_cast<const char *>(names->items[i]);
        int32_t kind = named_register_kind(context, component, entry);
        if (kind < 0)
            return result | kError;
        result |= visit(show_name(entry), kind);
    }
    return result;
}

// Calls unknown(entry) for each concatenated register the component does not have.
template <typename Unknown>
Severity check_concatenation(HostContext *context, const ComponentRecord *component, const ItemList *names,
                             Unknown unknown) {
    return each_named_register(context, component, names, [&](const char *entry, int32_t kind) {
        if (kind != 0)
            return kClean;
        unknown(entry);
        return kError;
    });
}

// Calls unknown(entry) for each altered register the component does not
// have, and illegal(entry) for each it has that is neither the boundary-scan
// register nor a data register: no other register can be altered.
template <typename Unknown, typename Illegal>
Severity check_altered_registers(HostContext *context, const ComponentRecord *component, const ItemList *names,
                                 Unknown unknown, Illegal illegal) {
    return each_named_register(context, component, names, [&](const char *entry, int32_t kind) {
        if (kind == KIND_BOUNDARY_SCAN_REGISTER || kind == KIND_DATA_REGISTER)
            return kClean;
        if (kind == 0)
            unknown(entry);
        else
            illegal(entry);
        return kError;
    });
}

Severity check_bypass_register(HostContext *context, const ComponentRecord *, BypassRegisterRecord *reg) {
    Severity result = kClean;
    if (!reg->name) {
        report_error(context, "Missing Bypass-register name");
        result |= kError;
    }
    const char *name = show_name(reg->name);
    if (!reg->purpose) {
        report_warning(context, "Missing Bypass-register purpose in \"%s\"", name);
        result |= kWarning;
    }
    if (reg->length > 1) {
        report_warning(context, "Bypass-register length more than one in \"%s\"", name);
        result |= kWarning;
    }
    if (!reg->capture_value) {
        report_warning(context, "Missing Bypass-register capture in \"%s\"", name);
        return result | kWarning;
    }
    result |= check_capture(context, register_fields(reg), nullptr);
    // A bypass register captures zeros: every other character is a warning of its own.
    for (const char *c = reg->capture_value; *c; c++) {
        if (*c != '0') {
            report_warning(context, "Bypass-register capture value in \"%s\" is not '0'", name);
            result |= kWarning;
        }
    }
    return result;
}

Severity check_identification_register(HostContext *context, const ComponentRecord *component,
                                       IdRegisterRecord *reg) {
    Severity result = kClean;
    if (!reg->name) {
        report_error(context, "Missing Identification-register name");
        result |= kError;
    }
    const char *name = show_name(reg->name);
    if (!reg->purpose) {
        report_warning(context, "Mising Identification-register purpose in IR \"%s\"", name);
        result |= kWarning;
    }
    if (reg->length == 0) {
        report_error(context, "Zero Identification-register length in \"%s\"", name);
        result |= kError;
    } else if (reg->length != 32) {
        report_warning(context, "Identification register \"%s\" with illegal length (%d)", name, reg->length);
        result |= kWarning;
    }
    if (reg->capture_value)
        result |= check_capture(context, register_fields(reg), "Identification");
    if (!reg->manufacturer) {
        report_error(context, "Missing Manufacturer in Identification register \"%s\"", name);
        result |= kError;
    }
    if (!reg->part_number) {
        report_error(context, "Missing PartNumber in Identification register \"%s\"", name);
        result |= kError;
    }
    if (!reg->version) {
        report_error(context, "Missing version code in Identification register \"%s\"", name);
        result |= kError;
    }
    return result | check_concatenation(context, component, reg->concatenation, [&](const char *entry) {
               report_error(context, "Unknown register concatenation \"%s\" in ID reg \"%s\"", entry, name);
           });
}

Severity check_usercode_register(HostContext *context, const ComponentRecord *component, IdRegisterRecord *reg) {
    Severity result = kClean;
    if (!reg->name) {
        report_error(context, "Missing UserCode-register name");
        result |= kError;
    }
    const char *name = show_name(reg->name);
    if (!reg->purpose) {
        report_warning(context, "Missing UserCode-register purpose in \"%s\"", name);
        result |= kWarning;
    }
    if (reg->length == 0) {
        report_error(context, "UserCode-register length is 0 in \"%s\"", name);
        result |= kError;
    } else if (reg->length != 32) {
        report_warning(context, "UserCode register \"%s\" with illegal length (%d)", name, reg->length);
        result |= kWarning;
    }
    if (reg->capture_value)
        result |= check_capture(context, register_fields(reg), "UserCode");
    return result | check_concatenation(context, component, reg->concatenation, [&](const char *entry) {
               report_error(context, "Unknown register concatenation \"%s\" in UC reg \"%s\"", entry, name);
           });
}

// The preload names a register and the value shifted into it, which is
// measured against that register's length when some register has the name.
Severity check_preload(HostContext *context, const ComponentRecord *component, BistRegisterRecord *reg,
                       const char *name) {
    PreloadRecord *preload = reg->preload;
    if (!preload)
        return kClean;
    Severity result = kClean;
    if (!preload->register_name) {
        report_error(context, "Missing preload name in BIST register \"%s\"", name);
        result |= kError;
    } else if (int32_t kind = named_register_kind(context, component, preload->register_name); kind <= 0) {
        if (kind == 0)
            report_error(context, "Unknown preload register \"%s\" in BIST register \"%s\"",
                         preload->register_name, name);
        result |= kError;
    }
    if (!preload->value) {
        report_warning(context, "Missing preload value in BIST register \"%s\"", name);
        return result | kWarning;
    }
    int32_t target_length = register_length(component, preload->register_name);
    if (target_length == -1)
        return result;
    remove_white_space(preload->value);
    return result | check_value(context, target_length, reg->name, preload->value, kPreloadValue);
}

Severity check_bist_clock(HostContext *context, const PinRefRecord *clock, const char *name) {
    Severity result = kClean;
    if (!clock || !clock->name) {
        report_warning(context, "BIST clock is undefined in register \"%s\"", name);
        result |= kWarning;
    } else if (const char *reason = nullptr; resolve_pin_reference(context, clock, &reason) != kPinRefValid) {
        report_error(context, "Invalid clock pin reference \"%s\" in BIST register \"%s\", Reason: %s",
                     clock->name, name, reason ? reason : "unknown error");
        result |= kError;
    }
    // Whatever the resolution gave: one warning told in two counted messages.
    if (clock && clock->kind == OXEL_PINREF_ELEMENTS) {
        report_warning(context, "Reference to multiple bus elements from clock pin (%s)",
                       clock->name ? clock->name : "undefined pin");
        report_warning(context, "in BIST register \"%s\"", name);
        result |= kWarning;
    }
    return result;
}

Severity check_bist_register(HostContext *context, const ComponentRecord *component, BistRegisterRecord *reg) {
    Severity result = kClean;
    if (!reg->name) {
        report_error(context, "Missing BIST-register name");
        result |= kError;
    }
    const char *name = show_name(reg->name);
    if (!reg->purpose) {
        report_warning(context, "Missing BIST-register purpose in \"%s\"", name);
        result |= kWarning;
    }
    if (reg->length == 0) {
        report_error(context, "BIST-register length is 0 in \"%s\"", name);
        result |= kError;
    }
    if (!reg->capture_value) {
        report_error(context, "Missing BIST-register capture in \"%s\"", name);
        result |= kError;
    } else {
        result |= check_capture(context, register_fields(reg), "BIST");
    }
    result |= check_preload(context, component, reg, name);
    if (!reg->coverage) {
        report_warning(context, "BIST coverage is undefined in \"%s\"", name);
        result |= kWarning;
    } else if (!(*reg->coverage >= 0)) {
        report_warning(context, "BIST coverage is less than 0 in \"%s\"", name);
        result |= kWarning;
    }
    result |= check_bist_clock(context, reg->clock, name);
    if (!reg->min_duration) {
        report_warning(context, "Unspecified minimumduration in BIST reg \"%s\"", name);
        result |= kWarning;
    }
    result |= check_altered_registers(
        context, component, reg->altered_registers,
        [&](const char *entry) {
            report_error(context, "Unknown altered register \"%s\" in BIST register \"%s\"", entry, name);
        },
        [&](const char *entry) {
            report_error(context, "Illegal register alteration \"%s\" in BIST reg \"%s\"", entry, name);
        });
    return result | check_concatenation(context, component, reg->concatenation, [&](const char *entry) {
               report_error(context, "Unknown register concatenation \"%s\" in BIST reg \"%s\"", entry, name);
           });
}

Severity check_data_register(HostContext *context, const ComponentRecord *component, DataRegisterRecord *reg) {
    Severity result = kClean;
    if (!reg->name) {
        report_error(context, "Missing name in Data register");
        result |= kError;
    }
    const char *name = show_name(reg->name);
    if (!reg->purpose) {
        report_warning(context, "Missing Data-register purpose in \"%s\"", name);
        result |= kWarning;
    }
    if (reg->length == 0) {
        report_error(context, "Data-register length is 0 in \"%s\"", name);
        result |= kError;
    }
    if (!reg->capture_value) {
        report_error(context, "Missing Data-register capture in \"%s\"", name);
        result |= kError;
    } else {
        result |= check_capture(context, register_fields(reg), "Data");
    }
    result |= check_altered_registers(
        context, component, reg->altered_registers,
        [&](const char *entry) {
            report_error(context, "Unknown altered register \"%s\" in DATA register \"%s\"", entry, name);
        },
        [&](const char *entry) {
            report_error(context, "Illegal register alteration \"%s\" in Data reg \"%s\"", entry, name);
        });
    return result | check_concatenation(context, component, reg->concatenation, [&](const char *entry) {
               report_error(context, "Unknown register concatenation \"%s\" in DATA reg \"%s\"", entry, name);
           });
}

}  // namespace

Severity check_bypass_registers(HostContext *context, ComponentRecord *component) {
    const ItemList *registers = listed_registers(component, KIND_BYPASS_REGISTER);
    // Only a component that states a standard must have a bypass register.
    if (!registers) {
        if (g_check.standard_counter < 1)
            return kClean;
        report_error(context, "Missing Bypass-register list");
        return kError;
    }
    return check_register_list(context, component, registers, "More than 1 Bypass register", nullptr,
                               check_bypass_register);
}

Severity check_identification_registers(HostContext *context, ComponentRecord *component) {
    return check_register_list(context, component, listed_registers(component, KIND_IDENTIFICATION_REGISTER),
                               "More than 1 Identification register", nullptr, check_identification_register);
}

Severity check_usercode_registers(HostContext *context, ComponentRecord *component) {
    return check_register_list(context, component, listed_registers(component, KIND_USERCODE_REGISTER),
                               "More than 1 UserCode register", "Missing Usercode register in register list",
                               check_usercode_register);
}

Severity check_bist_registers(HostContext *context, ComponentRecord *component) {
    return check_register_list(context, component, listed_registers(component, KIND_BIST_REGISTER),
                               "More than 1 BIST register", "Missing BIST register in register list",
                               check_bist_register);
}

Severity check_data_registers(HostContext *context, ComponentRecord *component) {
    return check_register_list(context, component, listed_registers(component, KIND_DATA_REGISTER), nullptr,
                               "Missing Data register in register list", check_data_register);
}

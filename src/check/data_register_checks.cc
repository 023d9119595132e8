// Bypass, identification, usercode, BIST and data register checks
#include "check/data_register_checks.h"

#include "check/pin_reference.h"
#include "check/register_values.h"
#include "check/register_walk.h"
#include "model/register_fields.h"
#include "model/register_kinds.h"

namespace {

// The capture check of a register with a capture value: the value is cleaned
// in place and measured against the register's length, then the capture
// status list is checked under `kind_word` (the bypass register, null, has
// none checked). The value checks get the name as stored: an absent one is
// theirs to report.
Severity check_capture(const Subject &at, const RegisterFields &reg, const char *kind_word) {
    remove_white_space(*reg.capture_value);
    Severity result = check_value(at, *reg.length, *reg.name, *reg.capture_value, kCaptureValue);
    if (kind_word)
        result |= check_capture_status_list(at, kind_word, *reg.name, *reg.capture_status, *reg.length);
    return result;
}

// The kind of the register a name stands for: 0 when no register of the
// component has it (an absent name included), -1 when the register name
// table could not be built, which the allocator has reported.
int32_t named_register_kind(const Subject &at, const ComponentChecks &checks, const char *name) {
    return name ? register_kind_named(at, checks.register_names, checks.component, name) : 0;
}

// Calls visit(entry, kind) for each entry of a list of register names, an
// absent entry shown as "(noname)". A name table that cannot be built ends
// the walk with an error and no finding of its own.
template <typename Visit>
Severity each_named_register(const Subject &at, const ComponentChecks &checks, const ItemList *names, Visit visit) {
    Severity result = kClean;
    for (int32_t i = 0; names && names->items && i < names->count; i++) {
        const char *entry = static_cast<const char *>(names->items[i]);
        int32_t kind = named_register_kind(at, checks, entry);
        if (kind < 0)
            return result | kError;
        result |= visit(show_name(entry), kind);
    }
    return result;
}

// Calls unknown(entry) for each concatenated register the component does
// not have; each gives kError.
template <typename Unknown>
Severity check_concatenation(const Subject &at, const ComponentChecks &checks, const ItemList *names,
                             Unknown unknown) {
    return each_named_register(at, checks, names, [&](const char *entry, int32_t kind) {
        return kind != 0 ? kClean : unknown(entry);
    });
}

// The registers a BIST or a data register alters, and those it concatenates,
// with the texts of its kind (`bist`): an altered register must be the
// boundary-scan register or a data register, and every register named must
// be one the component has.
Severity check_alterations(const Subject &at, const ComponentChecks &checks, const ItemList *altered,
                           const ItemList *concatenated, const char *name, bool bist) {
    Severity result = each_named_register(at, checks, altered, [&](const char *entry, int32_t kind) {
        if (kind == KIND_BOUNDARY_SCAN_REGISTER || kind == KIND_DATA_REGISTER)
            return kClean;
        if (kind == KIND_NO_REGISTER)
            return bist ? at.error("Unknown altered register \"%s\" in BIST register \"%s\"", entry, name)
                        : at.error("Unknown altered register \"%s\" in DATA register \"%s\"", entry, name);
        return bist ? at.error("Illegal register alteration \"%s\" in BIST reg \"%s\"", entry, name)
                    : at.error("Illegal register alteration \"%s\" in Data reg \"%s\"", entry, name);
    });
    return result | check_concatenation(at, checks, concatenated, [&](const char *entry) {
               return bist ? at.error("Unknown register concatenation \"%s\" in BIST reg \"%s\"", entry, name)
                           : at.error("Unknown register concatenation \"%s\" in DATA reg \"%s\"", entry, name);
           });
}

Severity check_bypass_register(const Subject &at, BypassRegisterRecord *reg) {
    Severity result = at.error_if(!reg->name, "Missing Bypass-register name");
    const char *name = show_name(reg->name);
    result |= at.warning_if(!reg->purpose, "Missing Bypass-register purpose in \"%s\"", name);
    result |= at.warning_if(reg->length > 1, "Bypass-register length more than one in \"%s\"", name);
    if (!reg->capture_value)
        return result | at.warning("Missing Bypass-register capture in \"%s\"", name);
    result |= check_capture(at, register_fields(reg), nullptr);
    // A bypass register captures zeros: every other character is a warning of its own.
    for (const char *c = reg->capture_value; *c; c++)
        result |= at.warning_if(*c != '0', "Bypass-register capture value in \"%s\" is not '0'", name);
    return result;
}

// Identification and usercode registers share their rules, each kind with
// texts of its own; an identification register also names its maker, part
// and version.
Severity check_code_register(const Subject &at, const ComponentChecks &checks, IdRegisterRecord *reg,
                             bool usercode) {
    Severity result = kClean;
    if (!reg->name)
        result |= usercode ? at.error("Missing UserCode-register name")
                           : at.error("Missing Identification-register name");
    const char *name = show_name(reg->name);
    if (!reg->purpose)
        result |= usercode ? at.warning("Missing UserCode-register purpose in \"%s\"", name)
                           : at.warning("Mising Identification-register purpose in IR \"%s\"", name);
    if (reg->length == 0)
        result |= usercode ? at.error("UserCode-register length is 0 in \"%s\"", name)
                           : at.error("Zero Identification-register length in \"%s\"", name);
    else if (reg->length != 32)
        result |= usercode ? at.warning("UserCode register \"%s\" with illegal length (%d)", name, reg->length)
                           : at.warning("Identification register \"%s\" with illegal length (%d)", name, reg->length);
    if (reg->capture_value)
        result |= check_capture(at, register_fields(reg), usercode ? "UserCode" : "Identification");
    if (!usercode) {
        result |= at.error_if(!reg->manufacturer, "Missing Manufacturer in Identification register \"%s\"", name);
        result |= at.error_if(!reg->part_number, "Missing PartNumber in Identification register \"%s\"", name);
        result |= at.error_if(!reg->version, "Missing version code in Identification register \"%s\"", name);
    }
    return result | check_concatenation(at, checks, reg->concatenation, [&](const char *entry) {
               return usercode ? at.error("Unknown register concatenation \"%s\" in UC reg \"%s\"", entry, name)
                               : at.error("Unknown register concatenation \"%s\" in ID reg \"%s\"", entry, name);
           });
}

// The preload names a register and the value shifted into it, which is
// measured against that register's length when some register has the name.
Severity check_preload(const Subject &at, const ComponentChecks &checks, BistRegisterRecord *reg, const char *name) {
    PreloadRecord *preload = reg->preload;
    if (!preload)
        return kClean;
    Severity result = kClean;
    if (!preload->register_name) {
        result |= at.error("Missing preload name in BIST register \"%s\"", name);
    } else if (int32_t kind = named_register_kind(at, checks, preload->register_name); kind <= 0) {
        if (kind == KIND_NO_REGISTER)
            at.error("Unknown preload register \"%s\" in BIST register \"%s\"", preload->register_name, name);
        result |= kError;
    }
    if (!preload->value)
        return result | at.warning("Missing preload value in BIST register \"%s\"", name);
    int32_t target_length = register_length(checks.component, preload->register_name);
    if (target_length == -1)
        return result;
    remove_white_space(preload->value);
    return result | check_value(at, target_length, reg->name, preload->value, kPreloadValue);
}

Severity check_bist_clock(const Subject &at, const ComponentChecks &checks, const PinRefRecord *clock,
                          const char *name) {
    Severity result = kClean;
    if (!clock || !clock->name)
        result |= at.warning("BIST clock is undefined in register \"%s\"", name);
    else if (const char *reason = nullptr; resolve_pin_reference(checks.tables, clock, &reason) != kPinRefValid)
        result |= at.error("Invalid clock pin reference \"%s\" in BIST register \"%s\", Reason: %s", clock->name,
                           name, reason ? reason : "unknown error");
    // Whatever the resolution gave: one warning told in two counted messages.
    if (clock && clock->kind == OXEL_PINREF_ELEMENTS) {
        result |= at.warning("Reference to multiple bus elements from clock pin (%s)",
                             clock->name ? clock->name : "undefined pin");
        result |= at.warning("in BIST register \"%s\"", name);
    }
    return result;
}

Severity check_bist_register(const Subject &at, const ComponentChecks &checks, BistRegisterRecord *reg) {
    Severity result = at.error_if(!reg->name, "Missing BIST-register name");
    const char *name = show_name(reg->name);
    result |= at.warning_if(!reg->purpose, "Missing BIST-register purpose in \"%s\"", name);
    result |= at.error_if(reg->length == 0, "BIST-register length is 0 in \"%s\"", name);
    result |= reg->capture_value ? check_capture(at, register_fields(reg), "BIST")
                                 : at.error("Missing BIST-register capture in \"%s\"", name);
    result |= check_preload(at, checks, reg, name);
    if (!reg->coverage)
        result |= at.warning("BIST coverage is undefined in \"%s\"", name);
    else if (!(*reg->coverage >= 0))
        result |= at.warning("BIST coverage is less than 0 in \"%s\"", name);
    result |= check_bist_clock(at, checks, reg->clock, name);
    result |= at.warning_if(!reg->min_duration, "Unspecified minimumduration in BIST reg \"%s\"", name);
    return result | check_alterations(at, checks, reg->altered_registers, reg->concatenation, name, true);
}

Severity check_data_register(const Subject &at, const ComponentChecks &checks, DataRegisterRecord *reg) {
    Severity result = at.error_if(!reg->name, "Missing name in Data register");
    const char *name = show_name(reg->name);
    result |= at.warning_if(!reg->purpose, "Missing Data-register purpose in \"%s\"", name);
    result |= at.error_if(reg->length == 0, "Data-register length is 0 in \"%s\"", name);
    result |= reg->capture_value ? check_capture(at, register_fields(reg), "Data")
                                 : at.error("Missing Data-register capture in \"%s\"", name);
    return result | check_alterations(at, checks, reg->altered_registers, reg->concatenation, name, false);
}

}  // namespace

Severity check_bypass_registers(const Subject &at, const ComponentChecks &checks) {
    // Only a component that states a standard must have a bypass register.
    const char *missing = checks.standard_stated ? "Missing Bypass-register list" : nullptr;
    return check_registers_of_kind<BypassRegisterRecord>(
        at, checks.component->bypass_registers, missing, missing, "More than 1 Bypass register", nullptr,
        [&](const Subject &about, BypassRegisterRecord *reg, int32_t) { return check_bypass_register(about, reg); });
}

Severity check_identification_registers(const Subject &at, const ComponentChecks &checks) {
    return check_registers_of_kind<IdRegisterRecord>(
        at, checks.component->identification_registers, nullptr, nullptr, "More than 1 Identification register",
        nullptr, [&](const Subject &about, IdRegisterRecord *reg, int32_t) {
            return check_code_register(about, checks, reg, false);
        });
}

Severity check_usercode_registers(const Subject &at, const ComponentChecks &checks) {
    return check_registers_of_kind<IdRegisterRecord>(
        at, checks.component->usercode_registers, nullptr, nullptr, "More than 1 UserCode register",
        "Missing Usercode register in register list",
        [&](const Subject &about, IdRegisterRecord *reg, int32_t) {
            return check_code_register(about, checks, reg, true);
        });
}

Severity check_bist_registers(const Subject &at, const ComponentChecks &checks) {
    return check_registers_of_kind<BistRegisterRecord>(
        at, checks.component->bist_registers, nullptr, nullptr, "More than 1 BIST register",
        "Missing BIST register in register list",
        [&](const Subject &about, BistRegisterRecord *reg, int32_t) {
            return check_bist_register(about, checks, reg);
        });
}

Severity check_data_registers(const Subject &at, const ComponentChecks &checks) {
    return check_registers_of_kind<DataRegisterRecord>(
        at, checks.component->data_registers, nullptr, nullptr, nullptr, "Missing Data register in register list",
        [&](const Subject &about, DataRegisterRecord *reg, int32_t) {
            return check_data_register(about, checks, reg);
        });
}

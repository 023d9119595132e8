// Strict register rules: the bypass register's length and the identification code, held to IEEE 1149.1
#include "check/strict_register_rules.h"

#include <cctype>
#include <cstring>

#include "check/value_bits.h"
#include "model/item_list.h"

namespace {

constexpr int32_t kIdcodeLength = 32;
// The manufacturer code no manufacturer has: with the final 1 it is the
// eight ones that end a chain's identification codes.
constexpr const char *kReservedManufacturer = "00001111111";

// One field of the identification code: its statement, its bits as the
// capture value holds them (bit 31 first) and its text in the record.
struct IdcodeField {
    const char *statement;
    int32_t first_bit;   // the highest bit of the field
    int32_t width;
};
constexpr IdcodeField kIdcodeFields[] = {
    {"VERSION_IDCODE", 31, 4},
    {"PARTNUMBER_IDCODE", 27, 16},
    {"MANUFACTURER_IDCODE", 11, 11},
};

const char *field_text(const IdRegisterRecord *reg, int32_t index) {
    switch (index) {
    case 0:
        return reg->version;
    case 1:
        return reg->part_number;
    default:
        return reg->manufacturer;
    }
}

const char *name_of(const IdRegisterRecord *reg) { return reg->name ? reg->name : "(noname)"; }

// `text` without its white space, cut to fit `room` bytes.
void without_blanks(const char *text, char *clean, size_t room) {
    size_t n = 0;
    for (; *text && n + 1 < room; text++)
        if (!std::isspace(static_cast<unsigned char>(*text)))
            clean[n++] = *text;
    clean[n] = '\0';
}

Severity check_bypass_register(const Subject &at, const BypassRegisterRecord *reg) {
    return at.error_if(reg->length < 1, "Bypass register \"%s\" has %d bits: it has one",
                       reg->name ? reg->name : "(noname)", reg->length);
}

// A field against its bits of the capture value (`capture` empty where the
// capture gives no 32 bits): a field of another width, or a known bit that
// differs. The field's bits go to `bits`.
Severity check_field(const Subject &at, const IdRegisterRecord *reg, int32_t index, const char *capture, char *bits) {
    const IdcodeField &field = kIdcodeFields[index];
    const char *text = field_text(reg, index);
    bits[0] = '\0';
    if (!text)
        return kClean;   // the designed check asks for it
    char clean[160];
    without_blanks(text, clean, sizeof clean);
    if (!value_bits(clean, field.width, bits))
        return at.error("%s \"%s\" of \"%s\" is not %d bits", field.statement, text, name_of(reg), field.width);
    if (!capture[0])
        return kClean;
    const char *own = capture + (kIdcodeLength - 1 - field.first_bit);
    for (int32_t i = 0; i < field.width; i++)
        if (own[i] != bits[i] && own[i] != 'X' && bits[i] != 'X')
            return at.error("%s \"%s\" of \"%s\" differs from bits %d to %d of its capture value", field.statement,
                            text, name_of(reg), field.first_bit, field.first_bit - field.width + 1);
    return kClean;
}

Severity check_identification_register(const Subject &at, const IdRegisterRecord *reg) {
    Severity result = kClean;
    char capture[kIdcodeLength + 1] = "";
    if (reg->length >= 1 && reg->length <= kIdcodeLength) {
        char bits[kIdcodeLength + 1];
        if (value_bits(reg->capture_value, reg->length, bits)) {
            result |= at.error_if(bits[reg->length - 1] == '0',
                                  "Identification-register capture value \"%s\" of \"%s\" ends in 0: it must end in 1",
                                  reg->capture_value, name_of(reg));
            if (reg->length == kIdcodeLength)
                std::memcpy(capture, bits, sizeof capture);
        }
    }
    bool reserved = capture[0] && std::strncmp(capture + kIdcodeLength - 12, kReservedManufacturer, 11) == 0;
    for (int32_t i = 0; i < 3; i++) {
        char bits[32];
        result |= check_field(at, reg, i, capture, bits);
        if (i == 2 && bits[0] && std::strcmp(bits, kReservedManufacturer) == 0)
            reserved = true;
    }
    result |= at.error_if(reserved, "Identification register \"%s\" has the reserved manufacturer code %s",
                          name_of(reg), kReservedManufacturer);
    return result;
}

}   // namespace

Severity check_strict_registers(const Subject &at, const ComponentRecord *component) {
    Severity result = kClean;
    for (int32_t i = 0; i < list_count(component->bypass_registers); i++)
        if (const auto *reg = list_item<BypassRegisterRecord>(component->bypass_registers, i))
            result |= check_bypass_register(at.about(reg), reg);
    for (int32_t i = 0; i < list_count(component->identification_registers); i++)
        if (const auto *reg = list_item<IdRegisterRecord>(component->identification_registers, i))
            result |= check_identification_register(at.about(reg), reg);
    return result;
}

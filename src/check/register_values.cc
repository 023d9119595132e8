// Register values: cleaning, classifying and measuring bit-pattern literals
#include "check/register_values.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#include "base/memory.h"
#include "base/text_input.h"

namespace {

constexpr const char *kBinaryDigits = "01X";
constexpr const char *kTernaryDigits = "012";
constexpr const char *kOctalDigits = "01234567";
constexpr const char *kDecimalDigits = "0123456789";
constexpr const char *kHexadecimalDigits = "0123456789ABCDEF";

// Literals this long are left out of the illegal-characters messages.
constexpr size_t kLongLiteral = 128;

// Upper case in the classic locale; bytes above 127 stay as they are.
char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool in_set(char c, const char *set) {
    c = upper(c);
    return c != '\0' && std::strchr(set, c) != nullptr;
}

// True when every character of text[first, last) is in `set`.
bool all_in(const char *text, size_t first, size_t last, const char *set) {
    for (size_t i = first; i < last; i++)
        if (!in_set(text[i], set))
            return false;
    return true;
}

// Binary first, then each wider base in turn, from `first` to the end.
int32_t classify_digits(const char *text, size_t first, size_t n, bool octal) {
    if (all_in(text, first, n, kBinaryDigits))
        return kBinaryLiteral;
    if (octal && all_in(text, first, n, kOctalDigits))
        return kOctalLiteral;
    return all_in(text, first, n, kDecimalDigits) ? kDecimalLiteral : kIllegalLiteral;
}

// Binary, else hexadecimal, for the digits from after 0X up to `last`.
int32_t classify_prefixed_binary(const char *text, size_t last) {
    if (all_in(text, 2, last, kBinaryDigits))
        return kBinaryLiteral;
    return all_in(text, 2, last, kHexadecimalDigits) ? kHexadecimalLiteral : kIllegalLiteral;
}

// The bits of the decimal number that the digits at the start of `text`
// write: 1 for 0 and 1. A number wider than 64 bits is built in 32-bit limbs
// so that a long literal is measured exactly instead of overflowing; -1
// after a reported allocation failure.
int64_t decimal_bit_length(HostContext *context, const char *text) {
    while (*text == '0')
        text++;
    size_t digits = 0;
    while (text[digits] >= '0' && text[digits] <= '9')
        digits++;
    if (digits == 0)
        return 1;
    if (digits <= 19) {
        uint64_t value = 0;
        for (size_t i = 0; i < digits; i++)
            value = value * 10 + static_cast<uint64_t>(text[i] - '0');
        return std::bit_width(value);
    }
    // Least significant limb first; nine digits at a time keep every
    // product below 2^64. Each nine digits add fewer than 30 bits.
    size_t capacity = digits / 9 + 2;
    auto *limbs = static_cast<uint32_t *>(mem_alloc(context, capacity * sizeof(uint32_t)));
    if (!limbs)
        return -1;
    size_t used = 0;
    for (size_t at = 0; at < digits; at += 9) {
        size_t take = std::min<size_t>(9, digits - at);
        uint64_t carry = 0, scale = 1;
        for (size_t i = 0; i < take; i++) {
            carry = carry * 10 + static_cast<uint64_t>(text[at + i] - '0');
            scale *= 10;
        }
        for (size_t i = 0; i < used; i++) {
            uint64_t product = limbs[i] * scale + carry;
            limbs[i] = static_cast<uint32_t>(product);
            carry = product >> 32;
        }
        if (carry)
            limbs[used++] = static_cast<uint32_t>(carry);
    }
    int64_t bits = static_cast<int64_t>(used - 1) * 32 + std::bit_width(limbs[used - 1]);
    mem_free(context, limbs);
    return bits;
}

// The width in bits of a literal of the given class; -1 after a reported
// allocation failure.
int64_t literal_bit_length(HostContext *context, const char *text, int32_t literal_class) {
    auto n = static_cast<int64_t>(std::strlen(text));
    switch (literal_class) {
    case kDecimalLiteral:
        return decimal_bit_length(context, text);
    case kOctalLiteral:
        return 3 * (n - 1);
    case kHexadecimalLiteral:
        return 4 * n - (text[0] == '0' && upper(text[1]) == 'X' ? 8 : 0);
    case kTernaryLiteral:
        // Each digit after 0T gets the two bits that a ternary digit needs
        // at most, a fixed field per digit as octal and hexadecimal digits
        // get, so the width follows from how the literal is written and a
        // value fits a register exactly when its digits do.
        return 2 * (n - 2);
    case kBinaryLiteral:
        return n - (upper(text[n - 1]) == 'B' ? 1 : 0);
    default:
        return n;
    }
}

void report_illegal_characters(const Subject &at, const char *owner_name, const char *literal, int32_t kind) {
    bool is_long = std::strlen(literal) >= kLongLiteral;
    if (kind == kInstructionValue) {
        if (is_long)
            at.error("Instruction value of \"%s\" contains illegal characters", owner_name);
        else
            at.error("Instruction value \"%s\" of \"%s\" contains illegal characters",
                     literal, owner_name);
    } else if (is_long) {
        at.error("Capture value of \"%s\" contains illegal characters", owner_name);
    } else {
        at.error("Capture value \"%s\" of \"%s\" contains illegal characters", literal,
                 owner_name);
    }
}

void report_length(const Subject &at, const char *owner_name, int32_t register_length, int32_t bits, int32_t kind) {
    switch (kind) {
    case kPreloadValue:
        at.error("Length of preload in bist register \"%s\" not equal to target register length (%d vs %d)",
                 owner_name, register_length, bits);
        break;
    case kCaptureStatusValue:
        at.error("Capture status length in \"%s\" not equal to register length (%d vs %d)",
                 owner_name, register_length, bits);
        break;
    case kInstructionValue:
        at.error("Instruction length in \"%s\" not equal to register length (%d vs %d)",
                 owner_name, register_length, bits);
        break;
    default:
        at.error("Capture length of \"%s\" not equal to register length (%d vs %d)",
                 owner_name, register_length, bits);
        break;
    }
}

}  // namespace

void remove_white_space(char *text) {
    if (!text)
        return;
    char *out = text;
    for (const char *in = text; *in; in++)
        if (!is_white_space(*in))
            *out++ = *in;
    *out = '\0';
}

// The rules run in a fixed order and binary wins wherever it fits: 0X10 is
// the pattern 0, X, 1, 0, and 0101 is binary rather than octal.
int32_t classify_literal(const char *text) {
    size_t n = text ? std::strlen(text) : 0;
    if (n == 0)
        return kIllegalLiteral;
    char first = upper(text[0]);
    char second = upper(text[1]);
    char last = upper(text[n - 1]);
    bool zero_x = first == '0' && second == 'X';

    // a single character
    if (n == 1) {
        if (in_set(first, kBinaryDigits))
            return kBinaryLiteral;
        return in_set(first, kDecimalDigits) ? kDecimalLiteral : kIllegalLiteral;
    }
    // the suffix B: a binary pattern, or hexadecimal digits after 0X
    if (last == 'B') {
        if (zero_x)
            return n <= 3 ? kBinaryLiteral : classify_prefixed_binary(text, n - 1);
        return all_in(text, 0, n - 1, kBinaryDigits) ? kBinaryLiteral : kIllegalLiteral;
    }
    // the suffix D: decimal, or hexadecimal digits after 0X
    if (last == 'D') {
        if (zero_x)
            return n <= 3 || all_in(text, 2, n - 1, kHexadecimalDigits) ? kHexadecimalLiteral
                                                                        : kIllegalLiteral;
        return all_in(text, 0, n - 1, kDecimalDigits) ? kDecimalLiteral : kIllegalLiteral;
    }
    // a leading 0, by the character after it
    if (first == '0') {
        if (second == 'X')
            return n < 3 ? kBinaryLiteral : classify_prefixed_binary(text, n);
        if (second == 'T') {
            if (n < 3)
                return kTernaryLiteral;
            return all_in(text, 2, n, kTernaryDigits) ? kTernaryLiteral : kIllegalLiteral;
        }
        if (second == '0' || second == '1')
            return n < 3 ? kBinaryLiteral : classify_digits(text, 2, n, true);
        return classify_digits(text, 1, n, false);
    }
    // a leading 1
    if (first == '1')
        return classify_digits(text, 1, n, false);
    // a leading don't-care
    if (first == 'X')
        return all_in(text, 1, n, kBinaryDigits) ? kBinaryLiteral : kIllegalLiteral;
    // anything else
    return all_in(text, 0, n, kDecimalDigits) ? kDecimalLiteral : kIllegalLiteral;
}

Severity check_value(const Subject &at, int32_t register_length, const char *owner_name, const char *literal,
                     int32_t kind) {
    if (!owner_name || !literal) {
        at.error("No register name");
        return kError;
    }
    Severity result = kClean;
    int32_t literal_class = classify_literal(literal);
    if (literal_class == kIllegalLiteral) {
        report_illegal_characters(at, owner_name, literal, kind);
        result = kError;
    }
    int64_t bits = literal_bit_length(at.host, literal, literal_class);
    if (bits < 0)
        return kError;
    bool numeric = literal_class >= kDecimalLiteral && literal_class <= kTernaryLiteral;
    if (bits == register_length || (numeric && bits < register_length))
        return result;
    report_length(at, owner_name, register_length,
                  static_cast<int32_t>(std::min<int64_t>(bits, INT32_MAX)), kind);
    return kError;
}

Severity check_capture_status_list(const Subject &at, const char *kind_word, const char *register_name,
                                   const ItemList *statuses, int32_t register_length) {
    if (!statuses || statuses->count < 1 || !statuses->items)
        return kClean;
    Severity result = kClean;
    for (int32_t i = 0; i < statuses->count; i++) {
        // An absent entry has neither a value nor a description.
        auto *status = static_cast<CaptureStatusRecord *>(statuses->items[i]);
        char *value = status ? status->value : nullptr;
        if (value) {
            remove_white_space(value);
            result |= check_value(at, register_length, register_name, value, kCaptureStatusValue);
        } else {
            at.error("Capture status value nr %d is null in %s register \"%s\"", i,
                     show_text(kind_word), show_text(register_name));
            result |= kError;
        }
        if (!status || !status->description) {
            at.error("Capture status description %d is null in %s register \"%s\"", i,
                     show_text(kind_word), show_text(register_name));
            result |= kError;
        }
    }
    return result;
}

// Value bits: a register value or opcode read as the bits it stands for
#include "check/value_bits.h"

#include <cstring>

#include "check/register_values.h"

namespace {

int digit_value(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The value of the digits [first, last) in `base`; false when one is no
// digit of the base or the value needs more than 64 bits.
bool read_number(const char *text, size_t first, size_t last, unsigned base, uint64_t *value) {
    *value = 0;
    if (first >= last)
        return false;
    for (size_t i = first; i < last; i++) {
        int digit = digit_value(text[i]);
        if (digit < 0 || static_cast<unsigned>(digit) >= base)
            return false;
        if (*value > (UINT64_MAX - static_cast<unsigned>(digit)) / base)
            return false;
        *value = *value * base + static_cast<unsigned>(digit);
    }
    return true;
}

bool write_number(uint64_t value, int32_t length, char *bits) {
    if (length < 64 && (value >> length) != 0)
        return false;
    for (int32_t i = length - 1; i >= 0; i--) {
        bits[i] = (value & 1) ? '1' : '0';
        value >>= 1;
    }
    bits[length] = '\0';
    return true;
}

bool write_pattern(const char *text, size_t n, int32_t length, char *bits) {
    if (n != static_cast<size_t>(length))
        return false;
    for (size_t i = 0; i < n; i++)
        bits[i] = text[i] == 'x' ? 'X' : text[i];
    bits[n] = '\0';
    return true;
}

bool is_letter(char c, char upper_case) { return c == upper_case || c == upper_case - 'A' + 'a'; }

}   // namespace

bool value_bits(const char *literal, int32_t length, char *bits) {
    bits[0] = '\0';
    if (!literal || length < 1)
        return false;
    const size_t n = std::strlen(literal);
    uint64_t value = 0;
    bool read = false;
    switch (classify_literal(literal)) {
    case kBinaryLiteral:
        read = write_pattern(literal, is_letter(literal[n - 1], 'B') && n > 1 ? n - 1 : n, length, bits);
        break;
    case kDecimalLiteral: {
        // The leading decimal integer: a marked number ends before its d.
        size_t last = 0;
        while (last < n && literal[last] >= '0' && literal[last] <= '9')
            last++;
        read = read_number(literal, 0, last, 10, &value) && write_number(value, length, bits);
        break;
    }
    case kOctalLiteral:
        read = read_number(literal, 1, n, 8, &value) && write_number(value, length, bits);
        break;
    case kHexadecimalLiteral:
        // Written 0x...: a final D is one of its digits, as its length counts it.
        read = n > 2 && read_number(literal, 2, n, 16, &value) && write_number(value, length, bits);
        break;
    default:
        break;
    }
    if (!read)
        bits[0] = '\0';
    return read;
}

bool bits_may_equal(const char *a, const char *b) {
    for (; *a && *b; a++, b++)
        if (*a != *b && *a != 'X' && *b != 'X')
            return false;
    return *a == *b;
}

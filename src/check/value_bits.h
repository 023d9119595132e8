// Value bits: a register value or opcode read as the bits it stands for
#pragma once

#include <cstdint>

// Reads a literal (white space already removed) as `length` bits, the most
// significant first, each '0', '1' or 'X' (a bit of no fixed value),
// written to `bits` (length + 1 bytes, ending in a zero byte). A bit pattern
// gives its own bits; a decimal, octal or hexadecimal number gives its value
// with zeros in front. False, and `bits` empty, for a literal that gives no
// such bits: an illegal one, a pattern of another length, a number wider
// than `length` or than 64 bits, and the 0T form, which is read no further.
bool value_bits(const char *literal, int32_t length, char *bits);

// Whether two readings of one length may be the same value: at every bit
// they agree or one of them is X.
bool bits_may_equal(const char *a, const char *b);

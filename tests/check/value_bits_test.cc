// Value bits: what each written form of a value stands for, bit by bit
#include <gtest/gtest.h>

#include <string>

#include "check/value_bits.h"

namespace {

// The bits of a literal for a register of `length`, or "(none)".
std::string bits_of(const char *literal, int32_t length) {
    char bits[80];
    return value_bits(literal, length, bits) ? std::string(bits) : "(none)";
}

}   // namespace

TEST(ValueBits, EachFormGivesItsBitsAndAValueThatDoesNotFitGivesNone) {
    const struct {
        const char *literal;
        int32_t length;
        const char *bits;
    } cases[] = {
        {"0101", 4, "0101"},
        {"0x10", 4, "0X10"},   // binary wherever it fits: 0, X, 1, 0
        {"1x1", 3, "1X1"},
        {"0101b", 4, "0101"},
        {"15", 4, "1111"},
        {"15d", 8, "00001111"},
        {"16", 4, "(none)"},
        {"017", 8, "00001111"},
        {"0x0F", 8, "00001111"},
        {"0x1D", 8, "00011101"},   // a final D of a hexadecimal number is a digit
        {"0T12", 4, "(none)"},
        {"0G", 2, "(none)"},
        {"010", 4, "(none)"},
        {"7", 3, "111"},
        {"0", 1, "0"},
        {"", 1, "(none)"},
        {"18446744073709551615", 64, "1111111111111111111111111111111111111111111111111111111111111111"},
        {"18446744073709551616", 70, "(none)"},   // more than 64 bits are not read
    };
    for (const auto &c : cases)
        EXPECT_EQ(bits_of(c.literal, c.length), c.bits) << c.literal << " in " << c.length << " bits";
    char bits[4];
    EXPECT_FALSE(value_bits(nullptr, 3, bits));
    EXPECT_FALSE(value_bits("1", 0, bits));
}

TEST(ValueBits, AnXMayBeEitherBitAndLengthsMustAgree) {
    EXPECT_TRUE(bits_may_equal("01X", "010"));
    EXPECT_TRUE(bits_may_equal("XXX", "101"));
    EXPECT_FALSE(bits_may_equal("01X", "000"));
    EXPECT_FALSE(bits_may_equal("01", "010"));
}

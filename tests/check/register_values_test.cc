// Register values: classification, bit lengths, messages and capture status lists
#include "base/memory.h"
#include "check/register_values.h"
#include "support/recorder.h"

TEST(ClassifyLiteral, FollowsTheRulesInOrderWithBinaryFirst) {
    const std::pair<const char *, int32_t> cases[] = {
        {"", 0}, {"X", 5}, {"x", 5}, {"7", 1}, {"a", 0}, {"\xE9", 0}, {"0X10", 5}, {"0x1F", 3},
        {"0X", 5}, {"0XG", 0}, {"0101", 5}, {"0123", 2}, {"0189", 1}, {"0234", 1}, {"00", 5},
        {"0A", 0}, {"0101b", 5}, {"0xb", 5}, {"0x10B", 5}, {"0x1Fb", 3}, {"0x1Gb", 0}, {"12b", 0},
        {"15d", 1}, {"0xd", 3}, {"0x1FD", 3}, {"1Xd", 0}, {"0T", 4}, {"0t012", 4}, {"0T3", 0},
        {"1X0", 5}, {"12", 1}, {"1\xC3", 0}, {"X01", 5}, {"X2", 0}, {"234", 1}, {"-5", 0},
    };
    for (const auto &[literal, expected] : cases)
        EXPECT_EQ(classify_literal(literal), expected) << literal;
    EXPECT_EQ(classify_literal(nullptr), kIllegalLiteral);
}

namespace {

std::string capture_length(int32_t length, int32_t bits) {
    return "Capture length of \"R\" not equal to register length (" + std::to_string(length) + " vs " +
           std::to_string(bits) + ")";
}

}  // namespace

// Accepted (bits -1), or the length error with the literal's width in bits.
TEST(CheckValue, MeasuresEachClassAgainstTheRegisterLength) {
    const std::tuple<const char *, int32_t, int32_t> cases[] = {
        {"0101", 4, -1}, {"010", 4, 3}, {"01010", 4, 5}, {"0101b", 4, -1}, {"12", 4, -1}, {"15", 4, -1},
        {"16", 4, 5}, {"0x0F", 4, 8}, {"0x0F", 8, -1}, {"017", 8, -1}, {"017", 5, 6}, {"X", 1, -1},
        {"7", 2, 3}, {"1", 0, 1}, {"15d", 3, 4}, {"0T12", 3, 4}, {"0T12", 5, -1}, {"0T", 0, -1},
        {"18446744073709551615", 64, -1}, {"18446744073709551616", 64, 65},
        {"0000000000000000000000009", 4, -1}, {"200000000000000000000000000000", 0, 98},
    };
    for (const auto &[literal, length, bits] : cases) {
        Recorder host;
        Severity result = check_value(Subject{host.host(), nullptr, nullptr}, length, "R", literal, kCaptureValue);
        EXPECT_EQ(result, bits >= 0 ? kError : kClean) << literal;
        EXPECT_EQ(host.texts(OXEL_KIND_ERROR), bits >= 0 ? Texts{capture_length(length, bits)} : Texts{})
            << literal;
    }
    Recorder host;
    memory_fail_at(1);
    EXPECT_EQ(check_value(Subject{host.host(), nullptr, nullptr}, 200, "R", "200000000000000000000000000000", kCaptureValue), kError);
    memory_fail_at(0);
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR), Texts{"Memory allocation error"});
}

TEST(CheckValue, WordsEveryMessageByKindAndLiteralLength) {
    const std::string long_literal(128, 'G'), just_short(127, 'G');
    const std::tuple<std::string, int32_t, int32_t, Texts> cases[] = {
        {"0G", 2, kInstructionValue, {"Instruction value \"0G\" of \"R\" contains illegal characters"}},
        {"0G", 4, kCaptureValue,
         {"Capture value \"0G\" of \"R\" contains illegal characters", capture_length(4, 2)}},
        {long_literal, 128, kInstructionValue, {"Instruction value of \"R\" contains illegal characters"}},
        {long_literal, 128, kPreloadValue, {"Capture value of \"R\" contains illegal characters"}},
        {just_short, 127, kCaptureValue,
         {"Capture value \"" + just_short + "\" of \"R\" contains illegal characters"}},
        {"010", 4, kPreloadValue,
         {"Length of preload in bist register \"R\" not equal to target register length (4 vs 3)"}},
        {"010", 4, kInstructionValue, {"Instruction length in \"R\" not equal to register length (4 vs 3)"}},
    };
    for (const auto &[literal, length, kind, expected] : cases) {
        Recorder host;
        EXPECT_EQ(check_value(Subject{host.host(), nullptr, nullptr}, length, "R", literal.c_str(), kind), kError);
        EXPECT_EQ(host.texts(OXEL_KIND_ERROR), expected) << literal;
    }
    Recorder host;
    EXPECT_EQ(check_value(Subject{host.host(), nullptr, nullptr}, 4, nullptr, "0101", kCaptureValue) |
                  check_value(Subject{host.host(), nullptr, nullptr}, 4, "R", nullptr, kCaptureValue), kError);
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR), (Texts{"No register name", "No register name"}));
}

TEST(CaptureStatusList, CleansEachValueOfWhiteSpaceAndAsksForValuesAndDescriptions) {
    char spaced[] = " 01\t0\n\v1\f\r", short_value[] = "010", described[] = "d";
    CaptureStatusRecord fine{spaced, described}, undescribed{short_value, nullptr};
    CaptureStatusRecord valueless{nullptr, described};
    void *items[] = {&fine, &undescribed, &valueless, nullptr};
    ItemList statuses{4, 1, items};
    Recorder host;
    EXPECT_EQ(check_capture_status_list(Subject{host.host(), nullptr, nullptr}, "BIST", "R", &statuses, 4), kError);
    EXPECT_STREQ(spaced, "0101");
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR),
              (Texts{"Capture status length in \"R\" not equal to register length (4 vs 3)",
                     "Capture status description 1 is null in BIST register \"R\"",
                     "Capture status value nr 2 is null in BIST register \"R\"",
                     "Capture status value nr 3 is null in BIST register \"R\"",
                     "Capture status description 3 is null in BIST register \"R\""}));
    statuses.count = 0;
    EXPECT_EQ(check_capture_status_list(Subject{host.host(), nullptr, nullptr}, "Data", "R", &statuses, 4), kClean);
}

// Instruction queries: the named getters, the end of the walk and the kind texts
#include <cstring>

#include "query/query_support.h"

using InstructionQueries = ChipTest;

TEST_F(InstructionQueries, EachNamedGetterMakesTheFirstOfItsKindCurrent) {
    const std::pair<const char *(*)(), const char *> getters[] = {
        {oxel_get_current_component_extest_instruction, "0000"},
        {oxel_get_current_component_bypass_instruction, "1111"},
        {oxel_get_current_component_sample_preload_instruction, "0010"},
        {oxel_get_current_component_ident_instruction, "0011"},
        {oxel_get_current_component_clamp_instruction, "0110"},
        {oxel_get_current_component_highz_instruction, "0111"}};
    for (const auto &[getter, code] : getters)
        EXPECT_EQ(shown(getter()), code);
    // The instruction found stays current, and the walk goes on from it.
    EXPECT_EQ(row(oxel_get_current_component_current_instruction_code(),
                  oxel_get_current_component_register_selected()),
              "0111|NOWHERE");
    ASSERT_EQ(oxel_get_current_component_next_instruction(), OXEL_INSTRUCTION_NAMED);
    EXPECT_EQ(shown(oxel_get_current_component_current_instruction_name()), "USE_UC");
    // The walk ends with no current instruction; the first one starts it again.
    for (int i = 0; i < 10 && oxel_get_current_component_next_instruction() != -1; i++) {
    }
    EXPECT_EQ(oxel_get_current_component_current_instruction_code(), nullptr);
    EXPECT_EQ(oxel_get_current_component_next_instruction(), -1);
    EXPECT_EQ(oxel_get_current_component_first_instruction(), OXEL_INSTRUCTION_EXTEST);
    EXPECT_EQ(shown(oxel_get_current_component_current_instruction_name()), "EXTEST");
}

TEST_F(InstructionQueries, AMissingKindLeavesNoCurrentInstruction) {
    ASSERT_EQ(oxel_open_component(c, "NoExtest"), 1);
    EXPECT_EQ(oxel_get_current_component_extest_instruction(), nullptr);
    EXPECT_EQ(row(oxel_get_current_component_current_instruction_code(),
                  oxel_get_current_component_current_instruction_name(),
                  oxel_get_current_component_register_selected()),
              "(null)|(null)|(null)");
    EXPECT_EQ(shown(oxel_get_current_component_sample_preload_instruction()), "01");
    ASSERT_EQ(oxel_open_component(c, "Early"), 1);
    EXPECT_EQ(oxel_get_current_component_bypass_instruction(), nullptr);
}

TEST_F(InstructionQueries, KindTextsGoIntoTheBufferAndTheBoundedFormNeverOverruns) {
    // Kind 8 reads the name of the instruction under the cursor, if any.
    const std::vector<std::pair<int32_t, const char *>> texts = {
        {3, "SAMPLE/PRELOAD"}, {12, "UNKNOWN"}, {0, "UNKNOWN"}, {8, "USERINST"}};
    char buffer[32];
    for (const auto &[kind, text] : texts) {
        EXPECT_EQ(oxel_current_component_instruction2text(c, kind, buffer), 0);
        EXPECT_STREQ(buffer, text) << kind;
    }
    ASSERT_EQ(oxel_get_current_component_first_instruction(), 1);
    for (int i = 0; i < 4; i++)
        oxel_get_current_component_next_instruction();
    EXPECT_EQ(oxel_current_component_instruction2text(c, 8, buffer), 0);
    EXPECT_STREQ(buffer, "PROG_X");
    EXPECT_EQ(oxel_current_component_instruction2text(c, 1, nullptr), 0);

    char small[8 + 4];
    std::memset(small, '#', sizeof small);
    EXPECT_EQ(oxel_current_component_instruction2text_n(c, 3, small, 8), 14);
    EXPECT_STREQ(small, "SAMPLE/");
    EXPECT_EQ(std::string(small + 8, 4), "####");
    EXPECT_EQ(oxel_current_component_instruction2text_n(c, 1, small, 8), 6);
    EXPECT_STREQ(small, "EXTEST");
    EXPECT_EQ(oxel_current_component_instruction2text_n(c, 1, small, 1), 6);
    EXPECT_STREQ(small, "");
    EXPECT_EQ(oxel_current_component_instruction2text_n(c, 1, small, 0), -1);
    EXPECT_EQ(oxel_current_component_instruction2text_n(c, 1, nullptr, 8), -1);
}

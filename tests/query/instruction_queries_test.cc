// Instruction queries: the named getters, the walk and the kind texts
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "query/query_support.h"

using InstructionQueries = ChipTest;

TEST_F(InstructionQueries, NamedGettersAndTheWalk) {
    EXPECT_EQ(text_or_null(oxel_get_current_component_extest_instruction()), "0000");
    EXPECT_EQ(text_or_null(oxel_get_current_component_bypass_instruction()), "1111");
    EXPECT_EQ(text_or_null(oxel_get_current_component_sample_preload_instruction()), "0010");
    EXPECT_EQ(text_or_null(oxel_get_current_component_ident_instruction()), "0011");
    EXPECT_EQ(text_or_null(oxel_get_current_component_clamp_instruction()), "0110");
    EXPECT_EQ(text_or_null(oxel_get_current_component_highz_instruction()), "0111");
    // The instruction found stays current, and the walk goes on from it.
    EXPECT_EQ(text_or_null(oxel_get_current_component_current_instruction_code()), "0111");
    EXPECT_EQ(text_or_null(oxel_get_current_component_register_selected()), "NOWHERE");
    ASSERT_EQ(oxel_get_current_component_next_instruction(), OXEL_INSTRUCTION_NAMED);
    EXPECT_EQ(text_or_null(oxel_get_current_component_current_instruction_name()), "USE_UC");

    std::vector<int32_t> kinds;
    std::vector<std::string> names;
    for (int32_t kind = oxel_get_current_component_first_instruction(); kind != -1;
         kind = oxel_get_current_component_next_instruction()) {
        kinds.push_back(kind);
        names.push_back(text_or_null(oxel_get_current_component_current_instruction_name()));
    }
    EXPECT_EQ(kinds, (std::vector<int32_t>{1, 2, 3, 6, 8, 8, 9, 10, 8, 8, 8}));
    EXPECT_EQ(names, (std::vector<std::string>{"EXTEST", "BYPASS", "SAMPLE/PRELOAD", "IDCODE",
                                               "PROG_X", "MYTEST", "CLAMP", "HIGHZ", "USE_UC",
                                               "BIST_GO", "NOREG"}));
    // The walk ends with no current instruction; the first one starts it again.
    EXPECT_EQ(oxel_get_current_component_current_instruction_code(), nullptr);
    EXPECT_EQ(oxel_get_current_component_next_instruction(), -1);
    EXPECT_EQ(oxel_get_current_component_first_instruction(), OXEL_INSTRUCTION_EXTEST);
}

TEST(InstructionQueriesOdd, AMissingKindLeavesNoCurrentInstruction) {
    ParsedFile file(R"(OXEL
  COMPONENT NoExtest
    INSTRUCTION_REGISTER IR LENGTH 2 CAPTURE "01"
      INSTRUCTION_LIST BYPASS "11" - - - SAMPLE "10" - - - PRELOAD "01" - - - END INSTRUCTION_LIST
    END INSTRUCTION_REGISTER
  END COMPONENT
  COMPONENT Bare END COMPONENT
END OXEL)");
    ASSERT_EQ(file.result, OXEL_OK) << file.host.dump();
    ASSERT_EQ(oxel_open_component(file.c, "NoExtest"), 1);
    EXPECT_EQ(oxel_get_current_component_extest_instruction(), nullptr);
    EXPECT_EQ(oxel_get_current_component_current_instruction_code(), nullptr);
    EXPECT_EQ(oxel_get_current_component_current_instruction_name(), nullptr);
    EXPECT_EQ(oxel_get_current_component_register_selected(), nullptr);
    // SAMPLE names an instruction of its own; PRELOAD is SAMPLE/PRELOAD.
    EXPECT_EQ(text_or_null(oxel_get_current_component_sample_preload_instruction()), "01");
    ASSERT_EQ(oxel_get_current_component_first_instruction(), OXEL_INSTRUCTION_BYPASS);
    ASSERT_EQ(oxel_get_current_component_next_instruction(), OXEL_INSTRUCTION_NAMED);
    EXPECT_EQ(text_or_null(oxel_get_current_component_current_instruction_name()), "SAMPLE");

    ASSERT_EQ(oxel_open_component(file.c, "Bare"), 1);
    EXPECT_EQ(oxel_get_current_component_first_instruction(), -1);
    EXPECT_EQ(oxel_get_current_component_next_instruction(), -1);
    EXPECT_EQ(oxel_get_current_component_bypass_instruction(), nullptr);
    EXPECT_EQ(oxel_get_current_component_instruction_register_length(), 0);
    EXPECT_EQ(oxel_get_current_component_instruction_register_capture_code(), nullptr);
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

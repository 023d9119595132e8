// SAMPLE and PRELOAD of a BSDL file: one SAMPLE/PRELOAD when they share their opcodes, apart otherwise
#include <regex>

#include "bsdl/import_support.h"

namespace {

using SamplePreload = ImportTest;

// The instructions of the imported component as "KIND|CODE" rows, and the check's warnings.
Texts instruction_rows() {
    Texts rows;
    if (!oxel_get_first_component())
        return rows;
    for (int32_t kind = oxel_get_current_component_first_instruction(); kind >= 0;
         kind = oxel_get_current_component_next_instruction())
        rows.push_back(row(oxel_get_current_component_current_instruction_name(),
                           oxel_get_current_component_current_instruction_code()));
    return rows;
}

// The test file with other opcodes for PRELOAD.
std::string with_preload_codes(const std::string &codes) {
    const std::string text = read_file(bsdl_path("sample_preload_2001.bsd"));
    return std::regex_replace(text, std::regex(R"(PRELOAD \(101, 001\))"), "PRELOAD (" + codes + ")");
}

}  // namespace

TEST_F(SamplePreload, TheSameOpcodesMakeOneInstructionAndTheCheckHasNothingToSay) {
    ASSERT_EQ(import_file(bsdl_path("sample_preload_2001.bsd")), OXEL_OK) << host.dump();
    EXPECT_EQ(instruction_rows(), (Texts{"EXTEST|000", "SAMPLE/PRELOAD|001", "SAMPLE/PRELOAD|101", "BYPASS|111"}));
    host.clear();
    EXPECT_EQ(OxelCheck(host.host()), OXEL_OK) << host.dump();
    EXPECT_EQ(host.texts(OXEL_KIND_WARNING), Texts{});
}

TEST_F(SamplePreload, OtherOpcodesKeepSampleApartAsANamedInstruction) {
    const struct {
        const char *codes;
        Texts rows;
        Texts warnings;
    } cases[] = {
        // Sharing one opcode of two is not the same instruction: the check tells of the shared code.
        {"101", {"EXTEST|000", "SAMPLE|001", "SAMPLE|101", "SAMPLE/PRELOAD|101", "BYPASS|111"},
         {"Instructions SAMPLE and SAMPLE/PRELOAD with identical code"}},
        {"010", {"EXTEST|000", "SAMPLE|001", "SAMPLE|101", "SAMPLE/PRELOAD|010", "BYPASS|111"}, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.codes);
        const std::string path = write_temp_file("sample_preload.bsd", with_preload_codes(c.codes));
        ASSERT_EQ(import_file(path), OXEL_OK) << host.dump();
        EXPECT_EQ(instruction_rows(), c.rows);
        host.clear();
        OxelCheck(host.host());
        EXPECT_EQ(host.texts(OXEL_KIND_WARNING), c.warnings) << host.dump();
    }
}

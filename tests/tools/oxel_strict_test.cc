// oxel check --strict: the strict rules on request, in every output form, and only on request
#include <string>

#include "tool_runner.h"

namespace {

// Clean to the designed check; the strict rules find an error (the capture) and a warning (the BYPASS opcode).
const char *const kDevice = R"(OXEL
COMPONENT U1
  INSTRUCTION_REGISTER IR
    PURPOSE "Instructions"
    LENGTH 3
    CAPTURE "%CAPTURE%"
    INSTRUCTION_LIST
      BYPASS "5" BPR SAMPLE -
    END INSTRUCTION_LIST
  END INSTRUCTION_REGISTER
  BYPASS_REGISTER BPR
    PURPOSE "Bypass"
    LENGTH 1
    CAPTURE "0"
  END BYPASS_REGISTER
END COMPONENT
END OXEL
)";

std::string device(const std::string &capture) {
    std::string text = kDevice;
    text.replace(text.find("%CAPTURE%"), 9, capture);
    return text;
}

const std::string kCaptureLine =
    "strict.oxel:3:3: error: Instruction-register capture value \"000\" of \"IR\" does "
    "not end in 01\n";
const std::string kBypassLine = "strict.oxel:8:7: warning: BYPASS opcode \"5\" is not all ones\n";

}   // namespace

TEST(OxelStrict, FindingsComeOnlyWithTheOptionAndCountForTheStatus) {
    const std::string path = write_temp_file("strict.oxel", device("000"));
    const std::string dir = path.substr(0, path.rfind('/'));
    ToolRun plain = run_tool("check strict.oxel", "", dir);
    EXPECT_EQ(plain.status, 0);
    EXPECT_EQ(plain.err, "strict.oxel: no errors or warnings\n");
    ToolRun strict = run_tool("check --strict strict.oxel", "", dir);
    EXPECT_EQ(strict.status, 4);
    EXPECT_EQ(strict.err, kCaptureLine + kBypassLine + "strict.oxel: 1 error, 1 warning\n");
    // A warning alone: status 1, or 0 with --fail-on=error.
    write_temp_file("strict.oxel", device("001"));
    EXPECT_EQ(run_tool("check --strict strict.oxel", "", dir).status, 1);
    ToolRun passing = run_tool("check --strict --fail-on=error strict.oxel", "", dir);
    EXPECT_EQ(passing.status, 0);
    EXPECT_EQ(passing.err, kBypassLine + "strict.oxel: 1 warning\n");
}

TEST(OxelStrict, JsonAndSarifNameEachFindingByItsIdAtItsPlace) {
    const std::string path = write_temp_file("strict.oxel", device("000"));
    const std::string dir = path.substr(0, path.rfind('/'));
    ToolRun json = run_tool("check --strict --json strict.oxel", "", dir);
    EXPECT_EQ(json.status, 4);
    EXPECT_EQ(json.err, "");
    EXPECT_NE(
        json.out.find("\"text\": \"Instruction-register capture value \\\"000\\\" of \\\"IR\\\" does not end in "
                      "01\",\n          \"id\": \"strict-ir-capture-not-01\",\n          \"file\": \"strict.oxel\",\n"
                      "          \"line\": 3,\n          \"column\": 3"),
        std::string::npos)
        << json.out;
    EXPECT_NE(json.out.find("\"id\": \"strict-bypass-opcode-not-all-ones\""), std::string::npos) << json.out;
    ToolRun sarif = run_tool("check --strict --format=sarif strict.oxel", "", dir);
    EXPECT_EQ(sarif.status, 4);
    EXPECT_NE(sarif.out.find("\"ruleId\": \"strict-ir-capture-not-01\""), std::string::npos) << sarif.out;
    EXPECT_NE(sarif.out.find("\"ruleId\": \"strict-bypass-opcode-not-all-ones\""), std::string::npos);
    ToolRun plain = run_tool("check --format=sarif strict.oxel", "", dir);
    EXPECT_EQ(plain.out.find("strict-"), std::string::npos);
}

TEST(OxelStrict, TheBundledExamplesAndTestDevicesDrawNoStrictFinding) {
    // Each keeps the strict rules: its check reads the same with the option and without it.
    for (const char *file : {"examples/jx200.oxel", "examples/dual_jx200_board.oxel", "examples/kx300_bridge.oxel",
                             "examples/px240_port_expander.oxel", "examples/header.oxel",
                             "examples/vrak_sequences.oxel", "tests/bsdl/bridge_1994.bsd", "tests/bsdl/fpga_2001.bsd",
                             "tests/bsdl/sensor_1990.bsd", "tests/bsdl/serdes_2013.bsd"}) {
        SCOPED_TRACE(file);
        const ToolRun designed = run_tool(std::string("check --json ") + file),
                      strict = run_tool(std::string("check --strict --json ") + file);
        EXPECT_EQ(strict.status, designed.status);
        EXPECT_EQ(strict.out, designed.out);
    }
}

TEST(OxelStrict, TheOptionGoesWithCheckAndReportOnly) {
    ToolRun run = run_tool("show --strict examples/jx200.oxel");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err.rfind("oxel: --strict goes with check and report\n", 0), 0u) << run.err;
    ToolRun report =
        run_tool("report --strict -o " + quoted(write_temp_file("strict.html", "")) + " examples/jx200.oxel");
    EXPECT_EQ(report.status, 0) << report.err;
}

TEST(OxelStrict, AnImportedDeviceIsHeldToTheChainRulesToo) {
    // Two cells of a BSDL file's bus that serve one bit: the import builds the chain, the strict rules read it.
    std::string bsdl = read_file(std::string(OXEL_SOURCE_DIR) + "/tests/bsdl/fpga_2001.bsd");
    const std::string from = "\"23   (BC_1,  LED(1),", to = "\"23   (BC_1,  LED(0),";
    ASSERT_NE(bsdl.find(from), std::string::npos);
    bsdl.replace(bsdl.find(from), from.size(), to);
    const std::string path = write_temp_file("strict_fpga.bsd", bsdl);
    const ToolRun run = run_tool("--level 2 check --strict strict_fpga.bsd", "", path.substr(0, path.rfind('/')));
    EXPECT_EQ(run.status, 4);
    EXPECT_NE(run.err.find("strict_fpga.bsd:93:5: error: Cells at chain positions 22 and 23 both drive pin LED(0)\n"
                           "strict_fpga.bsd:19:5: warning: Bit 1 of bus LED has no cell in boundary-scan register "
                           "\"BOUNDARY\"\n"),
              std::string::npos)
        << run.err;
}

// The tool's help with messages: "did you mean" notes, oxel explain and a quiet is-oxel
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tool_runner.h"

namespace {

namespace fs = std::filesystem;

// A file of this name and text in a folder of its own; the folder.
std::string write_case(const std::string &folder_name, const std::string &name, const std::string &text) {
    const fs::path folder = fs::path(write_temp_file("diagnostics.txt", "")).parent_path() / folder_name;
    fs::create_directories(folder);
    std::ofstream(folder / name, std::ios::binary) << text;
    return folder.generic_string();
}

// A register whose LENGTH is misspelled, at line 4, column 7.
const char *const kMisspelledLength =
    "OXEL\n"
    "  COMPONENT U1\n"
    "    INSTRUCTION_REGISTER IR\n"
    "      LENTGH 4\n"
    "    END INSTRUCTION_REGISTER\n"
    "  END COMPONENT\n"
    "END OXEL\n";

// A component that names a standard and misses SAMPLE_PRELOAD, its first instruction `instruction` (a user
// instruction then): 21 lines, the instruction on the eighth, column 9.
std::string device_with(const std::string &name, const std::string &instruction) {
    return "  COMPONENT " + name + "\n"
           "    STANDARD IEEE_1149.1-1990\n"
           "    INSTRUCTION_REGISTER IR\n"
           "      PURPOSE \"Instructions\"\n"
           "      LENGTH 2\n"
           "      CAPTURE \"01\"\n"
           "      INSTRUCTION_LIST\n"
           "        " + instruction + " \"01\" BSR SAMPLE -\n"
           "        EXTEST \"00\" BSR EXTERNAL -\n"
           "        BYPASS \"11\" BPR SAMPLE -\n"
           "      END INSTRUCTION_LIST\n"
           "    END INSTRUCTION_REGISTER\n"
           "    BOUNDARY_SCAN_REGISTER BSR\n"
           "      PURPOSE \"Boundary scan\"\n"
           "    END BOUNDARY_SCAN_REGISTER\n"
           "    BYPASS_REGISTER BPR\n"
           "      PURPOSE \"Bypass\"\n"
           "      LENGTH 1\n"
           "      CAPTURE \"0\"\n"
           "    END BYPASS_REGISTER\n"
           "  END COMPONENT\n";
}

// The lines of a text that contain `part`.
std::vector<std::string> lines_with(const std::string &text, const std::string &part) {
    std::vector<std::string> found;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (line.find(part) != std::string::npos)
            found.push_back(line);
    return found;
}

}  // namespace

// The note stands at the syntax error's place, after its detail line, and only where a keyword is near.
TEST(OxelSuggestions, ASyntaxErrorAtANearMissOfAnExpectedKeywordGetsANote) {
    const std::string folder = write_case("near_miss", "device.oxel", kMisspelledLength);
    const ToolRun run = run_tool("check device.oxel", "", folder);
    EXPECT_EQ(run.status, 4);
    EXPECT_EQ(run.err,
              "device.oxel:4:7: error: syntax error >> line 4 near \"LENTGH\"\n"
              "device.oxel:4:7: note: Register section expected\n"
              "device.oxel:4:7: note: did you mean LENGTH?\n"
              "device.oxel: 1 error\n");
    // Notes are level 3: below it the user asked not to see them.
    EXPECT_EQ(run_tool("--level 2 check device.oxel", "", folder).err,
              "device.oxel:4:7: error: syntax error >> line 4 near \"LENTGH\"\ndevice.oxel: 1 error\n");

    const struct {
        std::string text, note;   // the note's text, empty for none
    } cases[] = {
        // Nothing near: no guess.
        {"OXEL\n  COMPONENT U1\n    FROBNICATE\n  END COMPONENT\nEND OXEL\n", ""},
        // Two keywords equally near; a word that is a keyword of the place itself is no slip.
        {"OXEL\n  COMPONENT U1\n    PIN_LIST\n      1 A IOX -\n    END PIN_LIST\n  END COMPONENT\nEND OXEL\n",
         "did you mean IO or IOZ?"},
        // A letter O for a digit 0 is nearer than another digit.
        {"OXEL\n  BOARD B1\n    TEST_SEQUENCE S\n      RST(MAIN, RO)\n    END TEST_SEQUENCE\n  END BOARD\nEND OXEL\n",
         "did you mean R0?"},
        // A short keyword allows one slip only: TOP is not TDO.
        {"OXEL\n  COMPONENT U1\n    PIN_LIST\n      1 A TOPS -\n    END PIN_LIST\n  END COMPONENT\nEND OXEL\n", ""},
        // A number or a string where a keyword stands is no misspelling.
        {"OXEL\n  COMPONENT U1\n    INSTRUCTION_REGISTER IR\n      \"LENGTH\" 4\n    END INSTRUCTION_REGISTER\n"
         "  END COMPONENT\nEND OXEL\n", "did you mean"},
        {"OXEL\n  COMPONENT U1\n    INSTRUCTION_REGISTER IR\n      12 4\n    END INSTRUCTION_REGISTER\n"
         "  END COMPONENT\nEND OXEL\n", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        const std::string err = run_tool("check device.oxel", "", write_case("guess", "device.oxel", c.text)).err;
        const std::vector<std::string> notes = lines_with(err, "did you mean");
        if (c.note.empty()) {
            EXPECT_EQ(notes, std::vector<std::string>{});
        } else if (c.note == "did you mean") {
            // A string spells a word the parser quotes like one: it is judged by its letters.
            EXPECT_LE(notes.size(), 1u);
        } else {
            ASSERT_EQ(notes.size(), 1u) << err;
            EXPECT_NE(notes[0].find(": note: " + c.note), std::string::npos) << err;
        }
    }
}

// The note names the mandatory instruction's keyword and points at the instruction that misses it, also in
// standard input and in the second of two components; a component without a near miss gets none.
TEST(OxelSuggestions, AMissingMandatoryInstructionPointsAtItsNearMiss) {
    const std::string file = "OXEL\n" + device_with("U1", "SAMPLE/PRELOAD") + "END OXEL\n";
    const std::string folder = write_case("mandatory", "device.oxel", file);
    const ToolRun run = run_tool("check device.oxel", "", folder);
    EXPECT_EQ(lines_with(run.err, "did you mean"),
              std::vector<std::string>{
                  "device.oxel:9:9: note: did you mean SAMPLE_PRELOAD? \"SAMPLE/PRELOAD\" is read as a user "
                  "instruction"});
    const std::vector<std::string> missing = lines_with(run.err, "Missing mandatory");
    ASSERT_EQ(missing.size(), 1u);
    EXPECT_EQ(missing[0], "device.oxel:4:5: error: Missing mandatory SAMPLE/PRELOAD instructions");

    EXPECT_EQ(lines_with(run_tool("check - <device.oxel", "", folder).err, "did you mean"),
              std::vector<std::string>{
                  "<stdin>:9:9: note: did you mean SAMPLE_PRELOAD? \"SAMPLE/PRELOAD\" is read as a user "
                  "instruction"});

    // U1 misses SAMPLE_PRELOAD with no near miss (its user instruction is FOO); U2, 21 lines on, has one. The
    // keyword SAMPLE as an instruction is a user instruction named SAMPLE, found as it is written.
    const std::string two = "OXEL\n" + device_with("U1", "FOO") + device_with("U2", "sample") + "END OXEL\n";
    const ToolRun both = run_tool("check two.oxel", "", write_case("mandatory_two", "two.oxel", two));
    EXPECT_EQ(lines_with(both.err, "Missing mandatory").size(), 2u) << both.err;
    EXPECT_EQ(lines_with(both.err, "did you mean"),
              std::vector<std::string>{
                  "two.oxel:30:9: note: did you mean SAMPLE_PRELOAD? \"SAMPLE\" is read as a user instruction"});
}

TEST(OxelExplain, PrintsAnEntryListsThemAllAndRefusesAnUnknownId) {
    const ToolRun entry = run_tool("explain pin-number-multiple-defined");
    EXPECT_EQ(entry.status, 0);
    EXPECT_EQ(entry.out.rfind("### pin-number-multiple-defined\n", 0), 0u) << entry.out;
    EXPECT_NE(entry.out.find("- **Message:** `Pin number \"%s\" is multiple defined`"), std::string::npos);
    EXPECT_NE(entry.out.find("error: Pin number \"1\" is multiple defined"), std::string::npos);
    EXPECT_EQ(entry.out.find("### ", 4), std::string::npos) << "one entry only";
    EXPECT_EQ(entry.err, "");

    // Two ids: both entries, a blank line between.
    const ToolRun two = run_tool("explain syntax-error did-you-mean-keyword");
    EXPECT_EQ(two.status, 0);
    EXPECT_NE(two.out.find("```\n\n### did-you-mean-keyword\n"), std::string::npos) << two.out;

    const ToolRun list = run_tool("explain");
    EXPECT_EQ(list.status, 0);
    EXPECT_EQ(lines_with(list.out, "pin-number-multiple-defined").size(), 1u);
    EXPECT_NE(list.out.find("error     Pin number \"%s\" is multiple defined\n"), std::string::npos) << list.out;
    EXPECT_GT(std::count(list.out.begin(), list.out.end(), '\n'), 150);

    const ToolRun wrong = run_tool("explain pin-number-multiple-defind");
    EXPECT_EQ(row(wrong.status, wrong.out, wrong.err),
              "2||oxel: no message has the id pin-number-multiple-defind; did you mean "
              "pin-number-multiple-defined?\n");
    EXPECT_EQ(run_tool("explain frobnication").err,
              "oxel: no message has the id frobnication (oxel explain lists them)\n");
}

TEST(OxelIsOxel, PrintsOnlyItsAnswerUnlessALevelAsksForMessages) {
    // The README's first line is a heading: to the lexer an unknown directive, which it reports.
    const ToolRun quiet = run_tool("is-oxel README.md");
    EXPECT_EQ(row(quiet.status, quiet.out, quiet.err), "1|no\n|");
    const ToolRun told = run_tool("--level 1 is-oxel README.md");
    EXPECT_EQ(told.status, 1);
    EXPECT_EQ(told.out, "no\n");
    EXPECT_NE(told.err.find("README.md:1:1: error: syntax error >> line 2: Illegal directive #"), std::string::npos)
        << told.err;
    EXPECT_EQ(run_tool("--level 0 is-oxel README.md").err, "");
}

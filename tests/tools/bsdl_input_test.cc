// The oxel tool on BSDL files: each command that reads descriptions takes them, told by their first word
//
// Each case runs from the source folder; its status and output must equal the table and the golden files it
// names under tests/tools/golden/ (a stream without one stays empty). OXEL_UPDATE_GOLDEN=1 rewrites them.
#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <cstdlib>

#include "support/recorder.h"

namespace {

struct ToolRun {
    int status;
    std::string out, err;
};

#ifdef _WIN32
std::string quoted(const std::string &path) { return "\"" + path + "\""; }
std::string in_source_folder(const std::string &command) {
    return "\"cd /d " + quoted(OXEL_SOURCE_DIR) + " && " + command + "\"";
}
int exit_status(int status) { return status; }
std::string tool_text(std::string text) {
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
        text.erase(at, 1);
    return text;
}
#else
std::string quoted(const std::string &path) { return "'" + path + "'"; }
std::string in_source_folder(const std::string &command) {
    return "cd " + quoted(OXEL_SOURCE_DIR) + " && " + command;
}
int exit_status(int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : -1; }
std::string tool_text(const std::string &text) { return text; }
#endif

ToolRun run_tool(const std::string &arguments) {
    const std::string out = write_temp_file("bsdl_tool.out", ""), err = write_temp_file("bsdl_tool.err", "");
    const std::string command = quoted(OXEL_TOOL_PATH) + " " + arguments + " >" + quoted(out) + " 2>" + quoted(err);
    const int status = std::system(in_source_folder(command).c_str());
    return {exit_status(status), tool_text(read_file(out)), tool_text(read_file(err))};
}

}  // namespace

TEST(OxelToolBsdl, EachCommandReadsABsdlFile) {
    const struct {
        std::string arguments;
        int status;
        const char *out, *err;
    } cases[] = {
        {"show tests/bsdl/bridge_1994.bsd", 0, "bridge_1994.show.txt", "bridge_1994.show.err"},
        {"--level 2 show --json tests/bsdl/serdes_2013.bsd", 0, "serdes_2013.show.json", nullptr},
        // The notes of the attributes passed over and the summary: SAMPLE and PRELOAD of one opcode are one.
        {"check tests/bsdl/fpga_2001.bsd", 0, nullptr, "fpga_2001.check.err"},
        {"--level 2 check tests/bsdl/sensor_1990.bsd tests/bsdl/serdes_2013.bsd examples/jx200.oxel", 0, nullptr,
         "bsdl.check.err"},
        {"--level 2 parse tests/bsdl/bridge_1994.bsd", 0, nullptr, nullptr},
        // A bad file: every fault at its place in the file, and nothing read.
        {"check tests/tools/inputs/bad_chip.bsd", 4, nullptr, "bad_chip.check.err"},
        {"--level 2 show tests/tools/inputs/bad_chip.bsd", 4, nullptr, "bad_chip.show.err"},
        // Standard input is told by its first word too.
        {"--level 2 check - <tests/bsdl/sensor_1990.bsd", 0, nullptr, "stdin.bsdl.check.err"},
        {"components tests/bsdl/sensor_1990.bsd examples/jx200.oxel tests/bsdl/fpga_2001.bsd", 0,
         "bsdl.components.txt", "bsdl.components.err"},
        {"is-oxel tests/bsdl/sensor_1990.bsd", 1, "no.txt", nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments);
        const ToolRun run = run_tool(c.arguments);
        EXPECT_EQ(run.status, c.status) << run.err;
        for (const auto &[golden, actual] : {std::pair{c.out, run.out}, std::pair{c.err, run.err}}) {
            if (golden)
                expect_golden(std::string("tests/tools/golden/") + golden, actual);
            else
                EXPECT_EQ(actual, "");
        }
    }
}

// The first word decides: "entity" after comments, blanks and a byte-order mark, in any case, and as a
// whole word; anything else is no description.
TEST(OxelToolBsdl, AFileIsBsdlWhenItsFirstWordIsEntity) {
    const std::string chip = read_file(std::string(OXEL_SOURCE_DIR) + "/tests/bsdl/sensor_1990.bsd");
    const std::string body = chip.substr(chip.find("entity"));
    const struct {
        std::string text;
        int status;
    } cases[] = {
        {"\xEF\xBB\xBF-- comment\r\n\t--another\n\n  " + body, 0},
        {"ENTITY" + body.substr(6), 0},
        {"-- entity\nentities are not entity " + body, 4},
        {"entity_x is\n", 4},
        {"- entity " + body, 4},
    };
    for (const auto &c : cases) {
        const std::string path = write_temp_file("first_word.bsd", c.text);
        const ToolRun run = run_tool("--level 1 parse " + quoted(path));
        EXPECT_EQ(run.status, c.status) << c.text.substr(0, 40) << "\n" << run.err;
        if (c.status != 0) {
            EXPECT_EQ(run.err, "oxel: " + path + ": not an OXEL description\n");
        }
    }
}

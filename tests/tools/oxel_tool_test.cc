// The oxel tool, run as a host would, against expected outputs kept under tests/tools/golden/
//
// Each case runs the tool from the source folder with relative paths and
// compares its exit status, its standard output and its standard error byte
// for byte with the table below and the golden files it names (a stream
// without a file must stay empty). After a deliberate change of the tool's
// output, rewrite the files instead of comparing them:
//     OXEL_UPDATE_GOLDEN=1 ctest --preset default -R OxelTool
// and read the diff before committing it.
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
// cmd.exe strips the outer quotes of the whole line, so the line gets one
// pair more; system() answers the exit code itself. The tool writes text
// mode: its line ends are read back as single line feeds.
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
    const std::string out = write_temp_file("tool.out", ""), err = write_temp_file("tool.err", "");
    const std::string command =
        quoted(OXEL_TOOL_PATH) + " " + arguments + " >" + quoted(out) + " 2>" + quoted(err);
    const int status = std::system(in_source_folder(command).c_str());
    return {exit_status(status), tool_text(read_file(out)), tool_text(read_file(err))};
}

}  // namespace

TEST(OxelTool, EachCommandWritesItsGoldenOutputAndStatus) {
    const std::string inputs = "tests/tools/inputs/";
    const struct {
        std::string arguments;
        int status;
        const char *out, *err;
    } cases[] = {
        {"show examples/jx200.oxel", 0, "jx200.show.txt", nullptr},
        {"show --json examples/jx200.oxel", 0, "jx200.show.json", nullptr},
        {"show examples/dual_jx200_board.oxel", 0, "dual_jx200_board.show.txt", nullptr},
        {"show examples/header.oxel", 0, "header.show.txt", nullptr},
        // What the query exports answer about the devices of the query tests.
        {"show tests/query/devices.oxel", 0, "devices.show.txt", nullptr},
        // Texts with quotes, tabs, backslashes and bytes of no encoding.
        {"show --json " + inputs + "odd_texts.oxel", 0, "odd_texts.show.json", nullptr},
        {"show " + inputs + "broken.oxel", 4, nullptr, "broken.show.err"},
        {"--level 4 --prog-name checker parse " + inputs + "broken.oxel examples/header.oxel", 4, nullptr,
         "broken.parse.err"},
        {"parse examples/vrak_sequences.oxel examples/jx200.oxel", 0, nullptr, nullptr},
        {"is-oxel examples/jx200.oxel", 0, "yes.txt", nullptr},
        {"is-oxel " + inputs + "broken.oxel", 0, "yes.txt", nullptr},
        {"is-oxel " + inputs + "flash.txt", 1, "no.txt", nullptr},
        {"components " + inputs + "three.oxel", 0, "three.components.txt", nullptr},
        // Two files or more: each list under its file's name.
        {"components " + inputs + "three.oxel examples/jx200.oxel", 0, "several.components.txt", nullptr},
        {"components no/such/file.oxel", 4, nullptr, "unreadable.components.err"},
        {"show " + inputs + "broken.oxel examples/jx200.oxel", 2, nullptr, "show_two.err"},
        {"--level x parse examples/jx200.oxel", 2, nullptr, "bad_level.err"},
        {"--help", 0, "help.txt", nullptr},
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

// The oxel tool: components, show and show --json, run as a host would
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "oxel32.h"
#include "support/recorder.h"
#include "tools/json_check.h"

namespace {

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

ToolRun run_tool(const std::string &arguments) {
    std::string err_path = write_temp_file("tool-stderr.txt", "");
    std::string command = std::string("'") + OXEL_TOOL_PATH + "' " + arguments + " 2>'" + err_path + "'";
    ToolRun run{-1, {}, {}};
    FILE *pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.out.append(buffer, n);
    int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = read_file(err_path);
    return run;
}

std::string shell_quoted(const std::string &path) { return "'" + path + "'"; }

std::vector<std::string> lines_of(const std::string &text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::vector<std::string> example_files() {
    std::vector<std::string> files;
    for (const auto &entry : std::filesystem::directory_iterator(example_path("")))
        if (entry.path().extension() == ".oxel")
            files.push_back(entry.path().string());
    return files;
}

// The same check by Python's reader when there is one.
bool python_reads_json(const std::string &json) {
    if (std::system("command -v python3 >/dev/null 2>&1") != 0)
        return true;
    std::string path = write_temp_file("tool-output.json", json);
    std::string command =
        "python3 -c 'import json,sys; json.load(open(sys.argv[1], encoding=\"utf-8\"))' " + shell_quoted(path);
    return std::system(command.c_str()) == 0;
}

}  // namespace

TEST(OxelTool, ComponentsListsTheNamesOfEachFile) {
    std::string three = write_temp_file("tool-three.oxel",
                                        "OXEL COMPONENT cpu END COMPONENT\n"
                                        "COMPONENT \"io chip\" END COMPONENT\n"
                                        "COMPONENT \"abc\" END COMPONENT END OXEL\n");
    ToolRun run = run_tool("components " + shell_quoted(three));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(lines_of(run.out), (std::vector<std::string>{"cpu", "(unnamed)", "abc"}));

    std::string other = write_temp_file("tool-one.oxel", "OXEL COMPONENT solo END COMPONENT END OXEL");
    run = run_tool("components " + shell_quoted(three) + " " + shell_quoted(other));
    EXPECT_EQ(lines_of(run.out), (std::vector<std::string>{three + ":", "  cpu", "  (unnamed)",
                                                           "  abc", other + ":", "  solo"}));

    run = run_tool("components /nonexistent/oxel32/none.oxel");
    EXPECT_EQ(run.status, OXEL_FAILED);
    EXPECT_NE(run.err.find("cannot open '/nonexistent/oxel32/none.oxel'"), std::string::npos);
}

TEST(OxelTool, ShowWorksOnEveryExampleAndAgreesWithTheQuickScan) {
    std::vector<std::string> files = example_files();
    ASSERT_FALSE(files.empty());
    for (const std::string &file : files) {
        ToolRun plain = run_tool("show " + shell_quoted(file));
        EXPECT_EQ(plain.status, 0) << file << "\n" << plain.err;
        ToolRun json = run_tool("show --json " + shell_quoted(file));
        EXPECT_EQ(json.status, 0) << file << "\n" << json.err;
        JsonValue document;
        ASSERT_TRUE(JsonReader::read(json.out, &document)) << file << "\n" << json.out;
        EXPECT_TRUE(python_reads_json(json.out)) << file;
        ToolRun names = run_tool("components " + shell_quoted(file));
        const JsonValue &components = document["components"];
        std::vector<std::string> shown;
        for (const JsonValue &component : components.items)
            shown.push_back(component["name"].text);
        EXPECT_EQ(shown, lines_of(names.out)) << file;
        for (const std::string &name : shown)
            EXPECT_NE(plain.out.find("Component " + name + "\n"), std::string::npos) << file;
    }
}

// The JSON document says what the query exports say about the example.
TEST(OxelTool, ShowJsonReportsWhatTheQueriesAnswer) {
    std::string file = example_path("jx200.oxel");
    ToolRun run = run_tool("show --json " + shell_quoted(file));
    ASSERT_EQ(run.status, 0) << run.err;
    JsonValue document;
    ASSERT_TRUE(JsonReader::read(run.out, &document)) << run.out;
    EXPECT_EQ(document["file"].text, file);

    Recorder host;
    OxelInitialize(host.host());
    ASSERT_EQ(OxelParse(host.host(), file.c_str()), OXEL_OK) << host.dump();
    ASSERT_EQ(document["components"].items.size(), static_cast<size_t>(oxel_nr_components()));
    size_t index = 0;
    for (int32_t more = oxel_get_first_component(); more; more = oxel_get_next_component()) {
        const JsonValue &c = document["components"][index++];
        EXPECT_EQ(c["name"].text, oxel_get_current_component_name());
        EXPECT_EQ(c["instruction_register"]["length"].number,
                  oxel_get_current_component_instruction_register_length());
        std::vector<std::string> opcodes;
        for (int32_t kind = oxel_get_current_component_first_instruction(); kind != -1;
             kind = oxel_get_current_component_next_instruction())
            opcodes.push_back(oxel_get_current_component_current_instruction_code());
        ASSERT_EQ(c["instructions"].items.size(), opcodes.size());
        for (size_t i = 0; i < opcodes.size(); i++)
            EXPECT_EQ(c["instructions"][i]["opcode"].text, opcodes[i]);
        const char *tdo = oxel_get_current_component_pin_id(host.host(), OXEL_PIN_TDO);
        EXPECT_EQ(c["tap_pins"]["TDO"].text, tdo ? tdo : "");
        EXPECT_EQ(c["pins"].items.size(), static_cast<size_t>(oxel_nr_current_component_pins()));
        size_t cell = 0;
        for (int32_t on = oxel_get_current_component_first_cell(host.host()); on;
             on = oxel_get_current_component_next_cell(host.host()), cell++) {
            ASSERT_LT(cell, c["cells"].items.size());
            const JsonValue &shown = c["cells"][cell];
            EXPECT_EQ(shown["position"].number, oxel_get_current_component_current_cell_position());
            int32_t control = oxel_get_current_component_current_cell_CD_output(host.host());
            if (control < 0) {
                EXPECT_TRUE(shown["control_cell"].is_null());
            } else {
                EXPECT_EQ(shown["control_cell"].number, control);
            }
        }
        EXPECT_EQ(cell, c["cells"].items.size());
    }
    OxelDestroy(host.host());
    OxelInitialize(host.host());
}

TEST(OxelTool, ShowLinesUpItsColumns) {
    ToolRun run = run_tool("show " + shell_quoted(example_path("jx200.oxel")));
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::string> lines = lines_of(run.out);
    size_t checked = 0;
    for (size_t i = 0; i < lines.size(); i++) {
        size_t column = lines[i].find("DIRECTION");
        if (lines[i].find("    NAME") != 0 || column == std::string::npos)
            continue;
        for (size_t k = i + 1; k < lines.size() && !lines[k].empty(); k++, checked++) {
            ASSERT_GT(lines[k].size(), column) << lines[k];
            EXPECT_EQ(lines[k][column - 1], ' ') << lines[k];
            EXPECT_NE(lines[k][column], ' ') << lines[k];
        }
    }
    EXPECT_GT(checked, 0u);
}

TEST(OxelTool, ShowEscapesWhateverTheDescriptionHolds) {
    std::string file = write_temp_file("tool-odd.oxel",
                                       "OXEL\n"
                                       "  OXEL_HEADER\n"
                                       "    CREATION_LOG \"d\" \"c\" \"t\" \"tab\there \xff caf\xc3\xa9 \\\\ \\\"q\\\"\"\n"
                                       "  END OXEL_HEADER\n"
                                       "  COMPONENT \"odd \\\"name\\\"\" END COMPONENT\n"
                                       "END OXEL\n");
    ToolRun run = run_tool("show --json " + shell_quoted(file));
    ASSERT_EQ(run.status, 0) << run.err;
    JsonValue document;
    ASSERT_TRUE(JsonReader::read(run.out, &document)) << run.out;
    EXPECT_TRUE(python_reads_json(run.out));
    const JsonValue &component = document["components"][0];
    EXPECT_EQ(component["name"].text, "odd \"name\"");
    EXPECT_EQ(component["source"].text, "tab\there \xc3\xbf caf\xc3\xa9 \\ \"q\"");
    EXPECT_TRUE(component["highest_frequency"].is_null());
}

TEST(OxelTool, ShowFailsOnABrokenFileAndTakesOneFile) {
    std::string broken = write_temp_file("tool-broken.oxel", "OXEL COMPONENT c LENGTH END COMPONENT END OXEL");
    ToolRun run = run_tool("show " + shell_quoted(broken));
    EXPECT_EQ(run.status, OXEL_FAILED);
    EXPECT_NE(run.err.find("error: syntax error"), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty()) << run.out;

    run = run_tool("show " + shell_quoted(broken) + " " + shell_quoted(broken));
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("show takes one file"), std::string::npos);
}

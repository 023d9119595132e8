// The oxel tool: components, show and show --json, run as a host would
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/wait.h>
#endif

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
    std::string out, err;
};

#ifdef _WIN32
// cmd.exe strips the outer quotes of the whole line, so the line gets one
// pair more; system() answers the exit code itself. The tool writes text
// mode: its line ends are read back as single line feeds.
std::string shell_quoted(const std::string &path) { return "\"" + path + "\""; }
int system_status(const std::string &line) { return std::system(("\"" + line + "\"").c_str()); }
std::string tool_text(const std::string &text) {
    std::string lines;
    for (size_t i = 0; i < text.size(); i++)
        if (text[i] != '\r' || i + 1 == text.size() || text[i + 1] != '\n')
            lines += text[i];
    return lines;
}
#else
std::string shell_quoted(const std::string &path) { return "'" + path + "'"; }
int system_status(const std::string &line) {
    int status = std::system(line.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
std::string tool_text(const std::string &text) { return text; }
#endif

ToolRun run_tool(const std::string &arguments) {
    std::string out = write_temp_file("tool-out.txt", "");
    std::string err = write_temp_file("tool-err.txt", "");
    int status = system_status(shell_quoted(OXEL_TOOL_PATH) + " " + arguments + " >" + shell_quoted(out) +
                               " 2>" + shell_quoted(err));
    return {status, tool_text(read_file(out)), tool_text(read_file(err))};
}

std::vector<std::string> lines_of(const std::string &text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// Runs `show --json` on the file and reads the document back.
JsonValue show_json(const std::string &file) {
    ToolRun run = run_tool("show --json " + shell_quoted(file));
    JsonValue document;
    EXPECT_EQ(run.status, 0) << file << "\n" << run.err;
    EXPECT_TRUE(JsonReader::read(run.out, &document)) << file << "\n" << run.out;
    return document;
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

    std::string other =
        write_temp_file("tool-one.oxel", "OXEL COMPONENT solo END COMPONENT END OXEL");
    run = run_tool("components " + shell_quoted(three) + " " + shell_quoted(other));
    EXPECT_EQ(lines_of(run.out), (std::vector<std::string>{three + ":", "  cpu", "  (unnamed)",
                                                           "  abc", other + ":", "  solo"}));

    run = run_tool("components /nonexistent/oxel32/none.oxel");
    EXPECT_EQ(run.status, OXEL_FAILED);
    EXPECT_NE(run.err.find("cannot open '/nonexistent/oxel32/none.oxel'"), std::string::npos);
}

TEST(OxelTool, ShowWorksOnEveryExampleAndAgreesWithTheQuickScan) {
    size_t examples = 0;
    for (const auto &entry : std::filesystem::directory_iterator(example_path(""))) {
        std::string file = entry.path().string();
        if (entry.path().extension() != ".oxel")
            continue;
        examples++;
        ToolRun plain = run_tool("show " + shell_quoted(file));
        EXPECT_EQ(plain.status, 0) << file << "\n" << plain.err;
        std::vector<std::string> shown;
        JsonValue document = show_json(file);
        for (const JsonValue &component : document["components"].items)
            shown.push_back(component["name"].text);
        EXPECT_EQ(shown, lines_of(run_tool("components " + shell_quoted(file)).out)) << file;
        for (const std::string &name : shown)
            EXPECT_NE(plain.out.find("Component " + name + "\n"), std::string::npos) << file;
    }
    EXPECT_GT(examples, 0u);
}

// The JSON document says what the query exports say about the example, and
// the plain form lines up its pin columns.
TEST(OxelTool, ShowReportsWhatTheQueriesAnswer) {
    std::string file = example_path("jx200.oxel");
    JsonValue document = show_json(file);
    EXPECT_EQ(document["file"].text, file);
    Recorder host;
    HostContext *h = host.host();
    OxelInitialize(h);
    ASSERT_EQ(OxelParse(h, file.c_str()), OXEL_OK) << host.dump();
    ASSERT_EQ(document["components"].items.size(), static_cast<size_t>(oxel_nr_components()));
    size_t index = 0;
    for (int32_t more = oxel_get_first_component(); more; more = oxel_get_next_component()) {
        const JsonValue &c = document["components"][index++];
        EXPECT_EQ(c["name"].text, oxel_get_current_component_name());
        EXPECT_EQ(c["instruction_register"]["length"].number,
                  oxel_get_current_component_instruction_register_length());
        size_t i = 0;
        for (int32_t kind = oxel_get_current_component_first_instruction(); kind != -1;
             kind = oxel_get_current_component_next_instruction(), i++) {
            ASSERT_LT(i, c["instructions"].items.size());
            EXPECT_EQ(c["instructions"][i]["opcode"].text,
                      oxel_get_current_component_current_instruction_code());
        }
        EXPECT_EQ(i, c["instructions"].items.size());
        const char *tdo = oxel_get_current_component_pin_id(h, OXEL_PIN_TDO);
        EXPECT_EQ(c["tap_pins"]["TDO"].text, tdo ? tdo : "");
        EXPECT_EQ(c["pins"].items.size(), static_cast<size_t>(oxel_nr_current_component_pins()));
        size_t cell = 0;
        for (int32_t on = oxel_get_current_component_first_cell(h); on;
             on = oxel_get_current_component_next_cell(h), cell++) {
            ASSERT_LT(cell, c["cells"].items.size());
            const JsonValue &shown = c["cells"][cell];
            EXPECT_EQ(shown["position"].number, oxel_get_current_component_current_cell_position());
            int32_t control = oxel_get_current_component_current_cell_CD_output(h);
            EXPECT_EQ(shown["control_cell"].is_null(), control < 0);
            EXPECT_EQ(shown["control_cell"].number, control < 0 ? 0 : control);
        }
        EXPECT_EQ(cell, c["cells"].items.size());
    }
    OxelDestroy(h);
    OxelInitialize(h);

    std::vector<std::string> lines = lines_of(run_tool("show " + shell_quoted(file)).out);
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

TEST(OxelTool, ShowEscapesWhateverTheDescriptionHoldsAndFailsOnABrokenFile) {
    std::string odd = write_temp_file(
        "tool-odd.oxel",
        "OXEL OXEL_HEADER\n"
        "  CREATION_LOG \"d\" \"c\" \"t\" \"tab\there \xff caf\xc3\xa9 \\\\ \\\"q\\\"\"\n"
        "END OXEL_HEADER COMPONENT \"odd \\\"name\\\"\" END COMPONENT END OXEL\n");
    JsonValue document = show_json(odd);
    const JsonValue &component = document["components"][0];
    EXPECT_EQ(component["name"].text, "odd \"name\"");
    EXPECT_EQ(component["source"].text, "tab\there \xc3\xbf caf\xc3\xa9 \\ \"q\"");
    EXPECT_TRUE(component["highest_frequency"].is_null());

    std::string broken =
        write_temp_file("tool-broken.oxel", "OXEL COMPONENT c LENGTH END COMPONENT END OXEL");
    ToolRun run = run_tool("show " + shell_quoted(broken));
    EXPECT_EQ(run.status, OXEL_FAILED);
    EXPECT_NE(run.err.find("error: syntax error"), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty()) << run.out;
    run = run_tool("show " + shell_quoted(broken) + " " + shell_quoted(broken));
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("show takes one file"), std::string::npos);
}

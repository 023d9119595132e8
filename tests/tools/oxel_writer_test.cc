// The oxel tool writing OXEL text: show --oxel of any description, import-bsdl to standard output or a file
#include <filesystem>
#include <fstream>

#include "tool_runner.h"

namespace {

namespace fs = std::filesystem;

// The names in a folder, to see that nothing was left behind.
std::set<std::string> names_in(const fs::path &folder) {
    std::set<std::string> names;
    for (const auto &entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

}  // namespace

TEST(OxelWriterTool, ShowOxelWritesTheDescriptionThatReadsBackAsItShows) {
    const ToolRun written = run_tool("show --oxel examples/jx200.oxel");
    EXPECT_EQ(written.status, 0) << written.err;
    EXPECT_EQ(written.err, "");
    expect_golden("tests/tools/golden/jx200.show.oxel", written.out);
    const std::string copy = write_temp_file("jx200_written.oxel", written.out);
    const ToolRun shown = run_tool("show " + quoted(copy)), original = run_tool("show examples/jx200.oxel");
    EXPECT_EQ(shown.out, original.out);
}

TEST(OxelWriterTool, ImportBsdlWritesWhatShowOxelShowsOfTheBsdlFile) {
    const ToolRun imported = run_tool("import-bsdl tests/bsdl/bridge_1994.bsd");
    EXPECT_EQ(imported.status, 0) << imported.err;
    expect_golden("tests/tools/golden/bridge_1994.import.oxel", imported.out);
    // The notes of the attributes passed over go to standard error, as for any command that reads the file.
    EXPECT_EQ(imported.err, run_tool("parse tests/bsdl/bridge_1994.bsd").err);
    EXPECT_EQ(run_tool("show --oxel tests/bsdl/bridge_1994.bsd").out, imported.out);
    // Another package: other pin numbers, the same in show and check.
    const ToolRun ball_grid = run_tool("import-bsdl --package BGA49 tests/bsdl/bridge_1994.bsd");
    EXPECT_EQ(ball_grid.status, 0) << ball_grid.err;
    EXPECT_NE(ball_grid.out, imported.out);
    EXPECT_EQ(run_tool("show --oxel --package=BGA49 tests/bsdl/bridge_1994.bsd").out, ball_grid.out);
    EXPECT_EQ(run_tool("--level 1 check --package BGA49 tests/bsdl/bridge_1994.bsd").status,
              run_tool("--level 1 check tests/bsdl/bridge_1994.bsd").status);
    // Its text checks as the import does.
    const std::string copy = write_temp_file("bridge_written.oxel", imported.out);
    EXPECT_EQ(run_tool("--level 1 check " + quoted(copy)).status, run_tool("--level 1 check tests/bsdl/bridge_1994.bsd").status);
}

TEST(OxelWriterTool, ImportBsdlToAFileReplacesItOnlyWhenTheImportSucceeds) {
    const fs::path folder = fs::path(write_temp_file("import_out.keep", "")).parent_path() / "import_out";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string out = (folder / "chip.oxel").string();

    ToolRun run = run_tool("import-bsdl tests/bsdl/sensor_1990.bsd -o " + quoted(out));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(read_file(out), run_tool("import-bsdl tests/bsdl/sensor_1990.bsd").out);
    EXPECT_EQ(names_in(folder), std::set<std::string>{"chip.oxel"});

    // A file that does not import, an unknown package, a file that is no BSDL: the file stays as it was, and
    // no other file is left beside it.
    {
        std::ofstream(out, std::ios::binary) << "what was there\n";
    }
    run = run_tool("import-bsdl tests/tools/inputs/bad_chip.bsd -o " + quoted(out));
    EXPECT_EQ(run.status, 4);
    EXPECT_NE(run.err.find("error:"), std::string::npos) << run.err;
    run = run_tool("import-bsdl --package NOPE tests/bsdl/bridge_1994.bsd --output=" + quoted(out));
    EXPECT_EQ(run.status, 4);
    EXPECT_NE(run.err.find("PQFP44"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("BGA49"), std::string::npos) << run.err;
    run = run_tool("import-bsdl examples/jx200.oxel -o " + quoted(out));
    EXPECT_EQ(run.status, 4);
    EXPECT_EQ(run.err, "oxel: examples/jx200.oxel: not a BSDL file (its first word is not entity)\n");
    EXPECT_EQ(read_file(out), "what was there\n");
    EXPECT_EQ(names_in(folder), std::set<std::string>{"chip.oxel"});

    // A folder that is not there: the reason, status 4.
    run = run_tool("import-bsdl tests/bsdl/sensor_1990.bsd -o " + quoted((folder / "none" / "chip.oxel").string()));
    EXPECT_EQ(run.status, 4);
    EXPECT_NE(run.err.find("oxel: " + (folder / "none" / "chip.oxel").string() + ": "), std::string::npos) << run.err;
    fs::remove_all(folder);
}

TEST(OxelWriterTool, TheNewOptionsGoWhereTheyBelong) {
    const struct {
        const char *arguments, *message;
    } cases[] = {
        {"check --oxel examples/jx200.oxel", "oxel: --oxel goes with show, without --json\n"},
        {"show --oxel --json examples/jx200.oxel", "oxel: --oxel goes with show, without --json\n"},
        {"import-bsdl tests/bsdl/sensor_1990.bsd tests/bsdl/fpga_2001.bsd", "oxel: import-bsdl takes one file\n"},
        {"is-oxel --package X examples/jx200.oxel", "oxel: --package goes with the commands that read a file\n"},
        {"check -o out.oxel examples/jx200.oxel", "oxel: --output goes with draw, report and import-bsdl\n"},
        {"show --package examples/jx200.oxel", "oxel: no file given\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments);
        const ToolRun run = run_tool(c.arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err.substr(0, run.err.find('\n') + 1), c.message);
    }
}

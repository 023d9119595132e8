// The oxel tool, run as a host would, against expected outputs kept under tests/tools/golden/
//
// Each case runs from the source folder; its status, output and errors must equal the table and the golden
// files it names (a stream without one stays empty). OXEL_UPDATE_GOLDEN=1 ctest -R OxelTool rewrites them.
#ifndef _WIN32
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

#include <cstring>
#include <filesystem>
#include <fstream>

#include "tool_runner.h"

TEST(OxelTool, EachCommandWritesItsGoldenOutputAndStatus) {
    const std::string inputs = "tests/tools/inputs/";
    const std::string every_example =
        "examples/dual_jx200_board.oxel examples/header.oxel examples/jx200.oxel examples/kx300_bridge.oxel "
        "examples/px240_port_expander.oxel examples/vrak_sequences.oxel";
    const struct {
        std::string arguments;
        int status;
        const char *out, *err;
    } cases[] = {
        {"show examples/jx200.oxel", 0, "jx200.show.txt", nullptr},
        {"show --json examples/jx200.oxel", 0, "jx200.show.json", nullptr},
        {"show examples/dual_jx200_board.oxel", 0, "dual_jx200_board.show.txt", nullptr},
        {"show --json examples/dual_jx200_board.oxel", 0, "dual_jx200_board.show.json", nullptr},
        // Sequences and illegal vectors of a board, pin families that leave values out.
        {"show --json examples/vrak_sequences.oxel", 0, "vrak_sequences.show.json", nullptr},
        {"show examples/header.oxel", 0, "header.show.txt", nullptr},
        // Board pin lists, nets with their nodes, and each chain's parts from TDI to TDO in the order written,
        // with their register lengths and IDCODEs, and the chain's totals (unknown past an undescribed part).
        {"show " + inputs + "chain.oxel", 0, "chain.show.txt", nullptr},
        {"show --json " + inputs + "chain.oxel", 0, "chain.show.json", nullptr},
        // Test sequences with their instructions' arguments, in a report too.
        {"show examples/vrak_sequences.oxel", 0, "vrak_sequences.show.txt", nullptr},
        // What the query exports answer about the devices of the query tests.
        {"show tests/query/devices.oxel", 0, "devices.show.txt", nullptr},
        // Texts with quotes, tabs, backslashes and bytes of no encoding.
        {"show --json " + inputs + "odd_texts.oxel", 0, "odd_texts.show.json", nullptr},
        {"show " + inputs + "broken.oxel", 4, nullptr, "broken.show.err"},
        {"--level 4 --prog-name checker parse " + inputs + "broken.oxel examples/header.oxel", 4, nullptr,
         "broken.parse.err"},
        {"parse examples/vrak_sequences.oxel examples/jx200.oxel", 0, nullptr, nullptr},
        // Warnings in three examples: the worst result is 1.
        {"check " + every_example, 1, nullptr, "examples.check.err"},
        {"check --json " + every_example, 1, "examples.check.json", nullptr},
        // A message of two lines is one: the detail joins its first line. The
        // library reports the ignored directive and the parse succeeds, but an
        // error was told: every command that reads the file fails.
        {"check " + inputs + "directive.oxel", 4, nullptr, "directive.check.err"},
        {"parse " + inputs + "directive.oxel", 4, nullptr, "directive.parse.err"},
        {"show " + inputs + "directive.oxel", 4, "directive.show.txt", "directive.parse.err"},
        // The quick scanner never reads the directive, the probe before it does.
        {"components " + inputs + "include_first.oxel", 4, nullptr, "include_first.components.err"},
        // Warnings fail check unless only errors are to fail it.
        {"check --fail-on=error " + every_example, 0, nullptr, "examples.check.err"},
        {"check --fail-on warning " + inputs + "silent_tap.oxel", 1, nullptr, "silent_tap.check.err"},
        // A warning the check counts without a message is told in a note at
        // its TAP and counted, in the summary and the document alike.
        {"check " + inputs + "silent_tap.oxel", 1, nullptr, "silent_tap.check.err"},
        {"check --json " + inputs + "silent_tap.oxel", 1, "silent_tap.check.json", nullptr},
        {"check --fail-on=error " + inputs + "silent_tap.oxel", 0, nullptr, "silent_tap.check.err"},
        // Two TAPs on one net fail the check, which tells it in notes alone.
        {"check " + inputs + "shared_net.oxel", 4, nullptr, "shared_net.check.err"},
        // With --json even a file that cannot be read is told in the document.
        {"check --json --level 4 " + inputs + "broken.oxel no/such/file.oxel", 4, "broken.check.json",
         nullptr},
        // Standard input is named <stdin>, also in the library's own texts.
        {"--level 4 check - <" + inputs + "broken.oxel", 4, nullptr, "stdin.check.err"},
        {"show --json - <" + inputs + "three.oxel", 0, "stdin.show.json", nullptr},
        // A message that points somewhere names the file that holds the place, an include file by its name as
        // written, and that file's own line; the text of a syntax error keeps the count through the include.
        {"check " + inputs + "include_broken.oxel", 4, nullptr, "include_broken.check.err"},
        {"check " + inputs + "includes.oxel", 4, nullptr, "includes.check.err"},
        {"check --json - <" + inputs + "includes.oxel", 4, "includes.stdin.check.json", nullptr},
        {"is-oxel examples/jx200.oxel", 0, "yes.txt", nullptr},
        {"is-oxel " + inputs + "broken.oxel", 0, "yes.txt", nullptr},
        {"is-oxel " + inputs + "flash.txt", 1, "no.txt", nullptr},
        {"components " + inputs + "three.oxel", 0, "three.components.txt", nullptr},
        // Two files or more: each list under its file's name.
        {"components " + inputs + "three.oxel examples/jx200.oxel", 0, "several.components.txt", nullptr},
        {"--help", 0, "help.txt", nullptr},
        {"help", 0, "help.txt", nullptr},
        {"-h", 0, "help.txt", nullptr},
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

// A file that cannot be read, or is no OXEL description, fails every command
// with the reason, and the other files are still read.
TEST(OxelTool, AFileThatCannotBeReadFailsEveryCommand) {
    const struct {
        std::string file, reason;
    } files[] = {
        {"no/such/file.oxel", "No such file or directory"},
        {"examples", "not a regular file"},
        {"tests/tools/inputs/flash.txt", "not an OXEL description"},
    };
    for (const auto &[file, reason] : files) {
        for (const std::string command : {"parse", "check", "components", "show"}) {
            const std::string second = command == "show" ? "" : " examples/header.oxel";
            SCOPED_TRACE(command + " " + file);
            const ToolRun run = run_tool(command + " " + file + second);
            EXPECT_EQ(run.status, 4);
            EXPECT_EQ(run.err.substr(0, run.err.find('\n') + 1), "oxel: " + file + ": " + reason + "\n");
            if (command == "check") {
                EXPECT_NE(run.err.find("examples/header.oxel: no errors or warnings\n"), std::string::npos);
            }
        }
    }
    // Not OXEL is is-oxel's answer; a missing file is an error there too.
    const ToolRun missing = run_tool("is-oxel no/such/file.oxel");
    EXPECT_EQ(row(missing.status, missing.out, missing.err),
              "4||oxel: no/such/file.oxel: No such file or directory\n");
}

#ifndef _WIN32
// A named pipe without a writer, a socket and a device are refused by every
// command before anything opens them: nothing waits for a writer or reads
// without end. (A hang ends at the timeout with a status of its own.)
TEST(OxelTool, OnlyRegularFilesAreReadAndNothingWaits) {
    const std::string folder = std::filesystem::path(write_temp_file("tool.out", "")).parent_path().string();
    const std::string fifo = folder + "/pipe.oxel", socket_path = folder + "/socket.oxel";
    std::remove(fifo.c_str());
    std::remove(socket_path.c_str());
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(socket_path.size(), sizeof address.sun_path);
    std::strcpy(address.sun_path, socket_path.c_str());
    ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    for (const std::string &file : {fifo, socket_path, std::string("/dev/null")}) {
        for (const std::string command : {"parse", "check", "components", "show", "is-oxel"}) {
            SCOPED_TRACE(command + " " + file);
            const ToolRun run = run_command("timeout 20 " + quoted(OXEL_TOOL_PATH) + " " + command + " " +
                                            quoted(file));
            EXPECT_EQ(row(run.status, run.out, run.err), "4||oxel: " + file + ": not a regular file\n");
        }
    }
    close(listener);
    std::remove(fifo.c_str());
    std::remove(socket_path.c_str());
}
#endif

// Over every description of the sources, the summary of check and its status agree: a file reads clean
// exactly when it passes, and the tool knows every finding the check counts without a message (it never has
// to fall back on saying that the result holds more than was told).
TEST(OxelTool, ASummaryReadsCleanExactlyWhenTheFilePasses) {
    for (const std::string folder : {"examples", "tests/grammar/golden", "tests/lexer/golden", "tests/query",
                                     "tests/scan/golden", "tests/tools/inputs", "tests/tools/inputs/parts"})
        for (const std::string &file : oxel_files(folder)) {
            SCOPED_TRACE(file);
            const ToolRun run = run_tool("check " + file);
            EXPECT_EQ(run.err.find("without an error message"), std::string::npos) << run.err;
            EXPECT_EQ(run.err.find("without a warning message"), std::string::npos) << run.err;
            const std::string summary = file + ": no errors or warnings\n";
            const bool clean = run.err.size() >= summary.size() &&
                               run.err.compare(run.err.size() - summary.size(), summary.size(), summary) == 0;
            EXPECT_EQ(clean, run.status == 0) << run.status << "\n" << run.err;
        }
}

TEST(OxelTool, ACommandLineItCannotUseIsAUsageErrorOfTwoLines) {
    const std::string usage = "usage: oxel COMMAND [OPTIONS] FILE...  (oxel help for more)\n";
    const struct {
        std::string arguments, what;
    } cases[] = {
        {"", ""},
        {"--level 3", "no command given"},
        {"frob examples/jx200.oxel", "unknown command frob"},
        {"check --frob examples/jx200.oxel", "unknown option --frob"},
        {"check -x examples/jx200.oxel", "unknown option -x"},
        {"check", "no file given"},
        {"--level x parse examples/jx200.oxel", "--level takes a number from 0 to 4"},
        {"--level=5 parse examples/jx200.oxel", "--level takes a number from 0 to 4"},
        {"-l -1 parse examples/jx200.oxel", "--level takes a number from 0 to 4"},
        {"parse examples/jx200.oxel --level", "--level takes a number from 0 to 4"},
        {"parse examples/jx200.oxel --prog-name", "--prog-name takes a name"},
        {"show examples/jx200.oxel examples/header.oxel", "show takes one file"},
        {"is-oxel", "no file given"},
        {"parse --json examples/jx200.oxel", "--json goes with show and check"},
        {"check --fail-on=warnings examples/jx200.oxel", "--fail-on takes error or warning"},
        {"check examples/jx200.oxel --fail-on", "--fail-on takes error or warning"},
        {"check examples/jx200.oxel --include-dir=", "--include-dir takes a folder"},
        {"check examples/jx200.oxel -I", "--include-dir takes a folder"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments);
        const ToolRun run = run_tool(c.arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, (c.what.empty() ? "" : "oxel: " + c.what + "\n") + usage);
    }
}

TEST(OxelTool, TheThreeSpellingsOfTheLevelAgreeAndOptionsMayFollowTheFiles) {
    const std::string file = "examples/header.oxel";
    for (const std::string &arguments : {"--level 4 parse " + file, "--level=4 parse " + file,
                                         "parse -l 4 " + file, "parse " + file + " --level 4"}) {
        const ToolRun run = run_tool(arguments);
        EXPECT_EQ(row(run.status, run.err), "0|" + file + ": progress: Reading file '" + file + "'\n")
            << arguments;
    }
    EXPECT_EQ(run_tool("-l 3 parse examples/header.oxel").err, "");
    // "--" ends the options: what follows is a file even when it looks like one.
    EXPECT_EQ(run_tool("parse -- --level").err, "oxel: --level: No such file or directory\n");
}

TEST(OxelTool, TheVersionIsTheLibrarys) {
    for (const std::string arguments : {"--version", "-V", "check -V"}) {
        const ToolRun run = run_tool(arguments);
        EXPECT_EQ(run.status, 0) << arguments;
        EXPECT_EQ(run.out, std::string("oxel ") + oxel_version() + "\n") << arguments;
    }
}

#ifndef _WIN32
// Include files are opened from the working directory first, then beside the file that names them, then from
// each -I folder in order; messages name a file by the path it was found at. Only a name no place holds is an
// error, and fails the command. The folder of standard input's copy is no place to look.
TEST(OxelTool, IncludeFilesAreFoundBesideTheirFileAndInTheIncludeFolders) {
    namespace fs = std::filesystem;
    const fs::path root = fs::path(write_temp_file("tool.out", "")).parent_path() / "include_search";
    fs::remove_all(root);
    const auto write = [&](const std::string &name, const std::string &text) {
        fs::create_directories((root / name).parent_path());
        std::ofstream(root / name, std::ios::binary) << text;
    };
    const auto family = [](const std::string &name) {
        return "PIN_FAMILY " + name + " SETUP_TIME 1 END PIN_FAMILY\n";
    };
    write("work/part.oxel", family("FROM_WORK"));
    write("boards/part.oxel", family("BESIDE"));
    write("boards/board.oxel", "OXEL\n#include part.oxel\n#include lib.oxel\n#include deep.oxel\nEND OXEL\n");
    write("first/lib.oxel", "#include neighbour.oxel\n");
    write("first/neighbour.oxel",
          "COMPONENT C PIN_LIST\n1 TCK TCK -\n2 TMS TMS -\n3 TDI TDI -\n4 TDO TDO -\n5 A IN -\nEND PIN_LIST END COMPONENT\n");
    write("second/lib.oxel", family("SECOND_LIB"));
    write("second/deep.oxel", family("DEEP"));
    const auto oxel_in = [&](const std::string &folder, const std::string &arguments) {
        return run_command("cd " + quoted((root / folder).string()) + " && " + quoted(OXEL_TOOL_PATH) + " " +
                           arguments);
    };
    // From the folder that holds a part.oxel of its own, that one is read.
    ToolRun run = oxel_in("work", "show --json -I ../first -I../second ../boards/board.oxel");
    EXPECT_EQ(row(run.status, run.err), "0|");
    EXPECT_NE(run.out.find("\"name\": \"FROM_WORK\""), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("\"name\": \"BESIDE\""), std::string::npos);
    // From elsewhere, the one beside the board; lib.oxel from the first folder that has it, which finds its
    // own neighbour beside itself; deep.oxel from the second.
    run = oxel_in("", "check -I first --include-dir=second --include-dir second boards/board.oxel");
    EXPECT_EQ(row(run.status, run.err),
              "1|first/neighbour.oxel:6:1: warning: Pin \"A\" has BST type but is not specified in the "
              "Boundary-Scan Register\nboards/board.oxel: 1 warning\n");
    run = oxel_in("", "show --json -I first -I second boards/board.oxel");
    for (const std::string family_name : {"BESIDE", "DEEP"})
        EXPECT_NE(run.out.find("\"name\": \"" + family_name + "\""), std::string::npos) << family_name;
    EXPECT_EQ(run.out.find("SECOND_LIB"), std::string::npos);
    // Without the folders the two names are found nowhere: reported as written, and every command fails.
    for (const std::string command : {"parse", "check", "show"}) {
        run = oxel_in("", command + " boards/board.oxel");
        EXPECT_EQ(run.status, 4) << command;
        EXPECT_NE(run.err.find("boards/board.oxel:3:1: error: syntax error >> line 7: Couldn't open #include "
                               "file lib.oxel\n"),
                  std::string::npos)
            << command << "\n" << run.err;
    }
    write("copies/part.oxel", family("BESIDE_THE_COPY"));
    run = run_command("cd " + quoted(root.string()) + " && TMPDIR=copies " + quoted(OXEL_TOOL_PATH) +
                      " show --json -I first -I second - <boards/board.oxel");
    EXPECT_EQ(row(run.status, run.err),
              "4|<stdin>:2:1: error: syntax error >> line 3: Couldn't open #include file part.oxel\n"
              "<stdin>:2:1: error: syntax error >> line 3: Ignoring #include directive\n");
    EXPECT_EQ(run.out.find("BESIDE_THE_COPY"), std::string::npos);
}
#endif

#ifndef _WIN32
TEST(OxelTool, TheCopyOfStandardInputIsRemovedAfterwards) {
    const std::string folder =
        (std::filesystem::path(write_temp_file("tool.out", "")).parent_path() / "stdin_copies").string();
    std::filesystem::create_directories(folder);
    const ToolRun run = run_tool("check - - <examples/jx200.oxel", "TMPDIR=" + quoted(folder) + " ");
    // The second "-" finds standard input used up: nothing OXEL in it.
    EXPECT_EQ(run.status, 4);
    EXPECT_EQ(run.err, "<stdin>: no errors or warnings\noxel: <stdin>: not an OXEL description\n");
    EXPECT_TRUE(std::filesystem::is_empty(folder));
}

// Through a pseudo-terminal (script from util-linux): colour unless NO_COLOR is set, and a progress counter
// that ends cleared. A pipe gets neither, as the golden files show.
TEST(OxelTool, ColourAndProgressAreForATerminalOnly) {
    if (std::system("command -v script >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "script is not installed";
    const std::string arguments = "check tests/tools/inputs/broken.oxel examples/kx300_bridge.oxel";
    const auto through_terminal = [&](const std::string &environment) {
        return run_command(environment + "script -qc \"" + quoted(OXEL_TOOL_PATH) + " " + arguments +
                           "\" /dev/null")
            .out;
    };
    const std::string coloured = through_terminal("");
    for (const std::string expected :
         {"\033[1mtests/tools/inputs/broken.oxel:3:5:\033[0m \033[31merror:\033[0m syntax error",
          "\033[36mnote:\033[0m Data section expected", "\033[33mwarning:\033[0m Observe-only cell",
          "\r\033[K[1/2] tests/tools/inputs/broken.oxel", "[2/2] examples/kx300_bridge.oxel"})
        EXPECT_NE(coloured.find(expected), std::string::npos) << expected << "\n" << coloured;
    EXPECT_EQ(coloured.substr(coloured.size() - 4), "\r\033[K") << coloured;
    const std::string plain = through_terminal("NO_COLOR= ");
    EXPECT_EQ(plain.find("\033[1m"), std::string::npos) << plain;
    EXPECT_EQ(plain.find("\033[3"), std::string::npos) << plain;
    EXPECT_NE(plain.find("[2/2] examples/kx300_bridge.oxel"), std::string::npos) << plain;
}
#endif

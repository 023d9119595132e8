// The tool's help with messages: "did you mean" notes, oxel explain, a quiet is-oxel, and SARIF for CI
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "json_value.h"
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

JsonValue parsed(const std::string &text) {
    std::string error;
    JsonValue value = JsonReader(text).read(error);
    EXPECT_EQ(error, "") << text;
    return value;
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

    // A message of the BSDL importer: its example is a BSDL file.
    const ToolRun bsdl = run_tool("explain bsdl-cell-port-not-declared");
    EXPECT_EQ(bsdl.status, 0);
    EXPECT_NE(bsdl.out.find("\n```bsdl\nentity CHIP is\n"), std::string::npos) << bsdl.out;
    EXPECT_NE(bsdl.out.find("\"0 (BC_1, A, INPUT, X), 1 (BC_1, Z, OUTPUT2, X)\";\nend CHIP;\n```\n"),
              std::string::npos);
    EXPECT_NE(bsdl.out.find("error: Cell 1 names port Z, which is not declared"), std::string::npos);

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

TEST(OxelFormat, JsonAndTextAreTheOtherSpellingsAndSarifGoesWithCheckOnly) {
    const std::string files = "examples/header.oxel examples/kx300_bridge.oxel tests/tools/inputs/broken.oxel";
    const ToolRun json = run_tool("check --json " + files);
    for (const std::string spelling : {"--format=json", "--format json"}) {
        const ToolRun run = run_tool("check " + spelling + " " + files);
        EXPECT_EQ(row(run.status, run.out, run.err), row(json.status, json.out, json.err)) << spelling;
    }
    EXPECT_EQ(run_tool("show --format=json examples/jx200.oxel").out, run_tool("show --json examples/jx200.oxel").out);
    const ToolRun text = run_tool("check " + files);
    EXPECT_EQ(run_tool("check --format=text " + files).err, text.err);
    // The last of --json and --format counts.
    EXPECT_EQ(run_tool("check --json --format=text " + files).err, text.err);

    for (const auto &[arguments, what] : std::vector<std::pair<std::string, std::string>>{
             {"check --format=xml examples/jx200.oxel", "--format takes text, json or sarif"},
             {"check --format", "--format takes text, json or sarif"},
             {"parse --format=sarif examples/jx200.oxel", "--format=sarif goes with check"},
             {"parse --format=json examples/jx200.oxel", "--json goes with show and check"}}) {
        const ToolRun run = run_tool(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_EQ(run.err.substr(0, run.err.find('\n')), "oxel: " + what) << arguments;
    }
}

namespace {

// What is wrong with a SARIF 2.1.0 log, by the structure the standard gives it: the properties it requires
// and their types, a rule for each id the results use, locations with URI references and 1-based regions.
class SarifChecker {
public:
    std::vector<std::string> problems;

    void check(const JsonValue &log) {
        if (!expect(log.is(JsonValue::kObject), "the log is an object"))
            return;
        expect(log.text("version") == "2.1.0", "version is \"2.1.0\"");
        expect(log.text("$schema").rfind("https://", 0) == 0, "$schema is an https URI");
        const JsonValue *runs = log.get("runs");
        if (!expect(runs && runs->is(JsonValue::kArray) && runs->items.size() == 1, "one run"))
            return;
        run(runs->items[0]);
    }

    const JsonValue *rules = nullptr;

private:
    bool expect(bool holds, const std::string &what) {
        if (!holds)
            problems.push_back(what);
        return holds;
    }
    static bool is_integer(const JsonValue *value, double at_least) {
        return value && value->is(JsonValue::kNumber) && value->integral && value->number >= at_least;
    }
    static bool has_text(const JsonValue &object, const char *name) {
        const JsonValue *message = object.get(name);
        return message && message->is(JsonValue::kObject) && message->get("text") &&
               message->get("text")->is(JsonValue::kString);
    }
    // A URI reference: only the characters a URI may hold, each escape of two hexadecimal digits; an
    // absolute one a file URI, a relative one no path from the root and no scheme.
    static bool is_uri(const std::string &uri, bool relative) {
        static const std::string kAllowed =
            "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-._~!$&'()*+,;=:@/";
        for (size_t i = 0; i < uri.size(); i++) {
            if (uri[i] == '%') {
                if (i + 2 >= uri.size() || !std::isxdigit(static_cast<unsigned char>(uri[i + 1])) ||
                    !std::isxdigit(static_cast<unsigned char>(uri[i + 2])))
                    return false;
                i += 2;
            } else if (kAllowed.find(uri[i]) == std::string::npos) {
                return false;
            }
        }
        if (!relative)
            return uri.rfind("file:///", 0) == 0;
        const size_t colon = uri.find(':');
        return !uri.empty() && uri[0] != '/' && (colon == std::string::npos || colon > uri.find('/'));
    }

    void run(const JsonValue &run) {
        const JsonValue *tool = run.get("tool");
        const JsonValue *driver = tool ? tool->get("driver") : nullptr;
        if (!expect(driver && driver->is(JsonValue::kObject), "run.tool.driver is an object"))
            return;
        expect(driver->text("name") == "oxel", "the driver is oxel");
        expect(driver->text("version") == oxel_version(), "the driver's version is the library's");
        rules = driver->get("rules");
        if (!expect(rules && rules->is(JsonValue::kArray), "driver.rules is an array"))
            return;
        std::set<std::string> ids;
        for (const JsonValue &rule : rules->items) {
            const std::string id = rule.text("id");
            expect(!id.empty() && ids.insert(id).second, "each rule has an id of its own: " + id);
            expect(has_text(rule, "shortDescription") && has_text(rule, "fullDescription"), id + ": descriptions");
            const JsonValue *help = rule.get("help");
            expect(help && !help->text("text").empty() && !help->text("markdown").empty(), id + ": help");
            const JsonValue *configuration = rule.get("defaultConfiguration");
            expect(configuration && is_level(configuration->text("level")), id + ": default level");
        }
        bases = run.get("originalUriBaseIds");
        if (bases) {
            expect(bases->is(JsonValue::kObject), "originalUriBaseIds is an object");
            for (const JsonMember &base : bases->members) {
                const std::string uri = base.value.text("uri");
                expect(is_uri(uri, false) && uri.back() == '/', base.key + " is an absolute URI of a folder");
            }
        }
        const JsonValue *results = run.get("results");
        if (!expect(results && results->is(JsonValue::kArray), "run.results is an array"))
            return;
        std::set<std::string> used;
        for (const JsonValue &result : results->items) {
            expect(result.is(JsonValue::kObject), "a result is an object");
            expect(has_text(result, "message") && !result.get("message")->text("text").empty(), "a message");
            expect(is_level(result.text("level")), "a result's level");
            const JsonValue *index = result.get("ruleIndex");
            const std::string id = result.text("ruleId");
            if (expect(!id.empty() && is_integer(index, 0) && index->number < static_cast<double>(rules->items.size()),
                       "a result names its rule: " + result.get("message")->text("text"))) {
                const JsonValue &rule = rules->items[static_cast<size_t>(index->number)];
                expect(rule.text("id") == id, "ruleIndex and ruleId name one rule");
                expect(rule.get("defaultConfiguration")->text("level") == result.text("level"),
                       id + ": the result's level is its rule's");
                used.insert(id);
            }
            locations(result);
        }
        expect(used == ids, "one rule for each id the results use, and no other");
        const JsonValue *invocations = run.get("invocations");
        if (expect(invocations && invocations->is(JsonValue::kArray) && invocations->items.size() == 1,
                   "one invocation")) {
            const JsonValue &invocation = invocations->items[0];
            expect(invocation.get("executionSuccessful") && invocation.get("executionSuccessful")->is(JsonValue::kBool),
                   "executionSuccessful is a boolean");
            expect(is_integer(invocation.get("exitCode"), 0), "exitCode is an integer");
            if (const JsonValue *notifications = invocation.get("toolExecutionNotifications"))
                for (const JsonValue &notification : notifications->items)
                    expect(has_text(notification, "message") && is_level(notification.text("level")),
                           "a notification has its message and level");
        }
    }

    void locations(const JsonValue &result) {
        const JsonValue *list = result.get("locations");
        if (!list)
            return;
        for (const JsonValue &location : list->items) {
            const JsonValue *physical = location.get("physicalLocation");
            const JsonValue *artifact = physical ? physical->get("artifactLocation") : nullptr;
            if (!expect(artifact && artifact->is(JsonValue::kObject), "a physical location has its artifact"))
                continue;
            const JsonValue *uri = artifact->get("uri");
            const std::string base = artifact->text("uriBaseId");
            if (uri) {
                expect(uri->is(JsonValue::kString) && is_uri(uri->string, !base.empty()),
                       "a URI reference: " + uri->string);
                expect(base.empty() || (bases && bases->get(base)), "the base " + base + " is given");
            } else {
                expect(has_text(*artifact, "description"), "an artifact without a URI describes itself");
            }
            if (const JsonValue *region = physical->get("region")) {
                expect(is_integer(region->get("startLine"), 1), "startLine is an integer from 1");
                expect(!region->get("startColumn") || is_integer(region->get("startColumn"), 1),
                       "startColumn is an integer from 1");
            }
        }
    }
    static bool is_level(const std::string &level) {
        return level == "error" || level == "warning" || level == "note" || level == "none";
    }

    const JsonValue *bases = nullptr;
};

// The place of a SARIF result as "path:line:column": the path its URI stands for.
std::string result_place(const JsonValue &result) {
    const JsonValue &physical = *result.get("locations")->items[0].get("physicalLocation");
    const JsonValue &artifact = *physical.get("artifactLocation");
    std::string place = artifact.get("uri") ? artifact.text("uri") : artifact.get("description")->text("text");
    for (size_t at = place.find("%20"); at != std::string::npos; at = place.find("%20"))
        place.replace(at, 3, " ");
    if (const JsonValue *region = physical.get("region"))
        place += ":" + std::to_string(static_cast<int>(region->get("startLine")->number)) + ":" +
                 std::to_string(static_cast<int>(region->get("startColumn")->number));
    return place;
}

}  // namespace

// The log of a check over files of every sort is well formed, and its results are the messages the JSON
// document gives, in order, each at its place: a path under the working folder relative to it, one outside it
// an absolute file URI, standard input by description, a message that points nowhere at its file.
TEST(OxelSarif, TheLogIsWellFormedAndPlacesEachMessageWhereTheJsonDocumentDoes) {
    const std::string outside = write_temp_file("sarif outside.oxel", read_file(std::string(OXEL_SOURCE_DIR) +
                                                                                 "/tests/tools/inputs/broken.oxel"));
    const std::string inside = std::string(OXEL_SOURCE_DIR) + "/examples/kx300_bridge.oxel";
    const std::string files = "./examples/dual_jx200_board.oxel tests/tools/inputs/includes.oxel " + quoted(inside) +
                              " " + quoted(outside) + " no/such/file.oxel - <tests/tools/inputs/broken.oxel";
    const ToolRun sarif = run_tool("check --format=sarif " + files);
    const ToolRun json = run_tool("check --json " + files);
    EXPECT_EQ(sarif.status, 4);
    EXPECT_EQ(sarif.err, "");
    const JsonValue log = parsed(sarif.out);
    SarifChecker checker;
    checker.check(log);
    EXPECT_EQ(checker.problems, std::vector<std::string>{});
    ASSERT_TRUE(checker.problems.empty());

    const JsonValue &run = log.get("runs")->items[0];
    EXPECT_EQ(run.get("invocations")->items[0].get("exitCode")->number, 4);
    // The base is the working folder (under Wine with its drive letter in front).
    const std::string base = run.get("originalUriBaseIds")->get("%SRCROOT%")->text("uri");
    const std::string folder = fs::path(OXEL_SOURCE_DIR).relative_path().generic_string() + "/";
    EXPECT_EQ(base.substr(base.size() - std::min(base.size(), folder.size())), folder) << base;

    // The JSON document's messages, as SARIF would place and level them.
    std::vector<std::string> expected;
    const JsonValue document = parsed(json.out);
    for (const JsonValue &file : document.get("files")->items)
        for (const JsonValue &message : file.get("messages")->items) {
            const std::string kind = message.text("kind");
            std::string path = message.get("file") ? message.text("file") : file.text("file");
            if (path == inside)
                path = "examples/kx300_bridge.oxel";
            else if (path == "./examples/dual_jx200_board.oxel")
                path = "examples/dual_jx200_board.oxel";
            else if (path == outside)
                path = "file://" + std::string(outside[0] == '/' ? "" : "/") + outside;
            if (message.get("line"))
                path += ":" + std::to_string(static_cast<int>(message.get("line")->number)) + ":" +
                        std::to_string(static_cast<int>(message.get("column")->number));
            expected.push_back(kind + " " + path + " " + message.text("id") + " " + message.text("text"));
        }
    std::vector<std::string> placed;
    for (const JsonValue &result : run.get("results")->items)
        placed.push_back(result.text("level") + " " + result_place(result) + " " + result.text("ruleId") + " " +
                         result.get("message")->text("text"));
    EXPECT_EQ(placed, expected);
    // Each sort of file is there.
    for (const std::string sort : {"warning examples/dual_jx200_board.oxel:42:5 register-purpose-missing",
                                   "tests/tools/inputs/parts/twice_b.oxel:8:5 pin-not-in-chain",
                                   "warning examples/kx300_bridge.oxel:479:7 chain-observe-only-cell",
                                   " outside.oxel:3:5 syntax-error", "error no/such/file.oxel file-cannot-be-read",
                                   "note <stdin>:3:5 expected-component-section"})
        EXPECT_EQ(std::count_if(placed.begin(), placed.end(),
                                [&](const std::string &p) { return p.find(sort) != std::string::npos; }),
                  1)
            << sort;

    // Each rule carries its catalogue entry.
    bool found = false;
    for (const JsonValue &rule : checker.rules->items)
        if (rule.text("id") == "pin-name-multiple-defined") {
            found = true;
            EXPECT_EQ(rule.get("shortDescription")->text("text"), "Pin name \"%s\" is multiple defined");
            EXPECT_EQ(rule.get("help")->text("markdown").rfind("### pin-name-multiple-defined\n", 0), 0u);
        }
    EXPECT_TRUE(found);
}

// At level 4 the progress and status lines are notifications of the run, not results; a clean check is an
// empty list of results and status 0.
TEST(OxelSarif, ProgressLinesAreNotificationsAndACleanCheckHasNoResults) {
    const ToolRun clean = run_tool("--level 4 check --format=sarif examples/jx200.oxel");
    EXPECT_EQ(clean.status, 0);
    const JsonValue log = parsed(clean.out);
    SarifChecker checker;
    checker.check(log);
    EXPECT_EQ(checker.problems, std::vector<std::string>{});
    const JsonValue &run = log.get("runs")->items[0];
    EXPECT_TRUE(run.get("results")->items.empty());
    std::vector<std::string> told;
    for (const JsonValue &notification : run.get("invocations")->items[0].get("toolExecutionNotifications")->items)
        told.push_back(notification.get("descriptor")->text("id") + ": " + notification.get("message")->text("text"));
    EXPECT_EQ(told, (std::vector<std::string>{"reading-file: Reading file 'examples/jx200.oxel'",
                                              "global-check-started: OXEL global semantic check",
                                              "component-check-started: OXEL semantic check on \"JX200\""}));
}

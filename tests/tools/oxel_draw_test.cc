// oxel draw and oxel report, run as a user does: golden pictures, what the pictures hold, pages, options
//
// OXEL_UPDATE_GOLDEN=1 ctest -R OxelDraw rewrites the golden pictures under tests/tools/golden/.
#include <filesystem>
#include <set>

#include "svg_geometry.h"
#include "tool_runner.h"

namespace {

const std::string kInputs = "tests/tools/inputs/";

// The picture read back, checked for what every picture must be: well formed, no text over another, none
// outside.
SvgPicture sound_picture(const std::string &svg) {
    SvgPicture picture = read_svg(svg);
    EXPECT_EQ(picture.problem, "");
    EXPECT_GT(picture.width, 0);
    EXPECT_GT(picture.height, 0);
    EXPECT_EQ(overlapping_texts(picture.texts), "");
    EXPECT_EQ(text_outside(picture), "");
    return picture;
}

std::vector<std::string> attribute_values(const std::vector<SvgElement> &groups, const std::string &name) {
    std::vector<std::string> out;
    for (const SvgElement &group : groups) {
        auto found = group.attributes.find(name);
        out.push_back(found == group.attributes.end() ? "" : found->second);
    }
    return out;
}

// A device of `lanes` data lanes of eight bidirectional pins under a control cell each and an input of a
// long name per lane, on a ball grid of 70 columns: ten cells a lane. The rows take the letters of a
// package but R (R1 to R3 are keywords, which a bus's pin numbers cannot be), then two letters.
std::string wide_device(int lanes) {
    std::string pins, chain;
    int ball = 0;
    auto next_ball = [&ball]() {
        const int row = ball / 70, column = ball % 70 + 1;
        ball++;
        static const std::string kLetters = "ABCDEFGHJKLMNPTUVWY";
        const size_t n = kLetters.size(), r = static_cast<size_t>(row);
        const std::string letters =
            r < n ? std::string(1, kLetters[r]) : std::string(1, kLetters[r / n - 1]) + kLetters[r % n];
        return letters + std::to_string(column);
    };
    for (const char *tap : {"TCK", "TMS", "TDI", "TDO"})
        pins += "    " + next_ball() + " " + tap + " " + tap + " -\n";
    int position = 10 * lanes - 1;
    for (int lane = 0; lane < lanes; lane++) {
        const std::string l = std::to_string(lane);
        std::vector<std::string> bits;
        for (int bit = 0; bit < 8; bit++)
            bits.push_back(next_ball());
        const std::string in = next_ball();
        std::string numbers;
        for (const std::string &b : bits)
            numbers += (numbers.empty() ? "" : ", ") + b;
        pins += "    (" + numbers + ") DATA_LANE_" + l + "(0:7) IOZ -\n";
        pins += "    " + in + " STROBE_INPUT_OF_LANE_" + l + " IN -\n";
        // From TDI: the input, the control cell, its lane.
        chain += "      " + std::to_string(position--) + " BC_1 STROBE_INPUT_OF_LANE_" + l + " " + in + " - - - -\n";
        const int control = position--;
        chain += "      " + std::to_string(control) + " BC_1 - - - - - -\n";
        for (int bit = 0; bit < 8; bit++)
            chain += "      " + std::to_string(position--) + " BC_1 DATA_LANE_" + l + "(" + std::to_string(bit) +
                     ") " + bits[bit] + " " + bits[bit] + " - " + std::to_string(control) + " 0\n";
    }
    return "OXEL\n  COMPONENT WIDE\n    PIN_LIST\n" + pins +
           "    END PIN_LIST\n"
           "    CELL BC_1\n      DATA_INPUTS: [PI]\n      DATA_OUTPUTS: [PO]\n      MODE_LIST\n"
           "        SAMPLE 0 PI PI\n      END MODE_LIST\n    END CELL\n"
           "    BOUNDARY_SCAN_REGISTER BSR\n      LENGTH: " +
           std::to_string(10 * lanes) + "\n      CHAIN_LIST\n" + chain +
           "      END CHAIN_LIST\n    END BOUNDARY_SCAN_REGISTER\n  END COMPONENT\nEND OXEL\n";
}

// A board whose one chain passes `parts` parts of three kinds, every seventh on a TRST net of its own.
std::string long_chain(int parts) {
    std::string out = "OXEL\n";
    for (const char *kind : {"SMALL", "MIDDLE", "LARGE_KIND_OF_DEVICE_WITH_A_LONG_NAME"})
        out += std::string("  COMPONENT ") + kind +
               "\n    PIN_LIST\n      1 TDI TDI -\n      2 TDO TDO -\n      3 TMS TMS -\n      4 TCK TCK -\n"
               "    END PIN_LIST\n    INSTRUCTION_REGISTER IR\n      LENGTH: 3\n      CAPTURE: \"001\"\n"
               "      INSTRUCTION_LIST\n        BYPASS \"111\" BPR SAMPLE -\n      END INSTRUCTION_LIST\n"
               "    END INSTRUCTION_REGISTER\n  END COMPONENT\n";
    out += "  BOARD LONG\n    BOARD_LEVEL_CHAIN MAIN\n      BOARD_LEVEL_TAP\n        TDI TDI_NET\n"
           "        TDO TDO_NET\n        TMS TMS_NET\n        TCK TCK_NET\n        TRST TRST_NET\n"
           "      END BOARD_LEVEL_TAP\n      PART_CHAIN\n";
    const char *kinds[] = {"SMALL", "MIDDLE", "LARGE_KIND_OF_DEVICE_WITH_A_LONG_NAME"};
    for (int i = 1; i <= parts; i++)
        out += "        " + std::to_string(i) + " " + (i % 11 ? "U" : "PART_WITH_A_RATHER_LONG_NAME_") +
               std::to_string(i) + " " + kinds[i % 3] + " TMS_NET TCK_NET " +
               (i % 7 ? "TRST_NET" : "TRST_OF_ITS_OWN_" + std::to_string(i)) + "\n";
    return out + "      END PART_CHAIN\n    END BOARD_LEVEL_CHAIN\n  END BOARD\nEND OXEL\n";
}

}  // namespace

// Each example's picture, and the component of the board example, byte for byte: the same input draws
// the same bytes.
TEST(OxelDraw, EachExampleDrawsItsGoldenPicture) {
    const struct {
        std::string arguments;
        const char *golden;
    } cases[] = {
        {"draw examples/dual_jx200_board.oxel", "dual_jx200_board.draw.svg"},
        {"draw --component JX200 examples/dual_jx200_board.oxel", "dual_jx200_board.JX200.draw.svg"},
        {"draw examples/jx200.oxel", "jx200.draw.svg"},
        {"draw examples/kx300_bridge.oxel", "kx300_bridge.draw.svg"},
        {"draw examples/px240_port_expander.oxel", "px240_port_expander.draw.svg"},
        {"draw examples/vrak_sequences.oxel", "vrak_sequences.draw.svg"},
        // Two chains, a part whose component is not described.
        {"draw " + kInputs + "chain.oxel", "chain.draw.svg"},
        {"draw " + kInputs + "bga.oxel", "bga.draw.svg"},
        {"draw " + kInputs + "odd_names.oxel", "odd_names.draw.svg"},
#ifndef _WIN32   // a name of quotes and angle brackets, quoted as a POSIX shell reads it
        {"draw --component 'A<B>&\"C\"'\\''' " + kInputs + "odd_names.oxel", "odd_names.component.draw.svg"},
#endif
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments);
        const ToolRun run = run_tool(c.arguments);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        expect_golden(std::string("tests/tools/golden/") + c.golden, run.out);
        sound_picture(run.out);
    }
    // The README shows the board example's picture, as make readme-picture draws it.
    expect_golden("readme-chain.svg", run_tool("draw examples/dual_jx200_board.oxel").out);
}

// One box per part in the order of the part chain, one cell per position from TDI to TDO, a pin per
// package pin, and every TAP pin marked; the board of the examples puts U2's TRST apart.
TEST(OxelDraw, APictureHoldsEachPartCellAndPinOnce) {
    const SvgPicture board = sound_picture(run_tool("draw examples/dual_jx200_board.oxel").out);
    EXPECT_EQ(attribute_values(groups_of(board, "chain-part"), "data-part"), (std::vector<std::string>{"U1", "U2"}));
    EXPECT_EQ(attribute_values(groups_of(board, "chain-end"), "data-signal"),
              (std::vector<std::string>{"TDI", "TDO"}));
    EXPECT_EQ(attribute_values(groups_of(board, "chain-signal"), "data-signal"),
              (std::vector<std::string>{"TMS", "TCK", "TRST"}));
    // Each part taps TMS and TCK, only U1 TRST; U2 says so.
    size_t dots = 0;
    for (const SvgElement &shape : board.shapes)
        dots += shape.name == "circle" && shape.attributes.at("class").rfind("tap-dot", 0) == 0;
    EXPECT_EQ(dots, 5u);
    bool told = false;
    for (const TextBox &text : board.texts)
        told = told || text.text == "no TRST";
    EXPECT_TRUE(told);

    const SvgPicture device = sound_picture(run_tool("draw examples/jx200.oxel").out);
    std::vector<std::string> positions;
    for (int position = 33; position >= 0; position--)
        positions.push_back(std::to_string(position));
    EXPECT_EQ(attribute_values(groups_of(device, "bsr-cell"), "data-position"), positions);
    // Cells 13, 22 and 31 govern the data bus and INT_N: they control, whatever their function list says.
    std::map<std::string, std::string> roles;
    for (const SvgElement &cell : groups_of(device, "bsr-cell"))
        roles[cell.attributes.at("data-position")] = cell.attributes.at("data-role");
    EXPECT_EQ(roles["13"], "control");
    EXPECT_EQ(roles["22"], "control");
    EXPECT_EQ(roles["31"], "control");
    EXPECT_EQ(roles["14"], "bidirectional");
    EXPECT_EQ(roles["32"], "output");
    EXPECT_EQ(roles["0"], "input");
    EXPECT_EQ(attribute_values(groups_of(device, "control-link"), "data-control"),
              (std::vector<std::string>{"13", "22", "31", "13"}));   // 13's cells run over two rows
    const std::vector<SvgElement> pins = groups_of(device, "package-pin");
    ASSERT_EQ(pins.size(), 41u);   // each pin of the buses D(0:15) and A(0:7) too
    EXPECT_EQ(pins.front().attributes.at("data-number"), "1");
    EXPECT_EQ(pins[6].attributes.at("data-number"), "7");
    EXPECT_EQ(pins.back().attributes.at("data-number"), "41");

    // Ball names: a grid, rows by their letters, AA after D; the observe-only cell told apart.
    const SvgPicture bga = sound_picture(run_tool("draw " + kInputs + "bga.oxel").out);
    EXPECT_EQ(attribute_values(groups_of(bga, "package-pin"), "data-number"),
              (std::vector<std::string>{"A1", "A2", "A3", "A4", "B1", "B2", "B3", "B4", "C1", "C2", "D1", "D2",
                                        "D3", "AA1", "AA4"}));
    EXPECT_EQ(attribute_values(groups_of(bga, "bsr-cell"), "data-role"),
              (std::vector<std::string>{"observe-only", "output", "bidirectional", "bidirectional", "bidirectional",
                                        "bidirectional", "control", "input", "input"}));
    size_t tap_pads = 0;
    for (const SvgElement &shape : bga.shapes)
        tap_pads += shape.attributes.count("class") && shape.attributes.at("class") == "pad type-tap tap";
    EXPECT_EQ(tap_pads, 5u);
}

// Every name is escaped where it stands, in texts and attributes; a byte of no encoding becomes U+FFFD.
TEST(OxelDraw, NamesAreEscapedWhereTheyStand) {
    const ToolRun run = run_tool("draw " + kInputs + "odd_names.oxel");
    ASSERT_EQ(run.status, 0) << run.err;
    const SvgPicture board = sound_picture(run.out);
    EXPECT_EQ(attribute_values(groups_of(board, "chain-part"), "data-part"), (std::vector<std::string>{"U<1>"}));
    EXPECT_EQ(attribute_values(groups_of(board, "scan-chain"), "data-chain"), (std::vector<std::string>{"C\"1\""}));
    std::set<std::string> texts;
    for (const TextBox &text : board.texts)
        texts.insert(text.text);
    EXPECT_TRUE(texts.count("Board B&<x>"));
    EXPECT_TRUE(texts.count("A<B>&\"C\"'"));
    // Each byte that cannot stand (a stray byte, a control character, an overlong form's two) is one U+FFFD.
    EXPECT_TRUE(texts.count("TDI N<1>, TDO N&2, TMS caf\xEF\xBF\xBD, TCK K\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBDX, TRST -"));
    EXPECT_EQ(run.out.find("caf\xE9"), std::string::npos);
    EXPECT_EQ(run.out.find('\x01'), std::string::npos);
}

// Pictures grow with what they show and stay readable: a 5,000-cell device on a ball grid, and a chain of
// 200 parts, each with its every cell or part once, in order, and no text over another.
TEST(OxelDraw, LargeDevicesAndChainsStayReadable) {
    const std::string device = write_temp_file("wide.oxel", wide_device(500));
    ToolRun run = run_tool("draw " + quoted(device));
    ASSERT_EQ(run.status, 0) << run.err;
    SvgPicture picture = sound_picture(run.out);
    const std::vector<SvgElement> cells = groups_of(picture, "bsr-cell");
    ASSERT_EQ(cells.size(), 5000u);
    for (size_t i = 0; i < cells.size(); i++)
        ASSERT_EQ(cells[i].attributes.at("data-position"), std::to_string(4999 - i));
    EXPECT_EQ(groups_of(picture, "package-pin").size(), 4504u);
    std::set<std::string> controls;
    for (const SvgElement &link : groups_of(picture, "control-link"))
        controls.insert(link.attributes.at("data-control"));
    EXPECT_EQ(controls.size(), 500u);

    const std::string board = write_temp_file("long.oxel", long_chain(200));
    run = run_tool("draw " + quoted(board));
    ASSERT_EQ(run.status, 0) << run.err;
    picture = sound_picture(run.out);
    const std::vector<SvgElement> parts = groups_of(picture, "chain-part");
    ASSERT_EQ(parts.size(), 200u);
    for (size_t i = 0; i < parts.size(); i++)
        ASSERT_EQ(parts[i].attributes.at("data-position"), std::to_string(i + 1));
    EXPECT_EQ(attribute_values(groups_of(picture, "scan-chain"), "data-parts"), (std::vector<std::string>{"200"}));
}

// The name to draw, the file to write, and what cannot be drawn.
TEST(OxelDraw, OptionsChooseWhatToDrawAndWhereToWriteIt) {
    const struct {
        std::string arguments;
        int status;
        std::string err;
    } cases[] = {
        {"draw --board NOPE examples/dual_jx200_board.oxel", 2,
         "oxel: no board named NOPE in examples/dual_jx200_board.oxel; its boards: JX200_DUAL\n"},
        {"draw --board JX200_DUEL examples/dual_jx200_board.oxel", 2,
         "oxel: no board named JX200_DUEL in examples/dual_jx200_board.oxel; did you mean JX200_DUAL?; "
         "its boards: JX200_DUAL\n"},
        {"draw --component U1 examples/dual_jx200_board.oxel", 2,
         "oxel: no component named U1 in examples/dual_jx200_board.oxel; its components: JX200\n"},
        {"draw --board JX200 examples/jx200.oxel", 2,
         "oxel: no board named JX200 in examples/jx200.oxel; it has no boards\n"},
        {"draw --board A --component B examples/jx200.oxel", 2,
         "oxel: draw takes --board or --component, not both\n"},
        {"draw examples/jx200.oxel examples/px240_port_expander.oxel", 2, "oxel: draw takes one file\n"},
        {"report --board JX200_DUAL examples/dual_jx200_board.oxel", 2, "oxel: --board goes with draw\n"},
        {"show -o out.svg examples/jx200.oxel", 2, "oxel: --output goes with draw, report and import-bsdl\n"},
        {"draw -o", 2, "oxel: --output takes a file\n"},
        {"draw --component", 2, "oxel: --component takes a name\n"},
        // Nothing to draw is a failure, not an empty picture.
        {"draw examples/header.oxel", 4, "oxel: examples/header.oxel: no board or component to draw\n"},
        {"draw no/such/file.oxel", 4, "oxel: no/such/file.oxel: No such file or directory\n"},
        {"draw -o no/such/folder/out.svg examples/jx200.oxel", 4,
         "oxel: no/such/folder/out.svg: No such file or directory\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments);
        const ToolRun run = run_tool(c.arguments);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.substr(0, run.err.find('\n') + 1), c.err);
    }

    // A syntax error: the message, no picture.
    ToolRun run = run_tool("draw " + kInputs + "broken.oxel");
    EXPECT_EQ(run.status, 4);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("error: syntax error"), std::string::npos) << run.err;

    // -o writes the bytes standard output gets, replacing what was there; standard input reads as a file.
    const std::string out = write_temp_file("board.svg", "old contents");
    run = run_tool("draw --board JX200_DUAL -o " + quoted(out) + " examples/dual_jx200_board.oxel");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(read_file(out), read_file(std::string(OXEL_SOURCE_DIR) + "/tests/tools/golden/dual_jx200_board.draw.svg"));
    run = run_tool("draw --output=" + quoted(out) + " - <examples/jx200.oxel");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(read_file(out), read_file(std::string(OXEL_SOURCE_DIR) + "/tests/tools/golden/jx200.draw.svg"));
}

namespace {

// What a page must never hold: anything a browser would fetch or run.
void expect_self_contained(const std::string &page) {
    for (const char *fetch : {"<script", "<link", "<img", "<iframe", "<object", "<embed", "src=", "url(", "@import",
                              "href=\"http", "href=\"//", "xlink:href"})
        EXPECT_EQ(page.find(fetch), std::string::npos) << fetch;
}

}  // namespace

// The page: the check's verdict and findings with the line they point at, every board's chains and every
// component's tables and pictures, all in the page; its status is the check's.
TEST(OxelReport, APageHoldsTheFindingsAndEveryPicture) {
    const std::string page_path = write_temp_file("report.html", "");
    ToolRun run = run_tool("report examples/dual_jx200_board.oxel -o " + quoted(page_path));
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
    const std::string page = read_file(page_path);
    expect_self_contained(page);
    EXPECT_NE(page.find("<span class=\"badge warning\">4 warnings</span>"), std::string::npos);
    // A finding: its place, text, id, the source line and a caret under its column (five in).
    EXPECT_NE(page.find("<span class=\"place mono\">examples/dual_jx200_board.oxel:42:5</span> "
                        "<code>register-purpose-missing</code></p>\n"
                        "<p>Missing Instruction-register purpose in &quot;IR&quot;</p>\n"
                        "<pre class=\"source\"><span class=\"gutter\">42 | </span>    INSTRUCTION_REGISTER IR\n"
                        "<span class=\"gutter\">   | </span>    <span class=\"caret\">^</span>\n</pre>"),
              std::string::npos);
    EXPECT_NE(page.find("<summary>What it means</summary>"), std::string::npos);
    // The chain, the strip and the package as drawn by draw, each once.
    const size_t chains = page.find("class=\"scan-chain\""), strip = page.find("class=\"bsr-cell\"");
    EXPECT_NE(chains, std::string::npos);
    EXPECT_NE(strip, std::string::npos);
    EXPECT_NE(page.find("class=\"package-pin\""), std::string::npos);
    EXPECT_EQ(page.find("class=\"scan-chain\"", chains + 1), std::string::npos);
    EXPECT_NE(page.find("<td>boundary scan</td><td>BSR</td><td class=\"number\">6</td>"), std::string::npos);

    // Warnings pass with --fail-on=error; the same input writes the same page.
    run = run_tool("report --fail-on=error examples/dual_jx200_board.oxel");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, page);

    // A clean file, read from standard input: its name is <stdin>.
    run = run_tool("report - <examples/px240_port_expander.oxel");
    EXPECT_EQ(run.status, 0) << run.err;
    expect_self_contained(run.out);
    EXPECT_NE(run.out.find("<h1>&lt;stdin&gt;</h1>"), std::string::npos);
    EXPECT_NE(run.out.find("no errors or warnings"), std::string::npos);
}

// A file the parse stops in still makes a page: the syntax error with its line, and no pictures; a file
// that cannot be read makes none.
TEST(OxelReport, AFileThatDoesNotParseIsReportedOnThePage) {
    ToolRun run = run_tool("report - <" + kInputs + "broken.oxel");
    EXPECT_EQ(run.status, 4);
    EXPECT_EQ(run.err, "");
    expect_self_contained(run.out);
    EXPECT_NE(run.out.find("<span class=\"badge error\">"), std::string::npos);
    EXPECT_NE(run.out.find("not read: the parse stopped"), std::string::npos);
    EXPECT_NE(run.out.find("<pre class=\"source\">"), std::string::npos);
    EXPECT_EQ(run.out.find("<svg"), std::string::npos);

    run = run_tool("report no/such/file.oxel");
    EXPECT_EQ(run.status, 4);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "oxel: no/such/file.oxel: No such file or directory\n");
}

// Names with quotes and angle brackets stay texts of the page, in its headings, tables and pictures.
TEST(OxelReport, NamesAreEscapedOnThePage) {
    const ToolRun run = run_tool("report " + kInputs + "odd_names.oxel");
    expect_self_contained(run.out);
    EXPECT_EQ(run.out.find("A<B>"), std::string::npos);
    EXPECT_NE(run.out.find("<h2>Component A&lt;B&gt;&amp;&quot;C&quot;&#39;</h2>"), std::string::npos);
    EXPECT_NE(run.out.find("<h2>Board B&amp;&lt;x&gt;</h2>"), std::string::npos);
    EXPECT_EQ(run.out.find("caf\xE9"), std::string::npos);
    EXPECT_EQ(run.out.find('\x01'), std::string::npos);
}

// Syntax messages: composition, the quoted token and its cut-off, the detail line of each broken construct
#include <sstream>

#include "base/messages.h"
#include "support/recorder.h"

using SyntaxErrors = ParseTest;

// The detail line obeys the level but the error is counted once.
TEST_F(SyntaxErrors, TheDetailLineObeysTheLevel) {
    Recorder quiet(2);
    OxelParse(quiet.host(), write_temp_file("level2.oxel", "OXEL END OXEL").c_str());
    EXPECT_EQ(quiet.dump() + shown(quiet.counters.errors), "error: syntax error >> line 1 near \"END\"\n1");
}

// The token is quoted while it stays 20 characters clear of the buffer's end
// behind the head ("syntax error: PROGRAM >>"); a head too long is cut.
TEST_F(SyntaxErrors, TheTokenIsQuotedOnlyWhileItLeavesRoomInTheBuffer) {
    const std::string fits(kMessageSize - 36, 'Q'), program(3000, 'P');
    const struct {
        std::string program, token, error;
    } cases[] = {
        {"", fits, "syntax error >> line 2 near \"" + fits + "\""},
        {"", fits + "Q", "syntax error >> line 2"},
        {"oxel", fits.substr(6), "syntax error: oxel >> line 2 near \"" + fits.substr(6) + "\""},
        {"oxel", fits.substr(5), "syntax error: oxel >> line 2"},
        {program, "Q", ("syntax error: " + program).substr(0, kMessageSize - 1)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.program.substr(0, 8) + " " + std::to_string(c.token.size()));
        OxelDestroy(host.host());
        host.clear();
        OxelSetProgName(host.host(), c.program.c_str());
        OxelParse(host.host(), write_temp_file("cut_off.oxel", "OXEL\n" + c.token + " END OXEL").c_str());
        EXPECT_EQ(host.texts(OXEL_KIND_ERROR), Texts{c.error});
    }
}

// Each broken description of the table golden/broken_constructs.txt fails
// with one syntax message and one detail line, and leaves no description.
TEST_F(SyntaxErrors, EachBrokenConstructNamesWhereItStoppedAndWhatWasExpected) {
    const std::string table = "tests/grammar/golden/broken_constructs.txt";
    const auto unescaped = [](std::string text) {
        for (size_t at = text.find("\\n"); at != std::string::npos; at = text.find("\\n", at))
            text.replace(at, 2, "\n");
        return text;
    };
    std::istringstream in(read_file(std::string(OXEL_SOURCE_DIR) + "/" + table));
    std::string head, tail, rewritten;
    for (std::string line; std::getline(in, line); rewritten += line + "\n") {
        const size_t gap = line.find("..."), arrow = line.find(" => ");
        if (line.rfind("frame: ", 0) == 0 && gap != std::string::npos) {
            head = unescaped(line.substr(7, gap - 7));
            tail = unescaped(line.substr(gap + 3));
        } else if (line[0] != '#' && arrow != std::string::npos) {
            SCOPED_TRACE(line);
            const std::string text = head + unescaped(line.substr(0, arrow)) + tail;
            EXPECT_EQ(parse_file(write_temp_file("broken.oxel", text)), OXEL_FAILED);
            const Texts errors = host.texts(OXEL_KIND_ERROR), notes = host.texts(OXEL_KIND_NOTE);
            const bool indented = notes.size() == 1 && notes[0].rfind(std::string(12, ' '), 0) == 0;
            EXPECT_TRUE(errors.size() == 1 && indented) << host.dump();
            EXPECT_TRUE(no_description() && OxelGetSyntaxErrors() == 1 && !host.counters.warnings);
            line = line.substr(0, arrow + 4) + (errors.empty() ? "" : errors[0]) + " | " +
                   (notes.empty() ? "" : notes[0].substr(std::min<size_t>(12, notes[0].size())));
        }
    }
    EXPECT_GT(rewritten.size(), 1000u);
    expect_golden(table, rewritten);
}

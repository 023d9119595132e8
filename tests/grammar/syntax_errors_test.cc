// Syntax messages: composition, the quoted token and its cut-off, the detail line of each broken construct
#include <sstream>

#include "base/messages.h"
#include "support/recorder.h"

namespace {

using SyntaxErrors = ParseTest;

// The two messages of a syntax error as the recorder dumps them.
std::string at(int line, const std::string &token, const std::string &detail) {
    return "error: syntax error >> line " + std::to_string(line) + " near \"" + token + "\"\nnote: " +
           std::string(12, ' ') + detail + "\n";
}

const char *const kFrame = "File must start with OXEL and end with END OXEL";

}  // namespace

TEST_F(SyntaxErrors, TheMessageNamesLineAndTokenAndTheDetailLineWhatWasExpected) {
    const std::string header = "OXEL OXEL_HEADER CREATION_LOG \"a\" \"b\" \"c\" \"d\" ";
    const std::pair<std::string, std::string> cases[] = {
        {"OXEL\nEND OXEL\n", at(2, "END", "Board, component, technology, header or END OXEL expected")},
        {"BOARD b END BOARD\n", at(1, "BOARD", kFrame)},
        {header + "END OXEL_HEADER END OXEL\nOXEL\n", at(2, "OXEL", kFrame)},
        {"OXEL OXEL_HEADER CHANGE_LOG \"a\" \"b\" \"c\" \"d\" END OXEL_HEADER END OXEL",
         at(1, "CHANGE_LOG", "CREATIONLOG expected")},
        {header + "BOARD END OXEL_HEADER END OXEL", at(1, "BOARD", "CHANGELOG or END OXEL_HEADER expected")},
        {"OXEL = END OXEL", at(1, "=", "Board, component, technology, header or END OXEL expected")},
        // A percent sign in the token is no format.
        {"OXEL a%s%n END OXEL", at(1, "A%S%N", "Board, component, technology, header or END OXEL expected")},
    };
    for (const auto &[text, messages] : cases) {
        SCOPED_TRACE(text);
        const std::string path = write_temp_file("frame.oxel", text);
        EXPECT_EQ(parse_file(path), OXEL_FAILED);
        EXPECT_EQ(host.dump(), "progress: Reading file '" + path + "'\n" + messages);
        EXPECT_EQ(OxelGetSyntaxErrors(), 1);
    }
    // The detail line obeys the level but the error is counted once.
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

// The constructs and their detail lines are the table golden/broken_constructs.txt.
TEST_F(SyntaxErrors, EachBrokenConstructNamesWhatWasExpected) {
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
            line = line.substr(0, arrow + 4) + detail_of(head + unescaped(line.substr(0, arrow)) + tail);
        }
    }
    EXPECT_GT(rewritten.size(), 1000u);
    expect_golden(table, rewritten);
}

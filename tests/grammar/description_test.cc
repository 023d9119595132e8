// What the grammar builds: every record of a parsed file written out and compared with a golden dump
//
// Each golden/NAME.oxel here and each bundled example is parsed; its messages and its description as
// dump_records writes it must equal golden/NAME.dump. After a deliberate change,
// OXEL_UPDATE_GOLDEN=1 ctest -R Description rewrites the dumps for review.
#include <algorithm>
#include <filesystem>

#include "support/description_walk.h"
#include "support/recorder.h"

using Description = ParseTest;

TEST_F(Description, EachFileReadsIntoTheRecordsOfItsGoldenDump) {
    // A family broken halfway leaves none under construction for the parses
    // below; a record that shared a text with another would be freed twice.
    EXPECT_EQ(detail_of("PIN_FAMILY HALF SETUP_TIME 1 TPLH 1 2 3 HOLD_TIME -"), "Float or integer expected");
    host.context.message_level = 3;  // no progress line with this machine's path
    Texts files = oxel_files("examples"), golden = oxel_files("tests/grammar/golden");
    files.insert(files.end(), golden.begin(), golden.end());
    for (const std::string &file : files) {
        SCOPED_TRACE(file);
        EXPECT_EQ(parse_file(std::string(OXEL_SOURCE_DIR) + "/" + file), OXEL_OK);
        const std::string name = std::filesystem::path(file).stem().string() + ".dump";
        expect_golden("tests/grammar/golden/" + name,
                      host.dump() + "description:" + dump_records(OxelGetInfo()) + "\n");
    }
}

// A bit pattern is its words joined without separator, however many there
// are: integers, names and strings alike, in order.
TEST_F(Description, ALongBitPatternIsEveryWordJoinedInOrder) {
    std::string words, joined;
    for (int i = 0; i < 5000; i++) {
        std::string word = (i % 3 == 1 ? "w" : i % 3 == 2 ? "s" : "") + std::to_string(i);
        words += (i % 7 == 0 ? "\n" : " ") + (i % 3 == 2 ? "\"" + word + "\"" : word);
        joined += word;
    }
    ASSERT_NE(parse_ok("BOARD B TEST_SEQUENCE S DRS(CHAIN, 5000," + words +
                       "; 12, 4, 0101 \"10\") END TEST_SEQUENCE END BOARD\n"),
              nullptr);
    const std::string dump = dump_records(OxelGetInfo()), first = "operand target=\"CHAIN\"";
    EXPECT_EQ(dump.substr(std::min(dump.find(first), dump.size())),
              first + " count=5000 value=\"" + joined + "\"\n" + std::string(14, ' ') +
                  "operand target=\"12\" count=4 value=\"010110\"");
}

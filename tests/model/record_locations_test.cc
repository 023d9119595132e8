// Record locations: the side table from record address to where it was written
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/record_locations.h"
#include "support/recorder.h"

namespace {

std::string shown(const SourceLocation &where) {
    return where.file ? std::string(where.file) + ":" + std::to_string(where.line) + ":" +
                            std::to_string(where.column)
                      : "nowhere";
}

class RecordLocations : public ::testing::Test {
protected:
    Recorder host;
    record_locations table{};
    std::vector<char> records = std::vector<char>(5000);

    void SetUp() override { start_locations_of_parse(table); }
    void TearDown() override { release_record_locations(host.host(), table); }
    bool remember(const void *record, const SourceLocation &where) {
        return remember_location(host.host(), table, record, where);
    }
    std::string place_of(const void *record) const { return shown(location_of(table, record)); }
};

}  // namespace

// Thousands of records, well past the table's first room, each found at its
// own place. Paths come as the lexer hands them, a fresh address for each
// source (here: for each record) that lasts the parse; the table keeps each
// text once, in a copy of its own.
TEST_F(RecordLocations, EveryRecordIsFoundAtItsPlace) {
    auto path_of = [](int i) { return "file" + std::to_string(i % 40) + ".oxel"; };
    std::vector<std::string> paths;
    for (int i = 0; i < 5000; i++)
        paths.push_back(path_of(i));
    for (int i = 0; i < 5000; i++)
        ASSERT_TRUE(remember(&records[i], {paths[i].c_str(), i + 1, i % 7 + 1}));
    paths.clear();
    for (int i = 0; i < 5000; i += 97)
        EXPECT_EQ(place_of(&records[i]),
                  path_of(i) + ":" + std::to_string(i + 1) + ":" + std::to_string(i % 7 + 1));
    EXPECT_EQ(location_of(table, &records[3]).file, location_of(table, &records[4003]).file);
    EXPECT_NE(location_of(table, &records[3]).file, location_of(table, &records[4]).file);
    EXPECT_EQ(place_of(&host), "nowhere");
}

// A record remembered again (a new record where a released one lay) takes
// its new place; a place without a path, or a released table, is nowhere.
TEST_F(RecordLocations, TheLastPlaceOfAnAddressCounts) {
    ASSERT_TRUE(remember(&records[0], {"a.oxel", 3, 4}));
    ASSERT_TRUE(remember(&records[0], {"b.oxel", 9, 1}));
    ASSERT_TRUE(remember(&records[1], {"a.oxel", 5, 2}));
    ASSERT_TRUE(remember(&records[1], {nullptr, 6, 1}));
    EXPECT_EQ(place_of(&records[0]), "b.oxel:9:1");
    EXPECT_EQ(place_of(&records[1]), "nowhere");
    // Also after a lookup has put the places in order.
    ASSERT_TRUE(remember(&records[0], {"c.oxel", 2, 2}));
    EXPECT_EQ(place_of(&records[0]), "c.oxel:2:2");
    release_record_locations(host.host(), table);
    EXPECT_EQ(place_of(&records[0]), "nowhere");
}

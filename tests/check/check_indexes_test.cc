// The checks' indexes: name lookups in any order, and the values a bus index set expects
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/memory.h"
#include "check/bus_index_set.h"
#include "check/name_table.h"
#include "support/recorder.h"

namespace {

// A host whose bus index set, and any failure still armed, go with it.
struct CheckRun {
    ~CheckRun() {
        memory_fail_at(0);
        bus_index_empty(host.host(), set);
    }
    Recorder host;
    BusIndexSet set{};
};

}  // namespace

// A lookup tries the entry after the last one found first: whatever the
// order of the questions, each name finds its own entry, and a name that is
// not there finds none.
TEST(CheckIndexes, NameTablesFindEveryNameInAnyOrder) {
    CheckRun run;
    Recorder &host = run.host;
    NameTable *table = name_table_create(host.host());
    ASSERT_NE(table, nullptr);
    std::vector<std::string> names;
    for (int i = 0; i < 40; i++)
        names.push_back("P" + std::to_string(i));
    std::vector<int> payloads(names.size());
    for (size_t i = 0; i < names.size(); i++)
        ASSERT_NE(name_table_enter(host.host(), table, names[i].c_str(), &payloads[i]), nullptr);
    // Entering a name again makes no entry between it and the next.
    name_table_enter(host.host(), table, "P3", nullptr);
    const std::vector<size_t> orders[] = {{0, 1, 2, 3, 4, 5}, {5, 4, 3, 3, 2, 39, 0}, {7, 9, 8, 10, 11, 30}};
    for (const std::vector<size_t> &order : orders)
        for (size_t i : order) {
            NameEntry *entry = name_table_lookup(table, names[i].c_str());
            ASSERT_NE(entry, nullptr) << names[i];
            EXPECT_EQ(entry->payload, &payloads[i]) << names[i];
            EXPECT_EQ(name_table_lookup(table, (names[i] + "X").c_str()), nullptr) << names[i];
        }
    EXPECT_EQ(name_table_lookup(table, "P3")->uses, 2);
    name_table_free(host.host(), table);
}

// The values a chain expects are kept apart from the others; both tell a
// value seen before, and a failed first block adds nothing.
TEST(CheckIndexes, TheBusIndexSetKeepsExpectedAndOtherValuesApart) {
    CheckRun run;
    Recorder &host = run.host;
    using enum BusIndexOutcome;
    BusIndexSet &set = run.set;
    bus_index_expect(set, 100);
    memory_fail_at(1);
    EXPECT_EQ(bus_index_add(host.host(), set, 0).outcome, kFailed);
    memory_fail_at(0);
    const std::pair<int32_t, BusIndexOutcome> rows[] = {
        {0, kAdded},   {99, kAdded},   {100, kAdded},   {-1, kAdded}, {0, kPresent},
        {99, kPresent}, {100, kPresent}, {-1, kPresent}, {63, kAdded}, {64, kAdded}};
    for (const auto &[value, outcome] : rows)
        EXPECT_EQ(bus_index_add(host.host(), set, value).outcome, outcome) << value;
    bus_index_empty(host.host(), set);
    EXPECT_EQ(bus_index_add(host.host(), set, 0).outcome, kAdded);
    EXPECT_EQ(bus_index_add(host.host(), set, 0).outcome, kPresent);
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR), std::vector<std::string>{"Memory allocation error"});
}

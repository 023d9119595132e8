// The checks' name stores: hashing, name tables, the bus index set, the
// counted name list and the device name registry
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "base/memory.h"
#include "check/bus_index_set.h"
#include "check/counted_name_list.h"
#include "check/device_name_registry.h"
#include "model/item_list.h"
#include "support/recorder.h"

namespace {

class NameStores : public ::testing::Test {
protected:
    void TearDown() override { memory_fail_at(0); }
    Recorder host;
};

}  // namespace

TEST_F(NameStores, TablesHashCountUsesKeepTheFirstPayloadAndListNamesInBucketOrder) {
    // "\xe9" is -23 as a signed character (bucket 45); unsigned it would be 31.
    const std::pair<const char *, uint32_t> buckets[] = {
        {"", 0}, {"A", 65}, {"AB", 61}, {"TDI", 85}, {"\xe9", 45}, {"a_very_long_pin_name_that_overflows", 32}};
    for (const auto &[name, bucket] : buckets)
        EXPECT_EQ(name_bucket(name), bucket) << name;

    NameTable *table = name_table_create(host.host());
    ASSERT_NE(table, nullptr);
    int first = 1, second = 2;
    for (int *payload : {&first, &second, &second})
        name_table_enter(host.host(), table, "TDI", payload);
    NameEntry *entry = name_table_lookup(table, "TDI");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->uses, 3);
    EXPECT_EQ(entry->payload, &first);
    EXPECT_EQ(name_table_lookup(table, "tdi"), nullptr);

    // AB and DJ share bucket 61, newest first; A is in 65, TDI in 85, P1 in 4.
    for (const char *name : {"A", "A", "DJ", "DJ", "AB", "AB", "P1", "P1", "Q"})
        name_table_enter(host.host(), table, name, nullptr);
    ItemList *twice = names_used_more_than(host.host(), table, 1, nullptr);
    std::vector<std::string> names;
    for (int32_t i = 0; twice && i < twice->count; i++)
        names.push_back(static_cast<char *>(twice->items[i]));
    EXPECT_EQ(names, (std::vector<std::string>{"P1", "AB", "DJ", "A", "TDI"}));
    list_release(host.host(), twice);
    bool failed = false;
    memory_fail_at(2);
    EXPECT_EQ(names_used_more_than(host.host(), table, 1, &failed), nullptr);
    EXPECT_TRUE(failed);
    name_table_free(host.host(), table);
}

// A table far larger than its 101 buckets, its names in several slabs with
// long ones between them: every name is found by its own text, and an entry
// whose room (a new index, a long name's own block) cannot be had is left out
// without losing the others.
TEST_F(NameStores, ALargeTableKeepsEveryNameAndSurvivesFailedEntries) {
    NameTable *table = name_table_create(host.host());
    ASSERT_NE(table, nullptr);
    std::vector<std::string> names;
    for (int i = 0; i < 32768; i++)
        names.push_back((i % 4000 == 7 ? std::string(5000 + i, static_cast<char>('a' + i % 26)) : "P") +
                        std::to_string(i));
    for (const std::string &name : names)
        ASSERT_NE(name_table_enter(host.host(), table, name.c_str(), &names), nullptr) << name.size();
    // 32768 entries fill half of 65536 slots: the next one needs a new index.
    for (const std::string &late : {std::string("LATE"), std::string(9000, 'z')}) {
        memory_fail_at(1);
        EXPECT_EQ(name_table_enter(host.host(), table, late.c_str(), nullptr), nullptr) << late.size();
        memory_fail_at(0);
        EXPECT_EQ(name_table_lookup(table, late.c_str()), nullptr);
        EXPECT_NE(name_table_enter(host.host(), table, late.c_str(), nullptr), nullptr);
    }
    for (const std::string &name : names) {
        NameEntry *entry = name_table_lookup(table, name.c_str());
        ASSERT_NE(entry, nullptr) << name.size();
        EXPECT_EQ(row(entry->name, entry->uses, entry->payload == &names), row(name, 1, true));
    }
    EXPECT_EQ(name_table_lookup(table, "P32768"), nullptr);
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR), Texts(2, "Memory allocation error"));
    name_table_free(host.host(), table);
}

TEST_F(NameStores, TheBusIndexSetTellsAddedAndPresentApartAndGrows) {
    using enum BusIndexOutcome;
    BusIndexSet set{};
    const std::pair<int32_t, BusIndexOutcome> rows[] = {{5, kAdded}, {5, kPresent}, {2, kAdded}, {2, kPresent}};
    for (const auto &[value, outcome] : rows) {
        BusIndexResult result = bus_index_add(host.host(), set, value);
        EXPECT_EQ(result.outcome, outcome) << value;
        EXPECT_EQ(result.value, value);
    }
    // The set grows as it fills: every member stays, the extremes too.
    for (int32_t value : {INT32_MIN, INT32_MAX, -1, 0})
        EXPECT_EQ(bus_index_add(host.host(), set, value).outcome, kAdded) << value;
    for (int32_t value = 100; value < 1100; value++)
        ASSERT_EQ(bus_index_add(host.host(), set, value).outcome, kAdded) << value;
    for (int32_t value : {INT32_MIN, INT32_MAX, -1, 0, 2, 5, 100, 1099})
        EXPECT_EQ(bus_index_add(host.host(), set, value).outcome, kPresent) << value;
    EXPECT_EQ(bus_index_add(host.host(), set, 1100).outcome, kAdded);
    bus_index_empty(host.host(), set);
    EXPECT_EQ(bus_index_add(host.host(), set, 5).outcome, kAdded);
    bus_index_empty(host.host(), set);
}

TEST_F(NameStores, TheCountedNameListKeepsItsFirstEntryInPlace) {
    CountedName *list = nullptr;
    for (const char *name : {"a", "b", "c", "a"})
        list = counted_name_add(host.host(), list, name, name[0] - 'a' + 1);
    EXPECT_EQ(list->count, 2);
    EXPECT_EQ(counted_name_add(host.host(), list, nullptr, 9), nullptr);
    EXPECT_EQ(counted_name_find(list, "c"), 3);
    EXPECT_EQ(counted_name_find(list, "d"), 0);
    EXPECT_EQ(counted_name_find(list, nullptr), -1);

    CountedName *first = list;
    EXPECT_EQ(counted_name_remove(host.host(), &list, "a"), 1);  // b moves into the first entry
    EXPECT_EQ(list, first);
    EXPECT_EQ(std::string(list->name) + std::to_string(list->payload), "b2");
    EXPECT_EQ(counted_name_remove(host.host(), &list, "c"), 0);  // the last entry
    EXPECT_EQ(counted_name_remove(host.host(), &list, "x"), 0);
    EXPECT_EQ(counted_name_remove(host.host(), &list, "b"), 0);  // the only entry: no list left
    EXPECT_EQ(list, nullptr);
}

TEST_F(NameStores, TheDeviceNameRegistryFindsNamesDefinedTwice) {
    // A walk's first device starts the registry afresh; "released" frees it, as a walk does at its end.
    const std::pair<const char *, bool> calls[] = {
        {"U1", false},   {"U1", true}, {"U1", false}, {"u1", false},
        {nullptr, false}, {"U2", true}, {"U1", false}, {"released", false}, {"U1", false},
    };
    // Only the third call finds its name: a start begins a new registry.
    NameTable *registry = nullptr;
    std::vector<int32_t> results;
    for (const auto &[name, first] : calls) {
        if (name && std::string(name) == "released") {
            name_table_free(host.host(), registry);
            registry = nullptr;
            continue;
        }
        results.push_back(register_device_name(host.host(), registry, name, first));
    }
    EXPECT_EQ(results, (std::vector<int32_t>{1, 1, 0, 1, 1, 1, 1, 1}));
    memory_fail_at(1);
    EXPECT_EQ(register_device_name(host.host(), registry, "U1", true), kRegistryFailed);
    name_table_free(host.host(), registry);
}

// Pin and bus reference resolution over a small hand-built pin list
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>
#include <vector>

#include "base/memory.h"
#include "check/device_tables.h"
#include "check/pin_reference.h"
#include "support/recorder.h"

namespace {

IndexRecord number(int32_t n) { return {OXEL_INDEX_NUMBER, n, 0}; }
IndexRecord range(int32_t a, int32_t b) { return {OXEL_INDEX_RANGE, a, b}; }
const IndexRecord kNamed{OXEL_INDEX_NAME, reinterpret_cast<intptr_t>("k"), 0};

// An ItemList over copies of the index records, alive as long as it is.
struct Indices {
    std::vector<IndexRecord> records;
    std::vector<void *> items;
    ItemList list{};
    explicit Indices(std::vector<IndexRecord> given) : records(std::move(given)) {
        for (IndexRecord &record : records)
            items.push_back(&record);
        list = {static_cast<int32_t>(items.size()), 1, items.data()};
    }
};

// Bus D(0:7) as one range, bus B(0,1,2) as single indices, a bus N without
// indices, and the single pin P numbered 12.
class PinReference : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(create_device_tables(host.host(), tables), kClean);
        for (PinRecord *pin : {&d, &b, &n, &p})
            name_table_enter(host.host(), tables.pin_names, pin->name, pin);
        name_table_enter(host.host(), tables.pin_numbers, "12", &p);
    }
    void TearDown() override { free_device_tables(host.host(), tables); }

    // The code and the reason of a reference; a kind-2 reference selects
    // the given indices (none: no list at all).
    std::string resolve(int32_t kind, const char *name, intptr_t index,
                        const std::vector<IndexRecord> &indices) {
        Indices wanted(indices);
        intptr_t selector = kind != OXEL_PINREF_ELEMENTS ? index
                            : indices.empty()           ? 0
                                                        : reinterpret_cast<intptr_t>(&wanted.list);
        PinRefRecord reference{kind, const_cast<char *>(name), selector};
        const char *reason = nullptr;
        int32_t code = resolve_pin_reference(tables, &reference, &reason);
        return std::to_string(code) + (reason ? std::string(" ") + reason : "");
    }

    Recorder host;
    DeviceTables tables{};
    Indices d_indices{{range(0, 7)}}, b_indices{{number(0), number(1), number(2)}};
    PinNumberingRecord d_numbering{nullptr, nullptr, &d_indices.list};
    PinNumberingRecord b_numbering{nullptr, nullptr, &b_indices.list};
    PinRecord d{const_cast<char *>("D"), OXEL_FORM_BUS, &d_numbering, OXEL_PIN_IO, 0, nullptr};
    PinRecord b{const_cast<char *>("B"), OXEL_FORM_BUS, &b_numbering, OXEL_PIN_IO, 0, nullptr};
    PinRecord n{const_cast<char *>("N"), OXEL_FORM_BUS, nullptr, OXEL_PIN_IO, 0, nullptr};
    PinRecord p{const_cast<char *>("P"), OXEL_FORM_SINGLE, nullptr, OXEL_PIN_IN, 0, nullptr};
};

const std::string kIsBus = "1 Referenced name is a bus, not a single pin", kUndefined = "2 Undefined name",
                  kNotBus = "3 Not a bus reference", kNotMember = "4 Not a member of bus (can be out of range)",
                  kPinNumber = "5 Not a bus name, is a pin name", kUnknown = "6 Unknown bus qualifier";
constexpr int32_t kOne = OXEL_PINREF_ELEMENT, kSeveral = OXEL_PINREF_ELEMENTS, kPlain = OXEL_PINREF_PLAIN;

}  // namespace

TEST_F(PinReference, EveryReferenceGetsItsCodeAndReason) {
    const std::tuple<int32_t, const char *, intptr_t, std::vector<IndexRecord>, std::string> rows[] = {
        {kOne, "D", 0, {}, "0"}, {kOne, "D", 7, {}, "0"}, {kOne, "D", 8, {}, kNotMember},
        {kOne, "D", -1, {}, kNotMember}, {kOne, "B", 2, {}, "0"}, {kOne, "B", 3, {}, kNotMember},
        {kOne, "P", 0, {}, kNotBus}, {kOne, "N", 0, {}, kNotBus}, {kOne, "12", 0, {}, kPinNumber},
        {kOne, "X", 0, {}, kUndefined},
        {kSeveral, "D", 0, {number(1), number(2), number(3)}, "0"},
        {kSeveral, "D", 0, {range(1, 3), number(7)}, "0"},
        {kSeveral, "D", 0, {range(6, 8)}, kNotMember},
        // A range is settled against the bus's indices, not value by value:
        // the widest is as quick as any, and single indices join up.
        {kSeveral, "D", 0, {range(0, 2000000000)}, kNotMember},
        {kSeveral, "D", 0, {range(-2000000000, 2)}, kNotMember},
        {kSeveral, "D", 0, {range(2000000000, 0)}, "0"},  // names no value
        {kSeveral, "B", 0, {range(0, 2)}, "0"},
        {kSeveral, "B", 0, {range(1, 3)}, kNotMember},
        {kSeveral, "B", 0, {number(0), number(2)}, "0"},
        {kSeveral, "B", 0, {number(2), number(3)}, kNotMember},
        {kSeveral, "B", 0, {kNamed}, "0"},  // named indices name no value
        {kSeveral, "12", 0, {number(0)}, kPinNumber},
        {kSeveral, "D", 0, {}, kNotBus},
        {kPlain, "P", 0, {}, "0"}, {kPlain, "12", 0, {}, "0"}, {kPlain, "D", 0, {}, kIsBus},
        {kPlain, "p", 0, {}, kUndefined}, {7, "P", 0, {}, kUnknown}, {7, nullptr, 0, {}, "0"},
    };
    for (const auto &[kind, name, index, indices, expected] : rows)
        EXPECT_EQ(resolve(kind, name, index, indices), expected) << kind << " " << (name ? name : "-") << index;
    // Resolving allocates nothing.
    memory_fail_at(1);
    EXPECT_EQ(resolve(kSeveral, "D", 0, {range(1, 2), number(7)}), "0");
    memory_fail_at(0);
    EXPECT_TRUE(host.texts(OXEL_KIND_ERROR).empty());
}

// A bus of the widest indices, in pieces that overlap and touch.
TEST_F(PinReference, ARangeIsCoveredByIndicesThatOverlapOrTouch) {
    Indices wide{{range(1000, INT32_MAX), range(-5, 10), number(11), range(12, 1500)}};
    d.numbering->indices = &wide.list;
    EXPECT_EQ(resolve(kSeveral, "D", 0, {range(-5, INT32_MAX)}), "0");
    EXPECT_EQ(resolve(kSeveral, "D", 0, {range(-6, 0)}), kNotMember);
    EXPECT_EQ(resolve(kOne, "D", INT32_MAX, {}), "0");
}

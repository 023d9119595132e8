// Lists: growth by steps, removal, release, failures
#include "base/memory.h"
#include "model/item_list.h"
#include "support/recorder.h"

namespace {

int *new_int(Recorder &host, int value) {
    int *item = static_cast<int *>(mem_alloc(host.host(), sizeof(int)));
    *item = value;
    return item;
}

// The items of a list of ints, spaced; "null" for no list.
std::string values(const ItemList *list) {
    std::string out = list ? "" : "null";
    for (int *item : items_of<int>(list))
        out += (out.empty() ? "" : " ") + std::to_string(*item);
    return out;
}

}  // namespace

TEST(ItemList, GrowsInStepsKeepsOrderAndShiftsLaterItemsOnRemoval) {
    Recorder host;
    ItemList *empty = list_create(host.host(), nullptr, 5),
             *one = list_create(host.host(), new_int(host, 7), 1);
    EXPECT_EQ(row(values(empty), empty->grow_step, values(one)), "|5|7");
    list_release(host.host(), empty);
    list_release(host.host(), nullptr);
    // The first 100 appends fit the first array; the next one resizes it.
    ItemList *list = list_create(host.host(), nullptr, 100);
    std::string in_order = "0";
    memory_fail_at(0);
    for (int i = 0; i < 100; i++)
        list = list_append(host.host(), list, new_int(host, i));
    EXPECT_EQ(memory_allocations(), 100);
    list = list_append(host.host(), list, new_int(host, 100));
    EXPECT_EQ(memory_allocations(), 102);
    for (int i = 1; i <= 100; i++)
        in_order += " " + std::to_string(i);
    EXPECT_EQ(values(list), in_order);
    list_release(host.host(), list);

    for (int i = 2; i <= 5; i++)
        one = list_append(host.host(), one, new_int(host, i));
    int *removed = static_cast<int *>(list_remove_at(host.host(), one, 3));
    EXPECT_EQ(row(*removed, values(one)), "3|7 2 4 5");
    mem_free(host.host(), removed);
    // Positions outside 1..count take nothing out.
    for (int32_t position : {5, 0, -1})
        EXPECT_EQ(list_remove_at(host.host(), one, position), nullptr) << position;
    EXPECT_EQ(list_remove_at(host.host(), nullptr, 1), nullptr);
    EXPECT_EQ(values(one), "7 2 4 5");
    // Emptied, the list keeps its array and takes more.
    while (one->count)
        mem_free(host.host(), list_remove_at(host.host(), one, 1));
    EXPECT_NE(one->items, nullptr);
    one = list_append(host.host(), one, new_int(host, 4));
    EXPECT_EQ(values(one), "4");
    list_release(host.host(), one);
    EXPECT_EQ(host.dump(), "");
}

// A full array doubles: with step 1 the appends that find 1, 2, 4 and 8
// items resize it, and no other; a removal down to a power of two shrinks it
// to that size, so the next append resizes again.
TEST(ItemList, FullArraysDoubleSoThatResizesGrowLogarithmically) {
    Recorder host;
    ItemList *list = list_create(host.host(), nullptr, 1);
    memory_fail_at(0);
    std::string resized;
    for (int i = 0; i < 12; i++) {
        long before = memory_allocations();
        list = list_append(host.host(), list, new_int(host, i));
        if (memory_allocations() - before == 2)
            resized += std::to_string(i) + " ";
    }
    EXPECT_EQ(resized, "1 2 4 8 ");
    mem_free(host.host(), list_remove_at(host.host(), list, 12));
    for (int i = 0; i < 3; i++)
        mem_free(host.host(), list_remove_at(host.host(), list, 1));
    long before = memory_allocations();
    list = list_append(host.host(), list, new_int(host, 12));
    EXPECT_EQ(memory_allocations() - before, 2);
    EXPECT_EQ(values(list), "3 4 5 6 7 8 9 10 12");
    list_release(host.host(), list);
}

// A failed shrink still hands the item over; a failed append releases the
// list with its items (the sanitizer build sees what leaks).
TEST(ItemList, FailuresReportOnceAndLoseNothing) {
    Recorder host;
    ItemList *list = list_create(host.host(), new_int(host, 1), 1);
    list = list_append(host.host(), list, new_int(host, 2));
    memory_fail_at(1);
    int *removed = static_cast<int *>(list_remove_at(host.host(), list, 2));
    memory_fail_at(0);
    ASSERT_NE(removed, nullptr);
    EXPECT_EQ(row(*removed, values(list)), "2|1");
    mem_free(host.host(), removed);
    memory_fail_at(2);  // the item succeeds, the resize fails
    list = list_append(host.host(), list, new_int(host, 2));
    EXPECT_EQ(values(list), "null");
    memory_fail_at(0);
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR), Texts(2, "Memory allocation error"));
}

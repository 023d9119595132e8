// Lists: growth by steps, removal, release
#include <gtest/gtest.h>

#include "base/memory.h"
#include "model/item_list.h"
#include "model/tagged_item.h"
#include "support/recorder.h"

namespace {

int *new_int(HostContext *context, int value) {
    int *item = static_cast<int *>(mem_alloc(context, sizeof(int)));
    *item = value;
    return item;
}

int item_at(const ItemList *list, int index) { return *static_cast<int *>(list->items[index]); }

}  // namespace

TEST(ItemList, CreatedEmptyOrWithAFirstItem) {
    Recorder host;
    ItemList *empty = list_create(host.host(), nullptr, 5);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->count, 0);
    EXPECT_EQ(empty->grow_step, 5);
    ItemList *one = list_create(host.host(), new_int(host.host(), 7), 1);
    ASSERT_NE(one, nullptr);
    EXPECT_EQ(one->count, 1);
    EXPECT_EQ(item_at(one, 0), 7);
    list_release(host.host(), empty);
    list_release(host.host(), one);
    list_release(host.host(), nullptr);
}

TEST(ItemList, GrowsInStepsAndKeepsOrder) {
    Recorder host;
    ItemList *list = list_create(host.host(), nullptr, 100);
    // The first 100 appends fit the first array: no resize at all.
    memory_fail_at(0);
    for (int i = 0; i < 100; i++)
        list = list_append(host.host(), list, new_int(host.host(), i));
    EXPECT_EQ(memory_allocations(), 100);  // only the items themselves
    list = list_append(host.host(), list, new_int(host.host(), 100));
    EXPECT_EQ(memory_allocations(), 102);  // the item and one resize
    ASSERT_EQ(list->count, 101);
    for (int i = 0; i <= 100; i++)
        EXPECT_EQ(item_at(list, i), i);
    list_release(host.host(), list);
}

TEST(ItemList, RemovalShiftsLaterItemsForward) {
    Recorder host;
    ItemList *list = list_create(host.host(), new_int(host.host(), 1), 1);
    for (int i = 2; i <= 5; i++)
        list = list_append(host.host(), list, new_int(host.host(), i));
    int *removed = static_cast<int *>(list_remove_at(host.host(), list, 3));
    ASSERT_NE(removed, nullptr);
    EXPECT_EQ(*removed, 3);
    mem_free(host.host(), removed);
    ASSERT_EQ(list->count, 4);
    EXPECT_EQ(item_at(list, 0), 1);
    EXPECT_EQ(item_at(list, 1), 2);
    EXPECT_EQ(item_at(list, 2), 4);
    EXPECT_EQ(item_at(list, 3), 5);
    // Positions outside 1..count take nothing out.
    EXPECT_EQ(list_remove_at(host.host(), list, 5), nullptr);
    EXPECT_EQ(list_remove_at(host.host(), list, 0), nullptr);
    EXPECT_EQ(list_remove_at(host.host(), list, -1), nullptr);
    EXPECT_EQ(list_remove_at(host.host(), nullptr, 1), nullptr);
    EXPECT_EQ(list->count, 4);
    list_release(host.host(), list);
}

TEST(ItemList, RemovingTheOnlyItemLeavesAnEmptyList) {
    Recorder host;
    ItemList *list = list_create(host.host(), new_int(host.host(), 9), 1);
    int *removed = static_cast<int *>(list_remove_at(host.host(), list, 1));
    ASSERT_NE(removed, nullptr);
    EXPECT_EQ(list->count, 0);
    EXPECT_NE(list->items, nullptr);
    mem_free(host.host(), removed);
    list = list_append(host.host(), list, new_int(host.host(), 4));
    EXPECT_EQ(item_at(list, 0), 4);
    list_release(host.host(), list);
}

TEST(ItemList, AFailedShrinkStillHandsOverTheRemovedItem) {
    Recorder host;
    ItemList *list = list_create(host.host(), new_int(host.host(), 1), 1);
    list = list_append(host.host(), list, new_int(host.host(), 2));
    memory_fail_at(1);
    int *removed = static_cast<int *>(list_remove_at(host.host(), list, 2));
    memory_fail_at(0);
    ASSERT_NE(removed, nullptr);
    EXPECT_EQ(*removed, 2);
    EXPECT_EQ(list->count, 1);
    EXPECT_EQ(item_at(list, 0), 1);
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR), std::vector<std::string>{"Memory allocation error"});
    mem_free(host.host(), removed);
    list_release(host.host(), list);
}

TEST(ItemList, FailedAppendReleasesListAndItem) {
    Recorder host;
    ItemList *list = list_create(host.host(), new_int(host.host(), 1), 1);
    memory_fail_at(2);  // the item succeeds, the resize fails
    list = list_append(host.host(), list, new_int(host.host(), 2));
    memory_fail_at(0);
    EXPECT_EQ(list, nullptr);
    EXPECT_EQ(host.counters.errors, 1);
}

TEST(TaggedItem, NonemptyOnlyForAListWithItems) {
    Recorder host;
    ItemList *empty = list_create(host.host(), nullptr, 1);
    memory_fail_at(0);
    EXPECT_EQ(item_make_nonempty(host.host(), TAG_PIN_LIST, empty), nullptr);
    EXPECT_EQ(item_make_nonempty(host.host(), TAG_PIN_LIST, nullptr), nullptr);
    EXPECT_EQ(memory_allocations(), 0);
    list_release(host.host(), empty);

    ItemList *list = list_create(host.host(), new_int(host.host(), 3), 1);
    TaggedItem *item = item_make_nonempty(host.host(), TAG_CELL, list);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->tag, TAG_CELL);
    EXPECT_EQ(reinterpret_cast<ItemList *>(item->value), list);
    list_release(host.host(), list);
    mem_free(host.host(), item);
}

TEST(TaggedItem, OwningPairReleasesTheListWhenItCannotBeMade) {
    Recorder host;
    ItemList *list = list_create(host.host(), new_int(host.host(), 3), 1);
    memory_fail_at(1);
    EXPECT_EQ(item_make_owning(host.host(), 5, list), nullptr);  // list released: no leak
    memory_fail_at(0);
    EXPECT_EQ(host.counters.errors, 1);
}

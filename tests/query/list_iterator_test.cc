// The query list iterator and its bounds
#include <gtest/gtest.h>

#include <vector>

#include "query/query_cursors.h"

namespace {

// A list over `items` with `count` claimed; the list owns nothing.
ItemList list_of(std::vector<void *> &items, int32_t count) {
    return ItemList{count, 1, items.data()};
}

}  // namespace

TEST(ListIterator, WalksFromTheFirstItemToTheLast) {
    reset_query_cursors();
    int a = 1, b = 2;
    std::vector<void *> items = {&a, &b};
    ItemList list = list_of(items, 2);
    EXPECT_EQ(list_iter_first(&list), &a);
    EXPECT_EQ(list_iter_next(), &b);
    EXPECT_EQ(list_iter_next(), nullptr);
    EXPECT_EQ(list_iter_next(), nullptr);
    EXPECT_EQ(list_iter_first(&list), &a);
    reset_query_cursors();
    EXPECT_EQ(list_iter_next(), nullptr);
}

TEST(ListIterator, ListsOutsideTheBoundsLeaveTheIteratorAsItWas) {
    reset_query_cursors();
    int a = 1, b = 2;
    std::vector<void *> items = {&a, &b};
    ItemList list = list_of(items, 2);
    ASSERT_EQ(list_iter_first(&list), &a);

    std::vector<void *> many(65537, &b);
    ItemList empty = list_of(many, 0);
    ItemList too_long = list_of(many, 65537);
    ItemList longest = list_of(many, 65536);
    EXPECT_EQ(list_iter_first(nullptr), nullptr);
    EXPECT_EQ(list_iter_first(&empty), nullptr);
    EXPECT_EQ(list_iter_first(&too_long), nullptr);
    // Still on the first list.
    EXPECT_EQ(list_iter_next(), &b);
    EXPECT_EQ(list_iter_first(&longest), &b);
    reset_query_cursors();
}

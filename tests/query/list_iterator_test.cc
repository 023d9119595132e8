// The query list iterator and its bounds
#include "query/query_cursors.h"
#include "support/recorder.h"

TEST(ListIterator, WalksTheListAndLeavesItAsItWasForListsOutOfBounds) {
    reset_query_cursors(OxelGetInfo());
    int a = 1, b = 2;
    std::vector<void *> items = {&a, &b}, many(65537, &b);
    ItemList list{2, 1, items.data()}, empty{0, 1, many.data()};
    ItemList too_long{65537, 1, many.data()}, longest{65536, 1, many.data()};
    EXPECT_EQ(list_iter_first(&list), &a);
    EXPECT_EQ(list_iter_next(), &b);
    EXPECT_EQ(list_iter_next(), nullptr);
    EXPECT_EQ(list_iter_next(), nullptr);
    EXPECT_EQ(list_iter_first(&list), &a);
    // A null, empty or too long list is refused; the walk stays on the first.
    EXPECT_EQ(list_iter_first(nullptr), nullptr);
    EXPECT_EQ(list_iter_first(&empty), nullptr);
    EXPECT_EQ(list_iter_first(&too_long), nullptr);
    EXPECT_EQ(list_iter_next(), &b);
    EXPECT_EQ(list_iter_first(&longest), &b);
    reset_query_cursors(OxelGetInfo());
    EXPECT_EQ(list_iter_next(), nullptr);
}

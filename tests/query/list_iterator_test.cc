// The query list iterator and its bounds
#include "query/query_cursors.h"
#include "support/recorder.h"

TEST(ListIterator, WalksTheListAndLeavesItAsItWasForListsOutOfBounds) {
    DescriptionRoot root{};
    query_cursors q{};
    reset_query_cursors(q, &root);
    int a = 1, b = 2;
    std::vector<void *> items = {&a, &b}, many(65537, &b);
    ItemList list{2, 1, items.data()}, empty{0, 1, many.data()};
    ItemList too_long{65537, 1, many.data()}, longest{65536, 1, many.data()};
    EXPECT_EQ(list_iter_first(q, &list), &a);
    EXPECT_EQ(list_iter_next(q), &b);
    EXPECT_EQ(list_iter_next(q), nullptr);
    EXPECT_EQ(list_iter_next(q), nullptr);
    EXPECT_EQ(list_iter_first(q, &list), &a);
    // A null, empty or too long list is refused; the walk stays on the first.
    EXPECT_EQ(list_iter_first(q, nullptr), nullptr);
    EXPECT_EQ(list_iter_first(q, &empty), nullptr);
    EXPECT_EQ(list_iter_first(q, &too_long), nullptr);
    EXPECT_EQ(list_iter_next(q), &b);
    EXPECT_EQ(list_iter_first(q, &longest), &b);
    reset_query_cursors(q, &root);
    EXPECT_EQ(list_iter_next(q), nullptr);
}

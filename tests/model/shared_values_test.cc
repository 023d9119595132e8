// Shared values: repeated short texts and one-item lists kept once while the arena is open
#include "base/memory.h"
#include "model/item_list.h"
#include "model/shared_values.h"
#include "support/recorder.h"

// A short text met again, and a one-item list of one, comes back as a
// shared copy that mem_free leaves alone (the text's first holder keeps its
// own block); a text with a lower-case letter, a long one, a longer list, and
// anything handed in while the arena is closed come back as they were.
TEST(SharedValues, RepeatedTextsAndOneItemListsAreKeptOnceWhileTheArenaIsOpen) {
    Recorder host;
    HostContext *h = host.host();
    memory_arena_open();
    char *own = share_text(h, str_duplicate(h, "BC_1"));
    char *first = share_text(h, str_duplicate(h, "BC_1"));
    char *again = share_text(h, str_duplicate(h, "BC_1"));
    char *lower = str_duplicate(h, "bc_1"), *long_text = str_duplicate(h, std::string(40, 'B').c_str());
    ItemList *dash = share_text_list(h, list_create(h, str_duplicate(h, "-"), 1));
    ItemList *dash_again = share_text_list(h, list_create(h, str_duplicate(h, "-"), 1));
    ItemList *two = list_append(h, list_create(h, str_duplicate(h, "A"), 1), str_duplicate(h, "B"));
    EXPECT_EQ(row(own != first, first == again, dash == dash_again, share_text(h, lower) == lower,
                  share_text(h, long_text) == long_text, share_text_list(h, two) == two),
              "1|1|1|1|1|1");
    mem_free(h, first);
    list_release(h, dash);
    auto *reused = static_cast<char *>(mem_alloc(h, 5));   // never the shared block
    EXPECT_EQ(row(again, dash_again->count, dash_again->grow_step, static_cast<char *>(dash_again->items[0])),
              "BC_1|1|1|-");
    memory_arena_close();
    char *closed = str_duplicate(h, "BC_1");
    EXPECT_EQ(share_text(h, closed), closed);
    for (char *block : {own, reused, lower, long_text, closed})
        mem_free(h, block);
    list_release(h, two);
    memory_arena_release();
    EXPECT_EQ(host.dump(), "");
}

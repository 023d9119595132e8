// Board test records: a PPA serial group that names a signal twice
#include "base/memory.h"
#include "model/board_records.h"
#include "model/item_list.h"
#include "model/release.h"
#include "model/tagged_item.h"
#include "support/recorder.h"

TEST(BoardRecords, EverySignalGivenTwiceSendsItsOwnNote) {
    Recorder host;
    HostContext *c = host.host();
    OxelInitialize(c);
    auto signal_on = [c](int32_t signal, const char *net) {
        return mkppasignal(c, signal, list_create(c, str_duplicate(c, net), 1));
    };
    PpaSerialGroupRecord *group = nullptr;
    for (const char *net : {"first", "second"})
        for (int32_t signal : {TAP_TMS, TAP_TDI, TAP_TDO, TAP_TCK, TAP_TRST})
            group = ppa_serial_add(c, group, signal_on(signal, net));
    // A signal code outside the five is dropped without a word.
    group = ppa_serial_add(c, group, signal_on(4, "other"));
    ASSERT_TRUE(group);
    std::string notes;
    for (const char *signal : {"TMS", "TDI", "TDO", "TCK", "TRST"})
        notes += "note: Redefinition of " + std::string(signal) + " list in PPA instruction\n";
    EXPECT_EQ(host.dump(), notes);
    for (ItemList *list : {group->tms, group->tdi, group->tdo, group->tck, group->trst})
        EXPECT_EQ(row(list ? list->count : 0, list ? static_cast<char *>(list->items[0]) : ""), "1|first");
    release_ppa_serial_group(c, group);
    OxelDestroy(c);
}

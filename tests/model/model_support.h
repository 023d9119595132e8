// Test support for the record constructors: inputs built through the memory layer, allocation sweeps
#pragma once

#include "base/memory.h"
#include "model/item_list.h"
#include "support/recorder.h"

// A test that calls the constructors directly on a fresh description.
class RecordsTest : public ::testing::Test {
protected:
    void SetUp() override {
        memory_fail_at(0);
        OxelInitialize(host.host());
    }
    void TearDown() override {
        memory_fail_at(0);
        OxelDestroy(host.host());
    }
    HostContext *ctx() { return host.host(); }
    char *text(const char *value) { return str_duplicate(ctx(), value); }
    template <typename Item>
    ItemList *list_of(std::initializer_list<Item *> items) {
        ItemList *list = list_create(ctx(), nullptr, 1);
        for (Item *item : items)
            list = list_append(ctx(), list, item);
        return list;
    }
    ItemList *texts(std::initializer_list<const char *> values) {
        ItemList *list = list_create(ctx(), nullptr, 1);
        for (const char *value : values)
            list = list_append(ctx(), list, text(value));
        return list;
    }

    // Runs `build` with the 1st, 2nd, ... allocation after it calls its
    // `arm` argument failing in turn, until a run needs no failure. A failed
    // run reports the memory error once and, if `null_on_failure`, builds
    // nothing; the sanitizer build catches what a run leaks or frees twice.
    template <typename Build, typename Release>
    void sweep_allocations(const char *what, Build build, Release release, bool null_on_failure = true) {
        SCOPED_TRACE(what);
        for (long nth = 1; nth < 500; nth++) {
            host.clear();
            auto *record = build([nth] { memory_fail_at(nth); });
            bool failed = memory_allocations() >= nth;
            memory_fail_at(0);
            EXPECT_EQ(host.texts(OXEL_KIND_ERROR), failed ? Texts{"Memory allocation error"} : Texts{})
                << nth;
            EXPECT_TRUE(failed ? !null_on_failure || !record : record != nullptr) << nth;
            release(ctx(), record);
            if (!failed)
                return;
        }
        ADD_FAILURE() << "the construction never completed";
    }

    Recorder host;
};

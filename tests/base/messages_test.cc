// Message channel: levels, counting, the cut at 1023 characters, source errors
#include "base/messages.h"
#include "support/recorder.h"

// A message passes from its level on, as its kind with its level and the fixed words; only errors and
// warnings that pass are counted, the memory error always.
TEST(HostMessages, EachReporterPassesFromItsLevelOnAndOnlyWhatPassesIsCounted) {
    using Reporter = int32_t (*)(HostContext *, const char *, int32_t);
    const struct {
        Reporter report;
        int32_t kind, level;
    } reporters[] = {
        {[](HostContext *c, const char *m, int32_t k) { return report_error(c, kNoPlace, "%s%d", m, k); },
         OXEL_KIND_ERROR, 1},
        {[](HostContext *c, const char *m, int32_t k) { return report_warning(c, kNoPlace, "%s%d", m, k); },
         OXEL_KIND_WARNING, 2},
        {[](HostContext *c, const char *m, int32_t k) { return report_note(c, kNoPlace, "%s%d", m, k); },
         OXEL_KIND_NOTE, 3},
        {[](HostContext *c, const char *m, int32_t k) { return report_progress(c, "%s%d", m, k); },
         OXEL_KIND_PROGRESS, 4},
        {[](HostContext *c, const char *m, int32_t k) { return report_status(c, "%s%d", m, k); },
         OXEL_KIND_STATUS, 4}};
    for (int32_t level = 0; level <= 4; level++) {
        Recorder host(level);
        for (const auto &r : reporters) {
            SCOPED_TRACE(row(level, r.kind));
            const size_t before = host.messages.size();
            EXPECT_EQ(r.report(host.host(), "m", r.kind), level >= r.level ? 1 : 0);
            ASSERT_EQ(host.messages.size(), before + (level >= r.level));
            if (level >= r.level) {
                const RecordedMessage &m = host.messages.back();
                EXPECT_EQ(row(m.kind, m.level, m.zero, m.one, m.text),
                          row(r.kind, r.level, 0, 1, "m" + shown(r.kind)));
            }
        }
        EXPECT_EQ(row(host.counters.errors, host.counters.warnings), row(level >= 1, level >= 2));
        EXPECT_EQ(report_memory_error(host.host()), 1);
        ASSERT_FALSE(host.messages.empty());
        const RecordedMessage &m = host.messages.back();
        EXPECT_EQ(row(m.kind, m.level, m.zero, m.one, m.text), "0|1|0|1|Memory allocation error");
        EXPECT_EQ(host.counters.errors, (level >= 1) + 1);
    }
}

// A message that points into the source names the line and indents its text
// by twelve blanks; it is filtered, counted and cut like any other error.
TEST(HostMessages, LongTextsAreCutAt1023CharactersAndASourceErrorNamesItsLine) {
    Recorder host, quiet(0);
    const std::string long_text(3000, 'y'), head = "syntax error >> line 12\n" + std::string(12, ' ');
    report_error(host.host(), kNoPlace, "%s", long_text.c_str());
    EXPECT_EQ(report_source_error(host.host(), kNoPlace, 7, "Illegal directive #%s - Ignoring", "x%d"), 1);
    report_source_error(host.host(), kNoPlace, 12, "%s", long_text.c_str());
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR),
              (Texts{std::string(1023, 'y'),
                     "syntax error >> line 7\n            Illegal directive #x%d - Ignoring",
                     head + std::string(1023 - head.size(), 'y')}));
    EXPECT_EQ(host.counters.errors, 3);
    EXPECT_EQ(report_source_error(quiet.host(), kNoPlace, 1, "Ignoring #include directive"), 0);
    EXPECT_EQ(quiet.dump() + shown(quiet.counters.errors), "0");
}

TEST(HostMessages, CountingNeedsNoCallbackAndDeliveringNoCounters) {
    Recorder silent, uncounted;
    silent.context.callback = nullptr;
    EXPECT_EQ(report_error(silent.host(), kNoPlace, "e"), 1);
    EXPECT_EQ(silent.counters.errors, 1);
    uncounted.context.counters = nullptr;
    report_error(uncounted.host(), kNoPlace, "e");
    report_warning(uncounted.host(), kNoPlace, "w");
    set_message_counts(uncounted.host(), {5, 0});  // harmless
    const MessageCounts none = message_counts(uncounted.host());
    EXPECT_EQ(row(uncounted.messages.size(), none.errors, none.warnings), "2|0|0");
    silent.counters.reserved = 77;
    set_message_counts(silent.host(), {3, 9});
    report_error(silent.host(), kNoPlace, "e");
    report_warning(silent.host(), kNoPlace, "w");
    const MessageCounts counted = message_counts(silent.host());
    EXPECT_EQ(row(counted.errors, counted.warnings, silent.counters.reserved), "4|10|77");
}


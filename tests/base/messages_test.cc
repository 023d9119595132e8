// Message channel: levels, counting, the cut at 1023 characters
#include <gtest/gtest.h>

#include <string>

#include "base/messages.h"
#include "model/statement_routing.h"
#include "model/tagged_item.h"
#include "support/recorder.h"

TEST(HostMessages, LevelTwoLetsErrorsAndWarningsThroughAndCountsThem) {
    Recorder host(2);
    EXPECT_EQ(report_error(host.host(), "e%d", 1), 1);
    EXPECT_EQ(report_warning(host.host(), "w"), 1);
    EXPECT_EQ(report_note(host.host(), "n"), 0);
    EXPECT_EQ(report_progress(host.host(), "p"), 0);
    EXPECT_EQ(report_status(host.host(), "s"), 0);
    ASSERT_EQ(host.messages.size(), 2u) << host.dump();
    EXPECT_EQ(host.messages[0].kind, OXEL_KIND_ERROR);
    EXPECT_EQ(host.messages[0].level, 1);
    EXPECT_EQ(host.messages[0].text, "e1");
    EXPECT_EQ(host.messages[1].kind, OXEL_KIND_WARNING);
    EXPECT_EQ(host.messages[1].level, 2);
    EXPECT_EQ(host.counters.errors, 1);
    EXPECT_EQ(host.counters.warnings, 1);
}

TEST(HostMessages, LevelZeroSuppressesAndCountsNothingButTheMemoryError) {
    Recorder host(0);
    EXPECT_EQ(report_error(host.host(), "e"), 0);
    EXPECT_EQ(report_warning(host.host(), "w"), 0);
    EXPECT_EQ(host.counters.errors, 0);
    EXPECT_EQ(report_memory_error(host.host()), 1);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Memory allocation error");
    EXPECT_EQ(host.messages[0].kind, OXEL_KIND_ERROR);
    EXPECT_EQ(host.messages[0].zero, 0);
    EXPECT_EQ(host.messages[0].one, 1);
    EXPECT_EQ(host.counters.errors, 1);
}

TEST(HostMessages, EveryKindCarriesItsLevelAndTheFixedWords) {
    Recorder host(4);
    report_note(host.host(), "n");
    report_progress(host.host(), "p");
    report_status(host.host(), "s");
    ASSERT_EQ(host.messages.size(), 3u);
    EXPECT_EQ(host.messages[0].kind, OXEL_KIND_NOTE);
    EXPECT_EQ(host.messages[0].level, 3);
    EXPECT_EQ(host.messages[1].kind, OXEL_KIND_PROGRESS);
    EXPECT_EQ(host.messages[1].level, 4);
    EXPECT_EQ(host.messages[2].kind, OXEL_KIND_STATUS);
    EXPECT_EQ(host.messages[2].level, 4);
    for (const RecordedMessage &m : host.messages) {
        EXPECT_EQ(m.zero, 0);
        EXPECT_EQ(m.one, 1);
    }
    EXPECT_EQ(host.counters.errors, 0);
    EXPECT_EQ(host.counters.warnings, 0);
}

TEST(HostMessages, LongTextsAreCutAt1023Characters) {
    Recorder host;
    std::string long_text(3000, 'x');
    report_error(host.host(), "%s", long_text.c_str());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, std::string(1023, 'x'));
}

TEST(HostMessages, NullCallbackStillCountsAndNullCountersStillDelivers) {
    Recorder silent;
    silent.context.callback = nullptr;
    EXPECT_EQ(report_error(silent.host(), "e"), 1);
    EXPECT_EQ(silent.counters.errors, 1);

    Recorder uncounted;
    uncounted.context.counters = nullptr;
    report_error(uncounted.host(), "e");
    report_warning(uncounted.host(), "w");
    EXPECT_EQ(uncounted.messages.size(), 2u);
    EXPECT_EQ(get_error_count(uncounted.host()), 0);
    EXPECT_EQ(get_warning_count(uncounted.host()), 0);
    set_error_count(uncounted.host(), 5);  // harmless
}

TEST(HostMessages, CounterAccessorsReadAndWriteTheHostsRecord) {
    Recorder host;
    host.counters.reserved = 77;
    set_error_count(host.host(), 3);
    count_error(host.host());
    set_warning_count(host.host(), 9);
    count_warning(host.host());
    EXPECT_EQ(get_error_count(host.host()), 4);
    EXPECT_EQ(get_warning_count(host.host()), 10);
    EXPECT_EQ(host.counters.reserved, 77);
}

TEST(HostMessages, AnAbsentNameIsPrintedAsNull) {
    Recorder host;
    TaggedItem statement{TAG_MANUFACTURER_IDCODE, 0};
    report_illegal_statement(host.host(), &statement, "Bypass register", nullptr);
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR),
              std::vector<std::string>{"Illegal statement (Type 27) in Bypass register (null)"});
}

// A message that points into the source names the line and indents its text
// by twelve blanks; it is filtered, counted and cut like any other error.
TEST(HostMessages, ASourceErrorNamesTheLineAndIndentsItsText) {
    Recorder host;
    const std::string long_text(3000, 'y');
    EXPECT_EQ(report_source_error(host.host(), 7, "Illegal directive #%s - Ignoring", "x%d"), 1);
    report_source_error(host.host(), 12, "%s", long_text.c_str());
    const std::string second_head = "syntax error >> line 12\n" + std::string(12, ' ');
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR),
              (std::vector<std::string>{
                  "syntax error >> line 7\n            Illegal directive #x%d - Ignoring",
                  second_head + std::string(1023 - second_head.size(), 'y')}));
    EXPECT_EQ(host.counters.errors, 2);

    Recorder quiet(0);
    EXPECT_EQ(report_source_error(quiet.host(), 1, "Ignoring #include directive"), 0);
    EXPECT_TRUE(quiet.messages.empty());
    EXPECT_EQ(quiet.counters.errors, 0);
}

TEST(HostMessages, AnAbsentNameStandsAsNoname) {
    EXPECT_STREQ(show_name(nullptr), "(noname)");
    EXPECT_STREQ(show_name("TAP_1"), "TAP_1");
}

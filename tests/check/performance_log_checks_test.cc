// Global performance and log checks: each missing field, in order
#include "check/performance_log_checks.h"
#include "support/recorder.h"

TEST(GlobalPerformance, ReportsEachMissingFieldAndNamesANamelessRecordNoname) {
    char name[] = "perf";
    double frequency = 1.0;
    GlobalPerformanceRecord named{}, complete{}, partial{};
    named.name = name;
    complete.test_freq_min = complete.test_freq_typ = complete.test_freq_max = &frequency;
    partial.test_freq_min = partial.test_freq_max = &frequency;
    struct Case {
        void *record;
        Severity mask;
        Texts errors, warnings;
    } cases[] = {
        {&named, kWarning, {},
         {"TFMin undefined in global performance \"perf\"", "TFTyp undefined in global performance \"perf\"",
          "TFMax undefined in global performance \"perf\""}},
        {&complete, kError, {"Missing name in Globalperformance"}, {}},
        {&partial, kError | kWarning, {"Missing name in Globalperformance"},
         {"TFTyp undefined in global performance \"(noname)\""}},
        {nullptr, kError, {"Missing global performance section"}, {}},
    };
    for (Case &c : cases) {
        ItemList list{1, 1, &c.record};
        Recorder host;
        EXPECT_EQ(check_global_families(Subject{host.host(), nullptr, nullptr}, &list), c.mask);
        EXPECT_EQ(host.texts(OXEL_KIND_ERROR), c.errors);
        EXPECT_EQ(host.texts(OXEL_KIND_WARNING), c.warnings);
    }
}

TEST(Logs, EachEmptyLogYieldsFourWarningsInRecordOrder) {
    char text[] = "t";
    LogRecord creation{text, text, text, text}, first{}, second{};
    void *items[] = {&first, &second};
    ItemList changes{2, 1, items};
    HeaderRecord header{&creation, &changes};
    Recorder host;
    EXPECT_EQ(check_logs(Subject{host.host(), nullptr, nullptr}, &header), kWarning);
    EXPECT_EQ(host.texts(OXEL_KIND_WARNING),
              (Texts{"Log without date", "Log without Creator/Editor", "Log without Tool name",
                     "Log without Reason description", "Log without date", "Log without Creator/Editor",
                     "Log without Tool name", "Log without Reason description"}));
    HeaderRecord bare{nullptr, nullptr};
    EXPECT_EQ(check_logs(Subject{host.host(), nullptr, nullptr}, &bare) | check_logs(Subject{host.host(), nullptr, nullptr}, nullptr), kClean);
}

// Quick scanner: component names and the flash test through the exports
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "interface/memory.h"
#include "oxel32.h"
#include "support/recorder.h"

namespace {

// The names oxel_fast_parse_info lists ("<null>" for an entry without a
// name); the array is freed with the free export.
std::vector<std::string> listed_names(Recorder &host, const std::string &path) {
    char **names = nullptr;
    int32_t count = oxel_fast_parse_info(host.host(), path.c_str(), &names);
    std::vector<std::string> out;
    for (int32_t i = 0; i < count; i++)
        out.push_back(names[i] ? names[i] : "<null>");
    oxel_free_fast_parse_component_names(host.host(), count, names);
    return out;
}

std::string first_name(Recorder &host, const std::string &path) {
    char *name = oxel_fast_parse(host.host(), path.c_str());
    std::string out = name ? name : "<null>";
    oxel_free_fast_parse_component_name(host.host(), name);
    return out;
}

const char *const kThree =
    "* three parts\n"
    "OXEL\n"
    "  COMPONENT cpu PURPOSE \"the COMPONENT in quotes\" END COMPONENT\n"
    "  COMPONENT \"abc\" END COMPONENT\n"
    "  component 7400;END COMPONENT\n"
    "END OXEL\n";

}  // namespace

TEST(ComponentListing, ListsEveryComponentInFileOrder) {
    Recorder host;
    std::string path = write_temp_file("three.oxel", kThree);
    EXPECT_EQ(listed_names(host, path), (std::vector<std::string>{"cpu", "abc", "7400"}));
    EXPECT_EQ(first_name(host, path), "cpu");
    EXPECT_TRUE(host.messages.empty()) << host.dump();
}

TEST(ComponentListing, TheFirstWordMustBeOxelInAnyCaseAfterComments) {
    Recorder host;
    std::string lower = write_temp_file("lower.oxel", "* comment line\n\n  oxel COMPONENT u1");
    EXPECT_EQ(first_name(host, lower), "u1");
    EXPECT_EQ(listed_names(host, lower), std::vector<std::string>{"u1"});

    std::string board = write_temp_file("board.oxel", "BOARD b COMPONENT u1 END BOARD");
    EXPECT_EQ(first_name(host, board), "<null>");
    char **names = nullptr;
    EXPECT_EQ(oxel_fast_parse_info(host.host(), board.c_str(), &names), 0);
    EXPECT_EQ(names, nullptr);
    EXPECT_EQ(first_name(host, write_temp_file("empty.oxel", "")), "<null>");
}

TEST(ComponentListing, QuotedAndEndedComponentWordsOpenNoSection) {
    Recorder host;
    std::string path = write_temp_file("quoted.oxel",
                                       "OXEL \"COMPONENT x\" END COMPONENT\n"
                                       "END OXEL");
    EXPECT_TRUE(listed_names(host, path).empty());
    EXPECT_EQ(first_name(host, path), "<null>");
}

TEST(ComponentListing, NamesThatCannotBeReadAreNullEntriesButCounted) {
    Recorder host;
    std::string path = write_temp_file("nonames.oxel",
                                       "OXEL\n"
                                       "COMPONENT \"two words\" PURPOSE \"x\" END COMPONENT\n"
                                       "COMPONENT ; COMPONENT END COMPONENT\n"
                                       "COMPONENT after END COMPONENT\n"
                                       "COMPONENT \"\" \"\n"
                                       "COMPONENT");
    // The quoted name with a blank is passed over up to its closing quote,
    // so the quotes of the rest of the file keep their sense. A name read
    // as END takes that END away from the COMPONENT after it, which then
    // opens a section named by the next word.
    EXPECT_EQ(listed_names(host, path),
              (std::vector<std::string>{"<null>", "<null>", "<null>", "COMPONENT", "\"", "<null>"}));
    EXPECT_EQ(first_name(host, path), "<null>");
}

TEST(ComponentListing, WordsOfTheLimitAreWholeNames) {
    Recorder host;
    std::string whole(5121, 'n');
    std::string path = write_temp_file("long.oxel", "OXEL COMPONENT " + whole + " COMPONENT " +
                                                        whole + "xy");
    std::vector<std::string> names = listed_names(host, path);
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[0], whole);
    EXPECT_EQ(names[1], whole);
}

TEST(ComponentListing, UnusableArgumentsGiveNullOrZeroAndTouchNothing) {
    Recorder host;
    std::string path = write_temp_file("args.oxel", kThree);
    char *sentinel[1] = {nullptr};
    char **names = sentinel;
    EXPECT_EQ(oxel_fast_parse(nullptr, path.c_str()), nullptr);
    EXPECT_EQ(oxel_fast_parse_info(nullptr, path.c_str(), &names), 0);
    EXPECT_EQ(oxel_fast_parse_info(host.host(), nullptr, &names), 0);
    EXPECT_EQ(oxel_fast_parse_info(host.host(), "", &names), 0);
    EXPECT_EQ(oxel_fast_parse_info(host.host(), path.c_str(), nullptr), 0);
    EXPECT_EQ(names, sentinel);
    EXPECT_EQ(oxel_fast_parse(host.host(), nullptr), nullptr);
    EXPECT_EQ(oxel_fast_parse(host.host(), ""), nullptr);
    EXPECT_EQ(oxel_fast_parse(host.host(), "/nonexistent/oxel32/x.oxel"), nullptr);
    EXPECT_EQ(oxel_fast_parse_info(host.host(), "/nonexistent/oxel32/x.oxel", &names), 0);
    EXPECT_EQ(file_is_flash(nullptr, path.c_str()), 0);
    oxel_free_fast_parse_component_name(host.host(), nullptr);
    oxel_free_fast_parse_component_names(host.host(), 3, nullptr);
    EXPECT_TRUE(host.messages.empty()) << host.dump();
}

TEST(ComponentListing, AnArrayFromAnEarlierCallIsGrownAgain) {
    Recorder host;
    std::string three = write_temp_file("again3.oxel", kThree);
    std::string one = write_temp_file("again1.oxel", "OXEL COMPONENT solo END COMPONENT END OXEL");
    char **names = nullptr;
    ASSERT_EQ(oxel_fast_parse_info(host.host(), three.c_str(), &names), 3);
    for (int i = 0; i < 3; i++)
        oxel_free_fast_parse_component_name(host.host(), names[i]);
    ASSERT_EQ(oxel_fast_parse_info(host.host(), one.c_str(), &names), 1);
    EXPECT_STREQ(names[0], "solo");
    oxel_free_fast_parse_component_names(host.host(), 1, names);
}

TEST(ComponentListing, AFailedAllocationKeepsTheNamesReadSoFar) {
    std::string path = write_temp_file("fail.oxel", kThree);
    const std::vector<std::string> all = {"cpu", "abc", "7400"};
    for (long n = 1;; n++) {
        Recorder host;
        char **names = nullptr;
        memory_fail_at(n);
        int32_t count = oxel_fast_parse_info(host.host(), path.c_str(), &names);
        long attempts = memory_allocations();
        memory_fail_at(0);
        ASSERT_LE(count, 3);
        for (int32_t i = 0; i < count; i++)
            EXPECT_EQ(names[i], all[i]) << "failure at " << n;
        oxel_free_fast_parse_component_names(host.host(), count, names);
        if (n > attempts) {
            EXPECT_EQ(count, 3);
            EXPECT_TRUE(host.messages.empty());
            break;
        }
        EXPECT_LT(count, 3) << "failure at " << n;
        EXPECT_EQ(host.texts(OXEL_KIND_ERROR), std::vector<std::string>{"Memory allocation error"});
        EXPECT_EQ(host.counters.errors, 1);
    }
}

TEST(ComponentListing, AFailedAllocationInTheFirstNameGivesNull) {
    std::string path = write_temp_file("fail1.oxel", kThree);
    for (long n = 1;; n++) {
        Recorder host;
        memory_fail_at(n);
        char *name = oxel_fast_parse(host.host(), path.c_str());
        long attempts = memory_allocations();
        memory_fail_at(0);
        if (n > attempts) {
            ASSERT_NE(name, nullptr);
            EXPECT_STREQ(name, "cpu");
            oxel_free_fast_parse_component_name(host.host(), name);
            break;
        }
        EXPECT_EQ(name, nullptr);
        EXPECT_EQ(host.counters.errors, 1);
    }
}

TEST(FlashProbe, AnswersOneOnlyWhenTheFirstWordIsFlash) {
    Recorder host;
    EXPECT_EQ(file_is_flash(host.host(), write_temp_file("f1.txt", "flash\n").c_str()), 1);
    EXPECT_EQ(file_is_flash(host.host(), write_temp_file("f2.txt", "* c\nFLASH;x").c_str()), 1);
    EXPECT_EQ(file_is_flash(host.host(), write_temp_file("f3.txt", "FLASHY").c_str()), 0);
    EXPECT_EQ(file_is_flash(host.host(), write_temp_file("f4.txt", "OXEL FLASH").c_str()), 0);
    EXPECT_EQ(file_is_flash(host.host(), write_temp_file("f5.txt", "").c_str()), 0);
    EXPECT_EQ(file_is_flash(host.host(), nullptr), 0);
    EXPECT_EQ(file_is_flash(host.host(), ""), 0);
    EXPECT_EQ(file_is_flash(host.host(), "/nonexistent/oxel32/f.txt"), 0);
    EXPECT_TRUE(host.messages.empty()) << host.dump();
}

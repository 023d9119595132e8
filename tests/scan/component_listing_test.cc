// Quick scanner: component names and the flash probe through the exports
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "base/memory.h"
#include "oxel32.h"
#include "support/recorder.h"

namespace {

// The names oxel_fast_parse_info lists ("<null>" for an entry without a
// name); the array is freed with the free export.
std::vector<std::string> listed_names(Recorder &host, const std::string &path) {
    char **names = nullptr;
    int32_t count = oxel_fast_parse_info(host.host(), path.c_str(), &names);
    if (count == 0) {
        EXPECT_EQ(names, nullptr);
    }
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

// The components of a file that opens with OXEL are listed; the flash
// probe answers 1 only when the first word is FLASH.
TEST(ComponentListing, ListsTheComponentsAndAnswersTheFlashProbe) {
    const std::string whole(5121, 'n');
    const struct {
        std::string text;
        std::vector<std::string> names;
        int32_t flash = 0;
    } cases[] = {
        {kThree, {"cpu", "abc", "7400"}},
        // The first word must be OXEL, in any case, after comments.
        {"* comment line\n\n  oxel COMPONENT u1", {"u1"}},
        {"BOARD b COMPONENT u1 END BOARD", {}},
        {"", {}},
        // Quoted and ended component words open no section.
        {"OXEL \"COMPONENT x\" END COMPONENT\nEND OXEL", {}},
        // Names that cannot be read are null entries but counted. The quoted
        // name with a blank is passed over up to its closing quote, so the
        // quotes of the rest of the file keep their sense. A name read as END
        // takes that END away from the COMPONENT after it, which then opens a
        // section named by the next word.
        {"OXEL\nCOMPONENT \"two words\" PURPOSE \"x\" END COMPONENT\nCOMPONENT ; COMPONENT END COMPONENT\n"
         "COMPONENT after END COMPONENT\nCOMPONENT \"\" \"\nCOMPONENT",
         {"<null>", "<null>", "<null>", "COMPONENT", "\"", "<null>"}},
        // Words of the limit are whole names; a longer one is cut there.
        {"OXEL COMPONENT " + whole + " COMPONENT " + whole + "xy", {whole, whole}},
        {"flash\n", {}, 1},
        {"* c\nFLASH;x", {}, 1},
        {"FLASHY", {}},
        {"OXEL FLASH", {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text.substr(0, 40));
        Recorder host;
        std::string path = write_temp_file("listing.oxel", c.text);
        EXPECT_EQ(listed_names(host, path), c.names);
        EXPECT_EQ(first_name(host, path), c.names.empty() ? "<null>" : c.names[0]);
        EXPECT_EQ(file_is_flash(host.host(), path.c_str()), c.flash);
        EXPECT_TRUE(host.messages.empty()) << host.dump();
    }
}

TEST(ComponentListing, UnusableArgumentsGiveNullOrZeroAndTouchNothing) {
    Recorder host;
    std::string path = write_temp_file("args.oxel", kThree);
    char *sentinel[1] = {nullptr};
    char **names = sentinel;
    const std::pair<HostContext *, const char *> unusable[] = {
        {nullptr, path.c_str()}, {host.host(), nullptr}, {host.host(), ""}, {host.host(), "/nonexistent/oxel32/x.oxel"}};
    for (const auto &[context, file] : unusable) {
        SCOPED_TRACE(file ? file : "(null)");
        EXPECT_EQ(oxel_fast_parse(context, file), nullptr);
        EXPECT_EQ(oxel_fast_parse_info(context, file, &names), 0);
        EXPECT_EQ(file_is_flash(context, file), 0);
    }
    EXPECT_EQ(oxel_fast_parse_info(host.host(), path.c_str(), nullptr), 0);
    EXPECT_EQ(names, sentinel);
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

// A failed allocation keeps the names read so far; in the first name it
// gives null.
TEST(ComponentListing, EveryFailedAllocationIsReportedOnce) {
    std::string path = write_temp_file("fail.oxel", kThree);
    const std::vector<std::string> all = {"cpu", "abc", "7400"};
    for (long n = 1;; n++) {
        SCOPED_TRACE(n);
        Recorder host;
        char **names = nullptr;
        memory_fail_at(n);
        int32_t count = oxel_fast_parse_info(host.host(), path.c_str(), &names);
        bool listing_failed = n <= memory_allocations();
        memory_fail_at(n);
        char *name = oxel_fast_parse(host.host(), path.c_str());
        bool first_failed = n <= memory_allocations();
        memory_fail_at(0);
        ASSERT_LE(count, 3);
        for (int32_t i = 0; i < count; i++)
            EXPECT_EQ(names[i], all[i]);
        oxel_free_fast_parse_component_names(host.host(), count, names);
        EXPECT_EQ(count < 3, listing_failed);
        EXPECT_EQ(name ? std::string(name) : "<null>", first_failed ? "<null>" : "cpu");
        oxel_free_fast_parse_component_name(host.host(), name);
        EXPECT_EQ(host.texts(OXEL_KIND_ERROR),
                  std::vector<std::string>(listing_failed + first_failed, "Memory allocation error"));
        if (!listing_failed && !first_failed)
            break;
    }
}

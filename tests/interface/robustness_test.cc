// Robustness sweeps over every example: each allocation of a parse and a check failing, every prefix
#include <algorithm>
#include <filesystem>

#include "base/memory.h"
#include "support/recorder.h"

namespace {

std::vector<std::string> example_files() {
    std::vector<std::string> files;
    for (const auto &entry : std::filesystem::directory_iterator(std::string(OXEL_SOURCE_DIR) + "/examples"))
        if (entry.path().extension() == ".oxel")
            files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    EXPECT_FALSE(files.empty());
    return files;
}

}  // namespace

// Fails the 1st, 2nd, ... allocation of a parse and a check in turn: each
// run must end in failure with the memory error reported, and leak nothing
// (the leak checker of the sanitizer build watches the whole run). A failed
// parse leaves no description.
TEST(Robustness, EveryAllocationFailureIsSurvived) {
    for (const std::string &file : example_files()) {
        Recorder counting(0);
        OxelInitialize(counting.host());
        memory_fail_at(0);
        ASSERT_EQ(OxelParse(counting.host(), file.c_str()), OXEL_OK) << file;
        long parse_allocations = memory_allocations();
        ASSERT_NE(OxelCheck(counting.host()), OXEL_FAILED) << file;
        long allocations = memory_allocations();
        OxelDestroy(counting.host());
        ASSERT_GT(parse_allocations, 0);
        ASSERT_GT(allocations, parse_allocations);
        for (long nth = 1; nth <= allocations; nth++) {
            std::string where = file + " allocation " + std::to_string(nth);
            Recorder host(0);
            OxelInitialize(host.host());
            memory_fail_at(nth);
            int32_t parsed = OxelParse(host.host(), file.c_str());
            int32_t checked = parsed == OXEL_OK ? OxelCheck(host.host()) : OXEL_FAILED;
            memory_fail_at(0);
            ASSERT_EQ(parsed == OXEL_OK, nth > parse_allocations) << where;
            ASSERT_EQ(checked, OXEL_FAILED) << where;
            std::vector<std::string> errors = host.texts(OXEL_KIND_ERROR);
            ASSERT_EQ(errors, Texts{"Memory allocation error"}) << where;
            ASSERT_TRUE(parsed == OXEL_OK || no_description()) << where;
            OxelDestroy(host.host());
        }
    }
}

// Parses every prefix of every example: each either parses and checks or,
// once the file holds a token, gives exactly one syntax message and one
// detail line.
TEST(Robustness, EveryPrefixEndsInOneSyntaxMessageAndOneDetailLine) {
    for (const std::string &file : example_files()) {
        std::string text = read_file(file);
        std::string prefix_path = write_temp_file("prefix.oxel", "");
        for (size_t length = 0; length <= text.size(); length++) {
            std::string prefix = text.substr(0, length);
            write_temp_file("prefix.oxel", prefix);
            Recorder host(3);
            OxelInitialize(host.host());
            int32_t result = OxelParse(host.host(), prefix_path.c_str());
            std::string where = file + " cut at " + std::to_string(length) + "\n" + host.dump();
            ASSERT_TRUE(no_description() || result == OXEL_OK) << where;
            if (result == OXEL_OK) {
                ASSERT_EQ(host.counters.errors, 0) << where;
                // Whatever a cut description lacks, the check says so in its
                // result: errors destroy it, warnings and nothing keep it.
                int32_t checked = OxelCheck(host.host());
                ASSERT_EQ(checked == OXEL_FAILED, no_description()) << where << host.dump();
                ASSERT_TRUE(checked != OXEL_FAILED || host.counters.errors > 0) << where;
                ASSERT_TRUE(checked != OXEL_WARNINGS || host.counters.warnings > 0) << where;
                OxelDestroy(host.host());
                continue;
            }
            std::vector<std::string> errors = host.texts(OXEL_KIND_ERROR);
            ASSERT_FALSE(errors.empty()) << where;
            if (errors[0].rfind("Not an OXEL file", 0) == 0) {
                // No token at all: the grammar accepts the empty file.
                ASSERT_EQ(errors.size(), 1u) << where;
                ASSERT_TRUE(host.texts(OXEL_KIND_NOTE).empty()) << where;
                continue;
            }
            ASSERT_EQ(errors.size(), 1u) << where;
            ASSERT_EQ(errors[0].rfind("syntax error", 0), 0u) << where;
            ASSERT_EQ(host.texts(OXEL_KIND_NOTE).size(), 1u) << where;
            ASSERT_EQ(host.messages.back().kind, OXEL_KIND_NOTE) << where;
            ASSERT_EQ(OxelGetSyntaxErrors(), 1) << where;
        }
    }
}

// Robustness sweeps over every example: allocations failing in a whole session, every prefix
#include <algorithm>

#include "base/memory.h"
#include "support/recorder.h"

namespace {

// The allocations a sweep fails: every one of the first 1500, then a stride that keeps the count near
// 3000 (failing each of the largest example's ten thousand takes minutes under the sanitizers).
std::vector<long> sampled(long allocations) {
    constexpr long kEvery = 1500, kStrided = 1500;
    std::vector<long> nths;
    const long stride = std::max(1L, (allocations - kEvery) / kStrided);
    for (long nth = 1; nth <= allocations; nth += nth < kEvery ? 1 : stride)
        nths.push_back(nth);
    return nths;
}

}  // namespace

// Fails allocations of a session over each example in turn: the step whose allocation fails ends in its
// failure result with the one memory error, every other step gives what it gives without a failure, and
// nothing leaks (the sanitizer build watches). Now and then a clean session shows nothing was left behind.
TEST(Robustness, EveryAllocationFailureIsSurvived) {
    for (const std::string &name : oxel_files("examples")) {
        const std::string file = std::string(OXEL_SOURCE_DIR) + "/" + name;
        Recorder clean(0);
        memory_fail_at(0);
        const Session reference = run_session(clean, file);
        ASSERT_EQ(reference.parsed, OXEL_OK) << file;
        ASSERT_NE(reference.checked, OXEL_FAILED) << file;
        ASSERT_EQ(row(reference.is_oxel, reference.is_flash), "1|0") << file;
        ASSERT_GT(reference.ends[Session::kParse], 0);
        ASSERT_GT(reference.ends[Session::kCheck], reference.ends[Session::kParse]);
        ASSERT_GT(reference.ends[Session::kListing], reference.ends[Session::kIsFlash]);
        const long *ends = reference.ends;
        const std::vector<long> nths = sampled(ends[Session::kListing]);
        for (size_t sample = 0; sample < nths.size(); sample++) {
            const long nth = nths[sample];
            const std::string where = file + " allocation " + std::to_string(nth);
            Recorder host(0);
            memory_fail_at(nth);
            const Session s = run_session(host, file);
            memory_fail_at(0);
            ASSERT_EQ(host.texts(OXEL_KIND_ERROR), Texts{"Memory allocation error"}) << where;
            const auto failed_in = [&](Session::Step step) {
                return nth <= ends[step] && (step == Session::kParse || nth > ends[step - 1]);
            };
            ASSERT_EQ(s.parsed, failed_in(Session::kParse) ? OXEL_FAILED : OXEL_OK) << where;
            // A query that cannot allocate gives its absence value; the description it reads stays as it is.
            const bool check_fails = failed_in(Session::kParse) || failed_in(Session::kCheck);
            ASSERT_EQ(s.checked, check_fails ? OXEL_FAILED : reference.checked) << where;
            ASSERT_EQ(s.is_oxel, failed_in(Session::kIsOxel) ? 0 : 1) << where;
            ASSERT_EQ(s.is_flash, 0) << where;
            ASSERT_EQ(s.first, failed_in(Session::kFirstName) ? "(null)" : reference.first) << where;
            if (failed_in(Session::kListing)) {
                // The names read before the failure are kept, in order.
                ASSERT_TRUE(s.listing.size() < reference.listing.size() || reference.listing.empty()) << where;
                ASSERT_TRUE(std::equal(s.listing.begin(), s.listing.end(), reference.listing.begin())) << where;
            } else {
                ASSERT_EQ(s.listing, reference.listing) << where;
            }
            if (sample % 64 == 0) {
                Recorder again(0);
                const Session after = run_session(again, file);
                ASSERT_EQ(row(after.parsed, after.checked, after.walks, after.ends[Session::kListing]),
                          row(reference.parsed, reference.checked, reference.walks, ends[Session::kListing]))
                    << where;
            }
        }
    }
}

// Every prefix of every example either parses and checks or, once it holds a token, gives exactly one
// syntax message and one detail line.
TEST(Robustness, EveryPrefixEndsInOneSyntaxMessageAndOneDetailLine) {
    for (const std::string &name : oxel_files("examples")) {
        const std::string file = std::string(OXEL_SOURCE_DIR) + "/" + name;
        std::string text = read_file(file);
        for (size_t length = 0; length <= text.size(); length++) {
            const std::string prefix_path = write_temp_file("prefix.oxel", text.substr(0, length));
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
            const Texts errors = host.texts(OXEL_KIND_ERROR);
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

// The check driver through OxelCheck: status block, counters, results and the fate of the description
#include <gtest/gtest.h>

#include "check/check_support.h"

namespace {

class CheckDriver : public CheckTest {
protected:
    void TearDown() override {
        OxelSetSyntaxErrors(0);
        CheckTest::TearDown();
    }
};

// Two errors: the second and the third U1 are defined again.
const std::string kTwoErrors = component("U1", "") + component("U1", "") + component("U1", "");

}  // namespace

TEST_F(CheckDriver, SyntaxErrorsAreSummedUpAndNothingIsChecked) {
    ASSERT_TRUE(parse_ok(kTwoErrors));
    OxelSetSyntaxErrors(2);
    EXPECT_EQ(check(), OXEL_FAILED);
    EXPECT_EQ(received(), (Texts{"S:", "S:OXEL Status :", "S:   Sum of syntax errors       : 2"}));
    for (const RecordedMessage &m : host.messages)
        EXPECT_EQ(m.level, 4);
    host.context.message_level = 3;
    EXPECT_EQ(check(), OXEL_FAILED);
    EXPECT_TRUE(host.messages.empty()) << host.dump();
    // The description stays: with the count set to 0 the host can check it.
    // The run counts from 0 and adds the host's counts back.
    OxelSetSyntaxErrors(0);
    host.clear();
    host.counters = {9, 5, 3};
    EXPECT_EQ(OxelCheck(host.host()), OXEL_FAILED);
    EXPECT_EQ(row(host.counters.reserved, host.counters.errors, host.counters.warnings), "9|7|3");
}

TEST_F(CheckDriver, AnEmptyDescriptionChecksCleanAndNoContextIsRefused) {
    EXPECT_EQ(OxelCheck(nullptr), OXEL_NO_CONTEXT);
    EXPECT_EQ(oxel_check(nullptr), OXEL_NO_CONTEXT);
    EXPECT_EQ(check(), OXEL_OK);
    EXPECT_EQ(host.texts(OXEL_KIND_PROGRESS), Texts{"OXEL global semantic check"});
    EXPECT_EQ(oxel_check(host.host()), OXEL_OK);
}

TEST_F(CheckDriver, ErrorsDestroyTheDescriptionWhateverTheMessageLevel) {
    const std::string every_root = "OXEL_HEADER CREATION_LOG \"d\" \"c\" \"t\" \"r\" END OXEL_HEADER\n"
                                   "PIN_FAMILY F SETUP_TIME 1 END PIN_FAMILY\n"
                                   "BOARD B NETLIST_MAP U1 1 N END NETLIST_MAP END BOARD\n" + kTwoErrors;
    for (int32_t level : {4, 0}) {
        ASSERT_TRUE(parse_ok(every_root));
        host.context.message_level = level;
        EXPECT_EQ(check(), OXEL_FAILED) << level;
        EXPECT_TRUE(all_roots_null()) << level;
        EXPECT_EQ(host.counters.errors == 0, level == 0);
    }
}

TEST_F(CheckDriver, WarningsOnlyKeepTheDescriptionForAnotherRun) {
    ASSERT_TRUE(parse_ok(component("U1", good_registers("CAPTURE \"01\""))));
    for (int run = 0; run < 2; run++) {
        EXPECT_EQ(check(), OXEL_WARNINGS);
        EXPECT_EQ(received(),
                  (Texts{"P:OXEL semantic check on \"U1\"", "W:Missing Instruction-register purpose in \"IR\""}));
        EXPECT_EQ(row(host.counters.errors, host.counters.warnings), "0|1");
        EXPECT_FALSE(all_roots_null());
    }
}

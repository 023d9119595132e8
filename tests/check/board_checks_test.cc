// Board checks through OxelCheck: TAPs, part chains, netlists and shared nets
#include "check/check_support.h"

namespace {

// Board pins with the controller pins (TRST numbered R5) and a bus D(0:3)
// numbered 5 to 8, and a netlist that joins the controller pins and D(0) to nets.
const std::string kPins =
    "PIN_LIST 1 I TDI - 2 O TDO - 3 M TMS - 4 K TCK - R5 R TRST - (5:8) D(0:3) IO - END PIN_LIST\n";
const std::string kNets = "NETLIST_MAP C I NI C O NO C M NM C K NK C D(0) [N2, N3] END NETLIST_MAP\n";
const std::string kSignals = "TDI NI TDO NO TMS NM TCK NK";
const std::string kComponent = "COMPONENT C END COMPONENT\n";

std::string tap(const std::string &name, const std::string &signals = kSignals,
                const std::string &part = "1 U1 C NM NK -") {
    return "BOARD_LEVEL_CHAIN " + name + " BOARD_LEVEL_TAP " + signals + " END BOARD_LEVEL_TAP PART_CHAIN " +
           part + " END PART_CHAIN END BOARD_LEVEL_CHAIN\n";
}
std::string board(const std::string &name, const std::string &items) {
    return "BOARD " + name + "\n" + items + "END BOARD\n";
}
// Component C and board B with its pins, its nets and `taps`.
std::string board_with(const std::string &taps) { return kComponent + board("B", kPins + kNets + taps); }

const std::string kStart = "S:Checking OXEL board: B", kDone = "S:Done";

class BoardChecks : public CheckTest {
protected:
    // Everything but the progress lines: the boards' status lines and findings.
    Texts board_messages() const {
        Texts out;
        for (const std::string &text : received())
            if (text[0] != 'P')
                out.push_back(text);
        return out;
    }
    std::vector<BoardChainRecord *> taps() {
        return items_of<BoardChainRecord>(items_of<BoardRecord>(OxelGetInfo()->boards)[0]->chains);
    }
};

}  // namespace

TEST_F(BoardChecks, EveryRuleReportsInOrder) {
    const struct { std::string description; int32_t result; Texts found; } rows[] = {
        {board_with(tap("T")), OXEL_OK, {kStart, kDone}},
        {board_with(""), OXEL_FAILED, {kStart, "E:Missing BoardTAP list or TAPelements", kDone}},
        // TRST may be left out, TMS not; a net must be a net or a connector.
        {board_with(tap("T", "TDI NI TDO NO TCK NK TRST NX")), OXEL_FAILED,
         {kStart, "E:Missing TMS connector in board TAP", "E:Net \"NX\" is not a valid net or connector name",
          kDone}},
        // A connector that no netlist names passes with the warning bit and no message.
        {board_with(tap("T", kSignals + " TRST R5")), OXEL_WARNINGS, {kStart, kDone}},
        {board_with(tap("T", kSignals, "1 U1 Z NQ NK M 2 U2 C NM K NR")), OXEL_FAILED,
         {kStart, "E:Referenced component \"Z\" not defined",
          "E:TMS name \"NQ\" in part chain not defined as net or connector",
          "E:TRST name \"NR\" in part chain not defined as net or connector", kDone}},
        {kComponent + board("B", kPins + "NETLIST_MAP CX I NI C D(4) NX C - NZ END NETLIST_MAP\n" +
                                     tap("T", "TDI NI TDO O TMS M TCK K", "1 U1 C M K -")),
         OXEL_FAILED,
         {kStart, "E:Component \"CX\" in net description is not defined",
          "E:Invalid pin reference (D) in net, Reason: Not a member of bus (can be out of range)",
          "E:Unspecified piname in net description with component \"C\"", kDone}},
        {board("B", kPins + "NETLIST_MAP C I NI END NETLIST_MAP\n" + tap("T", "TDI NI TDO O TMS M TCK K")),
         OXEL_FAILED,
         {kStart, "E:No Component table, cannot compare componentnames",
          "E:No Reference table, cannot compare componentnames", kDone}},
        // The nets of one board serve the boards after it; a name is registered once.
        {board_with(tap("T")) + board("B2", tap("T")) + board("B", kPins + kNets + tap("T")), OXEL_FAILED,
         {kStart, kDone, "S:Checking OXEL board: B2", kDone, kStart, "E:Board \"B\" is multiple defined",
          kDone}},
    };
    for (const auto &[description, result, found] : rows) {
        SCOPED_TRACE(description);
        // Twice: each run starts from an empty registry and net name list.
        for (int run = 0; run < 2; run++) {
            ASSERT_TRUE(parse_ok(description));
            EXPECT_EQ(check(), result);
            EXPECT_EQ(board_messages(), found);
        }
    }
}

TEST_F(BoardChecks, SharedNetsAreToldInNotesInNetOrderAndNoError) {
    // N2 serves two signals of TAP B2, NK the TCK of A and of B2.
    ASSERT_TRUE(parse_ok(board_with(tap("A") + tap("B2", "TDI N2 TDO N2 TMS N3 TCK NK"))));
    EXPECT_EQ(check(), OXEL_FAILED);
    EXPECT_EQ(board_messages(),
              (Texts{kStart, "N:Pins used in several tap definitions :", "N:pin \"N2\" in taps ",
                     "N:\"B2\", ", "N:\"B2\", ", "N:pin \"NK\" in taps ", "N:\"A\", ", "N:\"B2\", ", kDone}));
    EXPECT_EQ(host.counters.errors, 0);
}

TEST_F(BoardChecks, NamelessTapsAreTwiceDefinedAndAPartWithoutTckOnlyWarns) {
    ASSERT_TRUE(parse_ok(board_with(tap("A") + tap("A2", "TDI N2 TDO N3 TMS M TCK K"))));
    for (BoardChainRecord *t : taps())
        drop(t->name);
    EXPECT_EQ(check(), OXEL_FAILED);
    EXPECT_EQ(board_messages(), (Texts{kStart, "E:Board tap (noname) multiple defined", kDone}));

    ASSERT_TRUE(parse_ok(board_with(tap("T"))));
    drop(items_of<PartChainRecord>(taps()[0]->parts)[0]->tck_net);
    EXPECT_EQ(check(), OXEL_WARNINGS);
    EXPECT_EQ(board_messages(), (Texts{kStart, "W:TCK net not defined in component/part chain", kDone}));
}

// The boundary-scan register and chain checks through OxelCheck: registers, positions, elements, settling
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

#include "base/memory.h"
#include "check/chain_checks.h"
#include "check/check_support.h"
#include "check/name_table.h"

namespace {

// A pin of each boundary-scan type beside the test access port, numbered 10
// to 14, and a 3-state bus D(0:1) on 20 and 21.
const std::string kPins = "PIN_LIST\n1 TDI TDI -\n2 TDO TDO -\n3 TMS TMS -\n4 TCK TCK -\n"
                          "10 I IN -\n11 O OUT -\n12 Z OUTZ -\n13 B IO -\n14 Y IOZ -\n(20:21) D(0:1) IOZ -\n"
                          "END PIN_LIST\n";
const std::string kCells = "CELL BC_1 DATA_INPUTS [PI] DATA_OUTPUTS [PO] END CELL\n"
                           "CELL Bc_Observe_Only DATA_INPUTS [PI] DATA_OUTPUTS [SO] END CELL\n";

// Register BSR of `length` over `chain`, one element a line: position, cell,
// pin, PI, PO, a list the checks skip, control cells, disable values.
std::string bsr(int length, const std::string &chain) {
    return "BOUNDARY_SCAN_REGISTER BSR PURPOSE \"p\" LENGTH " + std::to_string(length) + " CHAIN_LIST\n" +
           chain + "END CHAIN_LIST END BOUNDARY_SCAN_REGISTER\n";
}

const std::string kControlCell = "0 BC_1 - - - - - -\n";

const std::string kInBsr = " in BoundaryScan register \"BSR\"";
std::string at(const std::string &where) { return " at chain position " + where + kInBsr; }

class ChainChecks : public CheckTest {
protected:
    void parse_chain(const std::string &items) {
        ASSERT_TRUE(parse_ok(component("U1", kPins + kCells + items)));
    }
    // Other families report on these bare components too: only an error of
    // this family, which names a register or a chain position, fixes the result.
    void expect_found(const Texts &expected) {
        int32_t result = check();
        EXPECT_EQ(messages_starting(received(), {"BoundaryScan", "Boundary scan", "hain position"}, true),
                  expected);
        EXPECT_EQ(result == OXEL_FAILED, std::any_of(expected.begin(), expected.end(),
                                                     [](const std::string &m) { return m[0] == 'E'; }));
    }
    ChainElementRecord *element(int32_t i) {
        auto *reg = items_of<BoundaryScanRegisterRecord>(first_component()->boundary_scan_registers)[0];
        return items_of<ChainElementRecord>(reg->chain)[i];
    }
};

}  // namespace

TEST_F(ChainChecks, EveryRuleReportsInOrder) {
    const std::pair<std::string, Texts> rows[] = {
        // The register, and the numbering of its positions.
        {bsr(3, "0 BC_1 I 10 - - - -\n1 BC_1 O - 11 - - -\n2 BC_1 - - - - - -\n"), {}},
        {"STANDARD IEEE_1149.1_1990\n", {"E:Missing BoundaryScan-register list"}},
        {"BOUNDARY_SCAN_REGISTER B0 LENGTH 0 END BOUNDARY_SCAN_REGISTER\n"
         "BOUNDARY_SCAN_REGISTER B1 LENGTH 0 CHAIN_LIST 0 BC_1 - - - - - - END CHAIN_LIST\n"
         "END BOUNDARY_SCAN_REGISTER\n",
         {"E:More than 1 BoundaryScan register", "E:Missing BoundaryScan-register list",
          "W:Missing BoundaryScan-register purpose in \"B1\"", "E:BoundaryScan length is 0 in \"B1\"",
          "E:BoundaryScan-register length 0 unequal to chain length 1 in \"B1\""}},
        {bsr(4, "1 BC_1 - - - - - -\n2 BC_1 - - - - - -\n3 BC_1 - - - - - -\n"),
         {"E:BoundaryScan-register length 4 unequal to chain length 3 in \"BSR\"",
          "E:Highest chain position in BoundaryScan register \"BSR\" is 3: must be 2"}},
        {bsr(3, "0 BC_1 - - - - - -\n-1 BC_1 - - - - - -\n2 BC_1 - - - - - -\n"),
         {"E:Lowest chain position in BoundaryScan register \"BSR\" is -1: must be 0"}},
        {bsr(3, "0 BC_1 - - - - - -\n1 BC_1 - - - - - -\n1 BC_1 - - - - - -\n"),
         {"E:Chain position 1 multiple defined in BoundaryScan register \"BSR\"",
          "E:Highest chain position in BoundaryScan register \"BSR\" is 1: must be 2"}},
        // Cell and pin: an unknown cell's parameters are not judged, an
        // unknown pin leaves an internal cell, and a pin of no boundary-scan
        // type asks for nothing.
        {bsr(4, "0 NOPE Q 99 99 - 77 7\n1 BC_1 Q 10 - - - -\n2 BC_1 D(0:1) [20 21] [20 21] - - -\n"
                "3 BC_1 TDI 99 99 - 99 9\n"),
         {"E:Using undefined cell \"NOPE\" in BoundaryScan chain at position 0 of register \"BSR\"",
          "E:Invalid chain pin reference \"Q\" at position 0" + kInBsr + ", Reason: Undefined name",
          "E:Invalid chain pin reference \"Q\" at position 1" + kInBsr + ", Reason: Undefined name",
          "E:PI parameters attached to internal cell" + at("1"),
          "W:Reference to multiple bus elements from chain pin (D) at position 2" + kInBsr,
          "W:Cell input list does not match list of PI parameters" + at("2") + " (cell \"BC_1\")",
          "W:Cell output list does not match list of PO parameters" + at("2") + " (cell \"BC_1\")",
          "E:Missing control-parameter definition for IOZ pin" + at("2"),
          "E:Missing disable-value definition for IOZ pin" + at("2")}},
        // Element checks by the type of the pin served.
        {bsr(2, "0 BC_1 - [- 10] - - - -\n1 BC_1 - - 11 - - -\n"),
         {"E:PO parameters attached to internal cell" + at("1")}},
        {bsr(2, "0 BC_1 I 11 10 - - -\n1 BC_1 I 10 [99 14] - - -\n"),
         {"E:Type mismatch for OUT pin at chain position 0 (\"PI\" \"11\")",
          "E:Type mismatch for IN pin at chain position 0 (\"PO\" \"10\")",
          "E:Undefined pin at chain position 1 (\"PO\" \"99\")",
          "E:Missing control-parameter definition for IN pin" + at("1"),
          "E:Missing disable-value definition for IN pin" + at("1")}},
        {bsr(1, "0 BC_1 O [11 12 98] 11 - - -\n"),
         {"E:Type mismatch for OUT pin at chain position 0 (\"PI\" \"11\")",
          "E:Type mismatch for OUTZ pin at chain position 0 (\"PI\" \"12\")",
          "E:Undefined pin at chain position 0 (\"PI\" \"98\")"}},
        {bsr(4, kControlCell + "1 BC_1 Z 12 12 - - -\n2 BC_1 Z - 12 - 0 [0 1]\n3 BC_1 Z - 12 - 7 1\n"),
         {"E:PI parameters attached to OUTZ pin" + at("1"),
          "E:Missing control-parameter definition for OUTZ pin" + at("1"),
          "E:Missing disable-value definition for OUTZ pin" + at("1"),
          "E:Number of control parameters is not matching number of disable-values" + at("2"),
          "E:Illegal reference Control Cell \"7\" at chain position 3"}},
        {bsr(4, "0 BC_1 O - 11 - - -\n1 BC_1 B 13 13 - 0 0\n2 BC_1 I 10 - - 0 -\n3 BC_1 B 13 13 - 2 0\n"),
         {"E:Wrong pin type in CDOutput (element \"0\" -> pin \"O\") at chain position 1",
          "E:Wrong pin type in CDOutput (element \"0\" -> pin \"O\") at chain position 2"}},
        // Elements sharing a control cell: the earlier position comes first.
        {bsr(5, kControlCell + "1 BC_1 Z - 12 - 0 0\n2 BC_1 Y 14 14 - 0 1\n3 BC_1 D(0) 20 20 - 0 2\n"
                               "4 BC_1 D(1) 21 21 - 0 00\n"),
         {"E:Mismatch disable value at chain positions 1 and 2",
          "E:Illegal control disable value \"2\" at chain position 3",
          "E:Illegal control disable value \"00\" at chain position 4",
          "E:Mismatch disable value at chain positions 2 and 4"}},
        {bsr(2, "0 Bc_Observe_Only O 11 - - - -\n1 BC_1 O 11 11 - - -\n"),
         {"W:Observe-only cell for OUT pin at chain position 0 (\"PI\" \"11\")"}},
    };
    for (const auto &[items, expected] : rows) {
        SCOPED_TRACE(items);
        parse_chain(items);
        expect_found(expected);
    }
}

// The settled values are written where the host reads them: in the records,
// and behind cursors that were placed before the check ran.
TEST_F(ChainChecks, SettledValuesAreWhatTheHostReads) {
    parse_chain(bsr(8, kControlCell +
                           "1 BC_1 Z - 12 - 0 X\n"                 // settled by the 0 after it
                           "2 BC_1 Y 14 14 - 0 0\n"
                           "3 BC_1 I 10 - - 0 -\n"                 // names the control cell, states nothing
                           "4 BC_1 D(0) 20 20 - 0 x\n"             // settled by the 0 before it
                           "5 BC_1 - - - - - -\n"
                           "6 BC_1 D(1) 21 21 - 5 x\n"             // nothing to settle it: stays X
                           "7 Bc_Observe_Only O 11 - - - -\n"));
    HostContext *h = host.host();
    ASSERT_EQ(oxel_get_first_component(), 1);
    ASSERT_EQ(oxel_get_current_component_first_cell(h), 1);
    ASSERT_EQ(oxel_get_current_component_next_cell(h), 1);
    EXPECT_EQ(oxel_get_current_component_current_cell_CD_value(h), 'X');

    expect_found({"W:Observe-only cell for OUT pin at chain position 7 (\"PI\" \"11\")"});
    ASSERT_TRUE(OxelGetInfo()->components) << "a warning-only check keeps the description";
    EXPECT_EQ(oxel_get_current_component_current_cell_CD_value(h), '0');
    EXPECT_EQ(oxel_get_current_component_pin_type(h, "O"), OXEL_PIN_IO);
    std::string values;
    for (int32_t on = oxel_get_current_component_first_cell(h); on;
         on = oxel_get_current_component_next_cell(h)) {
        char value = oxel_get_current_component_current_cell_CD_value(h);
        values += value ? value : '.';
    }
    EXPECT_EQ(values, ".00.0.X.");
    EXPECT_EQ(texts_of(element(4)->disable_values), Texts{"0"});
    EXPECT_EQ(texts_of(element(6)->disable_values), Texts{"X"});
}

// A position the bus index set cannot take is told as repeated, after the
// allocator's own message.
TEST_F(ChainChecks, APositionThatCannotBeRememberedCountsAsRepeated) {
    char cell_name[] = "BC", register_name[] = "BSR";
    CellRecord cell{cell_name, nullptr, nullptr, nullptr, nullptr, nullptr};
    ChainElementRecord element{0, cell_name, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};
    void *elements[] = {&element};
    ItemList chain{1, 1, elements};
    BoundaryScanRegisterRecord reg{register_name, register_name, 1, &chain};
    void *registers[] = {&reg};
    ItemList register_list{1, 1, registers};
    ComponentRecord component{};
    component.boundary_scan_registers = &register_list;
    host.clear();
    DeviceTables tables{};
    tables.cell_names = name_table_create(host.host());
    ASSERT_TRUE(name_table_enter(host.host(), tables.cell_names, cell_name, &cell));
    memory_fail_at(1);
    EXPECT_EQ(check_boundary_scan_registers(Subject{host.host(), nullptr, &component}, tables, &component, false),
              kError);
    memory_fail_at(0);
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR),
              (Texts{"Memory allocation error",
                     "Chain position 0 multiple defined in BoundaryScan register \"BSR\""}));
    free_device_tables(host.host(), tables);
}

// Settling walks the earlier elements nearest first through an index of
// control cells: random chains of 3-state cells sharing three control cells
// give the mismatches and settled values of the plain walk, done here on a copy.
TEST_F(ChainChecks, SettlingFollowsThePlainWalkOverEveryEarlierElement) {
    uint32_t seed = 12345;
    auto next = [&seed](uint32_t bound) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % bound;
    };
    for (int round = 0; round < 40; round++) {
        const int count = 3 + static_cast<int>(next(40));
        std::vector<std::vector<std::pair<uint32_t, char>>> pairs(count);  // (control, value) by element
        std::string chain = kControlCell + "1 BC_1 - - - - - -\n2 BC_1 - - - - - -\n";
        for (int i = 3; i < count; i++) {
            std::string controls, values;
            for (uint32_t n = 1 + next(2 + (round % 3 == 0)), p = 0; p < n; p++) {
                pairs[i].push_back({next(3), "01Xx"[next(4)]});
                controls += " " + std::to_string(pairs[i].back().first);
                values += std::string(" ") + pairs[i].back().second;
            }
            chain += std::to_string(i) + " BC_1 Y 14 14 - [" + controls + "] [" + values + "]\n";
        }
        Texts expected;
        for (int i = 3; i < count; i++)
            for (auto &[control, current] : pairs[i]) {
                current = current == 'x' ? 'X' : current;
                for (int k = i - 1; k >= 3; k--)
                    for (auto &[earlier_control, before] : pairs[k]) {
                        if (earlier_control != control)
                            continue;
                        if (before != 'X' && current != 'X' && before != current)
                            expected.push_back("E:Mismatch disable value at chain positions " +
                                               std::to_string(k) + " and " + std::to_string(i));
                        else if (before == 'X' && current != 'X')
                            before = current;
                        else if (current == 'X' && before != 'X')
                            current = before;
                    }
            }
        SCOPED_TRACE(chain);
        parse_chain(bsr(count, chain));
        check();
        ASSERT_EQ(messages_starting(received(), {"Mismatch"}), expected);
        for (int i = 3; expected.empty() && i < count; i++) {
            Texts settled;
            for (const auto &pair : pairs[i])
                settled.push_back(std::string(1, pair.second));
            EXPECT_EQ(texts_of(element(i)->disable_values), settled) << i;
        }
    }
}

// The cell definition checks through OxelCheck: names, I/O, modes, captures and outputs
#include <utility>

#include "check/check_support.h"
#include "model/release.h"

namespace {

std::string cell_with_modes(const std::string &modes) {
    return "CELL BC DATA_INPUTS [PI] MODE_LIST " + modes + " END MODE_LIST END CELL\n";
}

class CellChecks : public CheckTest {
protected:
    void expect_cells(const std::string &cells, const Texts &expected) {
        EXPECT_EQ(check(), expected.empty() ? OXEL_OK : OXEL_FAILED) << cells;
        EXPECT_EQ(messages_starting(received(), {"Missing cell", "Missing Cell", "Cell ", "Unknown mode in cell",
                                                 "Missing User-mode", "Missing capture", "Unknown capture"}),
                  expected) << cells;
    }
    CellRecord *cell(int32_t i) { return static_cast<CellRecord *>(first_component()->cells->items[i]); }
    CellModeRecord *mode(int32_t i) { return static_cast<CellModeRecord *>(cell(0)->modes->items[i]); }
};

}  // namespace

TEST_F(CellChecks, EveryCellAndModeRuleReportsInOrder) {
    const std::pair<std::string, Texts> rows[] = {
        {"", {}},
        {cell_with_modes("INTERNAL 0 PI PI EXTERNAL 1 UPDATE UPDATE SAMPLE 0 SI [- PI] PRIVATE - 0 UPDATE "
                         "HIGHZ 1 PI Z HIZ 1 - [- 1] HIZ 1 - 0 HIZ - SI Z USER1 - CAP PO"), {}},
        {"CELL A MODE_LIST END MODE_LIST END CELL\nCELL B DATA_SELECT [S] END CELL\nCELL A DATA_OUTPUTS [PO] END CELL\n",
         {"E:Cell definition without I/O in cell \"A\"", "E:Cell \"A\" multiple defined"}},
        {cell_with_modes("HIZ 1 - 2 HIZ 1 - - - 0 Z PI SAMPLE 0 - PI USER1 0 - PI"),
         {"E:Cell mode HIZ with wrong PO data (not 1,0,Z) in cell \"BC\"",
          "E:Cell mode HIZ with wrong PO data (not 1,0,Z) in cell \"BC\"", "E:Unknown mode in cell \"BC\"",
          "E:Unknown capture type in cell \"BC\" at mode \"UNKNOWN\"",
          "E:Missing capture for mode \"SAMPLE\" in cell \"BC\"", "E:Missing capture for mode \"USER1\" in cell \"BC\""}},
    };
    for (const auto &[cells, expected] : rows) {
        ASSERT_TRUE(parse_ok(component("U1", cells)));
        expect_cells(cells, expected);
    }
    // What the grammar cannot write: absent cells, names and texts, codes out of range.
    const std::string cells = cell_with_modes("USER1 0 CAP PO INTERNAL 0 7 PI EXTERNAL 0 PI [PO SI]") +
                              "CELL GONE DATA_INPUTS [PI] END CELL\nCELL NONE DATA_INPUTS [PI] END CELL\n";
    ASSERT_TRUE(parse_ok(component("U1", cells)));
    drop(mode(0)->mode_name);
    drop(mode(0)->capture->name);
    drop(mode(1)->capture->name);
    mode(2)->mode = 7;
    static_cast<ModeSpecRecord *>(mode(2)->outputs->items[1])->code = 3;
    release_cell(host.host(),
                 static_cast<CellRecord *>(std::exchange(first_component()->cells->items[1], nullptr)));
    drop(cell(2)->name);
    expect_cells(cells, {"E:Missing User-mode name in cell \"BC\"",
                         "E:Missing capture-mode name in cell \"BC\" at mode \"(noname)\"",
                         "E:Missing capture-mode value in cell \"BC\" at mode \"INTERNAL\"",
                         "E:Unknown mode in cell \"BC\"", "E:Unknown mode in cell \"BC\"",
                         "E:Missing cell declaration", "E:Missing Cell name"});
}

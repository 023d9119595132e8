// Cell and chain grammar: cells with their modes, the boundary-scan register and its chain
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grammar/description_support.h"

namespace {

class CellChainGrammar : public DescriptionTest {
protected:
    // The one component of a description holding a component C of `items`.
    ComponentRecord *component_with(const std::string &items) {
        DescriptionRoot *root = parse_ok("COMPONENT C\n" + items + "\nEND COMPONENT");
        return root ? only_item<ComponentRecord>(root->components) : nullptr;
    }
};

// A mode entry as "code" or "code:name"; a null item reads "null".
std::string mode_entry_of(const ModeSpecRecord *entry) {
    if (!entry)
        return "null";
    EXPECT_EQ(entry->reserved, 0);
    return std::to_string(entry->code) + (entry->name ? std::string(":") + entry->name : "");
}

// A cell mode as "mode|name|select|capture|outputs", the outputs spaced.
std::string mode_of(const CellModeRecord *mode) {
    std::string outputs = mode->outputs ? "" : "no list";
    for (ModeSpecRecord *entry : items_of<ModeSpecRecord>(mode->outputs))
        outputs += (outputs.empty() ? "" : " ") + mode_entry_of(entry);
    return row(mode->mode, mode->mode_name, mode->select, mode_entry_of(mode->capture).c_str(), outputs.c_str());
}

// A chain element as "position|cell|pin reference", then its five parameter lists.
std::string element_of(const ChainElementRecord *e) { return row(e->position, e->cell_name) + "|" + pin_ref_of(e->pin); }
std::vector<Texts> params_of(const ChainElementRecord *e) {
    return {texts_of(e->input_params), texts_of(e->output_params), texts_of(e->third_params),
            texts_of(e->control_cells), texts_of(e->disable_values)};
}

}  // namespace

TEST_F(CellChainGrammar, ACellHoldsItsItemsAndItsModes) {
    ComponentRecord *c = component_with(
        "CELL BC_7\n INIT_UPDATE \"X\"\n DATA_INPUTS [PI, SI]\n DATA_OUTPUTS : PO\n DATA_SELECT [M1 M2]\n"
        " MODE_LIST\n"
        "  EXTERNAL - UPDATE [SI Z]\n"
        "  INTERNAL SELECT : 1 PI PI\n"
        "  SAMPLE 1 17 -\n"
        "  UserMode \"01\" SI [- SI]\n"
        "  HIZ - - [Z - 0]\n"
        "  PRIVATE SELECT 0 Z UPDATE\n"
        "  - \"x\" UPDATE [UPDATE]\n"
        "  HIGHZ 0 SI 1\n"
        " END MODE_LIST\nEND CELL\n"
        "CELL BC MODE_LIST END MODE_LIST END CELL\n"
        "CELL B DATA_INPUTS : PI DATA_OUTPUTS [PO] END CELL");
    ASSERT_NE(c, nullptr);
    std::vector<CellRecord *> cells = items_of<CellRecord>(c->cells);
    ASSERT_EQ(cells.size(), 3u);
    EXPECT_EQ(row(cells[0]->name, cells[0]->init_update), "BC_7|X");
    // The words after the first are read in name mode only after a comma.
    EXPECT_EQ(texts_of(cells[0]->data_inputs), (Texts{"PI", "SI"}));
    EXPECT_EQ(texts_of(cells[0]->data_outputs), (Texts{"PO"}));
    EXPECT_EQ(texts_of(cells[0]->data_select), (Texts{"M1", "M2"}));
    // A bare select value is the same as one after SELECT; a lone "-" as
    // output is an empty list; inside brackets a "-" is a null item.
    std::vector<CellModeRecord *> modes = items_of<CellModeRecord>(cells[0]->modes);
    const char *expected[] = {"2|(null)|(null)|1|2 6", "1|(null)|1|4:PI|4:PI", "3|(null)|1|5:17|",
                              "32|UserMode|01|2|null 2", "6|(null)|(null)|null|6 null 5:0", "4|(null)|0|6|1",
                              "64|(null)|x|1|1", "5|(null)|0|2|5:1"};
    ASSERT_EQ(modes.size(), std::size(expected));
    for (size_t i = 0; i < modes.size(); i++)
        EXPECT_EQ(mode_of(modes[i]), expected[i]);
    // An empty mode list is an empty list.
    ASSERT_NE(cells[1]->modes, nullptr);
    EXPECT_EQ(cells[1]->modes->count, 0);
    EXPECT_EQ(texts_of(cells[2]->data_inputs), (Texts{"PI"}));
    EXPECT_EQ(texts_of(cells[2]->data_outputs), (Texts{"PO"}));
    // Without colon or bracket the name marker acts only after the word
    // following it, so the next item keyword is read as a name.
    EXPECT_EQ(detail_of("COMPONENT C CELL B DATA_INPUTS PI DATA_OUTPUTS PO END CELL END COMPONENT"),
              "Cell specification error");
}

TEST_F(CellChainGrammar, TheRegisterKeepsItsChainInOrderWithEveryKindOfPinAndParameter) {
    ComponentRecord *c = component_with(
        "BOUNDARY_SCAN_REGISTER Bsr PURPOSE \"p\" LENGTH 3 CHAIN_LIST\n"
        " 0 BC_1 TDI - - - - -\n"
        " 3 BC_2 D(0) [1 2] X 0 - [4]\n"
        " 2 BC D(1:3) - - - - -\n"
        " 1 BC D(1,2) - - - - -\n"
        " 2 BC 17 - - - - -\n"
        " 3 BC - - - - - -\n"
        " 4 BC D(7) - - - - -\n"
        // Every word after the position may spell a keyword and keeps its case.
        " 5 CELL TDI IN [OUT - SI] Z CELL UPDATE\n"
        " 6 cell TDO(2) [- IN] \"q\" - 12 X\n"
        "END CHAIN_LIST END BOUNDARY_SCAN_REGISTER");
    ASSERT_NE(c, nullptr);
    BoundaryScanRegisterRecord *bsr = only_item<BoundaryScanRegisterRecord>(c->boundary_scan_registers);
    ASSERT_NE(bsr, nullptr);
    EXPECT_EQ(row(bsr->name, bsr->purpose, bsr->length), "Bsr|p|3");
    std::vector<ChainElementRecord *> list = items_of<ChainElementRecord>(bsr->chain);
    const char *expected[] = {"0|BC_1|3|TDI|0", "3|BC_2|1|D|0", "2|BC|2|D|1:3", "1|BC|2|D|1 2", "2|BC|3|17|0",
                              "3|BC|3|(null)|0", "4|BC|1|D|7", "5|CELL|3|TDI|0", "6|cell|1|TDO|2"};
    ASSERT_EQ(list.size(), std::size(expected));
    for (size_t i = 0; i < list.size(); i++)
        EXPECT_EQ(element_of(list[i]), expected[i]);
    const std::vector<Texts> dashes{{"-"}, {"-"}, {"-"}, {"-"}, {"-"}};
    EXPECT_EQ(params_of(list[0]), dashes);
    EXPECT_EQ(params_of(list[1]), (std::vector<Texts>{{"1", "2"}, {"X"}, {"0"}, {"-"}, {"4"}}));
    EXPECT_EQ(params_of(list[5]), dashes);
    EXPECT_EQ(params_of(list[7]), (std::vector<Texts>{{"IN"}, {"OUT", "-", "SI"}, {"Z"}, {"CELL"}, {"UPDATE"}}));
    EXPECT_EQ(params_of(list[8]), (std::vector<Texts>{{"-", "IN"}, {"q"}, {"-"}, {"12"}, {"X"}}));
}

TEST_F(CellChainGrammar, TheExampleDeviceIsReadCompletely) {
    DescriptionRoot *root = parse_example("jx200.oxel");
    ASSERT_NE(root, nullptr);
    ComponentRecord *c = only_item<ComponentRecord>(root->components);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(row(c->name, c->source_ref, c->standard), row("JX200", "JX200 data sheet rev. C", 1));
    EXPECT_EQ(only_item<ItemList>(c->pin_lists)->count, 19);
    EXPECT_EQ(only_item<InstructionRegisterRecord>(c->instruction_registers)->instructions->count, 8);
    EXPECT_EQ(c->cells->count, 3);
    BoundaryScanRegisterRecord *bsr = only_item<BoundaryScanRegisterRecord>(c->boundary_scan_registers);
    std::vector<ChainElementRecord *> list = items_of<ChainElementRecord>(bsr->chain);
    ASSERT_EQ(static_cast<int32_t>(list.size()), bsr->length);
    for (size_t i = 0; i < list.size(); i++)
        EXPECT_EQ(list[i]->position, static_cast<int32_t>(i));
    EXPECT_EQ(params_of(list[30]), (std::vector<Texts>{{"21"}, {"21"}, {"-"}, {"22"}, {"x"}}));
}

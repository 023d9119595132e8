// Cell and chain grammar: cells with their modes, the boundary-scan register and its chain
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grammar/description_support.h"

namespace {

using Texts = std::vector<std::string>;

class CellChainGrammar : public DescriptionTest {
protected:
    // The one cell of a component holding only `cell`.
    CellRecord *cell(const std::string &cell_text) {
        DescriptionRoot *root = parse_ok("COMPONENT C\n" + cell_text + "\nEND COMPONENT");
        if (!root)
            return nullptr;
        return only_item<CellRecord>(only_item<ComponentRecord>(root->components)->cells);
    }
    // The modes of a cell whose mode list is `modes`.
    std::vector<CellModeRecord *> modes(const std::string &modes_text) {
        CellRecord *c = cell("CELL BC MODE_LIST\n" + modes_text + "\nEND MODE_LIST END CELL");
        return c ? items_of<CellModeRecord>(c->modes) : std::vector<CellModeRecord *>{};
    }
    // The chain of a boundary-scan register whose chain list is `chain`.
    std::vector<ChainElementRecord *> chain(const std::string &chain_text) {
        DescriptionRoot *root = parse_ok("COMPONENT C BOUNDARY_SCAN_REGISTER BSR\nCHAIN_LIST\n" + chain_text +
                                         "\nEND CHAIN_LIST END BOUNDARY_SCAN_REGISTER END COMPONENT");
        if (!root)
            return {};
        ComponentRecord *c = only_item<ComponentRecord>(root->components);
        return items_of<ChainElementRecord>(only_item<BoundaryScanRegisterRecord>(c->boundary_scan_registers)->chain);
    }
};

// A mode entry as "code" or "code:name"; a null item reads "null".
std::string mode_entry_of(const ModeSpecRecord *mode_entry) {
    if (!mode_entry)
        return "null";
    return std::to_string(mode_entry->code) + (mode_entry->name ? std::string(":") + mode_entry->name : "");
}

std::vector<std::string> specs_of(const ItemList *list) {
    std::vector<std::string> out;
    for (ModeSpecRecord *mode_entry : items_of<ModeSpecRecord>(list))
        out.push_back(mode_entry_of(mode_entry));
    return out;
}

// The five parameter lists of an element.
std::vector<Texts> params_of(const ChainElementRecord *e) {
    return {texts_of(e->input_params), texts_of(e->output_params), texts_of(e->third_params),
            texts_of(e->control_cells), texts_of(e->disable_values)};
}

}  // namespace

TEST_F(CellChainGrammar, ACellHoldsItsItems) {
    CellRecord *c = cell(
        "CELL BC_7\n INIT_UPDATE \"X\"\n DATA_INPUTS [PI, SI]\n DATA_OUTPUTS : PO\n DATA_SELECT [M1 M2]\n"
        " MODE_LIST INTERNAL 0 PI PI END MODE_LIST\nEND CELL");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(text_of(c->name), "BC_7");
    EXPECT_EQ(text_of(c->init_update), "X");
    // The words after the first are read in name mode only after a comma.
    EXPECT_EQ(texts_of(c->data_inputs), (Texts{"PI", "SI"}));
    EXPECT_EQ(texts_of(c->data_outputs), (Texts{"PO"}));
    EXPECT_EQ(texts_of(c->data_select), (Texts{"M1", "M2"}));
    ASSERT_NE(c->modes, nullptr);
    EXPECT_EQ(c->modes->count, 1);
}

TEST_F(CellChainGrammar, AnEmptyModeListIsAnEmptyList) {
    CellRecord *c = cell("CELL BC MODE_LIST END MODE_LIST END CELL");
    ASSERT_NE(c, nullptr);
    ASSERT_NE(c->modes, nullptr);
    EXPECT_EQ(c->modes->count, 0);
}

TEST_F(CellChainGrammar, AModeEntryHoldsModeSelectCaptureAndOutputs) {
    std::vector<CellModeRecord *> list = modes(
        "EXTERNAL - UPDATE [SI Z]\n"
        "INTERNAL SELECT : 1 PI PI\n"
        "SAMPLE 1 17 -\n"
        "UserMode \"01\" SI [- SI]\n"
        "HIZ - - [Z - 0]\n"
        "PRIVATE SELECT 0 Z UPDATE\n"
        "- \"x\" UPDATE [UPDATE]\n"
        "HIGHZ 0 SI 1");
    ASSERT_EQ(list.size(), 8u);

    EXPECT_EQ(list[0]->mode, OXEL_MODE_EXTERNAL);
    EXPECT_EQ(list[0]->mode_name, nullptr);
    EXPECT_EQ(list[0]->select, nullptr);
    EXPECT_EQ(mode_entry_of(list[0]->capture), "1");
    EXPECT_EQ(specs_of(list[0]->outputs), (Texts{"2", "6"}));

    EXPECT_EQ(list[1]->mode, OXEL_MODE_INTERNAL);
    EXPECT_EQ(text_of(list[1]->select), "1");
    EXPECT_EQ(mode_entry_of(list[1]->capture), "4:PI");
    EXPECT_EQ(specs_of(list[1]->outputs), (Texts{"4:PI"}));

    // A bare select value is the same as one after SELECT; a lone "-" as
    // output is an empty list.
    EXPECT_EQ(list[2]->mode, OXEL_MODE_SAMPLE);
    EXPECT_EQ(text_of(list[2]->select), "1");
    EXPECT_EQ(mode_entry_of(list[2]->capture), "5:17");
    ASSERT_NE(list[2]->outputs, nullptr);
    EXPECT_EQ(list[2]->outputs->count, 0);

    // Inside brackets a "-" is a null item, the first one included.
    EXPECT_EQ(list[3]->mode, OXEL_MODE_NAMED);
    EXPECT_EQ(text_of(list[3]->mode_name), "UserMode");
    EXPECT_EQ(text_of(list[3]->select), "01");
    EXPECT_EQ(mode_entry_of(list[3]->capture), "2");
    EXPECT_EQ(specs_of(list[3]->outputs), (Texts{"null", "2"}));

    EXPECT_EQ(list[4]->mode, OXEL_MODE_HIZ);
    EXPECT_EQ(list[4]->capture, nullptr);
    EXPECT_EQ(specs_of(list[4]->outputs), (Texts{"6", "null", "5:0"}));

    EXPECT_EQ(list[5]->mode, OXEL_MODE_PRIVATE);
    EXPECT_EQ(text_of(list[5]->select), "0");
    EXPECT_EQ(mode_entry_of(list[5]->capture), "6");
    EXPECT_EQ(specs_of(list[5]->outputs), (Texts{"1"}));

    EXPECT_EQ(list[6]->mode, OXEL_MODE_NONE);
    EXPECT_EQ(text_of(list[6]->select), "x");
    EXPECT_EQ(specs_of(list[6]->outputs), (Texts{"1"}));

    EXPECT_EQ(list[7]->mode, OXEL_MODE_HIGHZ);
    EXPECT_EQ(specs_of(list[7]->outputs), (Texts{"5:1"}));
    for (CellModeRecord *mode : list) {
        if (mode->capture) {
            EXPECT_EQ(mode->capture->reserved, 0);
        }
    }
}

TEST_F(CellChainGrammar, AChainElementOfDashesHoldsFiveDashTexts) {
    std::vector<ChainElementRecord *> list = chain("0 BC_1 TDI - - - - -");
    ASSERT_EQ(list.size(), 1u);
    ChainElementRecord *e = list[0];
    EXPECT_EQ(e->position, 0);
    EXPECT_EQ(text_of(e->cell_name), "BC_1");
    ASSERT_NE(e->pin, nullptr);
    EXPECT_EQ(e->pin->kind, OXEL_PINREF_PLAIN);
    EXPECT_EQ(text_of(e->pin->name), "TDI");
    EXPECT_EQ(e->pin->selector, 0);
    for (const Texts &params : params_of(e))
        EXPECT_EQ(params, (Texts{"-"}));
}

TEST_F(CellChainGrammar, BracketedParametersAndABusElementPin) {
    std::vector<ChainElementRecord *> list = chain("3 BC_2 D(0) [1 2] X 0 - [4]");
    ASSERT_EQ(list.size(), 1u);
    ChainElementRecord *e = list[0];
    EXPECT_EQ(e->position, 3);
    EXPECT_EQ(text_of(e->cell_name), "BC_2");
    EXPECT_EQ(e->pin->kind, OXEL_PINREF_ELEMENT);
    EXPECT_EQ(text_of(e->pin->name), "D");
    EXPECT_EQ(e->pin->selector, 0);
    EXPECT_EQ(params_of(e), (std::vector<Texts>{{"1", "2"}, {"X"}, {"0"}, {"-"}, {"4"}}));
}

TEST_F(CellChainGrammar, PinReferencesByIndexListNumberAndDash) {
    std::vector<ChainElementRecord *> list = chain(
        "0 BC D(1:3) - - - - -\n"
        "1 BC D(1,2) - - - - -\n"
        "2 BC 17 - - - - -\n"
        "3 BC - - - - - -\n"
        "4 BC D(7) - - - - -");
    ASSERT_EQ(list.size(), 5u);
    ASSERT_EQ(list[0]->pin->kind, OXEL_PINREF_ELEMENTS);
    std::vector<IndexRecord *> range = items_of<IndexRecord>(reinterpret_cast<ItemList *>(list[0]->pin->selector));
    ASSERT_EQ(range.size(), 1u);
    EXPECT_EQ(range[0]->kind, OXEL_INDEX_RANGE);
    EXPECT_EQ(range[0]->first, 1);
    EXPECT_EQ(range[0]->last, 3);

    ASSERT_EQ(list[1]->pin->kind, OXEL_PINREF_ELEMENTS);
    std::vector<IndexRecord *> two = items_of<IndexRecord>(reinterpret_cast<ItemList *>(list[1]->pin->selector));
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[0]->kind, OXEL_INDEX_NUMBER);
    EXPECT_EQ(two[0]->first, 1);
    EXPECT_EQ(two[0]->last, 0);
    EXPECT_EQ(two[1]->kind, OXEL_INDEX_NUMBER);
    EXPECT_EQ(two[1]->first, 2);

    EXPECT_EQ(list[2]->pin->kind, OXEL_PINREF_PLAIN);
    EXPECT_EQ(text_of(list[2]->pin->name), "17");
    EXPECT_EQ(list[3]->pin->kind, OXEL_PINREF_PLAIN);
    EXPECT_EQ(list[3]->pin->name, nullptr);
    EXPECT_EQ(list[4]->pin->kind, OXEL_PINREF_ELEMENT);
    EXPECT_EQ(list[4]->pin->selector, 7);
}

TEST_F(CellChainGrammar, EveryWordAfterThePositionMaySpellAKeyword) {
    std::vector<ChainElementRecord *> list = chain(
        "0 CELL TDI IN [OUT - SI] Z CELL UPDATE\n"
        "1 cell TDO(2) [- IN] \"q\" - 12 X");
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(text_of(list[0]->cell_name), "CELL");
    EXPECT_EQ(text_of(list[0]->pin->name), "TDI");
    EXPECT_EQ(params_of(list[0]), (std::vector<Texts>{{"IN"}, {"OUT", "-", "SI"}, {"Z"}, {"CELL"}, {"UPDATE"}}));
    // Names keep the case in which they were written.
    EXPECT_EQ(text_of(list[1]->cell_name), "cell");
    EXPECT_EQ(text_of(list[1]->pin->name), "TDO");
    EXPECT_EQ(list[1]->pin->selector, 2);
    EXPECT_EQ(params_of(list[1]), (std::vector<Texts>{{"-", "IN"}, {"q"}, {"-"}, {"12"}, {"X"}}));
}

TEST_F(CellChainGrammar, TheRegisterTakesItsChainAndKeepsTheOrder) {
    DescriptionRoot *root = parse_ok(
        "COMPONENT C BOUNDARY_SCAN_REGISTER Bsr PURPOSE \"p\" LENGTH 3\n"
        "CHAIN_LIST 2 A x - - - - - 0 B y - - - - - 1 C z - - - - - END CHAIN_LIST\n"
        "END BOUNDARY_SCAN_REGISTER END COMPONENT");
    ASSERT_NE(root, nullptr);
    BoundaryScanRegisterRecord *bsr =
        only_item<BoundaryScanRegisterRecord>(only_item<ComponentRecord>(root->components)->boundary_scan_registers);
    EXPECT_EQ(text_of(bsr->name), "Bsr");
    EXPECT_EQ(text_of(bsr->purpose), "p");
    EXPECT_EQ(bsr->length, 3);
    std::vector<ChainElementRecord *> list = items_of<ChainElementRecord>(bsr->chain);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0]->position, 2);
    EXPECT_EQ(text_of(list[1]->cell_name), "B");
    EXPECT_EQ(text_of(list[2]->pin->name), "z");
}

TEST_F(CellChainGrammar, AWordListWithoutColonOrBracketLeavesNameModeForTheNextItem) {
    // The name marker of DATA_INPUTS acts only after the word following
    // it has been read, so the next item keyword is read as a name.
    EXPECT_EQ(detail_of("COMPONENT C CELL B DATA_INPUTS PI DATA_OUTPUTS PO END CELL END COMPONENT"),
              "Cell specification error");
    CellRecord *c = cell("CELL B DATA_INPUTS : PI DATA_OUTPUTS [PO] END CELL");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(texts_of(c->data_inputs), (Texts{"PI"}));
    EXPECT_EQ(texts_of(c->data_outputs), (Texts{"PO"}));
}

TEST_F(CellChainGrammar, TheExampleDeviceIsReadCompletely) {
    OxelDestroy(host.host());
    OxelInitialize(host.host());
    ASSERT_EQ(OxelParse(host.host(), example_path("jx200.oxel").c_str()), OXEL_OK) << host.dump();
    EXPECT_EQ(host.counters.errors, 0);
    ComponentRecord *c = only_item<ComponentRecord>(OxelGetInfo()->components);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(text_of(c->name), "JX200");
    EXPECT_EQ(text_of(c->source_ref), "JX200 data sheet rev. C");
    EXPECT_EQ(c->standard, OXEL_STANDARD_IEEE_1149_1_1990);
    EXPECT_EQ(items_of<PinRecord>(only_item<ItemList>(c->pin_lists)).size(), 19u);
    EXPECT_EQ(only_item<InstructionRegisterRecord>(c->instruction_registers)->instructions->count, 8);
    EXPECT_EQ(items_of<CellRecord>(c->cells).size(), 3u);
    BoundaryScanRegisterRecord *bsr = only_item<BoundaryScanRegisterRecord>(c->boundary_scan_registers);
    std::vector<ChainElementRecord *> list = items_of<ChainElementRecord>(bsr->chain);
    ASSERT_EQ(static_cast<int32_t>(list.size()), bsr->length);
    for (size_t i = 0; i < list.size(); i++)
        EXPECT_EQ(list[i]->position, static_cast<int32_t>(i));
    EXPECT_EQ(params_of(list[30]), (std::vector<Texts>{{"21"}, {"21"}, {"-"}, {"22"}, {"x"}}));
}

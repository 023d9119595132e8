// Component grammar: what the component, pin list and register rules build
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grammar/description_support.h"

namespace {

class ComponentGrammar : public DescriptionTest {
protected:
    // The one component of a description that must parse.
    ComponentRecord *component(const std::string &body) {
        DescriptionRoot *root = parse_ok(body);
        if (!root)
            return nullptr;
        return only_item<ComponentRecord>(root->components);
    }
    // A component holding only `items`.
    ComponentRecord *component_with(const std::string &items) {
        return component("COMPONENT C1\n" + items + "\nEND COMPONENT");
    }
};

// The index records of a list as "n", "name" or "a:b".
std::vector<std::string> indices_of(const ItemList *list) {
    std::vector<std::string> out;
    for (IndexRecord *index : items_of<IndexRecord>(list)) {
        switch (index->kind) {
        case OXEL_INDEX_NUMBER: out.push_back(std::to_string(index->first)); break;
        case OXEL_INDEX_NAME: out.push_back(text_of(reinterpret_cast<char *>(index->first))); break;
        case OXEL_INDEX_RANGE:
            out.push_back(std::to_string(index->first) + ":" + std::to_string(index->last));
            break;
        default: out.push_back("kind " + std::to_string(index->kind));
        }
    }
    return out;
}

using Texts = std::vector<std::string>;

}  // namespace

TEST_F(ComponentGrammar, AComponentWithoutItemsHasEveryListNull) {
    ComponentRecord *c = component("COMPONENT C1 END COMPONENT");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(text_of(c->name), "C1");
    EXPECT_EQ(c->source_ref, nullptr);
    EXPECT_EQ(c->header, nullptr);
    EXPECT_EQ(c->standard, 0);
    for (ItemList *list : {c->pin_lists, c->instruction_registers, c->cells, c->boundary_scan_registers,
                           c->bypass_registers, c->identification_registers, c->usercode_registers,
                           c->bist_registers, c->data_registers, c->test_sequences, c->illegal_sequences,
                           c->global_performances})
        EXPECT_EQ(list, nullptr);
    EXPECT_EQ(host.counters.errors, 0);
}

TEST_F(ComponentGrammar, NamesMaySpellKeywordsAndKeepTheirCase) {
    DescriptionRoot *root = parse_ok("COMPONENT TDI END COMPONENT\ncomponent MyPart end component\n"
                                     "COMPONENT \"End\" END COMPONENT");
    ASSERT_NE(root, nullptr);
    std::vector<ComponentRecord *> components = items_of<ComponentRecord>(root->components);
    ASSERT_EQ(components.size(), 3u);
    EXPECT_EQ(text_of(components[0]->name), "TDI");
    EXPECT_EQ(text_of(components[1]->name), "MyPart");
    EXPECT_EQ(text_of(components[2]->name), "End");
}

TEST_F(ComponentGrammar, TheSourceReferenceIsCopiedFromTheLatestFileHeader) {
    DescriptionRoot *root = parse_ok(
        "COMPONENT Before END COMPONENT\n"
        "OXEL_HEADER CREATION_LOG \"d\" \"c\" \"t\" \"first reason\" END OXEL_HEADER\n"
        "COMPONENT After END COMPONENT\n"
        "OXEL_HEADER CREATION_LOG \"d\" \"c\" \"t\" \"second reason\" END OXEL_HEADER\n"
        "COMPONENT Last END COMPONENT");
    ASSERT_NE(root, nullptr);
    std::vector<ComponentRecord *> components = items_of<ComponentRecord>(root->components);
    ASSERT_EQ(components.size(), 3u);
    EXPECT_EQ(components[0]->source_ref, nullptr);
    EXPECT_EQ(text_of(components[1]->source_ref), "first reason");
    // The second header freed the first; the component's copy lives on.
    EXPECT_EQ(text_of(components[2]->source_ref), "second reason");
    EXPECT_NE(components[2]->source_ref, root->header->creation_log->reason);
}

TEST_F(ComponentGrammar, TheLastStandardAndTheLastHeaderWin) {
    ComponentRecord *c = component_with(
        "STANDARD : JTAG_V2.0\n"
        "OXEL_HEADER CREATION_LOG \"1\" \"2\" \"3\" \"old\" END OXEL_HEADER\n"
        "STANDARD IEEE_1149.1_1990\n"
        "OXEL_HEADER CREATION_LOG \"1\" \"2\" \"3\" \"new\" END OXEL_HEADER");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->standard, OXEL_STANDARD_IEEE_1149_1_1990);
    ASSERT_NE(c->header, nullptr);
    EXPECT_EQ(text_of(c->header->creation_log->reason), "new");
    // A component header is not the file's: no source reference from it.
    EXPECT_EQ(c->source_ref, nullptr);

    c = component_with("STANDARD JTAG_V2_0 STANDARD UNKNOWN");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->standard, OXEL_STANDARD_UNKNOWN);
    c = component_with("STANDARD IEEE_1149.1-1990");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->standard, OXEL_STANDARD_IEEE_1149_1_1990);
}

TEST_F(ComponentGrammar, ASinglePinNamedLikeItsTypeReadsTheTypeAsKeyword) {
    ComponentRecord *c = component_with("PIN_LIST\n 12 TDI TDI -\n A1 - IN LVTTL\n END PIN_LIST");
    ASSERT_NE(c, nullptr);
    ItemList *pins = only_item<ItemList>(c->pin_lists);
    std::vector<PinRecord *> list = items_of<PinRecord>(pins);
    ASSERT_EQ(list.size(), 2u);

    EXPECT_EQ(text_of(list[0]->name), "TDI");
    EXPECT_EQ(list[0]->form, OXEL_FORM_SINGLE);
    EXPECT_EQ(list[0]->type, OXEL_PIN_TDI);
    EXPECT_EQ(list[0]->family, nullptr);
    EXPECT_EQ(list[0]->reserved, 0);
    ASSERT_NE(list[0]->numbering, nullptr);
    EXPECT_EQ(text_of(list[0]->numbering->number), "12");
    EXPECT_EQ(list[0]->numbering->numbers, nullptr);
    EXPECT_EQ(list[0]->numbering->indices, nullptr);

    EXPECT_EQ(list[1]->name, nullptr);
    EXPECT_EQ(text_of(list[1]->numbering->number), "A1");
    EXPECT_EQ(list[1]->type, OXEL_PIN_IN);
    EXPECT_EQ(text_of(list[1]->family), "LVTTL");
}

TEST_F(ComponentGrammar, ABusKeepsItsPinNumbersAndIndexRanges) {
    ComponentRecord *c = component_with("PIN_LIST\n (1,2,5:8) D(0:5) IO -\n (P1, P2) Ctl(1,3) OUTZ fam\n END PIN_LIST");
    ASSERT_NE(c, nullptr);
    std::vector<PinRecord *> list = items_of<PinRecord>(only_item<ItemList>(c->pin_lists));
    ASSERT_EQ(list.size(), 2u);

    PinRecord *bus = list[0];
    EXPECT_EQ(text_of(bus->name), "D");
    EXPECT_EQ(bus->form, OXEL_FORM_BUS);
    EXPECT_EQ(bus->type, OXEL_PIN_IO);
    EXPECT_EQ(bus->family, nullptr);
    ASSERT_NE(bus->numbering, nullptr);
    EXPECT_EQ(bus->numbering->number, nullptr);
    EXPECT_EQ(indices_of(bus->numbering->numbers), (Texts{"1", "2", "5:8"}));
    EXPECT_EQ(indices_of(bus->numbering->indices), (Texts{"0:5"}));

    EXPECT_EQ(text_of(list[1]->name), "Ctl");
    EXPECT_EQ(indices_of(list[1]->numbering->numbers), (Texts{"P1", "P2"}));
    EXPECT_EQ(items_of<IndexRecord>(list[1]->numbering->numbers)[0]->kind, OXEL_INDEX_NAME);
    EXPECT_EQ(indices_of(list[1]->numbering->indices), (Texts{"1", "3"}));
    EXPECT_EQ(list[1]->type, OXEL_PIN_OUTZ);
    EXPECT_EQ(text_of(list[1]->family), "fam");
}

TEST_F(ComponentGrammar, EveryPinTypeKeywordHasItsCodeAndEveryPinListIsKept) {
    const char *types[] = {"IN", "OUT", "OUTZ", "IO", "IOZ", "NC", "PWR", "GND", "TMS", "TDI", "TDO", "TCK", "TRST"};
    std::string body = "PIN_LIST\n";
    for (int i = 0; i < 13; i++)
        body += std::to_string(i + 1) + " p" + std::to_string(i + 1) + " " + types[i] + " -\n";
    body += "END PIN_LIST\nPIN_LIST 99 x in - END PIN_LIST";
    ComponentRecord *c = component_with(body);
    ASSERT_NE(c, nullptr);
    ASSERT_EQ(c->pin_lists->count, 2);
    std::vector<PinRecord *> pins = items_of<PinRecord>(static_cast<ItemList *>(c->pin_lists->items[0]));
    ASSERT_EQ(pins.size(), 13u);
    for (int i = 0; i < 13; i++)
        EXPECT_EQ(pins[i]->type, i + 1) << types[i];
    EXPECT_EQ(items_of<PinRecord>(static_cast<ItemList *>(c->pin_lists->items[1]))[0]->type, OXEL_PIN_IN);
}

TEST_F(ComponentGrammar, TheInstructionRegisterHoldsItsItemsAndInstructions) {
    ComponentRecord *c = component_with(
        "INSTRUCTION_REGISTER IR\n"
        " PURPOSE \"ir\" LENGTH 3 LENGTH : 4\n"
        " CAPTURE \"0001\" CAPTURE_STATUS_LIST 1 : \"one\" \"x\" \"any\" END CAPTURE_STATUS_LIST\n"
        " INSTRUCTION_LIST\n"
        "  EXTEST 0000 BSR EXTERNAL -\n"
        "  BYPASS \"1111\" - SAMPLE [A B]\n"
        "  Probe 0101 - MyMode [Reg1, Reg2]\n"
        " END INSTRUCTION_LIST\n"
        "END INSTRUCTION_REGISTER");
    ASSERT_NE(c, nullptr);
    InstructionRegisterRecord *ir = only_item<InstructionRegisterRecord>(c->instruction_registers);
    ASSERT_NE(ir, nullptr);
    EXPECT_EQ(text_of(ir->name), "IR");
    EXPECT_EQ(text_of(ir->purpose), "ir");
    EXPECT_EQ(ir->length, 4);
    EXPECT_EQ(text_of(ir->capture_value), "0001");
    std::vector<CaptureStatusRecord *> status = items_of<CaptureStatusRecord>(ir->capture_status);
    ASSERT_EQ(status.size(), 2u);
    EXPECT_EQ(text_of(status[0]->value), "1");
    EXPECT_EQ(text_of(status[0]->description), "one");
    EXPECT_EQ(text_of(status[1]->value), "x");
    EXPECT_EQ(text_of(status[1]->description), "any");

    std::vector<InstructionRecord *> list = items_of<InstructionRecord>(ir->instructions);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0]->kind, OXEL_INSTRUCTION_EXTEST);
    EXPECT_EQ(list[0]->name, nullptr);
    EXPECT_EQ(text_of(list[0]->code), "0000");
    EXPECT_EQ(text_of(list[0]->register_name), "BSR");
    EXPECT_EQ(list[0]->mode, OXEL_MODE_EXTERNAL);
    EXPECT_EQ(list[0]->mode_name, nullptr);
    // A dash for the register list is an empty list, not null.
    ASSERT_NE(list[0]->registers, nullptr);
    EXPECT_EQ(list[0]->registers->count, 0);

    EXPECT_EQ(list[1]->kind, OXEL_INSTRUCTION_BYPASS);
    EXPECT_EQ(text_of(list[1]->code), "1111");
    EXPECT_EQ(list[1]->register_name, nullptr);
    EXPECT_EQ(list[1]->mode, OXEL_MODE_SAMPLE);
    EXPECT_EQ(texts_of(list[1]->registers), (Texts{"A", "B"}));

    EXPECT_EQ(list[2]->kind, OXEL_INSTRUCTION_NAMED);
    EXPECT_EQ(text_of(list[2]->name), "Probe");
    EXPECT_EQ(list[2]->mode, OXEL_MODE_NAMED);
    EXPECT_EQ(text_of(list[2]->mode_name), "MyMode");
    EXPECT_EQ(texts_of(list[2]->registers), (Texts{"Reg1", "Reg2"}));
}

TEST_F(ComponentGrammar, InstructionKeywordsGiveTheirKindsAndSampleAndHizAreNamed) {
    ComponentRecord *c = component_with(
        "INSTRUCTION_REGISTER IR INSTRUCTION_LIST\n"
        " SAMPLE 1 R - - SAMPLE_PRELOAD 2 R - - PRELOAD 3 R - - INTEST 4 R - -\n"
        " RUNBIST 5 R - - IDCODE 6 R - - USERCODE 7 R - - CLAMP 8 R - -\n"
        " HIGHZ 9 R - - HIZ 10 R - -\n"
        "END INSTRUCTION_LIST END INSTRUCTION_REGISTER");
    ASSERT_NE(c, nullptr);
    InstructionRegisterRecord *ir = only_item<InstructionRegisterRecord>(c->instruction_registers);
    std::vector<InstructionRecord *> list = items_of<InstructionRecord>(ir->instructions);
    ASSERT_EQ(list.size(), 10u);
    const int kinds[] = {8, 3, 3, 4, 5, 6, 7, 9, 10, 8};
    for (size_t i = 0; i < list.size(); i++) {
        EXPECT_EQ(list[i]->kind, kinds[i]) << i;
        EXPECT_EQ(list[i]->mode, OXEL_MODE_NONE) << i;
        EXPECT_EQ(list[i]->reserved, 0);
    }
    EXPECT_EQ(text_of(list[0]->name), "SAMPLE");
    EXPECT_EQ(list[1]->name, nullptr);
    EXPECT_EQ(text_of(list[9]->name), "HIZ");
}

TEST_F(ComponentGrammar, ModeKeywordsGiveTheirCodes) {
    ComponentRecord *c = component_with(
        "INSTRUCTION_REGISTER IR INSTRUCTION_LIST\n"
        " X1 1 R INTERNAL - X2 2 R EXTERNAL - X3 3 R SAMPLE - X4 4 R PRIVATE -\n"
        " X5 5 R HIGHZ - X6 6 R HIZ - X7 7 R - -\n"
        "END INSTRUCTION_LIST END INSTRUCTION_REGISTER");
    ASSERT_NE(c, nullptr);
    std::vector<InstructionRecord *> list =
        items_of<InstructionRecord>(only_item<InstructionRegisterRecord>(c->instruction_registers)->instructions);
    ASSERT_EQ(list.size(), 7u);
    const int modes[] = {1, 2, 3, 4, 5, 6, 64};
    for (size_t i = 0; i < list.size(); i++) {
        EXPECT_EQ(list[i]->mode, modes[i]) << i;
        EXPECT_EQ(list[i]->mode_name, nullptr) << i;
    }
}

TEST_F(ComponentGrammar, ACaptureWithoutStatusListHasANullStatus) {
    ComponentRecord *c = component_with("BYPASS_REGISTER BP CAPTURE 0 LENGTH 1 END BYPASS_REGISTER");
    ASSERT_NE(c, nullptr);
    BypassRegisterRecord *bp = only_item<BypassRegisterRecord>(c->bypass_registers);
    ASSERT_NE(bp, nullptr);
    EXPECT_EQ(text_of(bp->name), "BP");
    EXPECT_EQ(text_of(bp->capture_value), "0");
    EXPECT_EQ(bp->capture_status, nullptr);
    EXPECT_EQ(bp->length, 1);
    EXPECT_EQ(bp->purpose, nullptr);
}

TEST_F(ComponentGrammar, IdentificationAndUsercodeRegistersGoToTheirOwnLists) {
    ComponentRecord *c = component_with(
        "IDENTIFICATION_REGISTER IDR\n"
        " LENGTH 32 CAPTURE \"0001\" MANUFACTURER_IDCODE : \"00000111111\"\n"
        " PARTNUMBER_IDCODE 1234 VERSION_IDCODE \"1\" CONCATENATION : [IDR_A, IDR_B]\n"
        "END IDENTIFICATION_REGISTER\n"
        "USERCODE_REGISTER UCR LENGTH 32 VERSION_IDCODE 2 END USERCODE_REGISTER");
    ASSERT_NE(c, nullptr);
    IdRegisterRecord *id = only_item<IdRegisterRecord>(c->identification_registers);
    ASSERT_NE(id, nullptr);
    EXPECT_EQ(text_of(id->name), "IDR");
    EXPECT_EQ(id->length, 32);
    EXPECT_EQ(text_of(id->capture_value), "0001");
    EXPECT_EQ(text_of(id->manufacturer), "00000111111");
    EXPECT_EQ(text_of(id->part_number), "1234");
    EXPECT_EQ(text_of(id->version), "1");
    EXPECT_EQ(texts_of(id->concatenation), (Texts{"IDR_A", "IDR_B"}));

    IdRegisterRecord *uc = only_item<IdRegisterRecord>(c->usercode_registers);
    ASSERT_NE(uc, nullptr);
    EXPECT_EQ(text_of(uc->name), "UCR");
    EXPECT_EQ(text_of(uc->version), "2");
    EXPECT_EQ(uc->manufacturer, nullptr);
}

TEST_F(ComponentGrammar, TheBistRegisterHoldsEveryBistItem) {
    ComponentRecord *c = component_with(
        "BIST_REGISTER BISTR\n"
        " PURPOSE \"bist\" LENGTH 16 PRELOAD SCANREG : \"0000\" CAPTURE \"1010\"\n"
        " COVERAGE 92.5 CLOCK : D(3) MIN_DURATION 2 PARALLEL_OUTPUTS YES\n"
        " ALTERED_REGISTERS : [BSR, SCANREG] CONCATENATION : X\n"
        "END BIST_REGISTER");
    ASSERT_NE(c, nullptr);
    BistRegisterRecord *bist = only_item<BistRegisterRecord>(c->bist_registers);
    ASSERT_NE(bist, nullptr);
    EXPECT_EQ(text_of(bist->name), "BISTR");
    EXPECT_EQ(text_of(bist->purpose), "bist");
    EXPECT_EQ(bist->length, 16);
    ASSERT_NE(bist->preload, nullptr);
    EXPECT_EQ(text_of(bist->preload->register_name), "SCANREG");
    EXPECT_EQ(bist->preload->reserved, 0);
    EXPECT_EQ(text_of(bist->preload->value), "0000");
    EXPECT_EQ(text_of(bist->capture_value), "1010");
    ASSERT_NE(bist->coverage, nullptr);
    EXPECT_DOUBLE_EQ(*bist->coverage, 92.5);
    ASSERT_NE(bist->clock, nullptr);
    EXPECT_EQ(bist->clock->kind, OXEL_PINREF_ELEMENT);
    EXPECT_EQ(text_of(bist->clock->name), "D");
    EXPECT_EQ(bist->clock->selector, 3);
    ASSERT_NE(bist->min_duration, nullptr);
    EXPECT_DOUBLE_EQ(*bist->min_duration, 2.0);
    EXPECT_EQ(bist->parallel_outputs, 1);
    EXPECT_EQ(texts_of(bist->altered_registers), (Texts{"BSR", "SCANREG"}));
    EXPECT_EQ(texts_of(bist->concatenation), (Texts{"X"}));
}

TEST_F(ComponentGrammar, ABistClockMayBeANumberADashOrSeveralBusElements) {
    ComponentRecord *c = component_with(
        "BIST_REGISTER B1 CLOCK 17 END BIST_REGISTER\n"
        "BIST_REGISTER B2 CLOCK - END BIST_REGISTER\n"
        "BIST_REGISTER B3 CLOCK CK(1:3) END BIST_REGISTER\n"
        "BIST_REGISTER B4 CLOCK : Clk END BIST_REGISTER");
    ASSERT_NE(c, nullptr);
    std::vector<BistRegisterRecord *> list = items_of<BistRegisterRecord>(c->bist_registers);
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[0]->clock->kind, OXEL_PINREF_PLAIN);
    EXPECT_EQ(text_of(list[0]->clock->name), "17");
    EXPECT_EQ(list[1]->clock->kind, OXEL_PINREF_PLAIN);
    EXPECT_EQ(list[1]->clock->name, nullptr);
    EXPECT_EQ(list[2]->clock->kind, OXEL_PINREF_ELEMENTS);
    EXPECT_EQ(indices_of(reinterpret_cast<ItemList *>(list[2]->clock->selector)), (Texts{"1:3"}));
    EXPECT_EQ(text_of(list[3]->clock->name), "Clk");
    EXPECT_EQ(list[3]->clock->selector, 0);
}

TEST_F(ComponentGrammar, TheDataRegisterHoldsItsItems) {
    ComponentRecord *c = component_with(
        "DATA_REGISTER SCANREG PURPOSE \"scan\" LENGTH 8 CAPTURE \"XXXXXXXX\" PARALLEL_OUTPUTS NO\n"
        " ALTERED_REGISTERS : A CONCATENATION [P, Q] END DATA_REGISTER");
    ASSERT_NE(c, nullptr);
    DataRegisterRecord *data = only_item<DataRegisterRecord>(c->data_registers);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(text_of(data->name), "SCANREG");
    EXPECT_EQ(text_of(data->purpose), "scan");
    EXPECT_EQ(data->length, 8);
    EXPECT_EQ(text_of(data->capture_value), "XXXXXXXX");
    EXPECT_EQ(data->parallel_outputs, 0);
    EXPECT_EQ(texts_of(data->altered_registers), (Texts{"A"}));
    EXPECT_EQ(texts_of(data->concatenation), (Texts{"P", "Q"}));
}

TEST_F(ComponentGrammar, ARepeatedItemReplacesTheEarlierOne) {
    ComponentRecord *c = component_with(
        "DATA_REGISTER D PURPOSE \"a\" PURPOSE \"b\" CAPTURE 1 CAPTURE_STATUS_LIST 1 \"s\" END CAPTURE_STATUS_LIST\n"
        " CAPTURE 2 ALTERED_REGISTERS : A ALTERED_REGISTERS : B END DATA_REGISTER\n"
        "BOUNDARY_SCAN_REGISTER BSR LENGTH 1 LENGTH 2 END BOUNDARY_SCAN_REGISTER");
    ASSERT_NE(c, nullptr);
    DataRegisterRecord *data = only_item<DataRegisterRecord>(c->data_registers);
    EXPECT_EQ(text_of(data->purpose), "b");
    // The second capture brings no status list: the earlier one is gone.
    EXPECT_EQ(text_of(data->capture_value), "2");
    EXPECT_EQ(data->capture_status, nullptr);
    EXPECT_EQ(texts_of(data->altered_registers), (Texts{"B"}));
    EXPECT_EQ(only_item<BoundaryScanRegisterRecord>(c->boundary_scan_registers)->length, 2);
}

TEST_F(ComponentGrammar, AStatementTheRegisterDoesNotTakeIsReportedAndDropped) {
    ComponentRecord *c = component_with(
        "BOUNDARY_SCAN_REGISTER Bsr CAPTURE 0 LENGTH 3 END BOUNDARY_SCAN_REGISTER\n"
        "INSTRUCTION_REGISTER Ir VERSION_IDCODE 1 LENGTH 2 END INSTRUCTION_REGISTER\n"
        "BYPASS_REGISTER Bp PARALLEL_OUTPUTS YES END BYPASS_REGISTER\n"
        "IDENTIFICATION_REGISTER Id CLOCK X END IDENTIFICATION_REGISTER\n"
        "USERCODE_REGISTER Uc CHAIN_LIST 0 C P - - - - - END CHAIN_LIST END USERCODE_REGISTER\n"
        "DATA_REGISTER Dr PRELOAD R 1 END DATA_REGISTER\n"
        "BIST_REGISTER Br INSTRUCTION_LIST EXTEST 0 R - - END INSTRUCTION_LIST END BIST_REGISTER");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR), (Texts{
                                               "Illegal statement (Type 24) in BoundaryScanregister Bsr",
                                               "Illegal statement (Type 29) in Instructionregister Ir",
                                               "Illegal statement (Type 36) in ByPassregister Bp",
                                               "Illegal statement (Type 33) in ID or USERCODE register Id",
                                               "Illegal statement (Type 26) in ID or USERCODE register Uc",
                                               "Illegal statement (Type 31) in Dataregister Dr",
                                               "Illegal statement (Type 25) in BISTregister Br",
                                           }));
    EXPECT_EQ(OxelGetSyntaxErrors(), 0);
    // The registers are built without the statement.
    BoundaryScanRegisterRecord *bsr = only_item<BoundaryScanRegisterRecord>(c->boundary_scan_registers);
    EXPECT_EQ(bsr->length, 3);
    EXPECT_EQ(bsr->chain, nullptr);
    EXPECT_EQ(only_item<InstructionRegisterRecord>(c->instruction_registers)->length, 2);
}

TEST_F(ComponentGrammar, ComponentItemsMayComeInAnyOrderAndRepeat) {
    ComponentRecord *c = component_with(
        "DATA_REGISTER D1 LENGTH 1 END DATA_REGISTER PIN_LIST 1 a IN - END PIN_LIST\n"
        "DATA_REGISTER D2 LENGTH 2 END DATA_REGISTER CELL C INIT_UPDATE 0 END CELL\n"
        "BYPASS_REGISTER B LENGTH 1 END BYPASS_REGISTER CELL C2 INIT_UPDATE 1 END CELL");
    ASSERT_NE(c, nullptr);
    std::vector<DataRegisterRecord *> data = items_of<DataRegisterRecord>(c->data_registers);
    ASSERT_EQ(data.size(), 2u);
    EXPECT_EQ(text_of(data[0]->name), "D1");
    EXPECT_EQ(text_of(data[1]->name), "D2");
    std::vector<CellRecord *> cells = items_of<CellRecord>(c->cells);
    ASSERT_EQ(cells.size(), 2u);
    EXPECT_EQ(text_of(cells[1]->init_update), "1");
    EXPECT_EQ(c->pin_lists->count, 1);
    EXPECT_EQ(c->bypass_registers->count, 1);
}

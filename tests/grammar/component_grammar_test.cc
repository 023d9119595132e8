// Component grammar: what the component, pin list and register rules build
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grammar/description_support.h"

namespace {

class ComponentGrammar : public DescriptionTest {
protected:
    // The one component of a description holding a component C1 of `items`.
    ComponentRecord *component_with(const std::string &items) {
        DescriptionRoot *root = parse_ok("COMPONENT C1\n" + items + "\nEND COMPONENT");
        return root ? only_item<ComponentRecord>(root->components) : nullptr;
    }
};

std::string pin_of(const PinRecord *p) {
    if (!p->numbering)
        return "no numbering";
    return row(p->name, p->form, p->type, p->family, p->reserved, p->numbering->number,
               indices_of(p->numbering->numbers).c_str(), indices_of(p->numbering->indices).c_str());
}

}  // namespace

TEST_F(ComponentGrammar, ComponentsKeepTheirNamesAndTheReasonOfTheLatestFileHeader) {
    DescriptionRoot *root = parse_ok(
        "COMPONENT TDI END COMPONENT\n"
        "OXEL_HEADER CREATION_LOG \"d\" \"c\" \"t\" \"first reason\" END OXEL_HEADER\n"
        "component MyPart end component\n"
        "OXEL_HEADER CREATION_LOG \"d\" \"c\" \"t\" \"second reason\" END OXEL_HEADER\n"
        "COMPONENT \"End\" END COMPONENT\n"
        // The last standard and the last header of a component win.
        "COMPONENT Std STANDARD : JTAG_V2.0 OXEL_HEADER CREATION_LOG \"1\" \"2\" \"3\" \"old\" END OXEL_HEADER\n"
        "  STANDARD IEEE_1149.1_1990 OXEL_HEADER CREATION_LOG \"1\" \"2\" \"3\" \"new\" END OXEL_HEADER\n"
        "END COMPONENT");
    ASSERT_NE(root, nullptr);
    std::vector<ComponentRecord *> components = items_of<ComponentRecord>(root->components);
    ASSERT_EQ(components.size(), 4u);
    ComponentRecord *c = components[0];
    EXPECT_EQ(row(c->name, c->source_ref, c->standard), "TDI|(null)|0");
    EXPECT_EQ(c->header, nullptr);
    for (ItemList *list : {c->pin_lists, c->instruction_registers, c->cells, c->boundary_scan_registers,
                           c->bypass_registers, c->identification_registers, c->usercode_registers,
                           c->bist_registers, c->data_registers, c->test_sequences, c->illegal_sequences,
                           c->global_performances})
        EXPECT_EQ(list, nullptr);
    EXPECT_EQ(row(components[1]->name, components[1]->source_ref), "MyPart|first reason");
    // The second header freed the first; each component owns its copy.
    EXPECT_EQ(row(components[2]->name, components[2]->source_ref), "End|second reason");
    EXPECT_NE(components[2]->source_ref, root->header->creation_log->reason);
    c = components[3];
    EXPECT_EQ(c->standard, OXEL_STANDARD_IEEE_1149_1_1990);
    ASSERT_NE(c->header, nullptr);
    // A component header is not the file's: the source reference stays.
    EXPECT_EQ(row(c->header->creation_log->reason, c->source_ref, root->header->creation_log->reason),
              "new|second reason|second reason");
}

TEST_F(ComponentGrammar, PinListsKeepSinglePinsBusesAndEveryPinType) {
    const char *types[] = {"IN", "OUT", "OUTZ", "IO", "IOZ", "NC", "PWR", "GND", "TMS", "TDI", "TDO", "TCK", "TRST"};
    std::string every_type = "PIN_LIST\n";
    for (int i = 0; i < 13; i++)
        every_type += std::to_string(i + 1) + " p " + types[i] + " -\n";
    // A single pin named like its type reads the type as keyword.
    ComponentRecord *c = component_with("PIN_LIST\n 12 TDI TDI -\n A1 - IN LVTTL\n"
                                        " (1,2,5:8) D(0:5) IO -\n (P1, P2) Ctl(1,3) OUTZ fam\nEND PIN_LIST\n" +
                                        every_type + "END PIN_LIST");
    ASSERT_NE(c, nullptr);
    ASSERT_EQ(c->pin_lists->count, 2);
    std::vector<PinRecord *> pins = items_of<PinRecord>(static_cast<ItemList *>(c->pin_lists->items[0]));
    ASSERT_EQ(pins.size(), 4u);
    EXPECT_EQ(pin_of(pins[0]), row("TDI", OXEL_FORM_SINGLE, OXEL_PIN_TDI, "(null)", 0, "12", "", ""));
    EXPECT_EQ(pin_of(pins[1]), row("(null)", OXEL_FORM_SINGLE, OXEL_PIN_IN, "LVTTL", 0, "A1", "", ""));
    EXPECT_EQ(pins[0]->numbering->numbers, nullptr);
    EXPECT_EQ(pins[0]->numbering->indices, nullptr);
    EXPECT_EQ(pin_of(pins[2]), row("D", OXEL_FORM_BUS, OXEL_PIN_IO, "(null)", 0, "(null)", "1 2 5:8", "0:5"));
    EXPECT_EQ(pin_of(pins[3]), row("Ctl", OXEL_FORM_BUS, OXEL_PIN_OUTZ, "fam", 0, "(null)", "P1 P2", "1 3"));
    EXPECT_EQ(items_of<IndexRecord>(pins[3]->numbering->numbers)[0]->kind, OXEL_INDEX_NAME);

    pins = items_of<PinRecord>(static_cast<ItemList *>(c->pin_lists->items[1]));
    ASSERT_EQ(pins.size(), 13u);
    for (int i = 0; i < 13; i++)
        EXPECT_EQ(pins[i]->type, i + 1) << types[i];
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
        "  SAMPLE 1 R INTERNAL - SAMPLE_PRELOAD 2 R PRIVATE - PRELOAD 3 R HIGHZ - INTEST 4 R HIZ -\n"
        "  RUNBIST 5 R - - IDCODE 6 R - - USERCODE 7 R - - CLAMP 8 R - - HIGHZ 9 R - - HIZ 10 R - -\n"
        " END INSTRUCTION_LIST\n"
        "END INSTRUCTION_REGISTER");
    InstructionRegisterRecord *ir = c ? only_item<InstructionRegisterRecord>(c->instruction_registers) : nullptr;
    ASSERT_NE(ir, nullptr);
    EXPECT_EQ(row(ir->name, ir->purpose, ir->length, ir->capture_value), "IR|ir|4|0001");
    std::vector<CaptureStatusRecord *> status = items_of<CaptureStatusRecord>(ir->capture_status);
    ASSERT_EQ(status.size(), 2u);
    EXPECT_EQ(row(status[0]->value, status[0]->description, status[1]->value, status[1]->description), "1|one|x|any");

    std::vector<InstructionRecord *> list = items_of<InstructionRecord>(ir->instructions);
    ASSERT_EQ(list.size(), 13u);
    // Rows of kind, name, code, register, mode, mode name; SAMPLE and HIZ
    // are user instructions that keep their names.
    const char *expected[] = {"1|(null)|0000|BSR|2|(null)", "2|(null)|1111|(null)|3|(null)",
                              "8|Probe|0101|(null)|32|MyMode", "8|SAMPLE|1|R|1|(null)", "3|(null)|2|R|4|(null)",
                              "3|(null)|3|R|5|(null)", "4|(null)|4|R|6|(null)", "5|(null)|5|R|64|(null)",
                              "6|(null)|6|R|64|(null)", "7|(null)|7|R|64|(null)", "9|(null)|8|R|64|(null)",
                              "10|(null)|9|R|64|(null)", "8|HIZ|10|R|64|(null)"};
    for (size_t i = 0; i < list.size(); i++) {
        InstructionRecord *each = list[i];
        EXPECT_EQ(row(each->kind, each->name, each->code, each->register_name, each->mode, each->mode_name),
                  expected[i]);
        EXPECT_EQ(each->reserved, 0);
    }
    // A dash for the register list is an empty list, not null.
    ASSERT_NE(list[0]->registers, nullptr);
    EXPECT_EQ(list[0]->registers->count, 0);
    EXPECT_EQ(texts_of(list[1]->registers), (Texts{"A", "B"}));
    EXPECT_EQ(texts_of(list[2]->registers), (Texts{"Reg1", "Reg2"}));
}

TEST_F(ComponentGrammar, EachRegisterKindHoldsItsItemsInItsOwnList) {
    ComponentRecord *c = component_with(
        "BYPASS_REGISTER BP CAPTURE 0 LENGTH 1 END BYPASS_REGISTER\n"
        "IDENTIFICATION_REGISTER IDR\n"
        " LENGTH 32 CAPTURE \"0001\" MANUFACTURER_IDCODE : \"00000111111\"\n"
        " PARTNUMBER_IDCODE 1234 VERSION_IDCODE \"1\" CONCATENATION : [IDR_A, IDR_B]\n"
        "END IDENTIFICATION_REGISTER\n"
        "USERCODE_REGISTER UCR LENGTH 32 VERSION_IDCODE 2 END USERCODE_REGISTER\n"
        "DATA_REGISTER SCANREG PURPOSE \"scan\" LENGTH 8 CAPTURE \"XXXXXXXX\" PARALLEL_OUTPUTS NO\n"
        " ALTERED_REGISTERS : A CONCATENATION [P, Q] END DATA_REGISTER\n"
        "BIST_REGISTER BISTR\n"
        " PURPOSE \"bist\" LENGTH 16 PRELOAD SCANREG : \"0000\" CAPTURE \"1010\"\n"
        " COVERAGE 92.5 CLOCK : D(3) MIN_DURATION 2 PARALLEL_OUTPUTS YES\n"
        " ALTERED_REGISTERS : [BSR, SCANREG] CONCATENATION : X\n"
        "END BIST_REGISTER\n"
        "BIST_REGISTER B1 CLOCK 17 END BIST_REGISTER BIST_REGISTER B2 CLOCK - END BIST_REGISTER\n"
        "BIST_REGISTER B3 CLOCK CK(1:3) END BIST_REGISTER BIST_REGISTER B4 CLOCK : Clk END BIST_REGISTER");
    ASSERT_NE(c, nullptr);
    BypassRegisterRecord *bp = only_item<BypassRegisterRecord>(c->bypass_registers);
    IdRegisterRecord *id = only_item<IdRegisterRecord>(c->identification_registers);
    IdRegisterRecord *uc = only_item<IdRegisterRecord>(c->usercode_registers);
    DataRegisterRecord *data = only_item<DataRegisterRecord>(c->data_registers);
    ASSERT_TRUE(bp && id && uc && data);
    // A capture without status list has a null status.
    EXPECT_EQ(row(bp->name, bp->purpose, bp->length, bp->capture_value), "BP|(null)|1|0");
    EXPECT_EQ(bp->capture_status, nullptr);

    EXPECT_EQ(row(id->name, id->length, id->capture_value, id->manufacturer, id->part_number, id->version),
              "IDR|32|0001|00000111111|1234|1");
    EXPECT_EQ(texts_of(id->concatenation), (Texts{"IDR_A", "IDR_B"}));
    EXPECT_EQ(row(uc->name, uc->length, uc->capture_value, uc->manufacturer, uc->part_number, uc->version),
              "UCR|32|(null)|(null)|(null)|2");

    EXPECT_EQ(row(data->name, data->purpose, data->length, data->capture_value, data->parallel_outputs),
              "SCANREG|scan|8|XXXXXXXX|0");
    EXPECT_EQ(texts_of(data->altered_registers), (Texts{"A"}));
    EXPECT_EQ(texts_of(data->concatenation), (Texts{"P", "Q"}));

    std::vector<BistRegisterRecord *> bists = items_of<BistRegisterRecord>(c->bist_registers);
    ASSERT_EQ(bists.size(), 5u);
    BistRegisterRecord *bist = bists[0];
    ASSERT_TRUE(bist->preload && bist->coverage && bist->min_duration && bist->clock);
    EXPECT_EQ(row(bist->name, bist->purpose, bist->length, bist->capture_value, bist->parallel_outputs),
              "BISTR|bist|16|1010|1");
    EXPECT_EQ(row(bist->preload->register_name, bist->preload->reserved, bist->preload->value), "SCANREG|0|0000");
    EXPECT_DOUBLE_EQ(*bist->coverage, 92.5);
    EXPECT_DOUBLE_EQ(*bist->min_duration, 2.0);
    EXPECT_EQ(texts_of(bist->altered_registers), (Texts{"BSR", "SCANREG"}));
    EXPECT_EQ(texts_of(bist->concatenation), (Texts{"X"}));
    // A clock may be a bus element, a number, a dash, several elements or a name.
    EXPECT_EQ(pin_ref_of(bist->clock), row(OXEL_PINREF_ELEMENT, "D", 3));
    EXPECT_EQ(pin_ref_of(bists[1]->clock), row(OXEL_PINREF_PLAIN, "17", 0));
    EXPECT_EQ(pin_ref_of(bists[2]->clock), row(OXEL_PINREF_PLAIN, "(null)", 0));
    EXPECT_EQ(pin_ref_of(bists[3]->clock), row(OXEL_PINREF_ELEMENTS, "CK", "1:3"));
    EXPECT_EQ(pin_ref_of(bists[4]->clock), row(OXEL_PINREF_PLAIN, "Clk", 0));
}

TEST_F(ComponentGrammar, ARepeatedRegisterItemReplacesAndARepeatedComponentItemAppends) {
    ComponentRecord *c = component_with(
        "DATA_REGISTER D1 PURPOSE \"a\" PURPOSE \"b\" CAPTURE 1 CAPTURE_STATUS_LIST 1 \"s\" END CAPTURE_STATUS_LIST\n"
        " CAPTURE 2 ALTERED_REGISTERS : A ALTERED_REGISTERS : B END DATA_REGISTER\n"
        "BOUNDARY_SCAN_REGISTER BSR LENGTH 1 LENGTH 2 END BOUNDARY_SCAN_REGISTER\n"
        "PIN_LIST 1 a IN - END PIN_LIST DATA_REGISTER D2 LENGTH 2 END DATA_REGISTER\n"
        "CELL C INIT_UPDATE 0 END CELL CELL C2 INIT_UPDATE 1 END CELL");
    ASSERT_NE(c, nullptr);
    std::vector<DataRegisterRecord *> data = items_of<DataRegisterRecord>(c->data_registers);
    ASSERT_EQ(data.size(), 2u);
    // The second capture brings no status list: the earlier one is gone.
    EXPECT_EQ(row(data[0]->purpose, data[0]->capture_value, data[1]->name), "b|2|D2");
    EXPECT_EQ(data[0]->capture_status, nullptr);
    EXPECT_EQ(texts_of(data[0]->altered_registers), (Texts{"B"}));
    EXPECT_EQ(only_item<BoundaryScanRegisterRecord>(c->boundary_scan_registers)->length, 2);
    std::vector<CellRecord *> cells = items_of<CellRecord>(c->cells);
    ASSERT_EQ(cells.size(), 2u);
    EXPECT_EQ(text_of(cells[1]->init_update), "1");
    EXPECT_EQ(c->pin_lists->count, 1);
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

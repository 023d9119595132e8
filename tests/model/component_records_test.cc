// Component constructors: statement routing, pin references and failure paths
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "interface/library_state.h"
#include "interface/memory.h"
#include "model/component_records.h"
#include "model/header_records.h"
#include "model/item_list.h"
#include "model/release.h"
#include "model/tagged_item.h"
#include "support/recorder.h"

namespace {

class ComponentRecords : public ::testing::Test {
protected:
    void SetUp() override {
        memory_fail_at(0);
        OxelInitialize(host.host());
    }
    void TearDown() override {
        memory_fail_at(0);
        OxelDestroy(host.host());
    }

    HostContext *ctx() { return host.host(); }
    char *text(const char *t) { return str_duplicate(ctx(), t); }
    template <typename Value>
    TaggedItem *item(int32_t tag, Value *value) {
        return mkstatement(ctx(), tag, reinterpret_cast<intptr_t>(value));
    }
    // A list of statements, in order.
    ItemList *statements(std::initializer_list<TaggedItem *> items) {
        ItemList *list = list_create(ctx(), nullptr, 1);
        for (TaggedItem *i : items)
            list = list_append(ctx(), list, i);
        return list;
    }
    ItemList *texts(std::initializer_list<const char *> words) {
        ItemList *list = list_create(ctx(), nullptr, 1);
        for (const char *w : words)
            list = list_append(ctx(), list, text(w));
        return list;
    }
    ItemList *indices(std::initializer_list<IndexRecord *> records) {
        ItemList *list = list_create(ctx(), nullptr, 1);
        for (IndexRecord *r : records)
            list = list_append(ctx(), list, r);
        return list;
    }
    IndexRecord *number(int32_t n) { return mkindex(ctx(), OXEL_INDEX_NUMBER, n, nullptr, 0); }
    IndexRecord *range(int32_t a, int32_t b) { return mkindex(ctx(), OXEL_INDEX_RANGE, a, nullptr, b); }
    CellRecord *cell(const char *name) { return mkcell(ctx(), text(name), nullptr); }

    Recorder host;
};

using Texts = std::vector<std::string>;

// Runs `build` with the 1st, 2nd, ... allocation of the construction
// failing in turn until a run needs no failure. `build` prepares the
// constructor's arguments, calls `arm` and then the constructor, so that
// only the constructor's own allocations fail. Each failed run must yield
// null with only the memory error reported; the sanitizer build reports
// whatever a failed construction leaks.
void sweep_allocations(Recorder &host, const std::function<void *(const std::function<void()> &)> &build,
                       const std::function<void(void *)> &release) {
    for (long nth = 1; nth < 200; nth++) {
        host.clear();
        void *record = build([nth] { memory_fail_at(nth); });
        bool failed = memory_allocations() >= nth;
        memory_fail_at(0);
        if (!failed) {
            ASSERT_NE(record, nullptr) << "no failure at " << nth;
            EXPECT_TRUE(host.texts(OXEL_KIND_ERROR).empty());
            release(record);
            return;
        }
        ASSERT_EQ(record, nullptr) << "allocation " << nth;
        ASSERT_EQ(host.texts(OXEL_KIND_ERROR), Texts{"Memory allocation error"}) << "allocation " << nth;
    }
    FAIL() << "the construction never completed";
}

}  // namespace

TEST_F(ComponentRecords, StatementsAreRoutedIntoTheComponentInOrder) {
    HeaderRecord *first = mkheader(ctx(), mklog(ctx(), text("a"), text("b"), text("c"), text("d")), nullptr);
    HeaderRecord *second = mkheader(ctx(), mklog(ctx(), text("e"), text("f"), text("g"), text("h")), nullptr);
    ItemList *items = statements({
        item(TAG_CELL, cell("C1")),
        mkstatement(ctx(), TAG_STANDARD, OXEL_STANDARD_JTAG_V2_0),
        item(TAG_HEADER, first),
        item(TAG_CELL, cell("C2")),
        item(TAG_HEADER, second),
        item(TAG_DATA_REGISTER, mkdataregister(ctx(), text("D"), nullptr)),
        item(TAG_USERCODE_REGISTER, mkidregister(ctx(), text("U"), nullptr)),
        mkstatement(ctx(), TAG_STANDARD, OXEL_STANDARD_IEEE_1149_1_1990),
    });
    ComponentRecord *c = mkcomponent(ctx(), text("Comp"), "reason", items);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(std::string(c->name), "Comp");
    EXPECT_EQ(std::string(c->source_ref), "reason");
    EXPECT_EQ(c->standard, OXEL_STANDARD_IEEE_1149_1_1990);
    EXPECT_EQ(c->header, second);
    ASSERT_NE(c->cells, nullptr);
    ASSERT_EQ(c->cells->count, 2);
    EXPECT_EQ(std::string(static_cast<CellRecord *>(c->cells->items[1])->name), "C2");
    EXPECT_EQ(c->data_registers->count, 1);
    EXPECT_EQ(c->usercode_registers->count, 1);
    EXPECT_EQ(c->identification_registers, nullptr);
    EXPECT_TRUE(host.texts(OXEL_KIND_ERROR).empty());
    release_component(ctx(), c);
}

TEST_F(ComponentRecords, PinFamiliesJoinTheDescriptionNotTheComponent) {
    PinFamilyRecord *file_level = static_cast<PinFamilyRecord *>(mem_alloc(ctx(), sizeof(PinFamilyRecord)));
    OxelGetInfo()->pin_families = list_create(ctx(), file_level, 1);
    PinFamilyRecord *inner = static_cast<PinFamilyRecord *>(mem_alloc(ctx(), sizeof(PinFamilyRecord)));
    ComponentRecord *c = mkcomponent(ctx(), text("C"), nullptr, statements({item(TAG_PIN_FAMILY, inner)}));
    ASSERT_NE(c, nullptr);
    ItemList *families = OxelGetInfo()->pin_families;
    ASSERT_EQ(families->count, 2);
    EXPECT_EQ(families->items[0], file_level);
    EXPECT_EQ(families->items[1], inner);
    release_component(ctx(), c);
}

TEST_F(ComponentRecords, AnUnknownTagBuildsNothingAndReleasesEverything) {
    for (int32_t tag : {int32_t(TAG_NETLIST), int32_t(TAG_PURPOSE), 0, 38}) {
        host.clear();
        ItemList *items = statements({
            item(TAG_CELL, cell("C1")),
            item(TAG_PIN_LIST, list_create_with(ctx(), mkpin(ctx(), text("1"), text("a"), 1, nullptr), 1, release_pin)),
            tag == TAG_PURPOSE ? item(tag, text("stray")) : mkstatement(ctx(), tag, 0),
            item(TAG_INSTRUCTION_REGISTER, mkinstructionregister(ctx(), text("IR"), nullptr)),
        });
        EXPECT_EQ(mkcomponent(ctx(), text("C"), "ref", items), nullptr) << tag;
        EXPECT_EQ(host.texts(OXEL_KIND_ERROR), Texts{"Internal error in mkcomponent"}) << tag;
    }
}

TEST_F(ComponentRecords, ANullStatementListBuildsAnEmptyComponent) {
    ComponentRecord *c = mkcomponent(ctx(), text("Empty"), nullptr, nullptr);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(std::string(c->name), "Empty");
    EXPECT_EQ(c->source_ref, nullptr);
    EXPECT_EQ(c->pin_lists, nullptr);
    release_component(ctx(), c);
}

TEST_F(ComponentRecords, EveryComponentAllocationFailureReleasesWhatItWasHanded) {
    sweep_allocations(
        host,
        [&](const std::function<void()> &arm) -> void * {
            ItemList *items = statements({item(TAG_CELL, cell("C1")), item(TAG_CELL, cell("C2")),
                                          item(TAG_BYPASS_REGISTER, mkbypassregister(ctx(), text("B"), nullptr)),
                                          mkstatement(ctx(), TAG_STANDARD, 1)});
            char *name = text("C");
            arm();
            return mkcomponent(ctx(), name, "source", items);
        },
        [&](void *record) { release_component(ctx(), static_cast<ComponentRecord *>(record)); });
}

TEST_F(ComponentRecords, RegistersReportStatementsTheyDoNotTake) {
    CellRecord *c = mkcell(ctx(), text("BC_1"),
                           statements({mkstatement(ctx(), TAG_LENGTH, 3), item(TAG_INIT_UPDATE, text("X")),
                                       item(TAG_PURPOSE, text("p"))}));
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR),
              (Texts{"Illegal statement (Type 23) in Cell BC_1", "Illegal statement (Type 22) in Cell BC_1"}));
    EXPECT_EQ(std::string(c->init_update), "X");
    release_cell(ctx(), c);

    host.clear();
    InstructionRegisterRecord *ir = mkinstructionregister(
        ctx(), text("IR"), statements({item(TAG_CHAIN_LIST, list_create(ctx(), nullptr, 1)),
                                       item(TAG_MODE_LIST, list_create(ctx(), nullptr, 1))}));
    ASSERT_NE(ir, nullptr);
    EXPECT_EQ(host.texts(OXEL_KIND_ERROR), (Texts{"Illegal statement (Type 26) in Instructionregister IR",
                                                  "Illegal statement (Type 19) in Instructionregister IR"}));
    release_instruction_register(ctx(), ir);
}

TEST_F(ComponentRecords, ACapturePairMovesIntoTheRegisterAndAlaterOneReplacesIt) {
    ItemList *status = list_create(ctx(), mkcapturestatus(ctx(), text("1"), text("one")), 1);
    BypassRegisterRecord *bp = mkbypassregister(
        ctx(), text("BP"),
        statements({item(TAG_CAPTURE, mkcapture(ctx(), text("0"), status)),
                    item(TAG_CAPTURE, mkcapture(ctx(), text("1"), nullptr))}));
    ASSERT_NE(bp, nullptr);
    EXPECT_EQ(std::string(bp->capture_value), "1");
    EXPECT_EQ(bp->capture_status, nullptr);
    release_bypass_register(ctx(), bp);

    status = list_create(ctx(), mkcapturestatus(ctx(), text("1"), text("one")), 1);
    IdRegisterRecord *id = mkidregister(
        ctx(), text("ID"),
        statements({item(TAG_CAPTURE, mkcapture(ctx(), text("0"), status)), item(TAG_CAPTURE, (CaptureRecord *)nullptr)}));
    ASSERT_NE(id, nullptr);
    // A null pair clears both fields.
    EXPECT_EQ(id->capture_value, nullptr);
    EXPECT_EQ(id->capture_status, nullptr);
    release_id_register(ctx(), id);
}

TEST_F(ComponentRecords, PinReferenceKinds) {
    PinRefRecord *one = mkpinref(ctx(), OXEL_PINREF_ELEMENT, text("D"), indices({number(3)}));
    ASSERT_NE(one, nullptr);
    EXPECT_EQ(one->kind, OXEL_PINREF_ELEMENT);
    EXPECT_EQ(one->selector, 3);
    release_pin_ref(ctx(), one);

    PinRefRecord *span = mkpinref(ctx(), OXEL_PINREF_ELEMENT, text("D"), indices({range(1, 3)}));
    ASSERT_NE(span, nullptr);
    EXPECT_EQ(span->kind, OXEL_PINREF_ELEMENTS);
    ItemList *list = reinterpret_cast<ItemList *>(span->selector);
    ASSERT_EQ(list->count, 1);
    EXPECT_EQ(static_cast<IndexRecord *>(list->items[0])->last, 3);
    release_pin_ref(ctx(), span);

    PinRefRecord *two = mkpinref(ctx(), OXEL_PINREF_ELEMENT, text("D"), indices({number(1), number(2)}));
    ASSERT_NE(two, nullptr);
    EXPECT_EQ(two->kind, OXEL_PINREF_ELEMENTS);
    EXPECT_EQ(reinterpret_cast<ItemList *>(two->selector)->count, 2);
    release_pin_ref(ctx(), two);

    PinRefRecord *plain = mkpinref(ctx(), OXEL_PINREF_PLAIN, text("P"), nullptr);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->selector, 0);
    release_pin_ref(ctx(), plain);

    // A bus reference without indices builds nothing and frees its name.
    EXPECT_EQ(mkpinref(ctx(), OXEL_PINREF_ELEMENT, text("D"), nullptr), nullptr);
    EXPECT_EQ(mkpinref(ctx(), OXEL_PINREF_ELEMENT, text("D"), indices({})), nullptr);
}

TEST_F(ComponentRecords, IndexRecordsKeepOnlyWhatTheirKindNeeds) {
    IndexRecord *name = mkindex(ctx(), OXEL_INDEX_NAME, 7, text("P1"), 9);
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(name->first)), "P1");
    EXPECT_EQ(name->last, 0);
    release_index(ctx(), name);
    IndexRecord *single = mkindex(ctx(), OXEL_INDEX_NUMBER, 7, nullptr, 9);
    ASSERT_NE(single, nullptr);
    EXPECT_EQ(single->first, 7);
    EXPECT_EQ(single->last, 0);
    release_index(ctx(), single);
}

TEST_F(ComponentRecords, EveryConstructorReleasesWhatItWasHandedWhenAnAllocationFails) {
    using Arm = const std::function<void()> &;
    struct Case {
        const char *name;
        std::function<void *(Arm)> build;
        std::function<void(void *)> release;
    };
    HostContext *c = ctx();
    std::vector<Case> cases = {
        {"mkpin",
         [&](Arm arm) {
             char *number = text("1"), *name = text("a"), *family = text("f");
             arm();
             return (void *)mkpin(c, number, name, 1, family);
         },
         [&](void *r) { release_pin(c, (PinRecord *)r); }},
        {"mkbus",
         [&](Arm arm) {
             BusNamePair *pair = mkbusname(c, text("D"), indices({range(0, 3)}));
             ItemList *numbers = indices({number(1), range(2, 4)});
             char *family = text("f");
             arm();
             PinRecord *pin = mkbus(c, numbers, pair, 4, family);
             release_bus_name(c, pair);
             return (void *)pin;
         },
         [&](void *r) { release_pin(c, (PinRecord *)r); }},
        {"mkbusname",
         [&](Arm arm) {
             char *name = text("D");
             ItemList *list = indices({range(0, 3)});
             arm();
             return (void *)mkbusname(c, name, list);
         },
         [&](void *r) { release_bus_name(c, (BusNamePair *)r); }},
        {"mkindex",
         [&](Arm arm) {
             char *name = text("P1");
             arm();
             return (void *)mkindex(c, OXEL_INDEX_NAME, 0, name, 0);
         },
         [&](void *r) { release_index(c, (IndexRecord *)r); }},
        {"mkpinref",
         [&](Arm arm) {
             char *name = text("D");
             ItemList *list = indices({number(1), number(2)});
             arm();
             return (void *)mkpinref(c, OXEL_PINREF_ELEMENT, name, list);
         },
         [&](void *r) { release_pin_ref(c, (PinRefRecord *)r); }},
        {"mkcapture",
         [&](Arm arm) {
             char *value = text("1");
             ItemList *status = list_create(c, mkcapturestatus(c, text("1"), text("d")), 1);
             arm();
             return (void *)mkcapture(c, value, status);
         },
         [&](void *r) { release_capture(c, (CaptureRecord *)r); }},
        {"mkcapturestatus",
         [&](Arm arm) {
             char *value = text("1"), *description = text("d");
             arm();
             return (void *)mkcapturestatus(c, value, description);
         },
         [&](void *r) { release_capture_status(c, (CaptureStatusRecord *)r); }},
        {"mkpreload",
         [&](Arm arm) {
             char *name = text("R"), *value = text("0");
             arm();
             return (void *)mkpreload(c, name, value);
         },
         [&](void *r) { release_preload(c, (PreloadRecord *)r); }},
        {"mkmodespec",
         [&](Arm arm) {
             char *name = text("PI");
             arm();
             return (void *)mkmodespec(c, OXEL_CAPTURE_NAME, name);
         },
         [&](void *r) { release_mode_spec(c, (ModeSpecRecord *)r); }},
        {"mkinstruction",
         [&](Arm arm) {
             ModeSpecRecord *kind = mkmodespec(c, 8, text("USER")), *mode = mkmodespec(c, 32, text("M"));
             char *code = text("0101"), *reg = text("R");
             ItemList *registers = texts({"A", "B"});
             arm();
             return (void *)mkinstruction(c, kind, code, reg, mode, registers);
         },
         [&](void *r) { release_instruction(c, (InstructionRecord *)r); }},
        {"mkcellmode",
         [&](Arm arm) {
             ItemList *outputs = list_create(c, nullptr, 1);
             outputs = list_append_with(c, outputs, (ModeSpecRecord *)nullptr, release_mode_spec);
             outputs = list_append_with(c, outputs, mkmodespec(c, 4, text("PI")), release_mode_spec);
             ModeSpecRecord *mode = mkmodespec(c, 32, text("U")), *capture = mkmodespec(c, 5, text("0"));
             char *select = text("1");
             arm();
             return (void *)mkcellmode(c, mode, select, capture, outputs);
         },
         [&](void *r) { release_cell_mode(c, (CellModeRecord *)r); }},
        {"mkchainelement",
         [&](Arm arm) {
             char *cell_name = text("BC_1");
             PinRefRecord *pin = mkpinref(c, OXEL_PINREF_ELEMENT, text("D"), indices({range(1, 2)}));
             ItemList *a = texts({"1", "2"}), *b = texts({"-"}), *d = texts({"x"}), *e = texts({"4"}), *f = texts({"0"});
             arm();
             return (void *)mkchainelement(c, 3, cell_name, pin, a, b, d, e, f);
         },
         [&](void *r) { release_chain_element(c, (ChainElementRecord *)r); }},
        {"mkbistregister",
         [&](Arm arm) {
             double *coverage = (double *)mem_alloc(c, sizeof(double));
             ItemList *items = statements(
                 {item(TAG_PRELOAD, mkpreload(c, text("R"), text("0"))), item(TAG_COVERAGE, coverage),
                  item(TAG_CLOCK, mkpinref(c, OXEL_PINREF_PLAIN, text("CK"), nullptr)),
                  item(TAG_CAPTURE, mkcapture(c, text("1"), list_create(c, mkcapturestatus(c, text("1"), text("d")), 1))),
                  item(TAG_ALTERED_REGISTERS, texts({"A"})), item(TAG_CONCATENATION, texts({"B"}))});
             char *name = text("B");
             arm();
             return (void *)mkbistregister(c, name, items);
         },
         [&](void *r) { release_bist_register(c, (BistRegisterRecord *)r); }},
        {"mkcell",
         [&](Arm arm) {
             ItemList *items = statements({item(TAG_INIT_UPDATE, text("X")), item(TAG_DATA_INPUTS, texts({"PI"})),
                                           item(TAG_MODE_LIST, list_create(c, nullptr, 1))});
             char *name = text("BC");
             arm();
             return (void *)mkcell(c, name, items);
         },
         [&](void *r) { release_cell(c, (CellRecord *)r); }},
        {"mkbsregister",
         [&](Arm arm) {
             ItemList *chain = list_create_with(
                 c, mkchainelement(c, 0, text("BC"), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr), 1,
                 release_chain_element);
             ItemList *items = statements({item(TAG_CHAIN_LIST, chain), item(TAG_PURPOSE, text("p"))});
             char *name = text("BSR");
             arm();
             return (void *)mkbsregister(c, name, items);
         },
         [&](void *r) { release_boundary_scan_register(c, (BoundaryScanRegisterRecord *)r); }},
        {"mkstatement",
         [&](Arm arm) {
             CellRecord *record = cell("C");
             arm();
             return (void *)item(TAG_CELL, record);
         },
         [&](void *r) { release_statement(c, (TaggedItem *)r); }},
    };
    for (const Case &each : cases) {
        SCOPED_TRACE(each.name);
        sweep_allocations(host, each.build, each.release);
    }
}

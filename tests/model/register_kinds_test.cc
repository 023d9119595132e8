// Register kind table: each kind's tag, list, number and shared fields
#include "model/component_records.h"
#include "model/model_support.h"
#include "model/register_kinds.h"
#include "model/release.h"
#include "model/tagged_item.h"

namespace {

using RegisterKinds = RecordsTest;

TaggedItem *statement(HostContext *context, int32_t tag, void *value) {
    return mkstatement(context, tag, reinterpret_cast<intptr_t>(value));
}

template <auto constructor>
void *build(HostContext *context, char *name, ItemList *statements) {
    return constructor(context, name, statements);
}

}  // namespace

// Each kind's register, built by its own constructor, lands in its own list
// and reads back through its row (found by its number, which is its place in
// the table) as the record type the row says it is.
TEST_F(RegisterKinds, EachTagRoutesToItsOwnListAndReadsBackThroughItsRow) {
    HostContext *c = ctx();
    using Component = ComponentRecord;
    const struct {
        RegisterKind kind;
        int32_t tag;
        ItemList *Component::*list;
        void *(*build)(HostContext *, char *, ItemList *);
        const char *capture;  // null: the kind has no CAPTURE
    } kinds[] = {
        {KIND_DATA_REGISTER, TAG_DATA_REGISTER, &Component::data_registers, build<mkdataregister>, "7"},
        {KIND_IDENTIFICATION_REGISTER, TAG_IDENTIFICATION_REGISTER, &Component::identification_registers,
         build<mkidregister>, "4"},
        {KIND_BIST_REGISTER, TAG_BIST_REGISTER, &Component::bist_registers, build<mkbistregister>, "6"},
        {KIND_INSTRUCTION_REGISTER, TAG_INSTRUCTION_REGISTER, &Component::instruction_registers,
         build<mkinstructionregister>, "1"},
        {KIND_USERCODE_REGISTER, TAG_USERCODE_REGISTER, &Component::usercode_registers, build<mkidregister>,
         "5"},
        {KIND_BOUNDARY_SCAN_REGISTER, TAG_BOUNDARY_SCAN_REGISTER, &Component::boundary_scan_registers,
         build<mkbsregister>, nullptr},
        {KIND_BYPASS_REGISTER, TAG_BYPASS_REGISTER, &Component::bypass_registers, build<mkbypassregister>,
         "3"},
    };
    ItemList *items = list_create(c, nullptr, 1);
    for (const auto &k : kinds) {
        ItemList *statements = list_of({mkstatement(c, TAG_LENGTH, 10 + k.kind)});
        if (k.capture)
            statements = list_append(c, statements,
                                     statement(c, TAG_CAPTURE, mkcapture(c, text(k.capture), nullptr)));
        char *name = text(("R" + std::to_string(k.kind)).c_str());
        items = list_append(c, items, statement(c, k.tag, k.build(c, name, statements)));
    }
    ComponentRecord *component = mkcomponent(c, text("Comp"), nullptr, items);
    ASSERT_NE(component, nullptr);
    EXPECT_EQ(host.dump(), "");
    for (const auto &k : kinds) {
        const RegisterKindRow &row = register_kinds()[k.kind - 1];
        SCOPED_TRACE(row.label);
        EXPECT_EQ(row.kind, k.kind);
        EXPECT_EQ(register_kind(k.kind), &row);
        EXPECT_EQ(register_kind_of_query_code(row.query_code), &row);
        ItemList *list = component->*k.list;
        ASSERT_TRUE(list && list->count == 1 && registers_in(component, row) == list);
        EXPECT_EQ(std::string(register_record_name(row, list->items[0])), "R" + std::to_string(k.kind));
        EXPECT_EQ(register_record_length(row, list->items[0]), 10 + k.kind);
        EXPECT_STREQ(register_record_capture(row, list->items[0]), k.capture);
    }
    EXPECT_TRUE(!register_kind(0) && !register_kind_of_tag(TAG_CELL) && !register_kind_of_query_code(34));
    release_component(c, component);
}

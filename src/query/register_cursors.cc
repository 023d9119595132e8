// Component queries: the cursors over the seven register kinds
#include "query/register_cursors.h"

namespace {

list_cursor<void> &cursor_of(query_cursors &q, const RegisterKindRow &row) { return q.registers[row.kind - 1]; }

}  // namespace

int32_t open_register_kind(query_cursors &q, int32_t code) {
    ComponentRecord *component = current_component(q);
    const RegisterKindRow *row = register_kind_of_query_code(code);
    if (!component || !row)
        return 0;
    ItemList *registers = registers_in(component, *row);
    if (!registers || registers->count < 1)
        return 0;
    cursor_of(q, *row) = {1, registers->items[0]};
    return 1;
}

int32_t next_register_of_kind(query_cursors &q, int32_t code) {
    ComponentRecord *component = current_component(q);
    const RegisterKindRow *row = register_kind_of_query_code(code);
    if (!component || !row)
        return 0;
    ItemList *registers = registers_in(component, *row);
    list_cursor<void> &cursor = cursor_of(q, *row);
    if (!registers || cursor.position >= registers->count)
        return 0;
    cursor.record = registers->items[cursor.position++];
    return 1;
}

void *current_register(query_cursors &q, int32_t code) {
    const RegisterKindRow *row = register_kind_of_query_code(code);
    if (!current_component(q) || !row)
        return nullptr;
    return cursor_of(q, *row).record;
}

// Register name table: the register names of the component being checked
#include "check/register_name_table.h"

#include <cstring>

#include "model/register_kinds.h"

namespace {

// Calls visit(row, record) for every register of the component in kind
// order and list order, until it returns false; false when it did.
template <typename Visit>
bool each_register(const ComponentRecord *component, Visit visit) {
    for (const RegisterKindRow &row : register_kinds()) {
        const ItemList *list = registers_in(component, row);
        for (int32_t i = 0; list && i < list->count; i++)
            if (list->items[i] && !visit(row, list->items[i]))
                return false;
    }
    return true;
}

bool build_table(const Subject &at, RegisterNames &table, const ComponentRecord *component) {
    release_register_names(at.host, table);
    bool built = !component || each_register(component, [&](const RegisterKindRow &row, const void *record) {
        const char *name = register_record_name(row, record);
        if (counted_name_find(table.names, name) != 0) {
            at.about(record).note("Name conflict with register \"%s\"", show_name(name));
            return true;
        }
        CountedName *names = counted_name_add(at.host, table.names, name, row.kind);
        if (names)
            table.names = names;
        return names != nullptr;
    });
    if (!built)
        release_register_names(at.host, table);
    table.built = built;
    return built;
}

}  // namespace

int32_t register_kind_named(const Subject &at, RegisterNames &table, const ComponentRecord *component,
                            const char *name) {
    if (!table.built && !build_table(at, table, component))
        return -1;
    return static_cast<int32_t>(counted_name_find(table.names, name));
}

void release_register_names(HostContext *context, RegisterNames &table) {
    counted_name_free(context, table.names);
    table = RegisterNames{};
}

int32_t register_length(const ComponentRecord *component, const char *name) {
    int32_t length = -1;
    if (component && name)
        each_register(component, [&](const RegisterKindRow &row, const void *record) {
            const char *each = register_record_name(row, record);
            if (!each || std::strcmp(each, name) != 0)
                return true;
            length = register_record_length(row, record);
            return false;
        });
    return length;
}

// Register name table: the register names of the component being checked
#include "check/register_name_table.h"

#include <cstring>

#include "base/messages.h"
#include "check/check_state.h"
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

void release_table(HostContext *context) {
    counted_name_free(context, g_check.register_names);
    g_check.register_names = nullptr;
    g_check.register_names_built = false;
}

bool build_table(HostContext *context, const ComponentRecord *component) {
    release_table(context);
    bool built = !component || each_register(component, [&](const RegisterKindRow &row, const void *record) {
        const char *name = register_record_name(row, record);
        if (counted_name_find(g_check.register_names, name) != 0) {
            report_note(context, "Name conflict with register \"%s\"", show_name(name));
            return true;
        }
        CountedName *table = counted_name_add(context, g_check.register_names, name, row.kind);
        if (table)
            g_check.register_names = table;
        return table != nullptr;
    });
    if (!built)
        release_table(context);
    g_check.register_names_built = built;
    return built;
}

}  // namespace

int32_t register_name_table(HostContext *context, const ComponentRecord *component, const char *name,
                            int32_t mode) {
    if (mode == kRegisterRelease) {
        release_table(context);
        return 0;
    }
    if (!g_check.register_names_built && !build_table(context, component))
        return -1;
    return static_cast<int32_t>(counted_name_find(g_check.register_names, name));
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

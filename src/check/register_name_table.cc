// Register name table: the register names of the component being checked
#include "check/register_name_table.h"

#include <cstring>

#include "base/messages.h"
#include "check/check_state.h"

namespace {

template <typename Record>
const char *name_of(const void *record) {
    return static_cast<const Record *>(record)->name;
}

template <typename Record>
int32_t length_of(const void *record) {
    return static_cast<const Record *>(record)->length;
}

// The component's register lists in kind order, with the access to each
// record's name and length.
struct RegisterList {
    int32_t kind;
    ItemList *ComponentRecord::*list;
    const char *(*name)(const void *record);
    int32_t (*length)(const void *record);
};

const RegisterList kRegisterLists[] = {
    {kInstructionRegisterKind, &ComponentRecord::instruction_registers,
     name_of<InstructionRegisterRecord>, length_of<InstructionRegisterRecord>},
    {kBoundaryScanRegisterKind, &ComponentRecord::boundary_scan_registers,
     name_of<BoundaryScanRegisterRecord>, length_of<BoundaryScanRegisterRecord>},
    {kBypassRegisterKind, &ComponentRecord::bypass_registers,
     name_of<BypassRegisterRecord>, length_of<BypassRegisterRecord>},
    {kIdentificationRegisterKind, &ComponentRecord::identification_registers,
     name_of<IdRegisterRecord>, length_of<IdRegisterRecord>},
    {kUsercodeRegisterKind, &ComponentRecord::usercode_registers,
     name_of<IdRegisterRecord>, length_of<IdRegisterRecord>},
    {kBistRegisterKind, &ComponentRecord::bist_registers,
     name_of<BistRegisterRecord>, length_of<BistRegisterRecord>},
    {kDataRegisterKind, &ComponentRecord::data_registers,
     name_of<DataRegisterRecord>, length_of<DataRegisterRecord>},
};

// Calls visit(row, record) for every register of the component in kind
// order and list order, until it returns false; false when it did.
template <typename Visit>
bool each_register(const ComponentRecord *component, Visit visit) {
    for (const RegisterList &row : kRegisterLists) {
        const ItemList *list = component->*row.list;
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
    bool built = !component || each_register(component, [&](const RegisterList &row, const void *record) {
        const char *name = row.name(record);
        if (counted_name_find(g_check.register_names, name) != 0) {
            report_note(context, "Name conflict with register \"%s\"", name ? name : "(noname)");
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
    const void *found = nullptr;
    int32_t (*length)(const void *record) = nullptr;
    if (component && name)
        each_register(component, [&](const RegisterList &row, const void *record) {
            const char *each = row.name(record);
            if (each && std::strcmp(each, name) == 0) {
                found = record;
                length = row.length;
            }
            return !found;
        });
    return found ? length(found) : -1;
}

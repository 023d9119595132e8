// Component queries: the cursors over the seven register kinds
#include "query/query_cursors.h"

namespace {

bool is_register_kind(int32_t kind) {
    return kind >= kFirstRegisterKind && kind < kFirstRegisterKind + kRegisterKinds;
}

ItemList *registers_of_kind(const ComponentRecord *component, int32_t kind) {
    switch (kind) {
    case REGISTER_DATA: return component->data_registers;
    case REGISTER_IDENTIFICATION: return component->identification_registers;
    case REGISTER_BIST: return component->bist_registers;
    case REGISTER_INSTRUCTION: return component->instruction_registers;
    case REGISTER_USERCODE: return component->usercode_registers;
    case REGISTER_BOUNDARY_SCAN: return component->boundary_scan_registers;
    case REGISTER_BYPASS: return component->bypass_registers;
    default: return nullptr;
    }
}

list_cursor<void> &cursor_of(int32_t kind) { return g_cursors.registers[kind - kFirstRegisterKind]; }

// Reads one field of a register through its own record type.
template <typename Result, typename Read>
Result read_register(int32_t kind, const void *record, Result absent, Read read) {
    if (!record)
        return absent;
    switch (kind) {
    case REGISTER_DATA: return read(static_cast<const DataRegisterRecord *>(record));
    case REGISTER_IDENTIFICATION:
    case REGISTER_USERCODE: return read(static_cast<const IdRegisterRecord *>(record));
    case REGISTER_BIST: return read(static_cast<const BistRegisterRecord *>(record));
    case REGISTER_INSTRUCTION: return read(static_cast<const InstructionRegisterRecord *>(record));
    case REGISTER_BOUNDARY_SCAN: return read(static_cast<const BoundaryScanRegisterRecord *>(record));
    case REGISTER_BYPASS: return read(static_cast<const BypassRegisterRecord *>(record));
    default: return absent;
    }
}

template <typename Register>
const char *capture_of(const Register *record) {
    if constexpr (requires { record->capture_value; })
        return record->capture_value;
    else
        return nullptr;
}

}  // namespace

int32_t open_register_kind(int32_t kind) {
    ComponentRecord *component = current_component();
    if (!component || !is_register_kind(kind))
        return 0;
    ItemList *registers = registers_of_kind(component, kind);
    if (!registers || registers->count < 1)
        return 0;
    cursor_of(kind) = {1, registers->items[0]};
    return 1;
}

int32_t next_register_of_kind(int32_t kind) {
    ComponentRecord *component = current_component();
    if (!component || !is_register_kind(kind))
        return 0;
    ItemList *registers = registers_of_kind(component, kind);
    list_cursor<void> &cursor = cursor_of(kind);
    if (!registers || cursor.position >= registers->count)
        return 0;
    cursor.record = registers->items[cursor.position++];
    return 1;
}

void *current_register(int32_t kind) {
    if (!current_component() || !is_register_kind(kind))
        return nullptr;
    return cursor_of(kind).record;
}

const char *register_name(int32_t kind, const void *record) {
    return read_register(kind, record, static_cast<const char *>(nullptr),
                         [](const auto *r) -> const char * { return r->name; });
}

int32_t register_length(int32_t kind, const void *record) {
    return read_register(kind, record, 0, [](const auto *r) -> int32_t { return r->length; });
}

const char *register_capture_value(int32_t kind, const void *record) {
    return read_register(kind, record, static_cast<const char *>(nullptr),
                         [](const auto *r) -> const char * { return capture_of(r); });
}

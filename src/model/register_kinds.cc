// Register kinds: the table of the seven kinds and its lookups
#include "model/register_kinds.h"

#include "model/release.h"
#include "model/statements.h"

namespace {

// The rows keep untyped records; these give each its own record type back.
template <typename Register>
RegisterFields fields_as(void *record) {
    return register_fields(static_cast<Register *>(record));
}

template <typename Register, void (*release)(HostContext *, Register *)>
void release_as(HostContext *context, void *record) {
    release(context, static_cast<Register *>(record));
}

const RegisterKindRow kRows[kRegisterKindCount] = {
    {KIND_INSTRUCTION_REGISTER, TAG_INSTRUCTION_REGISTER, REGISTER_INSTRUCTION, "Instructionregister",
     &ComponentRecord::instruction_registers, fields_as<InstructionRegisterRecord>,
     release_as<InstructionRegisterRecord, release_instruction_register>},
    {KIND_BOUNDARY_SCAN_REGISTER, TAG_BOUNDARY_SCAN_REGISTER, REGISTER_BOUNDARY_SCAN, "BoundaryScanregister",
     &ComponentRecord::boundary_scan_registers, fields_as<BoundaryScanRegisterRecord>,
     release_as<BoundaryScanRegisterRecord, release_boundary_scan_register>},
    {KIND_BYPASS_REGISTER, TAG_BYPASS_REGISTER, REGISTER_BYPASS, "ByPassregister",
     &ComponentRecord::bypass_registers, fields_as<BypassRegisterRecord>,
     release_as<BypassRegisterRecord, release_bypass_register>},
    {KIND_IDENTIFICATION_REGISTER, TAG_IDENTIFICATION_REGISTER, REGISTER_IDENTIFICATION,
     "ID or USERCODE register", &ComponentRecord::identification_registers, fields_as<IdRegisterRecord>,
     release_as<IdRegisterRecord, release_id_register>},
    {KIND_USERCODE_REGISTER, TAG_USERCODE_REGISTER, REGISTER_USERCODE, "ID or USERCODE register",
     &ComponentRecord::usercode_registers, fields_as<IdRegisterRecord>,
     release_as<IdRegisterRecord, release_id_register>},
    {KIND_BIST_REGISTER, TAG_BIST_REGISTER, REGISTER_BIST, "BISTregister", &ComponentRecord::bist_registers,
     fields_as<BistRegisterRecord>, release_as<BistRegisterRecord, release_bist_register>},
    {KIND_DATA_REGISTER, TAG_DATA_REGISTER, REGISTER_DATA, "Dataregister", &ComponentRecord::data_registers,
     fields_as<DataRegisterRecord>, release_as<DataRegisterRecord, release_data_register>},
};

template <typename Matches>
const RegisterKindRow *find_row(Matches matches) {
    for (const RegisterKindRow &row : kRows)
        if (matches(row))
            return &row;
    return nullptr;
}

// Reading needs no write access; the fields routine hands out writable
// pointers only because the constructors and the checks write through them.
RegisterFields read_fields(const RegisterKindRow &row, const void *record) {
    return row.fields(const_cast<void *>(record));
}

}  // namespace

std::span<const RegisterKindRow> register_kinds() { return kRows; }

const RegisterKindRow *register_kind(int32_t kind) {
    return kind >= 1 && kind <= kRegisterKindCount ? &kRows[kind - 1] : nullptr;
}

const RegisterKindRow *register_kind_of_query_code(int32_t code) {
    return find_row([code](const RegisterKindRow &row) { return row.query_code == code; });
}

ItemList *registers_in(const ComponentRecord *component, const RegisterKindRow &row) {
    return component->*row.list;
}

const char *register_record_name(const RegisterKindRow &row, const void *record) {
    return record ? *read_fields(row, record).name : nullptr;
}

int32_t register_record_length(const RegisterKindRow &row, const void *record) {
    return record ? *read_fields(row, record).length : 0;
}

const char *register_record_capture(const RegisterKindRow &row, const void *record) {
    if (!record)
        return nullptr;
    RegisterFields fields = read_fields(row, record);
    return fields.capture_value ? *fields.capture_value : nullptr;
}

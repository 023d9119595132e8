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

#define OXEL_REGISTER_KIND_ROW(KIND, CODE, code, label, list, Record, release)                                \
    {KIND_##KIND, TAG_##KIND, REGISTER_##CODE, label, &ComponentRecord::list, fields_as<Record>,                \
     release_as<Record, release>},
const RegisterKindRow kRows[kRegisterKindCount] = {OXEL_REGISTER_KINDS(OXEL_REGISTER_KIND_ROW)};
#undef OXEL_REGISTER_KIND_ROW

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

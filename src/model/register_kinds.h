// Register kinds: one table row per kind of register a component holds
#pragma once

#include <span>

#include "model/register_fields.h"
#include "oxel32.h"

// The register kinds, numbered in the order the checks walk a component's
// register lists; the table's rows stand in this order.
enum RegisterKind : int32_t {
    KIND_INSTRUCTION_REGISTER = 1,
    KIND_BOUNDARY_SCAN_REGISTER = 2,
    KIND_BYPASS_REGISTER = 3,
    KIND_IDENTIFICATION_REGISTER = 4,
    KIND_USERCODE_REGISTER = 5,
    KIND_BIST_REGISTER = 6,
    KIND_DATA_REGISTER = 7,
};
constexpr int32_t kRegisterKindCount = 7;

// The codes by which the queries name the current register of a kind; each
// is also the attribute code of that register.
enum RegisterKindCode : int32_t {
    REGISTER_DATA = 27,
    REGISTER_IDENTIFICATION = 28,
    REGISTER_BIST = 29,
    REGISTER_INSTRUCTION = 30,
    REGISTER_USERCODE = 31,
    REGISTER_BOUNDARY_SCAN = 32,
    REGISTER_BYPASS = 33,
};

// One register kind. Identification and usercode registers share a record
// type (IdRegisterRecord) and a label, but not a tag, a code or a list.
struct RegisterKindRow {
    RegisterKind kind;
    int32_t tag;                                  // its section statement's tag (model/statements.h)
    RegisterKindCode query_code;
    const char *label;                            // names the register in the constructor's messages
    ItemList *ComponentRecord::*list;             // where a component keeps registers of the kind
    RegisterFields (*fields)(void *record);       // the shared fields of one of its records
    void (*release)(HostContext *context, void *record);
};

// The rows in kind order, for walking.
std::span<const RegisterKindRow> register_kinds();

// Lookups; each is null for a number that names no register kind.
const RegisterKindRow *register_kind(int32_t kind);
const RegisterKindRow *register_kind_of_query_code(int32_t code);

// The registers of a kind in a component (null when it has none listed).
ItemList *registers_in(const ComponentRecord *component, const RegisterKindRow &row);

// The shared fields of a register record of the row's kind, read only. A
// null record reads as null or 0; so does the capture value of a kind that
// has none (the boundary-scan register).
const char *register_record_name(const RegisterKindRow &row, const void *record);
int32_t register_record_length(const RegisterKindRow &row, const void *record);
const char *register_record_capture(const RegisterKindRow &row, const void *record);

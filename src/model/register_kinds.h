// Register kinds: one table row per kind of register a component holds
#pragma once

#include <span>

#include "model/register_fields.h"
#include "oxel32.h"

// The register kinds, one row each, in the order the checks walk a
// component's register lists: X(KIND, CODE, code, label, list, Record,
// release). KIND names the kind (KIND_<KIND>) and its section statement
// (TAG_<KIND>, model/statements.h); CODE and code name it to the queries
// (REGISTER_<CODE>, also the attribute code of that register); label names
// it in the constructor's messages; list is where a component keeps its
// registers, Record their record type and release what releases one.
#define OXEL_REGISTER_KINDS(X)                                                                                  \
    X(INSTRUCTION_REGISTER, INSTRUCTION, 30, "Instructionregister", instruction_registers,                      \
      InstructionRegisterRecord, release_instruction_register)                                                 \
    X(BOUNDARY_SCAN_REGISTER, BOUNDARY_SCAN, 32, "BoundaryScanregister", boundary_scan_registers,               \
      BoundaryScanRegisterRecord, release_boundary_scan_register)                                              \
    X(BYPASS_REGISTER, BYPASS, 33, "ByPassregister", bypass_registers, BypassRegisterRecord,                    \
      release_bypass_register)                                                                                  \
    X(IDENTIFICATION_REGISTER, IDENTIFICATION, 28, "ID or USERCODE register", identification_registers,         \
      IdRegisterRecord, release_id_register)                                                                    \
    X(USERCODE_REGISTER, USERCODE, 31, "ID or USERCODE register", usercode_registers, IdRegisterRecord,         \
      release_id_register)                                                                                      \
    X(BIST_REGISTER, BIST, 29, "BISTregister", bist_registers, BistRegisterRecord, release_bist_register)       \
    X(DATA_REGISTER, DATA, 27, "Dataregister", data_registers, DataRegisterRecord, release_data_register)

// The kinds, numbered from 1 in row order.
#define OXEL_REGISTER_KIND_ENUM(KIND, CODE, code, label, list, Record, release) KIND_##KIND,
enum RegisterKind : int32_t {
    KIND_NO_REGISTER = 0,
    OXEL_REGISTER_KINDS(OXEL_REGISTER_KIND_ENUM)
};
#undef OXEL_REGISTER_KIND_ENUM
#define OXEL_REGISTER_KIND_COUNT(KIND, CODE, code, label, list, Record, release) +1
constexpr int32_t kRegisterKindCount = 0 OXEL_REGISTER_KINDS(OXEL_REGISTER_KIND_COUNT);
#undef OXEL_REGISTER_KIND_COUNT

// The codes by which the queries name the current register of a kind.
#define OXEL_REGISTER_KIND_CODE(KIND, CODE, code, label, list, Record, release) REGISTER_##CODE = code,
enum RegisterKindCode : int32_t { OXEL_REGISTER_KINDS(OXEL_REGISTER_KIND_CODE) };
#undef OXEL_REGISTER_KIND_CODE

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

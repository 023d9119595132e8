// Component queries: register lengths, capture codes and register types
#include "query/register_queries.h"

#include <cstring>
#include <initializer_list>
#include <strings.h>

#include "query/attributes.h"
#include "query/instruction_queries.h"
#include "query/register_cursors.h"
#include "query/text_buffer.h"

namespace {

bool same_name(const char *a, const char *b) { return a && b && strcasecmp(a, b) == 0; }

// Walks the registers of a kind from the first on until one has the name;
// that one stays current for its kind (else the last one visited does).
bool find_register_named(query_cursors &q, int32_t kind, const char *name) {
    if (!open_register_kind(q, kind))
        return false;
    do
        if (same_name(attribute_text(q, kind), name))
            return true;
    while (next_register_of_kind(q, kind));
    return false;
}

// Whether the first register of a kind has the name.
bool first_register_named(query_cursors &q, int32_t kind, const char *name) {
    return open_register_kind(q, kind) && same_name(attribute_text(q, kind), name);
}

// What the current instruction selects: the kind of register that bears
// its register name, as a type word; for a data register its own name
// (unless that name is itself one of the type words); else "NOT_FOUND".
const char *selected_register_type(query_cursors &q) {
    static const struct {
        int32_t kind;
        const char *word;
    } kTypeWords[] = {{REGISTER_BOUNDARY_SCAN, "BSREG"}, {REGISTER_BYPASS, "BPREG"},
                      {REGISTER_IDENTIFICATION, "IDREG"}, {REGISTER_USERCODE, "UCREG"},
                      {REGISTER_BIST, "BISTREG"}};
    const char *selected =
        q.current_instruction ? q.current_instruction->register_name : nullptr;
    if (!selected)
        return "NOT_FOUND";
    for (const auto &type : kTypeWords)
        if (find_register_named(q, type.kind, selected))
            return type.word;
    if (find_register_named(q, REGISTER_DATA, selected)) {
        for (const auto &type : kTypeWords)
            if (same_name(selected, type.word))
                return "DREG";
        return selected;
    }
    return "NOT_FOUND";
}

}  // namespace

int32_t open_current_component_boundary_scan_register(query_cursors &q) {
    return open_register_kind(q, REGISTER_BOUNDARY_SCAN);
}

int32_t get_current_component_boundary_scan_register_length(query_cursors &q) {
    return attribute_length(q, REGISTER_BOUNDARY_SCAN);
}

int32_t get_current_component_instruction_register_length(query_cursors &q) {
    return open_register_kind(q, REGISTER_INSTRUCTION) ? attribute_length(q, REGISTER_INSTRUCTION) : 0;
}

const char *get_current_component_instruction_register_capture_code(query_cursors &q) {
    return open_register_kind(q, REGISTER_INSTRUCTION) ? attribute_capture(q, REGISTER_INSTRUCTION)
                                                    : nullptr;
}

const char *get_current_component_idcode_register_capture_code(query_cursors &q) {
    return open_register_kind(q, REGISTER_IDENTIFICATION) ? attribute_capture(q, REGISTER_IDENTIFICATION)
                                                       : nullptr;
}

const char *get_current_component_usercode_register_capture_code(query_cursors &q) {
    return open_register_kind(q, REGISTER_USERCODE) ? attribute_capture(q, REGISTER_USERCODE) : nullptr;
}

int32_t get_current_component_register_length(query_cursors &q, const char *name) {
    for (int32_t kind : {REGISTER_BOUNDARY_SCAN, REGISTER_BYPASS, REGISTER_IDENTIFICATION,
                         REGISTER_BIST, REGISTER_INSTRUCTION, REGISTER_USERCODE, REGISTER_DATA})
        if (find_register_named(q, kind, name))
            return attribute_length(q, kind);
    return 0;
}

// Only the first register of each kind is looked at, the data registers
// apart; instruction registers not at all.
const char *get_current_component_register_capture_code(query_cursors &q, const char *name) {
    if (first_register_named(q, REGISTER_BOUNDARY_SCAN, name))
        return nullptr;
    for (int32_t kind : {REGISTER_BYPASS, REGISTER_IDENTIFICATION, REGISTER_BIST, REGISTER_USERCODE})
        if (first_register_named(q, kind, name))
            return attribute_capture(q, kind);
    if (find_register_named(q, REGISTER_DATA, name))
        return attribute_capture(q, REGISTER_DATA);
    return nullptr;
}

void get_current_component_register_type_selected(query_cursors &q, char *buffer) {
    if (!current_component(q) || !buffer)
        return;
    const char *type = selected_register_type(q);
    std::memcpy(buffer, type, std::strlen(type) + 1);
}

int32_t get_current_component_register_type_selected_n(query_cursors &q, char *buffer,
                                                       int32_t size) {
    if (!current_component(q) || !buffer || size < 1)
        return -1;
    return copy_to_buffer(buffer, size, selected_register_type(q));
}


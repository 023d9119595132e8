// Component queries: register lengths, capture codes and register types
#include <cstring>
#include <initializer_list>
#include <strings.h>

#include "query/attributes.h"
#include "query/query_cursors.h"
#include "query/text_buffer.h"

namespace {

bool same_name(const char *a, const char *b) { return a && b && strcasecmp(a, b) == 0; }

// Walks the registers of a kind from the first on until one has the name;
// that one stays current for its kind (else the last one visited does).
bool find_register_named(int32_t kind, const char *name) {
    if (!open_register_kind(kind))
        return false;
    do
        if (same_name(attribute_text(kind), name))
            return true;
    while (next_register_of_kind(kind));
    return false;
}

// Whether the first register of a kind has the name.
bool first_register_named(int32_t kind, const char *name) {
    return open_register_kind(kind) && same_name(attribute_text(kind), name);
}

// What the current instruction selects: the kind of register that bears
// its register name, as a type word; for a data register its own name
// (unless that name is itself one of the type words); else "NOT_FOUND".
const char *selected_register_type() {
    static const struct {
        int32_t kind;
        const char *word;
    } kTypeWords[] = {{REGISTER_BOUNDARY_SCAN, "BSREG"}, {REGISTER_BYPASS, "BPREG"},
                      {REGISTER_IDENTIFICATION, "IDREG"}, {REGISTER_USERCODE, "UCREG"},
                      {REGISTER_BIST, "BISTREG"}};
    const char *selected =
        g_cursors.current_instruction ? g_cursors.current_instruction->register_name : nullptr;
    if (!selected)
        return "NOT_FOUND";
    for (const auto &type : kTypeWords)
        if (find_register_named(type.kind, selected))
            return type.word;
    if (find_register_named(REGISTER_DATA, selected)) {
        for (const auto &type : kTypeWords)
            if (same_name(selected, type.word))
                return "DREG";
        return selected;
    }
    return "NOT_FOUND";
}

}  // namespace

extern "C" {

OXEL_API int32_t oxel_open_current_component_boundary_scan_register(HostContext *) {
    return open_register_kind(REGISTER_BOUNDARY_SCAN);
}

OXEL_API int32_t oxel_get_current_component_boundary_scan_register_length(void) {
    return attribute_length(REGISTER_BOUNDARY_SCAN);
}

OXEL_API int32_t oxel_get_current_component_instruction_register_length(void) {
    return open_register_kind(REGISTER_INSTRUCTION) ? attribute_length(REGISTER_INSTRUCTION) : 0;
}

OXEL_API const char *oxel_get_current_component_instruction_register_capture_code(void) {
    return open_register_kind(REGISTER_INSTRUCTION) ? attribute_capture(REGISTER_INSTRUCTION)
                                                    : nullptr;
}

OXEL_API const char *oxel_get_current_component_idcode_register_capture_code(void) {
    return open_register_kind(REGISTER_IDENTIFICATION) ? attribute_capture(REGISTER_IDENTIFICATION)
                                                       : nullptr;
}

OXEL_API const char *oxel_get_current_component_usercode_register_capture_code(void) {
    return open_register_kind(REGISTER_USERCODE) ? attribute_capture(REGISTER_USERCODE) : nullptr;
}

OXEL_API int32_t oxel_get_current_component_register_length(HostContext *, const char *name) {
    for (int32_t kind : {REGISTER_BOUNDARY_SCAN, REGISTER_BYPASS, REGISTER_IDENTIFICATION,
                         REGISTER_BIST, REGISTER_INSTRUCTION, REGISTER_USERCODE, REGISTER_DATA})
        if (find_register_named(kind, name))
            return attribute_length(kind);
    return 0;
}

// Only the first register of each kind is looked at, the data registers
// apart; instruction registers not at all.
OXEL_API const char *oxel_get_current_component_register_capture_code(HostContext *,
                                                                      const char *name) {
    if (first_register_named(REGISTER_BOUNDARY_SCAN, name))
        return nullptr;
    for (int32_t kind : {REGISTER_BYPASS, REGISTER_IDENTIFICATION, REGISTER_BIST, REGISTER_USERCODE})
        if (first_register_named(kind, name))
            return attribute_capture(kind);
    if (find_register_named(REGISTER_DATA, name))
        return attribute_capture(REGISTER_DATA);
    return nullptr;
}

OXEL_API void oxel_get_current_component_register_type_selected(HostContext *, char *buffer) {
    if (!current_component() || !buffer)
        return;
    const char *type = selected_register_type();
    std::memcpy(buffer, type, std::strlen(type) + 1);
}

OXEL_API int32_t oxel_get_current_component_register_type_selected_n(HostContext *, char *buffer,
                                                                     int32_t size) {
    if (!current_component() || !buffer || size < 1)
        return -1;
    return copy_to_buffer(buffer, size, selected_register_type());
}

}  // extern "C"

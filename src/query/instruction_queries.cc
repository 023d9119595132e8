// Component queries: the instruction cursor and what it shows
#include "query/attributes.h"
#include "query/query_cursors.h"
#include "query/text_buffer.h"

#include <cstring>

namespace {

// Display names of the instruction kinds; kind 8 shows the instruction's
// own name instead when it has one.
const char *const kKindTexts[] = {"UNKNOWN", "EXTEST",   "BYPASS",   "SAMPLE/PRELOAD",
                                  "INTEST",  "RUNBIST",  "IDCODE",   "USERCODE",
                                  "USERINST", "CLAMP",   "HIGHZ"};

const char *kind_text(int32_t kind) {
    if (kind == OXEL_INSTRUCTION_NAMED) {
        const char *name = attribute_text(ATTR_INSTRUCTION_NAME);
        return name ? name : kKindTexts[OXEL_INSTRUCTION_NAMED];
    }
    return kind >= 1 && kind <= OXEL_INSTRUCTION_HIGHZ ? kKindTexts[kind] : kKindTexts[0];
}

ItemList *instructions_of_current_register() {
    auto *instruction_register =
        static_cast<InstructionRegisterRecord *>(current_register(REGISTER_INSTRUCTION));
    return instruction_register ? instruction_register->instructions : nullptr;
}

// Copies the instruction at the cursor's position into the view and makes
// the view current; the result is its kind.
int32_t show_instruction(ItemList *instructions, int32_t position) {
    auto *instruction = static_cast<InstructionRecord *>(instructions->items[position - 1]);
    g_cursors.instruction = {position, instruction};
    g_cursors.instruction_view = {instruction->kind, instruction->mode, instruction->code,
                                  instruction->register_name, instruction->registers};
    g_cursors.current_instruction = &g_cursors.instruction_view;
    return instruction->kind;
}

// The first instruction of the first instruction register; -1 and no
// current instruction when there is none.
int32_t first_instruction() {
    if (!current_component())
        return -1;
    open_register_kind(REGISTER_INSTRUCTION);
    ItemList *instructions = instructions_of_current_register();
    if (!instructions || instructions->count < 1) {
        g_cursors.instruction = {};
        g_cursors.current_instruction = nullptr;
        return -1;
    }
    return show_instruction(instructions, 1);
}

// The next instruction of the current instruction register, not re-opened.
int32_t next_instruction() {
    if (!current_component())
        return -1;
    ItemList *instructions = instructions_of_current_register();
    if (!instructions || g_cursors.instruction.position >= instructions->count) {
        g_cursors.current_instruction = nullptr;
        return -1;
    }
    return show_instruction(instructions, g_cursors.instruction.position + 1);
}

const InstructionView *current_instruction() {
    return current_component() ? g_cursors.current_instruction : nullptr;
}

// The opcode of the first instruction of a kind, which stays current.
const char *instruction_code_of_kind(int32_t kind) {
    if (first_instruction() == -1)
        return nullptr;
    while (g_cursors.current_instruction->kind != kind)
        if (next_instruction() == -1)
            return nullptr;
    return g_cursors.current_instruction->code;
}

}  // namespace

extern "C" {

OXEL_API const char *oxel_get_current_component_extest_instruction(void) {
    return instruction_code_of_kind(OXEL_INSTRUCTION_EXTEST);
}

OXEL_API const char *oxel_get_current_component_bypass_instruction(void) {
    return instruction_code_of_kind(OXEL_INSTRUCTION_BYPASS);
}

OXEL_API const char *oxel_get_current_component_sample_preload_instruction(void) {
    return instruction_code_of_kind(OXEL_INSTRUCTION_SAMPLE_PRELOAD);
}

OXEL_API const char *oxel_get_current_component_ident_instruction(void) {
    return instruction_code_of_kind(OXEL_INSTRUCTION_IDCODE);
}

OXEL_API const char *oxel_get_current_component_clamp_instruction(void) {
    return instruction_code_of_kind(OXEL_INSTRUCTION_CLAMP);
}

OXEL_API const char *oxel_get_current_component_highz_instruction(void) {
    return instruction_code_of_kind(OXEL_INSTRUCTION_HIGHZ);
}

OXEL_API int32_t oxel_get_current_component_first_instruction(void) { return first_instruction(); }

OXEL_API int32_t oxel_get_current_component_next_instruction(void) { return next_instruction(); }

OXEL_API const char *oxel_get_current_component_current_instruction_name(void) {
    const InstructionView *instruction = current_instruction();
    return instruction ? kind_text(instruction->kind) : nullptr;
}

OXEL_API const char *oxel_get_current_component_current_instruction_code(void) {
    const InstructionView *instruction = current_instruction();
    return instruction ? instruction->code : nullptr;
}

OXEL_API const char *oxel_get_current_component_register_selected(void) {
    const InstructionView *instruction = current_instruction();
    return instruction ? instruction->register_name : nullptr;
}

OXEL_API int32_t oxel_current_component_instruction2text(HostContext *, int32_t kind, char *buffer) {
    if (!current_component() || !buffer)
        return 0;
    const char *text = kind_text(kind);
    std::memcpy(buffer, text, std::strlen(text) + 1);
    return 0;
}

OXEL_API int32_t oxel_current_component_instruction2text_n(HostContext *, int32_t kind,
                                                           char *buffer, int32_t size) {
    if (!current_component() || !buffer || size < 1)
        return -1;
    return copy_to_buffer(buffer, size, kind_text(kind));
}

}  // extern "C"

// Component queries: the instruction cursor and what it shows
#include "query/instruction_queries.h"

#include <cstring>

#include "query/attributes.h"
#include "query/register_cursors.h"
#include "query/text_buffer.h"

namespace {

// Display names of the instruction kinds; kind 8 shows the instruction's
// own name instead when it has one.
const char *const kKindTexts[] = {"UNKNOWN", "EXTEST",   "BYPASS",   "SAMPLE/PRELOAD",
                                  "INTEST",  "RUNBIST",  "IDCODE",   "USERCODE",
                                  "USERINST", "CLAMP",   "HIGHZ"};

const char *kind_text(query_cursors &q, int32_t kind) {
    if (kind == OXEL_INSTRUCTION_NAMED) {
        const char *name = attribute_text(q, ATTR_INSTRUCTION_NAME);
        return name ? name : kKindTexts[OXEL_INSTRUCTION_NAMED];
    }
    return kind >= 1 && kind <= OXEL_INSTRUCTION_HIGHZ ? kKindTexts[kind] : kKindTexts[0];
}

ItemList *instructions_of_current_register(query_cursors &q) {
    auto *instruction_register =
        static_cast<InstructionRegisterRecord *>(current_register(q, REGISTER_INSTRUCTION));
    return instruction_register ? instruction_register->instructions : nullptr;
}

// Copies the instruction at the cursor's position into the view and makes
// the view current; the result is its kind.
int32_t show_instruction(query_cursors &q, ItemList *instructions, int32_t position) {
    auto *instruction = static_cast<InstructionRecord *>(instructions->items[position - 1]);
    q.instruction = {position, instruction};
    q.instruction_view = {instruction->kind, instruction->mode, instruction->code,
                                  instruction->register_name, instruction->registers};
    q.current_instruction = &q.instruction_view;
    return instruction->kind;
}

// The first instruction of the first instruction register; -1 and no
// current instruction when there is none.
int32_t first_instruction(query_cursors &q) {
    if (!current_component(q))
        return -1;
    open_register_kind(q, REGISTER_INSTRUCTION);
    ItemList *instructions = instructions_of_current_register(q);
    if (!instructions || instructions->count < 1) {
        q.instruction = {};
        q.current_instruction = nullptr;
        return -1;
    }
    return show_instruction(q, instructions, 1);
}

// The next instruction of the current instruction register, not re-opened.
int32_t next_instruction(query_cursors &q) {
    if (!current_component(q))
        return -1;
    ItemList *instructions = instructions_of_current_register(q);
    if (!instructions || q.instruction.position >= instructions->count) {
        q.current_instruction = nullptr;
        return -1;
    }
    return show_instruction(q, instructions, q.instruction.position + 1);
}

const InstructionView *current_instruction(query_cursors &q) {
    return current_component(q) ? q.current_instruction : nullptr;
}

// The opcode of the first instruction of a kind, which stays current.
const char *instruction_code_of_kind(query_cursors &q, int32_t kind) {
    if (first_instruction(q) == -1)
        return nullptr;
    while (q.current_instruction->kind != kind)
        if (next_instruction(q) == -1)
            return nullptr;
    return q.current_instruction->code;
}

}  // namespace

const char *get_current_component_extest_instruction(query_cursors &q) {
    return instruction_code_of_kind(q, OXEL_INSTRUCTION_EXTEST);
}

const char *get_current_component_bypass_instruction(query_cursors &q) {
    return instruction_code_of_kind(q, OXEL_INSTRUCTION_BYPASS);
}

const char *get_current_component_sample_preload_instruction(query_cursors &q) {
    return instruction_code_of_kind(q, OXEL_INSTRUCTION_SAMPLE_PRELOAD);
}

const char *get_current_component_ident_instruction(query_cursors &q) {
    return instruction_code_of_kind(q, OXEL_INSTRUCTION_IDCODE);
}

const char *get_current_component_clamp_instruction(query_cursors &q) {
    return instruction_code_of_kind(q, OXEL_INSTRUCTION_CLAMP);
}

const char *get_current_component_highz_instruction(query_cursors &q) {
    return instruction_code_of_kind(q, OXEL_INSTRUCTION_HIGHZ);
}

int32_t get_current_component_first_instruction(query_cursors &q) { return first_instruction(q); }

int32_t get_current_component_next_instruction(query_cursors &q) { return next_instruction(q); }

const char *get_current_component_current_instruction_name(query_cursors &q) {
    const InstructionView *instruction = current_instruction(q);
    return instruction ? kind_text(q, instruction->kind) : nullptr;
}

const char *get_current_component_current_instruction_code(query_cursors &q) {
    const InstructionView *instruction = current_instruction(q);
    return instruction ? instruction->code : nullptr;
}

const char *get_current_component_register_selected(query_cursors &q) {
    const InstructionView *instruction = current_instruction(q);
    return instruction ? instruction->register_name : nullptr;
}

int32_t current_component_instruction2text(query_cursors &q, int32_t kind, char *buffer) {
    if (!current_component(q) || !buffer)
        return 0;
    const char *text = kind_text(q, kind);
    std::memcpy(buffer, text, std::strlen(text) + 1);
    return 0;
}

int32_t current_component_instruction2text_n(query_cursors &q, int32_t kind,
                                             char *buffer, int32_t size) {
    if (!current_component(q) || !buffer || size < 1)
        return -1;
    return copy_to_buffer(buffer, size, kind_text(q, kind));
}


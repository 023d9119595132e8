// Register writer: instruction lines, capture values, chain elements and cell modes
#include "write/register_writer.h"

#include <initializer_list>

#include "write/oxel_words.h"
#include "write/pin_writer.h"
#include "write/section_frame.h"

namespace {

// The instruction keywords by kind; a named instruction writes its name.
const char *const kInstructionKeywords[] = {nullptr, "EXTEST", "BYPASS", "SAMPLE_PRELOAD", "INTEST", "RUNBIST",
                                            "IDCODE", "USERCODE", nullptr, "CLAMP", "HIGHZ"};
// The mode keywords by code.
const char *const kModeKeywords[] = {nullptr, "INTERNAL", "EXTERNAL", "SAMPLE", "PRIVATE", "HIGHZ", "HIZ"};

bool put_mode(TextOut &out, int32_t mode, const char *name) {
    if (mode == OXEL_MODE_NAMED)
        return put_name(out, name, NameSpot::keyword);
    if (name)
        return false;
    if (mode == OXEL_MODE_NONE) {
        put_token(out, "-");
        return true;
    }
    if (mode < 1 || mode > 6)
        return false;
    put_token(out, kModeKeywords[mode]);
    return true;
}

bool put_instruction_line(TextOut &out, const InstructionRecord *instruction) {
    const int32_t kind = instruction->kind;
    if (kind == OXEL_INSTRUCTION_NAMED) {
        if (!put_name(out, instruction->name, NameSpot::keyword))
            return false;
    } else if (kind >= 1 && kind <= 10 && kInstructionKeywords[kind] && !instruction->name) {
        put_token(out, kInstructionKeywords[kind]);
    } else {
        return false;
    }
    if (!put_string(out, instruction->code))
        return false;
    if (!instruction->register_name)
        put_token(out, "-");
    else if (!put_name(out, instruction->register_name, NameSpot::name))
        return false;
    if (!put_mode(out, instruction->mode, instruction->mode_name) || !instruction->registers)
        return false;
    if (instruction->registers->count == 0) {
        put_token(out, "-");
        return true;
    }
    return put_name_list(out, instruction->registers);
}

// A parameter column of a chain element: one word or a bracketed list of
// words separated by blanks; "-" is the dash.
bool put_chain_word(TextOut &out, const char *text) {
    if (text && text[0] == '-' && text[1] == '\0') {
        put_token(out, "-");
        return true;
    }
    return put_word(out, text, NameSpot::name);
}

bool put_chain_params(TextOut &out, const ItemList *params) {
    if (!params || params->count < 1)
        return false;
    if (params->count == 1)
        return put_chain_word(out, static_cast<const char *>(params->items[0]));
    put_opening(out, '[', false);
    for (int32_t i = 0; i < params->count; i++)
        if (!put_chain_word(out, static_cast<const char *>(params->items[i])))
            return false;
    put_closing(out, ']');
    return true;
}

// A capture or output item of a cell mode; "-" for none.
bool put_cell_spec(TextOut &out, const ModeSpecRecord *spec) {
    if (!spec) {
        put_token(out, "-");
        return true;
    }
    if (spec->reserved)
        return false;
    switch (spec->code) {
    case OXEL_CAPTURE_NAME:
        return put_name(out, spec->name, NameSpot::keyword);
    case OXEL_CAPTURE_NUMBER:
        return put_integer_text(out, spec->name);
    case OXEL_CAPTURE_UPDATE:
    case OXEL_CAPTURE_SI:
    case OXEL_CAPTURE_Z:
        if (spec->name)
            return false;
        put_token(out, spec->code == OXEL_CAPTURE_UPDATE ? "UPDATE" : spec->code == OXEL_CAPTURE_SI ? "SI" : "Z");
        return true;
    default:
        return false;
    }
}

bool put_cell_mode_line(TextOut &out, const CellModeRecord *mode) {
    if (!put_mode(out, mode->mode, mode->mode_name))
        return false;
    if (!mode->select) {
        put_token(out, "-");
    } else {
        put_token(out, "SELECT");
        put_closing(out, ':');
        if (!put_string(out, mode->select))
            return false;
    }
    const ItemList *outputs = mode->outputs;
    if (!put_cell_spec(out, mode->capture) || !outputs)
        return false;
    if (outputs->count == 0) {
        put_token(out, "-");
        return true;
    }
    if (outputs->count == 1 && outputs->items[0])
        return put_cell_spec(out, static_cast<const ModeSpecRecord *>(outputs->items[0]));
    put_opening(out, '[', false);
    for (int32_t i = 0; i < outputs->count; i++)
        if (!put_cell_spec(out, static_cast<const ModeSpecRecord *>(outputs->items[i])))
            return false;
    put_closing(out, ']');
    return true;
}

}  // namespace

void write_instruction(TextOut &out, const InstructionRecord *instruction) {
    begin_line(out);
    if (!put_instruction_line(out, instruction))
        cannot_write(out, "Instruction", instruction->name ? instruction->name : instruction->code);
}

void write_capture(TextOut &out, const char *keyword, const char *value, const ItemList *status,
                   const char *name) {
    if (!value) {
        if (status)
            cannot_write(out, "Register", name);
        return;
    }
    open_statement(out, keyword);
    if (!put_string(out, value))
        return cannot_write(out, "Register", name);
    if (!status)
        return;
    if (status->count < 1)
        return cannot_write(out, "Register", name);
    out.depth++;
    open_block(out, "CAPTURE_STATUS_LIST");
    for (int32_t i = 0; i < status->count; i++) {
        const auto *entry = static_cast<const CaptureStatusRecord *>(status->items[i]);
        if (!entry)
            continue;
        begin_line(out);
        if (!put_string(out, entry->value))
            return cannot_write(out, "Register", name);
        put_token(out, ":");
        if (!put_string(out, entry->description))
            return cannot_write(out, "Register", name);
    }
    close_section(out, "CAPTURE_STATUS_LIST");
    out.depth--;
}

void write_chain_element(TextOut &out, const ChainElementRecord *element) {
    begin_line(out);
    put_integer(out, element->position);
    bool written = put_name(out, element->cell_name, NameSpot::name) &&
                   put_pin_ref(out, element->pin, NameSpot::name);
    for (const ItemList *params : {element->input_params, element->output_params, element->third_params,
                                   element->control_cells, element->disable_values})
        written = written && put_chain_params(out, params);
    if (!written)
        cannot_write(out, "Element", element->cell_name);
}

void write_cell_mode(TextOut &out, const CellModeRecord *mode) {
    begin_line(out);
    if (!put_cell_mode_line(out, mode))
        cannot_write(out, "Mode", mode->mode_name);
}

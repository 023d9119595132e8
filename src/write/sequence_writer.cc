// Sequence writer: test sequences and illegal vectors, one VRAK instruction a line
#include "write/sequence_writer.h"

#include <initializer_list>

#include "write/oxel_words.h"
#include "write/pin_writer.h"
#include "write/section_frame.h"

namespace {

// The mnemonics by VrakKind (kind 2 is not used).
const char *const kMnemonics[] = {nullptr, "RST", nullptr, "WTN", "BPV", "CNF", "TAP", "ITP", "PPA", "CMT", "DRS"};

// `target, R0` (the reset state is not kept), `target, n` or
// `target, bits, pattern`.
bool put_operand(TextOut &out, int32_t kind, const VrakOperandRecord *operand) {
    if (!operand || operand->reserved || !put_word(out, operand->target, NameSpot::name))
        return false;
    put_closing(out, ',');
    if (kind == OXEL_VRAK_RST) {
        put_token(out, "R0");
        return !operand->value && !operand->count;
    }
    if (kind == OXEL_VRAK_WTN)
        return !operand->count && put_integer_text(out, operand->value);
    put_integer(out, operand->count);
    put_closing(out, ',');
    return put_pattern(out, operand->value);
}

// `T, name (TDI: a, b) ...`: the signals in TAP order, those given.
bool put_serial_group(TextOut &out, const PpaSerialGroupRecord *group) {
    if (!group)
        return false;
    put_token(out, "T");
    put_closing(out, ',');
    if (!put_name(out, group->name, NameSpot::name))
        return false;
    struct Signal {
        const char *keyword;
        const ItemList *names;
    };
    bool any = false;
    for (const Signal &signal : {Signal{"TDI", group->tdi}, Signal{"TDO", group->tdo}, Signal{"TMS", group->tms},
                                 Signal{"TCK", group->tck}, Signal{"TRST", group->trst}}) {
        if (!signal.names)
            continue;
        if (signal.names->count < 1)
            return false;
        put_opening(out, '(', false);
        put_token(out, signal.keyword);
        put_closing(out, ':');
        for (int32_t i = 0; i < signal.names->count; i++) {
            if (i > 0)
                put_closing(out, ',');
            if (!put_word(out, static_cast<const char *>(signal.names->items[i]), NameSpot::name))
                return false;
        }
        put_closing(out, ')');
        any = true;
    }
    return any;
}

// `P, name, count, pin, ...`: the count is read and not kept; the pins after
// the first are read with keywords on.
bool put_parallel_group(TextOut &out, const PpaParallelGroupRecord *group) {
    if (!group || !group->pins || group->pins->count < 1)
        return false;
    put_token(out, "P");
    put_closing(out, ',');
    if (!put_word(out, group->name, NameSpot::keyword))
        return false;
    put_closing(out, ',');
    put_integer(out, group->pins->count);
    for (int32_t i = 0; i < group->pins->count; i++) {
        put_closing(out, ',');
        if (!put_pin_ref(out, static_cast<const PinRefRecord *>(group->pins->items[i]),
                         i == 0 ? NameSpot::name : NameSpot::keyword))
            return false;
    }
    return true;
}

// The serial groups, then the parallel ones, separated by semicolons.
bool put_ppa(TextOut &out, const PpaRecord *ppa) {
    if (!ppa)
        return false;
    bool first = true;
    for (int32_t i = 0; ppa->serial_groups && i < ppa->serial_groups->count; i++, first = false) {
        if (!first)
            put_closing(out, ';');
        if (!put_serial_group(out, static_cast<const PpaSerialGroupRecord *>(ppa->serial_groups->items[i])))
            return false;
    }
    for (int32_t i = 0; ppa->parallel_groups && i < ppa->parallel_groups->count; i++, first = false) {
        if (!first)
            put_closing(out, ';');
        if (!put_parallel_group(out, static_cast<const PpaParallelGroupRecord *>(ppa->parallel_groups->items[i])))
            return false;
    }
    return !first;
}

bool put_instruction(TextOut &out, const VrakInstructionRecord *instruction) {
    const int32_t kind = instruction->kind;
    if (kind < 1 || kind > 10 || !kMnemonics[kind])
        return false;
    put_token(out, kMnemonics[kind]);
    put_opening(out, '(', true);
    bool written;
    if (kind == OXEL_VRAK_CMT) {
        written = put_string(out, static_cast<const char *>(instruction->operand));
    } else if (kind == OXEL_VRAK_PPA) {
        written = put_ppa(out, static_cast<const PpaRecord *>(instruction->operand));
    } else {
        const auto *operands = static_cast<const ItemList *>(instruction->operand);
        written = operands && operands->count > 0;
        for (int32_t i = 0; written && i < operands->count; i++) {
            if (i > 0)
                put_closing(out, ';');
            written = put_operand(out, kind, static_cast<const VrakOperandRecord *>(operands->items[i]));
        }
    }
    put_closing(out, ')');
    return written;
}

}  // namespace

void write_sequence(TextOut &out, const char *keyword, const SequenceRecord *sequence) {
    if (!open_section(out, keyword, sequence->name, "Sequence"))
        return;
    const ItemList *instructions = sequence->instructions;
    if (!instructions || instructions->count < 1)
        return cannot_write(out, "Sequence", sequence->name);
    for (int32_t i = 0; i < instructions->count; i++) {
        const auto *instruction = static_cast<const VrakInstructionRecord *>(instructions->items[i]);
        if (!instruction)
            continue;
        begin_line(out);
        if (!put_instruction(out, instruction))
            return cannot_write(out, "Sequence", sequence->name);
    }
    close_section(out, keyword);
}

// Statement writer: the statements of a component, a board, a register or a cell, as the statement table says
#include "write/statement_writer.h"

#include <initializer_list>
#include <type_traits>

#include "model/statements.h"
#include "write/board_writer.h"
#include "write/family_writer.h"
#include "write/header_writer.h"
#include "write/oxel_words.h"
#include "write/pin_writer.h"
#include "write/register_writer.h"
#include "write/section_frame.h"
#include "write/sequence_writer.h"

namespace {

template <typename Holder>
void write_holder_statements(TextOut &out, const Holder *holder);

// The entries of a list block.
void write_entry(TextOut &out, const PinRecord *pin) { write_pin_entry(out, pin); }
void write_entry(TextOut &out, const NetRecord *net) { write_net(out, net); }
void write_entry(TextOut &out, const InstructionRecord *instruction) { write_instruction(out, instruction); }
void write_entry(TextOut &out, const ChainElementRecord *element) { write_chain_element(out, element); }
void write_entry(TextOut &out, const CellModeRecord *mode) { write_cell_mode(out, mode); }

// `KEYWORD`, the entries a line each, `END KEYWORD`. Only a MODE_LIST may be
// empty; the others read back with one entry at least.
template <typename Entry>
void write_block(TextOut &out, const char *keyword, const ItemList *entries, const char *label, const char *name) {
    int32_t count = 0;
    for (int32_t i = 0; entries && i < entries->count; i++)
        count += entries->items[i] != nullptr;
    if (!entries || (count == 0 && !std::is_same_v<Entry, CellModeRecord>))
        return cannot_write(out, label, name);
    open_block(out, keyword);
    for (int32_t i = 0; i < entries->count; i++)
        if (entries->items[i])
            write_entry(out, static_cast<const Entry *>(entries->items[i]));
    close_section(out, keyword);
}

// Sections of a holder, by their record: the six register records alike.
template <typename Register>
    requires((kHolderBit<Register> & IN_ANY_REGISTER) != 0)
void write_section_record(TextOut &out, const char *keyword, const Register *reg) {
    if (!open_section(out, keyword, reg->name, "Register"))
        return;
    write_holder_statements(out, reg);
    close_section(out, keyword);
}
void write_section_record(TextOut &out, const char *keyword, const CellRecord *cell) {
    // A cell holds at least one statement.
    if (!cell->init_update && !cell->data_inputs && !cell->data_outputs && !cell->data_select && !cell->modes)
        return cannot_write(out, "Cell", cell->name);
    if (!open_section(out, keyword, cell->name, "Cell"))
        return;
    write_holder_statements(out, cell);
    close_section(out, keyword);
}
void write_section_record(TextOut &out, const char *keyword, const BoardChainRecord *chain) {
    write_board_chain(out, keyword, chain);
}
void write_section_record(TextOut &out, const char *keyword, const SequenceRecord *sequence) {
    write_sequence(out, keyword, sequence);
}
void write_section_record(TextOut &out, const char *keyword, const GlobalPerformanceRecord *family) {
    write_global_family(out, keyword, family);
}

template <typename Holder>
const char *holder_label() {
    if constexpr (std::is_same_v<Holder, ComponentRecord>)
        return "Component";
    else if constexpr (std::is_same_v<Holder, BoardRecord>)
        return "Board";
    else if constexpr (std::is_same_v<Holder, CellRecord>)
        return "Cell";
    else
        return "Register";
}

// One statement of the table's row in its written form; `field` is the
// holder's field the row names.
template <StatementForm Form, typename Value, typename Taken, typename Holder, typename Field>
void write_statement(TextOut &out, const char *keyword, const Holder *holder, const Field &field) {
    const char *label = holder_label<Holder>(), *name = holder->name;
    if constexpr (Form == StatementForm::Section) {
        static_assert(std::is_same_v<Taken, Appended>);
        for (int32_t i = 0; field && i < field->count; i++)
            if (field->items[i])
                write_section_record(out, keyword, static_cast<const Value *>(field->items[i]));
    } else if constexpr (Form == StatementForm::Block) {
        if constexpr (std::is_same_v<Value, HeaderRecord>) {
            if (field)
                write_header(out, field);
        } else if constexpr (std::is_same_v<Taken, Appended>) {
            // A list of blocks: one block per list.
            for (int32_t i = 0; field && i < field->count; i++)
                write_block<typename ListItem<Value>::type>(out, keyword,
                                                            static_cast<const ItemList *>(field->items[i]), label,
                                                            name);
        } else if (field) {
            write_block<typename ListItem<Value>::type>(out, keyword, field, label, name);
        }
    } else if constexpr (Form == StatementForm::Value || Form == StatementForm::String) {
        if (field) {
            open_statement(out, keyword);
            if (!put_string(out, field))
                cannot_write(out, label, name);
        }
    } else if constexpr (Form == StatementForm::Integer) {
        // Always written: a register holds one statement at least.
        open_statement(out, keyword);
        put_integer(out, field);
    } else if constexpr (Form == StatementForm::Number) {
        if (field) {
            open_statement(out, keyword);
            if (!put_number(out, field))
                cannot_write(out, label, name);
        }
    } else if constexpr (Form == StatementForm::YesNo) {
        if (field == 1) {
            open_statement(out, keyword);
            put_token(out, "YES");
        } else if (field != 0) {
            cannot_write(out, label, name);
        }
    } else if constexpr (Form == StatementForm::Standard) {
        if (field == OXEL_STANDARD_IEEE_1149_1_1990 || field == OXEL_STANDARD_JTAG_V2_0) {
            open_statement(out, keyword);
            put_token(out, field == OXEL_STANDARD_JTAG_V2_0 ? "JTAG_V2_0" : "IEEE_1149.1_1990");
        } else if (field != OXEL_STANDARD_UNKNOWN) {
            cannot_write(out, label, name);
        }
    } else if constexpr (Form == StatementForm::Names) {
        if (field) {
            open_statement(out, keyword);
            if (!put_name_list(out, field))
                cannot_write(out, label, name);
        }
    } else if constexpr (Form == StatementForm::PinRef) {
        if (field) {
            open_statement(out, keyword);
            if (!put_pin_ref(out, field, NameSpot::keyword))
                cannot_write(out, label, name);
        }
    } else if constexpr (Form == StatementForm::Preload) {
        if (field) {
            begin_line(out);
            put_token(out, keyword);
            bool written = put_name(out, field->register_name, NameSpot::name);
            put_closing(out, ':');
            if (!written || field->reserved || !put_string(out, field->value))
                cannot_write(out, label, name);
        }
    } else if constexpr (Form == StatementForm::Capture) {
        write_capture(out, keyword, holder->capture_value, holder->capture_status, name);
    }
}

template <typename Holder>
void write_holder_statements(TextOut &out, const Holder *holder) {
#define WRITE_STATEMENT(name, tag, token, form, value, field, taken, holders)                                  \
    if constexpr (((holders) & kHolderBit<Holder>) != 0 && !std::is_same_v<taken, IntoDescription>)          \
        write_statement<StatementForm::form, value, taken>(out, #name, holder, holder->field);
    OXEL_STATEMENTS(WRITE_STATEMENT)
#undef WRITE_STATEMENT
}

}  // namespace

void write_statements(TextOut &out, const ComponentRecord *component) { write_holder_statements(out, component); }
void write_statements(TextOut &out, const BoardRecord *board) { write_holder_statements(out, board); }

void write_section(TextOut &out, const char *keyword, const ComponentRecord *component) {
    if (!open_section(out, keyword, component->name, "Component"))
        return;
    write_statements(out, component);
    close_section(out, keyword);
}

void write_section(TextOut &out, const char *keyword, const BoardRecord *board) {
    // A board holds at least one section.
    bool any = board->header;
    for (const ItemList *list : {board->pin_lists, board->chains, board->netlists, board->test_sequences,
                                 board->illegal_sequences, board->global_performances})
        any = any || (list && list->count > 0);
    if (!any)
        return cannot_write(out, "Board", board->name);
    if (!open_section(out, keyword, board->name, "Board"))
        return;
    write_statements(out, board);
    close_section(out, keyword);
}

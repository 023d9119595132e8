// Statements: the tags, values and holders of the statement table, and the statement items
#pragma once

#include <cstdint>
#include <type_traits>

#include "lexer/statement_table.h"
#include "oxel32.h"

// How a statement is written (the table's form column; the table's header
// shows each form).
enum class StatementForm {
    Section, Block, Value, String, Integer, Number, YesNo, Standard, Names, PinRef, Preload, Capture,
};

// The records whose sections hold statements: the bits of the holders
// column. Identification and usercode registers share their record.
enum StatementHolder : uint32_t {
    IN_COMPONENT = 1u << 0,
    IN_BOARD = 1u << 1,
    IN_INSTRUCTION_REGISTER = 1u << 2,
    IN_BOUNDARY_SCAN_REGISTER = 1u << 3,
    IN_BYPASS_REGISTER = 1u << 4,
    IN_ID_REGISTER = 1u << 5,
    IN_BIST_REGISTER = 1u << 6,
    IN_DATA_REGISTER = 1u << 7,
    IN_CELL = 1u << 8,
    IN_ANY_REGISTER = IN_INSTRUCTION_REGISTER | IN_BOUNDARY_SCAN_REGISTER | IN_BYPASS_REGISTER | IN_ID_REGISTER |
                      IN_BIST_REGISTER | IN_DATA_REGISTER,
};

// The holder bit of a record type; 0 for a record that holds no statements.
template <typename Record> inline constexpr uint32_t kHolderBit = 0;
template <> inline constexpr uint32_t kHolderBit<ComponentRecord> = IN_COMPONENT;
template <> inline constexpr uint32_t kHolderBit<BoardRecord> = IN_BOARD;
template <> inline constexpr uint32_t kHolderBit<InstructionRegisterRecord> = IN_INSTRUCTION_REGISTER;
template <> inline constexpr uint32_t kHolderBit<BoundaryScanRegisterRecord> = IN_BOUNDARY_SCAN_REGISTER;
template <> inline constexpr uint32_t kHolderBit<BypassRegisterRecord> = IN_BYPASS_REGISTER;
template <> inline constexpr uint32_t kHolderBit<IdRegisterRecord> = IN_ID_REGISTER;
template <> inline constexpr uint32_t kHolderBit<BistRegisterRecord> = IN_BIST_REGISTER;
template <> inline constexpr uint32_t kHolderBit<DataRegisterRecord> = IN_DATA_REGISTER;
template <> inline constexpr uint32_t kHolderBit<CellRecord> = IN_CELL;

// What a statement carries (the value column), besides a record: a text, a
// number (a double), an integer held in the statement itself, or a list of
// items (texts or records).
struct Text;
struct Number;
struct Integer;
template <typename Item> struct ListOf;

// The item type of a list value.
template <typename Value> struct ListItem {};
template <typename Item> struct ListItem<ListOf<Item>> { using type = Item; };

// The C++ type a value is carried as.
template <typename Value> struct Carried { using type = Value *; };
template <> struct Carried<Text> { using type = char *; };
template <> struct Carried<Number> { using type = double *; };
template <> struct Carried<Integer> { using type = int32_t; };
template <typename Item> struct Carried<ListOf<Item>> { using type = ItemList *; };
template <typename Value> using carried_t = typename Carried<Value>::type;

// How a holder's field takes a value (the taken column).
struct Appended {};         // appended to the holder's list
struct Replaced {};         // replaces, and releases, what the field held
struct Set {};              // an integer stored
struct Captured {};         // a capture's value and status list, into two fields
struct IntoDescription {};  // appended to the description's list, whoever holds it

// The tag of each statement, TAG_<keyword>.
enum StatementTag : int32_t {
#define STATEMENT_TAG(name, tag, ...) TAG_##name = tag,
    OXEL_STATEMENTS(STATEMENT_TAG)
#undef STATEMENT_TAG
};

// A row of the table by its tag, as types and constants.
template <int32_t Tag> struct Statement;
#define STATEMENT_ROW(name, tag, token, form_, value, field, taken, holders_) \
    template <> struct Statement<tag> {                                       \
        using Value = value;                                                  \
        using Taken = taken;                                                  \
        static constexpr StatementForm form = StatementForm::form_;           \
        static constexpr uint32_t holders = holders_;                         \
        static constexpr const char *keyword = #name;                         \
    };
OXEL_STATEMENTS(STATEMENT_ROW)
#undef STATEMENT_ROW

// The keyword of a statement's tag, as written; null for a tag of none.
const char *statement_keyword(int32_t tag);

// A statement on its way from the grammar to its record: {tag, value}, the
// value as the tag's row carries it. On failure (reported) the value is
// released by the tag and null returned.
TaggedItem *make_statement(HostContext *context, int32_t tag, intptr_t value);
template <int32_t Tag>
TaggedItem *make_statement(HostContext *context, carried_t<typename Statement<Tag>::Value> value) {
    if constexpr (std::is_pointer_v<decltype(value)>)
        return make_statement(context, Tag, reinterpret_cast<intptr_t>(value));
    else
        return make_statement(context, Tag, static_cast<intptr_t>(value));
}

// The value of a statement, as its row carries it; a pointer is taken out
// of the statement, so that releasing the statement leaves it alone.
template <typename Value>
carried_t<Value> take_statement_value(TaggedItem *statement) {
    using Carried = carried_t<Value>;
    if constexpr (std::is_pointer_v<Carried>) {
        Carried value = reinterpret_cast<Carried>(statement->value);
        statement->value = 0;
        return value;
    } else {
        return static_cast<Carried>(statement->value);
    }
}

// Releases a statement's value by its tag, then the item; a value of an
// unknown tag is left alone. Null is ignored.
void release_statement(HostContext *context, TaggedItem *statement);
void release_statements(HostContext *context, ItemList *statements);

// Statement routing: each statement's value into its field of the holding record, as the table says
#pragma once

#include <type_traits>

#include "base/memory.h"
#include "base/messages.h"
#include "model/item_list.h"
#include "model/new_record.h"
#include "model/release.h"
#include "model/statements.h"

// Releases a value as its row carries it: a text or number as a block, an
// integer not at all, a list with its items, a record by its routine.
template <typename Value>
void release_carried(HostContext *context, carried_t<Value> value) {
    if constexpr (std::is_same_v<Value, Text> || std::is_same_v<Value, Number>) {
        mem_free(context, value);
    } else if constexpr (std::is_same_v<Value, Integer>) {
        (void)context, (void)value;
    } else if constexpr (requires { typename ListItem<Value>::type; }) {
        using Item = typename ListItem<Value>::type;
        if constexpr (std::is_same_v<Item, char>)
            list_release(context, value);
        else
            list_release_with(context, value, release_carried<Item>);
    } else {
        release_record(context, value);
    }
}

// What became of a statement offered to a record.
enum class Routed { taken, failed, not_taken };

namespace routing {

template <typename Holder, typename Field, typename Value>
Routed take(HostContext *context, Appended, Holder *holder, DescriptionRoot *, Field field, Value *value,
            void (*release)(HostContext *, Value *)) {
    return append_record(context, &field(holder), value, release) ? Routed::taken : Routed::failed;
}

template <typename Holder, typename Field, typename Value>
Routed take(HostContext *context, IntoDescription, Holder *, DescriptionRoot *root, Field field, Value *value,
            void (*release)(HostContext *, Value *)) {
    return append_record(context, &field(root), value, release) ? Routed::taken : Routed::failed;
}

template <typename Holder, typename Field, typename Value>
Routed take(HostContext *context, Replaced, Holder *holder, DescriptionRoot *, Field field, Value *value,
            void (*release)(HostContext *, Value *)) {
    release(context, field(holder));
    field(holder) = value;
    return Routed::taken;
}

template <typename Holder, typename Field>
Routed take(HostContext *, Set, Holder *holder, DescriptionRoot *, Field field, int32_t value,
            void (*)(HostContext *, int32_t)) {
    field(holder) = value;
    return Routed::taken;
}

// The capture's value and status list move into the register's two fields
// and its block is released; a null capture clears both.
template <typename Holder, typename Field>
Routed take(HostContext *context, Captured, Holder *holder, DescriptionRoot *, Field, CaptureRecord *capture,
            void (*)(HostContext *, CaptureRecord *)) {
    mem_free(context, holder->capture_value);
    list_release_with(context, holder->capture_status, release_capture_status);
    holder->capture_value = capture ? capture->value : nullptr;
    holder->capture_status = capture ? capture->status : nullptr;
    mem_free(context, capture);
    return Routed::taken;
}

}  // namespace routing

// Moves a statement's value into the field of `holder` that the table names
// for it (a pin family into `root`'s list), taking it out of the statement.
// `not_taken`: the holder does not hold the statement, which is left as it
// was. `failed`: a list could not be made or grown; the value is gone.
template <typename Holder>
Routed route_statement(HostContext *context, Holder *holder, DescriptionRoot *root, TaggedItem *statement) {
    switch (statement->tag) {
#define ROUTE_STATEMENT(name, tag, token, form, value, field, taken, holders)                                 \
    case tag:                                                                                                \
        if constexpr (((holders) & kHolderBit<Holder>) != 0)                                                \
            return routing::take(context, taken{}, holder, root, [](auto *record) -> auto & { return record->field; }, \
                                 take_statement_value<value>(statement), release_carried<value>);              \
        break;
        OXEL_STATEMENTS(ROUTE_STATEMENT)
#undef ROUTE_STATEMENT
    default:
        break;
    }
    return Routed::not_taken;
}


inline TaggedItem *statement_at(ItemList *statements, int32_t i) {
    return static_cast<TaggedItem *>(statements->items[i]);
}

inline int32_t statement_count(const ItemList *statements) { return statements ? statements->count : 0; }

// A register or a cell, built from its name and its statements in order: a
// repeated statement replaces the earlier one, and a statement the record
// does not take is reported with `label`, pointing at `where` (the section),
// then left in the list. The statements are released afterwards; on failure
// the name and the statements are released.
template <typename Record>
Record *build_from_statements(HostContext *context, const SourceLocation &where, char *name, ItemList *items,
                              const char *label) {
    Record *record = new_record<Record>(context);
    if (!record) {
        mem_free(context, name);
        release_statements(context, items);
        return nullptr;
    }
    record->name = name;
    for (int32_t i = 0; i < statement_count(items); i++) {
        TaggedItem *statement = statement_at(items, i);
        if (route_statement(context, record, nullptr, statement) == Routed::not_taken)
            report_error(context, at(where), "Illegal statement (Type %d) in %s %s", statement->tag, label,
                         show_text(name));
    }
    release_statements(context, items);
    return record;
}

// A board or a component: its name, a copy of the borrowed source reference
// (may be null) and its statements, each routed in order (`not_taken` says
// what one it does not hold does to it; its messages point at `where`, the
// section). A routed value leaves its statement whether routing succeeds or
// not (a failed append has released it already). The statements are
// released afterwards; on failure the record goes too and the result is
// null.
template <typename Holder>
Holder *build_holder(HostContext *context, const SourceLocation &where, DescriptionRoot *root, char *name,
                     const char *source_ref, ItemList *items,
                     bool (*not_taken)(HostContext *, const SourceLocation &, const TaggedItem *),
                     void (*release_holder)(HostContext *, Holder *)) {
    Holder *holder = new_record<Holder>(context);
    if (!holder) {
        mem_free(context, name);
        release_statements(context, items);
        return nullptr;
    }
    holder->name = name;
    bool built = !source_ref || (holder->source_ref = str_duplicate(context, source_ref)) != nullptr;
    for (int32_t i = 0; built && i < statement_count(items); i++) {
        TaggedItem *statement = statement_at(items, i);
        if (!statement)
            continue;
        Routed routed = route_statement(context, holder, root, statement);
        built = routed == Routed::taken || (routed == Routed::not_taken && not_taken(context, where, statement));
    }
    release_statements(context, items);
    if (built)
        return holder;
    release_holder(context, holder);
    return nullptr;
}

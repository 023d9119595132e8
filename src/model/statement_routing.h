// Statement routing: moving the values of section statements into record fields
#pragma once

#include "base/messages.h"
#include "model/description.h"
#include "base/memory.h"
#include "model/item_list.h"
#include "model/new_record.h"
#include "model/release.h"
#include "model/tagged_item.h"

// The statement's value as a pointer, taken out of the statement so that
// releasing the statement afterwards leaves it alone.
template <typename Value>
Value *take_value(TaggedItem *statement) {
    Value *value = reinterpret_cast<Value *>(statement->value);
    statement->value = 0;
    return value;
}

// A repeated statement replaces the earlier value, which is released.
template <typename Block>
void take_block(HostContext *context, Block **field, TaggedItem *statement) {
    mem_free(context, *field);
    *field = take_value<Block>(statement);
}

inline void take_text_list(HostContext *context, ItemList **field, TaggedItem *statement) {
    list_release(context, *field);
    *field = take_value<ItemList>(statement);
}

template <typename Record>
void take_record_list(HostContext *context, ItemList **field, TaggedItem *statement,
                      void (*release_item)(HostContext *, Record *)) {
    list_release_with(context, *field, release_item);
    *field = take_value<ItemList>(statement);
}

template <typename Record>
void take_record(HostContext *context, Record **field, TaggedItem *statement,
                 void (*release)(HostContext *, Record *)) {
    release(context, *field);
    *field = take_value<Record>(statement);
}

// A CAPTURE statement: the pair's value and status list move into the
// register's two fields and the pair block is released; a null pair clears
// both.
inline void take_capture(HostContext *context, char **value, ItemList **status,
                         TaggedItem *statement) {
    CaptureRecord *capture = take_value<CaptureRecord>(statement);
    mem_free(context, *value);
    list_release_with(context, *status, release_capture_status);
    *value = capture ? capture->value : nullptr;
    *status = capture ? capture->status : nullptr;
    mem_free(context, capture);
}

// A mode entry taken apart into a code field and a name field, its block
// freed; a null entry leaves both fields as they are.
inline void take_mode_entry(HostContext *context, ModeSpecRecord *entry, int32_t *code,
                            char **name) {
    if (!entry)
        return;
    *code = entry->code;
    *name = entry->name;
    mem_free(context, entry);
}

// Appends a record to a list field, creating the list (grow step 1) at the
// first. On failure the record and the whole list are gone, the field is
// null, and the result is false.
template <typename Record>
bool append_record(HostContext *context, ItemList **field, Record *record,
                   void (*release_item)(HostContext *, Record *)) {
    *field = *field ? list_append_with(context, *field, record, release_item)
                    : list_create_with(context, record, 1, release_item);
    return *field != nullptr;
}

// What became of a statement offered to route_shared_statement.
enum class Routed { taken, failed, not_shared };

// Routes the statements boards and components both take: pin lists, test
// sequences, illegal vectors and global families onto the holder's lists,
// pin families onto the description's list, a header over the one held
// (the last one wins). `failed`: a list could not be made or grown, the
// value is gone. `not_shared`: the statement is left as it was.
template <typename Holder>
Routed route_shared_statement(HostContext *context, Holder *holder, TaggedItem *s) {
    bool appended;
    switch (s->tag) {
    case TAG_PIN_LIST:
        appended = append_record(context, &holder->pin_lists, take_value<ItemList>(s), release_pin_list);
        break;
    case TAG_TEST_SEQUENCE:
        appended = append_record(context, &holder->test_sequences, take_value<SequenceRecord>(s),
                                 release_sequence);
        break;
    case TAG_ILLEGAL_VECTORS:
        appended = append_record(context, &holder->illegal_sequences, take_value<SequenceRecord>(s),
                                 release_sequence);
        break;
    case TAG_GLOBAL_FAMILY:
        appended = append_record(context, &holder->global_performances,
                                 take_value<GlobalPerformanceRecord>(s), release_global_performance);
        break;
    case TAG_PIN_FAMILY:
        // Pin families belong to the description, not to the holder.
        appended = append_record(context, &description_root()->pin_families, take_value<PinFamilyRecord>(s),
                                 release_pin_family);
        break;
    case TAG_HEADER:
        take_record(context, &holder->header, s, release_header);
        return Routed::taken;
    default:
        return Routed::not_shared;
    }
    return appended ? Routed::taken : Routed::failed;
}

// A statement the record does not take: reported, then left in the
// statement list to be released with it.
inline void report_illegal_statement(HostContext *context, const TaggedItem *statement,
                                     const char *label, const char *name) {
    report_error(context, "Illegal statement (Type %d) in %s %s", statement->tag, label,
                 show_text(name));
}

inline TaggedItem *statement_at(ItemList *statements, int32_t i) {
    return static_cast<TaggedItem *>(statements->items[i]);
}

inline int32_t statement_count(const ItemList *statements) {
    return statements ? statements->count : 0;
}

// A record that holds its name, built by walking its statements in order:
// `take` moves a statement's value into the record and answers true, or
// answers false and the statement is reported with the record's label.
// The statements are released afterwards; on failure the name and the
// statements are released.
template <typename Record>
Record *build_from_statements(HostContext *context, char *name, ItemList *items, const char *label,
                              bool (*take)(HostContext *, Record *, TaggedItem *)) {
    Record *record = new_record<Record>(context);
    if (!record) {
        mem_free(context, name);
        release_statements(context, items);
        return nullptr;
    }
    record->name = name;
    for (int32_t i = 0; i < statement_count(items); i++) {
        TaggedItem *s = statement_at(items, i);
        if (!take(context, record, s))
            report_illegal_statement(context, s, label, name);
    }
    release_statements(context, items);
    return record;
}

// A board or a component: its name, a copy of the borrowed source reference
// (may be null) and its statements, each handed to `route` in order. A
// routed value leaves its statement whether routing succeeds or not (a
// failed append has released it already). The statements are released
// afterwards; on failure the record goes too and the result is null.
template <typename Holder>
Holder *build_holder(HostContext *context, char *name, const char *source_ref, ItemList *items,
                     bool (*route)(HostContext *, Holder *, TaggedItem *),
                     void (*release_holder)(HostContext *, Holder *),
                     void (*release_items)(HostContext *, ItemList *)) {
    Holder *holder = new_record<Holder>(context);
    if (!holder) {
        mem_free(context, name);
        release_items(context, items);
        return nullptr;
    }
    holder->name = name;
    bool built = !source_ref || (holder->source_ref = str_duplicate(context, source_ref)) != nullptr;
    for (int32_t i = 0; built && i < statement_count(items); i++) {
        TaggedItem *statement = statement_at(items, i);
        built = !statement || route(context, holder, statement);
    }
    release_items(context, items);
    if (built)
        return holder;
    release_holder(context, holder);
    return nullptr;
}

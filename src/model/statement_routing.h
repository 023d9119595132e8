// Statement routing: moving the values of section statements into record fields
#pragma once

#include "interface/host_messages.h"
#include "interface/memory.h"
#include "model/item_list.h"
#include "model/release.h"

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

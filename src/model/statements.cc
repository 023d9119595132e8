// Statements: the tags, values and holders of the statement table, and the statement items
#include "model/statements.h"

#include "model/statement_routing.h"

namespace {

template <typename Value>
void release_word(HostContext *context, intptr_t value) {
    using Carried = carried_t<Value>;
    if constexpr (std::is_pointer_v<Carried>)
        release_carried<Value>(context, reinterpret_cast<Carried>(value));
}

void release_statement_value(HostContext *context, int32_t tag, intptr_t value) {
    switch (tag) {
#define RELEASE_STATEMENT_VALUE(name, tag, token, form, value_type, ...) \
    case tag:                                                              \
        release_word<value_type>(context, value);                          \
        break;
        OXEL_STATEMENTS(RELEASE_STATEMENT_VALUE)
#undef RELEASE_STATEMENT_VALUE
    default:
        break;
    }
}

}  // namespace

const char *statement_keyword(int32_t tag) {
    switch (tag) {
#define STATEMENT_KEYWORD(name, tag, ...) \
    case tag:                             \
        return #name;
        OXEL_STATEMENTS(STATEMENT_KEYWORD)
#undef STATEMENT_KEYWORD
    default:
        return nullptr;
    }
}

TaggedItem *make_statement(HostContext *context, int32_t tag, intptr_t value) {
    auto *statement = static_cast<TaggedItem *>(mem_alloc(context, sizeof(TaggedItem)));
    if (!statement) {
        release_statement_value(context, tag, value);
        return nullptr;
    }
    statement->tag = tag;
    statement->value = value;
    return statement;
}

void release_statement(HostContext *context, TaggedItem *statement) {
    if (!statement)
        return;
    release_statement_value(context, statement->tag, statement->value);
    mem_free(context, statement);
}

void release_statements(HostContext *context, ItemList *statements) {
    list_release_with(context, statements, release_statement);
}

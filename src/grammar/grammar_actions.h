// Grammar actions: the helpers the rules of the grammar call
#pragma once

#include "base/memory.h"
#include "base/message_location.h"
#include "grammar/parser_state.h"
#include "grammar/syntax_errors.h"
#include "grammar/token_place.h"
#include "grammar/token_reader.h"
#include "lexer/lexer.h"
#include "model/description.h"
#include "model/header_constructors.h"
#include "model/item_list.h"
#include "model/register_constructors.h"
#include "model/release.h"
#include "model/statements.h"

// Token values. Every helper takes what it is handed and releases what it
// does not pass on.

// Releases an integer literal's text.
void release_integer(HostContext *context, IntegerLiteral literal);
// The literal's value; its text is released.
int32_t take_integer(HostContext *context, IntegerLiteral literal);
// The literal's text, handed over.
char *integer_text(HostContext *context, IntegerLiteral literal);
// A new double holding the literal's value; its text is released. Null
// after a failed allocation.
double *integer_as_double(HostContext *context, IntegerLiteral literal);
// The first word of a bit pattern, which later words are joined to.
char *start_word_run(parser_state *parse, char *first);
// The two words joined into one text; both are released. Null after a
// failed allocation. The text of the pattern grows by doubling.
char *join_words(parser_state *parse, char *head, char *tail);
// A list holding the text "-"; null after a failed allocation.
ItemList *dash_list(HostContext *context);

// Name mode for the word the parser reads next (name_next), or off again
// (name_done): the lexer reads a keyword there as a name.
void name_next(parser_state *parse);
void name_done(parser_state *parse);

// An instruction kind or mode given by its code alone, without a name.
ModeSpecRecord *coded_entry(HostContext *context, int32_t code);
// One given by a keyword that is kept as its name (SAMPLE, HIZ).
ModeSpecRecord *named_entry(HostContext *context, int32_t code, const char *name);

// Where a record was written, remembered in the description: the record,
// or null when it is null or could not be remembered (the allocator has
// reported why), the record then released.
template <typename Record>
Record *remembered(parser_state *parse, const SourceLocation &where, Record *record,
                   void (*release)(HostContext *, Record *)) {
    if (record && !remember_location(parse->host, parse->description->locations, record, where)) {
        release(parse->host, record);
        return nullptr;
    }
    return record;
}

// A register section's statement: the register of the tag's record type,
// built from its name and statements (its messages pointing at `where`,
// where the section begins) and remembered there. Null after a failure,
// everything handed released.
template <int32_t Tag>
TaggedItem *register_statement(parser_state *parse, const SourceLocation &where, char *name, ItemList *items) {
    using Register = typename Statement<Tag>::Value;
    Register *reg = remembered(parse, where, make_register<Register>(parse->host, where, name, items), release_record);
    return reg ? make_statement<Tag>(parse->host, reg) : nullptr;
}

// The parser's stacks start with room for 150 entries and double.
#define YYINITDEPTH 150
#define YYMAXDEPTH 0x1000000

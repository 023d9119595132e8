// Grammar actions: the helpers the rules of the grammar call
#pragma once

#include "grammar/parser_state.h"
#include "base/memory.h"
#include "base/message_location.h"
#include "grammar/token_place.h"
#include "lexer/lexer.h"
#include "model/component_records.h"
#include "model/header_records.h"
#include "model/item_list.h"
#include "model/record_locations.h"
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
char *start_word_run(char *first);
// The two words joined into one text; both are released. Null after a
// failed allocation. The text of the pattern grows by doubling.
char *join_words(HostContext *context, char *head, char *tail);

// An instruction kind or mode given by its code alone, without a name.
ModeSpecRecord *coded_entry(HostContext *context, int32_t code);
// One given by a keyword that is kept as its name (SAMPLE, HIZ).
ModeSpecRecord *named_entry(HostContext *context, int32_t code, const char *name);

// The detail line of a broken capture status entry, chosen by the token the
// error was found at: a ":" means the value was missing.
void report_broken_capture_status(int token);

// The site of a record being built by a rule: while it lives, the messages
// of the record's constructor point where the rule begins, and keep()
// remembers the record built as written there.
struct RecordSite {
    RecordSite(parser_state *parse, const SourceLocation &where) : parse(parse), where(where), here(where) {}

    // The record, remembered; null when it is null or could not be
    // remembered (the allocator has reported why), the record then released.
    template <typename Record>
    Record *keep(Record *record, void (*release)(HostContext *, Record *)) {
        if (record && !remember_location(parse->host, record, where)) {
            release(parse->host, record);
            return nullptr;
        }
        return record;
    }

    parser_state *parse;
    SourceLocation where;
    PointMessagesAt here;
};

// Bison's parser, over the state of one parse.
int yyparse(parser_state *parse);
// Bison's error hook: "syntax error", or "memory exhausted" when the stacks
// cannot grow. It points at the token the parser stopped at (yylloc).
void yyerror(parser_state *parse, const char *message);

// The parser's stacks start with room for 150 entries and double.
#define YYINITDEPTH 150
#define YYMAXDEPTH 0x1000000

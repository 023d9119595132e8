// Grammar actions: the helpers the rules of the grammar call
#pragma once

#include "grammar/parser_state.h"
#include "base/memory.h"
#include "lexer/lexer.h"
#include "model/header_records.h"
#include "model/item_list.h"
#include "model/release.h"
#include "model/tagged_item.h"

// Every action reports through the context of the parse.
#define HOST (g_parser.host)

// Releases an integer literal and its text.
void release_integer(HostContext *context, IntegerLiteral *literal);
// The literal's text, taken out of it; the literal is released.
char *integer_text(IntegerLiteral *literal);
// A new double holding the literal's value; the literal is released. Null
// after a failed allocation.
double *integer_as_double(IntegerLiteral *literal);

// A file-level header replaces the one held; its creation log's reason
// becomes the current source reference.
void file_header(HeaderRecord *header);
// Appends a record to one of the root lists, creating it at the first; on
// failure the record is released and the parse must stop (false).
bool file_record(ItemList **root_list, void *record, void (*release)(HostContext *, void *));

int yyparse();
// Bison's error hook: "syntax error", or "memory exhausted" when the stacks
// cannot grow.
void yyerror(const char *message);

// The parser's stacks start with room for 150 entries and double.
#define YYINITDEPTH 150
#define YYMAXDEPTH 0x1000000

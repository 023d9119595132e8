// Value reader: the pieces every BSDL attribute value is read with
#pragma once

#include "bsdl/bsdl_document.h"
#include "bsdl/import_messages.h"
#include "bsdl/value_scanner.h"

// Reads one attribute's string value token by token; its syntax errors
// name the attribute and point into the string where the token stands.
struct ValueReader {
    BsdlImport &import;
    const char *attribute;  // its name, for messages
    ValueScanner scanner;
    ValueToken token;       // the token being looked at
};

// Starts on the first token of `value`. False when that token is no token
// of a value (reported).
bool value_start(ValueReader &r, BsdlString &value);
bool value_advance(ValueReader &r);
BsdlPlace value_place(const ValueReader &r, const ValueToken &token);
bool value_at_end(const ValueReader &r);

// Reports that `what` was expected where the current token stands; false.
bool value_expected(ValueReader &r, const char *what);
// Takes the symbol, a word or a decimal number, or reports what was expected.
bool value_take_symbol(ValueReader &r, char symbol, const char *what);
bool value_take_word(ValueReader &r, const char *what, ValueToken *word);
bool value_take_number(ValueReader &r, const char *what, int32_t *number, BsdlPlace *place);
// A bit pattern of 0, 1 and X (x upper-cased): the words up to the next
// delimiter closed up into one (a pattern written in groups). A character
// other than these is reported with the pattern, and `kind` of the pattern
// ("opcode of BYPASS") named.
bool value_take_pattern(ValueReader &r, const char *kind, BsdlPattern *pattern);

// After an item of a comma-separated list: true when another item follows
// (its comma taken), false at the end of the value or of a group closed by
// `closing` (left for the caller; 0 for none) and after a syntax error. A
// comma before the end is taken as well: vendors often end a list with one.
bool value_list_goes_on(ValueReader &r, char closing);

// The attribute `id` of the document when the file gives it; null after the
// finding "Missing BSDL attribute", which points at the entity.
BsdlAttribute *given_attribute(BsdlImport &import, BsdlDocument &d, AttributeId id);

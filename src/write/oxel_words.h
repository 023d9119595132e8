// OXEL words: names, strings, numbers and bit patterns written so that the lexer reads them back as they are
#pragma once

#include <cstdint>

#include "write/text_out.h"

// How the reader takes a word at the place a name is written: as a keyword
// when it spells one (a name that does is quoted), or as a name whatever it
// spells but END (the places the reader reads in name mode).
enum class NameSpot { keyword, name };

// A name where the reader takes an identifier or a string: bare when it is a
// word that reads back as a name there, else in double quotes. False (and
// nothing written) for a text no token holds: null, too long, or holding a
// character that ends the reading.
bool put_name(TextOut &out, const char *text, NameSpot spot);
// A text where the reader takes an integer, an identifier or a string (the
// integer's digits kept as written): digits bare, else as put_name.
bool put_word(TextOut &out, const char *text, NameSpot spot);
// A text in double quotes, always.
bool put_string(TextOut &out, const char *text);
// The text of an integer literal where only an integer may stand: its digits
// with the prefix that keeps them (0x for hexadecimal, 0t for a ternary
// vector). False for a text no integer literal keeps.
bool put_integer_text(TextOut &out, const char *text);
void put_integer(TextOut &out, int64_t value);
// A number (REAL or INTEGER read as a double) that reads back to the same
// double; "-" for null. False for a value no number gives (NaN).
bool put_number(TextOut &out, const double *value);
// A bit pattern of a VRAK operand: words the reader joins back into it.
bool put_pattern(TextOut &out, const char *text);
// An index of a bus or a pin reference, a number or a range `first:last`.
bool put_index(TextOut &out, const IndexRecord *index);

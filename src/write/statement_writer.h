// Statement writer: the statements of a component, a board, a register or a cell, as the statement table says
#pragma once

#include "oxel32.h"
#include "write/text_out.h"

// The statements the record holds, in the order of the statement table, each
// in its written form: inline statements first, then the sections below
// them. Pin families are left out: they belong to the whole description.
void write_statements(TextOut &out, const ComponentRecord *component);
void write_statements(TextOut &out, const BoardRecord *board);

// A section `KEYWORD name ... END KEYWORD` of a component or a board.
void write_section(TextOut &out, const char *keyword, const ComponentRecord *component);
void write_section(TextOut &out, const char *keyword, const BoardRecord *board);

// Section frame: the opening line of a section, its closing END line, and its name
#pragma once

#include "write/oxel_words.h"
#include "write/text_out.h"

// `KEYWORD name` on a line of its own, the lines after it one step in; the
// name is read in name mode. False (reported with `label`) for a name no
// text gives.
bool open_section(TextOut &out, const char *keyword, const char *name, const char *label);
// `KEYWORD` alone on its line, the lines after it one step in.
void open_block(TextOut &out, const char *keyword);
// One step out, then `END KEYWORD`.
void close_section(TextOut &out, const char *keyword);
// `KEYWORD:` beginning a statement line.
void open_statement(TextOut &out, const char *keyword);

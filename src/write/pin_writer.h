// Pin writer: pin list entries, pin references and name lists
#pragma once

#include "oxel32.h"
#include "write/oxel_words.h"
#include "write/text_out.h"

// One line of a PIN_LIST: a single pin or a bus.
void write_pin_entry(TextOut &out, const PinRecord *pin);
// A pin reference: `name`, a number, `name(3)`, `name(0:3, 5)` or `-`; its
// name read as `spot` says. False for a reference no text gives.
bool put_pin_ref(TextOut &out, const PinRefRecord *pin, NameSpot spot);
// A bracketed list of names, `[A, B]`, each read in name mode. False for an
// empty list or a null entry.
bool put_name_list(TextOut &out, const ItemList *names);

// Shared values: one copy of the short texts and one-item lists many records hold
#pragma once

#include "oxel32.h"

// Each takes a value a constructor was handed and returns what the record
// keeps: while the description's arena is open, a shared copy of a short
// text met before (the text's first holder keeps its own block), or of a
// one-item list of a short text, the value handed in then released;
// otherwise the value itself. A shared value is read only: mem_free leaves
// it alone and it goes with the arena. Texts changed in place are never
// shared: the cell queries upper-case a cell name (a text with a lower-case
// letter stays unshared), and the chain check settles a disable value X to
// the value of its peers (a text starting with X stays unshared).
char *share_text(HostContext *context, char *text);
ItemList *share_text_list(HostContext *context, ItemList *list);

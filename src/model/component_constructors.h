// Component constructor: a component from its statements
#pragma once

#include "base/message_location.h"
#include "oxel32.h"

// A component from its name, a copy of the borrowed source reference (may
// be null) and its statements (model/statements.h; null: a component
// without items), each routed into its field; pin families join `root`'s
// list. A statement no component holds reports "Internal error in
// mkcomponent", pointing at `where` (the section), and nothing is built.
// It takes ownership of what it is handed, as every constructor does
// (model/pin_constructors.h).
ComponentRecord *make_component(HostContext *context, const SourceLocation &where, DescriptionRoot *root,
                                char *name, const char *source_ref, ItemList *items);

// Entry points: the library state they keep between calls
#pragma once

#include "lexer/lexer_state.h"
#include "model/description.h"
#include "query/query_cursors.h"
#include "oxel32.h"

// The library holds one description at a time and serves one caller: its
// state is this one object, which only the entry points reach. Everything
// below them is handed what it uses.
struct library_state {
    description_state description;   // what OxelParse builds and OxelDestroy releases
    int32_t syntax_errors;           // set by OxelParse from the parser's count
    lexer_state lexer;               // what OxelParse and FileIsOxel read with
    query_cursors cursors;           // where the component queries stand, over the description

    // The cursors stand over the library's description from the start.
    library_state();
};

extern library_state g_library;

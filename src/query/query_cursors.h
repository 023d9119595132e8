// Component queries: the module-wide cursors
#pragma once

#include "oxel32.h"

// Where the host stands in the description: a current component and,
// within it, the current instruction, pin, cell and register.
struct query_cursors {
    int32_t component;      // 1-based position in the component list; 0 none
    int32_t instruction;
    int32_t pin;
    int32_t cell;
    int32_t register_;
};

extern query_cursors g_cursors;

// Back to no current component at all.
void reset_query_cursors();

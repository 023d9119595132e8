// Component queries: the module-wide cursors
#include "query/query_cursors.h"

query_cursors g_cursors;

void reset_query_cursors() { g_cursors = query_cursors{}; }

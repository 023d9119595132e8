// Component queries: the component's source, standard and test frequency
#pragma once

#include "query/query_cursors.h"
#include "oxel32.h"

// The query of the public header with oxel_ before the name, over the
// cursors `q`: oxel32.h says what each answers.
#define OXEL_COMPONENT_QUERIES(X)                                \
    X(const char *, get_current_component_bsd_ref, (void))       \
    X(double, get_current_component_highest_frequency, (void))   \
    X(int32_t, get_current_component_standard, (HostContext *))
OXEL_COMPONENT_QUERIES(OXEL_DECLARE_QUERY)

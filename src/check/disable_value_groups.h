// Disable-value groups: the control cell entries of a chain's elements, grouped by control cell
#pragma once

#include <cstdint>

#include "base/lookup_index.h"
#include "oxel32.h"

// One control cell entry: element `element` of the chain, pair `pair` of its
// control cells and disable values.
struct DisableEntry {
    int32_t element;
    int32_t pair;
};

// Every entry of the chain so far that names one control cell text, in
// chain order, with a count of the disable values that begin with 0, 1 and
// X, so that a settlement that can change nothing is told at once.
struct DisableGroup {
    const char *control;        // borrowed from the first entry
    DisableEntry *entries;
    int32_t count;
    int32_t capacity;
    int32_t zeros, ones, unknowns;
};

// The groups of one chain, built element by element as the chain checks
// advance; the elements before `indexed` are entered.
struct DisableValueGroups {
    const ItemList *chain;
    int32_t indexed;
    DisableGroup **groups;
    int32_t group_count;
    int32_t group_capacity;
    LookupIndex by_control;     // DisableGroup by control text
};

// The group of `control` with every entry of the elements before
// `element` of `chain` entered; null when no earlier entry names it.
// *failed tells a reported allocation failure (the result is then null).
DisableGroup *disable_group_before(HostContext *context, DisableValueGroups &all, const ItemList *chain,
                                   int32_t element, const char *control, bool *failed);

// Keeps a group's counts when a disable value of one of its entries turns
// from `before` to `after`.
void disable_group_recount(DisableGroup *group, char before, char after);

// Frees every group; the next chain starts anew.
void release_disable_groups(HostContext *context, DisableValueGroups &all);

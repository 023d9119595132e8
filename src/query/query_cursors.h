// Component queries: the cursors of the query interface
#pragma once

#include "model/register_kinds.h"
#include "query/chain_position_index.h"
#include "oxel32.h"

// What the instruction queries read: a copy of the current instruction.
struct InstructionView {
    int32_t kind;
    int32_t mode;
    char *code;
    char *register_name;
    ItemList *registers;
};

// A 1-based position in a list and the record there; position 0, none.
template <typename Record>
struct list_cursor {
    int32_t position;
    Record *record;
};

// Where the host stands in the description: a current component and,
// within it, the current register of each kind, pin, instruction and cell.
// The views are the library's own records: pointers to them stay valid,
// and show whatever the last query that refilled them put there.
struct query_cursors {
    DescriptionRoot *root;                           // the description asked about
    list_cursor<ComponentRecord> component;
    list_cursor<void> registers[kRegisterKindCount]; // by RegisterKind - 1
    ItemList *pin_list;                              // the first pin list
    list_cursor<PinRecord> pin;
    list_cursor<InstructionRecord> instruction;      // in the current instruction register
    InstructionView instruction_view;
    InstructionView *current_instruction;            // the view, or null
    list_cursor<ChainElementRecord> chain;           // in the current boundary-scan register
    ChainElementRecord cell_view;
    ChainElementRecord *current_cell;                // the view, or null
    GlobalPerformanceRecord *global_family;          // the component's first
    ItemList *iterated_list;                         // the list iterator
    int32_t iterated_position;
    chain_position_index position_index;             // positions of the last chain looked up (owned)
};

// The plain queries: each query header lists those of its queries that
// take nothing but the cursors as X(Type, name, parameters), where name is
// the export's name without oxel_ and parameters what the export takes
// ((void) or an unused host context). The header declares each from its list;
// the exports (interface/query_exports.cc) define oxel_<name> from it.
#define OXEL_DECLARE_QUERY(Type, name, parameters) Type name(query_cursors &q);

// Back to no current component at all, over the description whose roots
// are `root`; the position index is released.
void reset_query_cursors(query_cursors &q, DescriptionRoot *root);

// The current component, or null. A component counts as current only while
// the description still holds it at the cursor's position, so that the
// queries never read a component that has since been released.
ComponentRecord *current_component(query_cursors &q);
// Makes the component at the 1-based position current (null: none) and
// resets the cursors under it.
void make_component_current(query_cursors &q, int32_t position, ComponentRecord *component);
// Sets every cursor under the current component to its starting place.
void reset_component_cursors(query_cursors &q);

// Walks a list of texts: the first item (null for a null list or a count
// outside 1 to 65536, the iterator then unchanged), then each next one
// (null past the end).
void *list_iter_first(query_cursors &q, ItemList *list);
void *list_iter_next(query_cursors &q);

// Board constructors: boards, board-level chains, part chains and nets
#pragma once

#include "base/message_location.h"
#include "oxel32.h"

// Every constructor takes the context first and ownership of every text,
// list and record it is handed. It returns the new record, or null after a
// reported failure, having then released everything it was handed.

// The codes of the five test access port signals (also their pin types).
enum TapSignal : int32_t {
    TAP_TMS = OXEL_PIN_TMS,
    TAP_TDI = OXEL_PIN_TDI,
    TAP_TDO = OXEL_PIN_TDO,
    TAP_TCK = OXEL_PIN_TCK,
    TAP_TRST = OXEL_PIN_TRST,
};

// A board from its name, a copy of the borrowed source reference (may be
// null) and its statements (model/statements.h), each routed into its
// field; pin families join `root`'s list. A statement no board holds is
// skipped silently. A null statement list builds nothing.
BoardRecord *make_board(HostContext *context, DescriptionRoot *root, char *name, const char *source_ref,
                        ItemList *items);
// One BOARD_LEVEL_TAP entry, on its way into the board-level chain.
struct TapMap {
    int32_t signal;    // a TapSignal, or any other code the grammar gives
    char *net;
};
TapMap *make_tap_map(HostContext *context, int32_t signal, char *net);
// A board-level chain from its TAP entries (TapMap) and its part chain. A
// repeated signal replaces the earlier net; a signal that is no TAP signal
// reports "Invalid pintype in boardtap" at `where` (the section) and builds
// nothing.
BoardChainRecord *make_board_chain(HostContext *context, const SourceLocation &where, char *name,
                                   ItemList *signals, ItemList *parts);
PartChainRecord *make_part_chain(HostContext *context, int32_t position, char *part_name, char *component_name,
                                 char *tms_net, char *tck_net, char *trst_net);
NetRecord *make_net(HostContext *context, char *component_name, PinRefRecord *pin, ItemList *nets);

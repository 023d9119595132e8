// Board writer: board-level chains with their TAP and part chain, and netlist entries
#pragma once

#include "oxel32.h"
#include "write/text_out.h"

// A BOARD_LEVEL_CHAIN section (the keyword as the statement table spells it).
void write_board_chain(TextOut &out, const char *keyword, const BoardChainRecord *chain);
// One line of a NETLIST_MAP.
void write_net(TextOut &out, const NetRecord *net);

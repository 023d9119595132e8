// oxel draw: a board's scan chains, each from its TDI net through its parts to its TDO net
#pragma once

#include "board_report.h"
#include "svg_writer.h"

// Each board-level chain under its name, totals and TAP nets: a box per
// part in the order the data pass them (part, component, instruction and
// boundary-scan register lengths, IDCODE), rows that turn at their ends,
// and under each row the TMS, TCK and TRST nets with a tap from each part
// that takes them; a part on another net says so in its box.
Figure draw_board(const BoardReport &board);

// The same for one chain of a board.
Figure draw_chain(const TapInfo &tap);

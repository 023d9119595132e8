// Sequence writer: test sequences and illegal vectors, one VRAK instruction a line
#pragma once

#include "oxel32.h"
#include "write/text_out.h"

// A TEST_SEQUENCE or ILLEGAL_VECTORS section (the keyword as the statement
// table spells it).
void write_sequence(TextOut &out, const char *keyword, const SequenceRecord *sequence);

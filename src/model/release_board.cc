// Teardown of board, technology and test records
#include "interface/memory.h"
#include "model/release.h"

// Scaffolding until the board records exist: each record is one block.
void release_board(HostContext *context, BoardRecord *board) { mem_free(context, board); }
void release_pin_family(HostContext *context, PinFamilyRecord *family) { mem_free(context, family); }

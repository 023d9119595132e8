// Teardown: the release routine of every record of the description
#pragma once

#include "oxel32.h"

// Releases the whole description and the program name; the four roots are
// null afterwards. A null context releases nothing.
void release_description(HostContext *context);

// Each routine releases its record and everything the record owns; a null
// record is ignored.
void release_header(HostContext *context, HeaderRecord *header);
void release_log(HostContext *context, LogRecord *log);
void release_board(HostContext *context, BoardRecord *board);
void release_component(HostContext *context, ComponentRecord *component);
void release_pin_family(HostContext *context, PinFamilyRecord *family);

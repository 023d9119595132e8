// Header constructors: headers and their logs
#pragma once

#include "oxel32.h"

// A header from its creation log and change-log list (a new empty list when
// null). On failure both are released and null returned.
HeaderRecord *make_header(HostContext *context, LogRecord *creation_log, ItemList *change_logs);
// A log from its four texts; on failure the texts are released.
LogRecord *make_log(HostContext *context, char *date, char *creator, char *tool, char *reason);

// Technology constructors: pin families and global families
#pragma once

#include "oxel32.h"

// Empty families holding only their name, which they take; the grammar
// fills them statement by statement. Null after a reported failure, the
// name then released.
PinFamilyRecord *make_pin_family(HostContext *context, char *name);
GlobalPerformanceRecord *make_global_family(HostContext *context, char *name);

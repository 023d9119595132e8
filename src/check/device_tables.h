// Device tables: the pin name, pin number and cell name tables of one device
#pragma once

#include "check/severity.h"
#include "oxel32.h"

// Creates whichever of the three tables does not exist yet, every bucket
// empty; 0, or kError after a reported failure.
Severity create_device_tables(HostContext *context);

// Frees the three tables (their payloads belong to the description).
void free_device_tables(HostContext *context);

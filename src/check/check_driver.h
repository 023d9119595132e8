// Check driver: one run of every semantic check over the description
#pragma once

#include <cstdint>

#include "model/description.h"
#include "oxel32.h"

// What a run gives the entry point: its result code (OXEL_OK, OXEL_WARNINGS
// or OXEL_FAILED) and whether errors were found, in which case the caller
// destroys the description.
struct CheckVerdict {
    int32_t result;
    bool errors_found;
};

// Checks the description, unless the last parse left syntax errors: then
// only their sum is reported (status lines) and nothing is checked. The
// host's error and warning counts are kept across the run: it counts this
// run's messages from 0 and adds the earlier counts back. Findings point
// where their records were written, by the description's places.
CheckVerdict check_description(HostContext *context, description_state &description, int32_t syntax_errors);

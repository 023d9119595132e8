// Strict rules: the IEEE 1149.1 rules a host may ask for beyond the designed check
#pragma once

#include "check/severity.h"
#include "model/description.h"
#include "oxel32.h"

// Holds every component of the description to the strict rules, after the
// designed check has run over it (and settled its disable values), each
// component in list order: its instruction register and opcodes, its bypass
// and identification registers, then its boundary-scan chains. Findings
// point at the record they are about and are counted in the host's
// counters; the mask tells what was found (kError too after a reported
// allocation failure).
Severity check_strict_rules(HostContext *context, const description_state &description);

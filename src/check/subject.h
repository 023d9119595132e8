// Subjects: the record a check's findings are about, which its messages point at
#pragma once

#include "base/messages.h"
#include "check/severity.h"
#include "model/record_locations.h"

// The record the findings of a check are about: its errors, warnings and
// notes point where the record was written (nowhere for a record whose
// place is not known, or for none). Each check is handed the subject of its
// messages and makes the subject of an entry it goes on to check with
// about(). The host context travels with it. An error gives kError and a
// warning kWarning, whether the host's level let it through or not, so that
// a check can add a finding to its result as it sends it.
struct Subject {
    HostContext *host;
    const record_locations *locations;   // the description's places; null knows none
    const void *record;

    Subject about(const void *entry) const { return {host, locations, entry}; }
    MessagePlace place() const { return place_of_record(locations, record); }

    Severity error(const char *format, ...) const OXEL_PRINTF(2, 3);
    Severity warning(const char *format, ...) const OXEL_PRINTF(2, 3);
    Severity note(const char *format, ...) const OXEL_PRINTF(2, 3);   // kClean
    // The error or warning when `found`, else nothing (kClean): a rule of
    // one line.
    Severity error_if(bool found, const char *format, ...) const OXEL_PRINTF(3, 4);
    Severity warning_if(bool found, const char *format, ...) const OXEL_PRINTF(3, 4);
};

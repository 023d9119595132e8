// Test sequence checks: test sequences and illegal vectors in VRAK
#pragma once

#include <cstdint>

#include "check/severity.h"
#include "oxel32.h"

// What a list of SequenceRecord holds; it chooses the wording of the messages.
enum SequenceKind : int32_t {
    kIllegalVectors = 0,
    kTestSequences = 1,
};

// Checks every sequence of the list and its VRAK instructions against the
// current device's pin tables; 0 for an absent or empty list.
Severity check_sequences(HostContext *context, const ItemList *sequences, int32_t kind);

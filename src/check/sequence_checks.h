// Test sequence checks: test sequences and illegal vectors in VRAK
#pragma once

#include <cstdint>

#include "check/device_tables.h"
#include "check/severity.h"
#include "check/subject.h"
#include "oxel32.h"

// What a list of SequenceRecord holds; it chooses the wording of the messages.
enum SequenceKind : int32_t {
    kIllegalVectors = 0,
    kTestSequences = 1,
};

// Checks every sequence of the list (each about itself, each instruction
// about itself) and its VRAK instructions against the device's pin tables;
// a PPA instruction of a device without pin lists (`has_pin_lists` false)
// draws one warning per sequence instead. 0 for an absent or empty list.
Severity check_sequences(const Subject &at, const DeviceTables &tables, bool has_pin_lists,
                         const ItemList *sequences, int32_t kind);

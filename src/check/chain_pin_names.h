// Chain pin names: the pin names that the chain of a boundary-scan register serves
#pragma once

#include "base/lookup_index.h"
#include "check/slab_store.h"
#include "oxel32.h"

// The pin names that the chain elements of one register serve, built on
// the first question about the register.
struct ChainPinNames {
    const BoundaryScanRegisterRecord *reg;
    LookupIndex names;
    SlabStore copies;     // the names, copied side by side in chain order
};

// Registers whose names are kept at once; a device with more registers
// than this (itself an error) has the others' chains walked.
constexpr int kChainPinRegisters = 4;

enum class ChainNamesPin { kNo, kYes, kFailed };

// Whether an element of the register's chain serves the pin `name`, the
// names kept in `kept`; kFailed after a reported allocation failure.
ChainNamesPin chain_names_pin(HostContext *context, ChainPinNames (&kept)[kChainPinRegisters],
                              const BoundaryScanRegisterRecord *reg, const char *name);

// Forgets every register; run at the end of each device.
void release_chain_pin_names(HostContext *context, ChainPinNames (&kept)[kChainPinRegisters]);

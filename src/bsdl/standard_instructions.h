// Standard instructions: what each instruction of the boundary-scan standard is in a description
#pragma once

#include <cstdint>

#include "bsdl/bsdl_document.h"

enum class StandardInstruction : uint8_t {
    kNone,      // a design-specific instruction
    kExtest,
    kSample,
    kPreload,
    kBypass,
    kIdcode,
    kUsercode,
    kClamp,
    kHighz,
    kIntest,
    kRunbist,
};

StandardInstruction standard_instruction(BsdlSlice name);

// How an instruction enters the description: its kind (an InstructionKind,
// with the name kept for a named one), its mode (a ModeCode) and the
// register it selects unless REGISTER_ACCESS says otherwise.
struct InstructionMapping {
    int32_t kind;
    int32_t mode;
    BsdlRegisterKind default_register;
};

// `preload_apart`: the file has a PRELOAD of its own, so SAMPLE samples
// only (a named instruction SAMPLE); otherwise SAMPLE is SAMPLE/PRELOAD, as
// in files before 2001. A private instruction of no standard kind runs in
// PRIVATE mode, any other in none.
InstructionMapping instruction_mapping(StandardInstruction which, bool preload_apart, bool is_private);

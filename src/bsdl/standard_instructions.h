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

// How the file's SAMPLE and PRELOAD enter the description. A file that has
// both with the same opcodes describes one instruction under two names:
// `merged`, it becomes one SAMPLE/PRELOAD (SAMPLE's entry, PRELOAD's left
// out). With different opcodes they stay `apart`: PRELOAD is SAMPLE/PRELOAD
// and SAMPLE a named instruction. Neither holds for a file without PRELOAD.
struct PreloadPairing {
    bool apart;
    bool merged;
};
PreloadPairing preload_pairing(const BsdlDocument &document);

// Standard instructions: what each instruction of the boundary-scan standard is in a description
#include "bsdl/standard_instructions.h"

#include <cstring>

#include "oxel32.h"

namespace {

// The instructions by BSDL name, and what each is. SAMPLE's kind depends on
// the file (see instruction_mapping); RUNBIST's register is design-specific
// and comes from REGISTER_ACCESS, the boundary register standing in.
struct StandardRow {
    const char *name;
    StandardInstruction which;
    InstructionMapping mapping;
};

constexpr StandardRow kStandard[] = {
    {"EXTEST", StandardInstruction::kExtest, {OXEL_INSTRUCTION_EXTEST, OXEL_MODE_EXTERNAL, BsdlRegisterKind::kBoundary}},
    {"SAMPLE", StandardInstruction::kSample,
     {OXEL_INSTRUCTION_SAMPLE_PRELOAD, OXEL_MODE_SAMPLE, BsdlRegisterKind::kBoundary}},
    {"PRELOAD", StandardInstruction::kPreload,
     {OXEL_INSTRUCTION_SAMPLE_PRELOAD, OXEL_MODE_SAMPLE, BsdlRegisterKind::kBoundary}},
    {"BYPASS", StandardInstruction::kBypass, {OXEL_INSTRUCTION_BYPASS, OXEL_MODE_SAMPLE, BsdlRegisterKind::kBypass}},
    {"IDCODE", StandardInstruction::kIdcode, {OXEL_INSTRUCTION_IDCODE, OXEL_MODE_SAMPLE, BsdlRegisterKind::kDeviceId}},
    {"USERCODE", StandardInstruction::kUsercode,
     {OXEL_INSTRUCTION_USERCODE, OXEL_MODE_SAMPLE, BsdlRegisterKind::kUsercode}},
    {"CLAMP", StandardInstruction::kClamp, {OXEL_INSTRUCTION_CLAMP, OXEL_MODE_EXTERNAL, BsdlRegisterKind::kBypass}},
    {"HIGHZ", StandardInstruction::kHighz, {OXEL_INSTRUCTION_HIGHZ, OXEL_MODE_HIGHZ, BsdlRegisterKind::kBypass}},
    {"INTEST", StandardInstruction::kIntest, {OXEL_INSTRUCTION_INTEST, OXEL_MODE_INTERNAL, BsdlRegisterKind::kBoundary}},
    {"RUNBIST", StandardInstruction::kRunbist,
     {OXEL_INSTRUCTION_RUNBIST, OXEL_MODE_INTERNAL, BsdlRegisterKind::kBoundary}},
};

}  // namespace

StandardInstruction standard_instruction(BsdlSlice name) {
    for (const StandardRow &row : kStandard)
        if (is_name(name, row.name))
            return row.which;
    return StandardInstruction::kNone;
}

InstructionMapping instruction_mapping(StandardInstruction which, bool preload_apart, bool is_private) {
    // An instruction the standard does not define selects the bypass
    // register unless REGISTER_ACCESS names another.
    if (which == StandardInstruction::kNone)
        return {OXEL_INSTRUCTION_NAMED, is_private ? OXEL_MODE_PRIVATE : OXEL_MODE_NONE, BsdlRegisterKind::kBypass};
    if (which == StandardInstruction::kSample && preload_apart)
        return {OXEL_INSTRUCTION_NAMED, OXEL_MODE_SAMPLE, BsdlRegisterKind::kBoundary};
    for (const StandardRow &row : kStandard)
        if (row.which == which)
            return row.mapping;
    return {OXEL_INSTRUCTION_NAMED, OXEL_MODE_NONE, BsdlRegisterKind::kBypass};
}

namespace {

const BsdlInstruction *instruction_of(const BsdlDocument &d, StandardInstruction which) {
    for (int32_t i = 0; i < d.instructions.count; i++)
        if (standard_instruction(d.instructions.items[i].name) == which)
            return &d.instructions.items[i];
    return nullptr;
}

bool has_opcode(const BsdlDocument &d, const BsdlInstruction &instruction, const BsdlPattern &opcode) {
    for (int32_t j = 0; j < instruction.opcode_count; j++) {
        const BsdlPattern &own = d.opcodes.items[instruction.first_opcode + j];
        if (own.length == opcode.length && std::memcmp(own.bits, opcode.bits, static_cast<size_t>(opcode.length)) == 0)
            return true;
    }
    return false;
}

// Every opcode of one is an opcode of the other.
bool same_opcodes(const BsdlDocument &d, const BsdlInstruction &a, const BsdlInstruction &b) {
    for (int32_t j = 0; j < a.opcode_count; j++)
        if (!has_opcode(d, b, d.opcodes.items[a.first_opcode + j]))
            return false;
    for (int32_t j = 0; j < b.opcode_count; j++)
        if (!has_opcode(d, a, d.opcodes.items[b.first_opcode + j]))
            return false;
    return a.opcode_count > 0;
}

}  // namespace

PreloadPairing preload_pairing(const BsdlDocument &d) {
    const BsdlInstruction *preload = instruction_of(d, StandardInstruction::kPreload);
    if (!preload)
        return {false, false};
    const BsdlInstruction *sample = instruction_of(d, StandardInstruction::kSample);
    const bool merged = sample && same_opcodes(d, *sample, *preload);
    return {!merged, merged};
}

// Display names: how the checks call instruction kinds and modes in their messages
#include "check/display_names.h"

#include "oxel32.h"

namespace {

// By InstructionKind; 8 stands for a user instruction without a name.
const char *const kInstructionNames[] = {"UNKNOWN", "EXTEST",  "BYPASS",   "SAMPLE/PRELOAD",
                                         "INTEST",  "RUNBIST", "IDCODE",   "USERCODE",
                                         "USERINST", "CLAMP",  "HIGHZ"};

const char *const kModeNames[] = {"UNKNOWN", "INTERNAL", "EXTERNAL", "SAMPLE", "PRIVATE", "HIGHZ", "HIZ"};

}  // namespace

const char *instruction_name(int32_t kind, const char *user_name) {
    if (kind == OXEL_INSTRUCTION_NAMED && user_name)
        return user_name;
    return kind >= OXEL_INSTRUCTION_EXTEST && kind <= OXEL_INSTRUCTION_HIGHZ ? kInstructionNames[kind]
                                                                             : kInstructionNames[0];
}

const char *mode_code_name(int32_t mode) {
    return mode >= OXEL_MODE_UNKNOWN && mode <= OXEL_MODE_HIZ ? kModeNames[mode] : nullptr;
}

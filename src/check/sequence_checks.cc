// Test sequence checks: test sequences and illegal vectors in VRAK
#include "check/message_subject.h"
#include "check/sequence_checks.h"

#include <cstring>
#include <iterator>

#include "base/memory.h"
#include "base/messages.h"
#include "check/check_state.h"
#include "check/pin_reference.h"

namespace {

bool is_empty(const ItemList *list) { return !list || list->count < 1; }
int32_t count_of(const ItemList *list) { return list ? list->count : 0; }

// ---- PPA group names ----

// A PPA assignment names a group that the later instructions of the
// sequence may refer to; each name once per sequence.
Severity define_group(HostContext *context, const char *name) {
    if (!name) {
        report_error(context, "Missing Pingroup name in VRAK PPA instruction");
        return kError;
    }
    if (counted_name_find(g_check.ppa_groups, name) != 0) {
        report_error(context, "Redefinition of \"%s\" in PPA instruction", name);
        return kError;
    }
    // Every group is entered with payload 1, so that finding it gives 1.
    CountedName *groups = counted_name_add(context, g_check.ppa_groups, name, 1);
    if (!groups)
        return kError;
    g_check.ppa_groups = groups;
    return kClean;
}

// The groups end with their sequence, and so does the warning about a
// device without pin lists.
void close_sequence(HostContext *context) {
    counted_name_free(context, g_check.ppa_groups);
    g_check.ppa_groups = nullptr;
    g_check.missing_pin_lists_warned = false;
}

// ---- Pins of a PPA group ----

// The pins one serial assignment or one parallel group has named so far.
struct UsedPins {
    const char **pins;
    int32_t count;
};

// Room for `room` pins; false after a reported failure.
bool start_used_pins(HostContext *context, UsedPins &used, int64_t room) {
    used = UsedPins{};
    used.pins = static_cast<const char **>(mem_alloc(context, sizeof(const char *) * room));
    return used.pins != nullptr;
}

// Without a pin or a group name there is nothing to compare: the group's
// missing name has been reported where it was defined.
Severity use_pin(HostContext *context, UsedPins &used, const char *pin, const char *group) {
    if (!pin || !group)
        return kError;
    for (int32_t i = 0; i < used.count; i++)
        if (std::strcmp(used.pins[i], pin) == 0) {
            report_error(context, "Multiple references to pin \"%s\" in PPA group \"%s\"", pin, group);
            return kError;
        }
    used.pins[used.count++] = pin;
    return kClean;
}

// A pin of the device, by name or, failing that, by number.
Severity check_pin_defined(HostContext *context, const char *pin, const char *group) {
    if (!pin)
        return kError;
    if (name_table_lookup(g_check.pin_names, pin) || name_table_lookup(g_check.pin_numbers, pin))
        return kClean;
    report_error(context, "Undefined pin \"%s\" in PPA inst (grp \"%s\")", pin, show_name(group));
    return kError;
}

// ---- Serial assignments ----

// The signal lists of a serial assignment, in the order they are checked.
// TRST is optional: its absence is not told.
struct SerialList {
    ItemList *PpaSerialGroupRecord::*pins;
    const char *undefined;   // group name
};
constexpr SerialList kSerialLists[] = {
    {&PpaSerialGroupRecord::tdi, "TDI undefined in serial PPA assignment \"%s\""},
    {&PpaSerialGroupRecord::tdo, "TDO undefined in serial PPA assignment \"%s\""},
    {&PpaSerialGroupRecord::tms, "TMS undefined in serial PPA assignment \"%s\""},
    {&PpaSerialGroupRecord::tck, "TCK undefined in serial PPA assignment \"%s\""},
    {&PpaSerialGroupRecord::trst, nullptr},
};

// False when the used-pin list could not be made.
bool check_serial_group(HostContext *context, const PpaSerialGroupRecord *group, Severity &result) {
    result |= define_group(context, group->name);
    int64_t room = 0;
    for (const SerialList &list : kSerialLists)
        room += count_of(group->*list.pins);
    UsedPins used;
    if (!start_used_pins(context, used, room))
        return false;
    for (const SerialList &list : kSerialLists) {
        const ItemList *pins = group->*list.pins;
        if (!pins && list.undefined) {
            report_warning(context, list.undefined, show_name(group->name));
            result |= kWarning;
        }
        for (int32_t i = 0; i < count_of(pins); i++) {
            const auto *pin = static_cast<const char *>(pins->items[i]);
            result |= use_pin(context, used, pin, group->name);
            result |= check_pin_defined(context, pin, group->name);
        }
    }
    mem_free(context, used.pins);
    return true;
}

// ---- Parallel groups ----

bool check_parallel_group(HostContext *context, const PpaParallelGroupRecord *group, Severity &result) {
    result |= define_group(context, group->name);
    UsedPins used;
    if (!start_used_pins(context, used, count_of(group->pins)))
        return false;
    for (int32_t i = 0; i < count_of(group->pins); i++) {
        const auto *pin = static_cast<const PinRefRecord *>(group->pins->items[i]);
        result |= use_pin(context, used, pin ? pin->name : nullptr, group->name);
        const char *reason = nullptr;
        if (resolve_pin_reference(context, pin, &reason) != kPinRefValid) {
            report_error(context, "Illegal pin reference \"%s\" in PPA inst (grp \"%s\"), Reason: %s",
                         pin->name, show_name(group->name), reason ? reason : "Unknown error");
            result |= kError;
        }
    }
    mem_free(context, used.pins);
    return true;
}

// Each group of a list in order; a list that is there but holds nothing,
// or a used-pin list that cannot be made, ends the list with 2.
template <typename Group>
Severity check_groups(HostContext *context, const ItemList *groups,
                      bool (*check_group)(HostContext *, const Group *, Severity &)) {
    if (groups->count < 1)
        return kError;
    Severity result = kClean;
    for (int32_t i = 0; i < groups->count; i++)
        if (const auto *group = static_cast<const Group *>(groups->items[i]))
            if (!check_group(context, group, result))
                return kError;
    return result;
}

// ---- PPA instructions ----

Severity check_ppa(HostContext *context, const PpaRecord *ppa) {
    if (!ppa) {
        report_error(context, "Empty PPA instruction");
        return kError;
    }
    // Without the device's pins there is nothing to hold the groups to.
    if (g_check.pin_list_counter < 1) {
        if (g_check.missing_pin_lists_warned)
            return kClean;
        g_check.missing_pin_lists_warned = true;
        report_warning(context, "There are not defined any pin lists in this device for which reason a PPA "
                                "consistency check is undefined");
        return kWarning;
    }
    Severity result = kClean;
    if (ppa->serial_groups)
        result |= check_groups(context, ppa->serial_groups, check_serial_group);
    if (ppa->parallel_groups)
        result |= check_groups(context, ppa->parallel_groups, check_parallel_group);
    return result;
}

// ---- VRAK instructions ----

// The mnemonic of each VrakKind, by code; null where no instruction has the code.
constexpr const char *kMnemonics[] = {nullptr, "RST", nullptr, "WTN", "BPV", "CNF",
                                      "TAP",   "ITP", "PPA",   "CMT", "DRS"};

const char *mnemonic_of(int32_t kind) {
    return kind >= 0 && kind < static_cast<int32_t>(std::size(kMnemonics)) ? kMnemonics[kind] : nullptr;
}

const VrakOperandRecord *operand_at(const ItemList *operands, int32_t i) {
    return static_cast<const VrakOperandRecord *>(operands->items[i]);
}

Severity check_reset(HostContext *context, const ItemList *operands) {
    Severity result = kClean;
    for (int32_t i = 0; i < count_of(operands); i++) {
        const VrakOperandRecord *operand = operand_at(operands, i);
        if (operand && !operand->target) {
            report_error(context, "Missing TAP name in VRAK RST instruction");
            result |= kError;
        }
    }
    return result;
}

// Once a PPA instruction has named groups, the other instructions of the
// sequence may refer only to them; before that every name passes.
Severity check_group_references(HostContext *context, const ItemList *operands, const char *mnemonic) {
    Severity result = kClean;
    for (int32_t i = 0; i < count_of(operands); i++) {
        const VrakOperandRecord *operand = operand_at(operands, i);
        if (!operand)
            continue;
        const char *target = operand->target;
        if (!target) {
            report_error(context, "Missing TAP/Group name in VRAK %s instruction", mnemonic);
            result |= kError;
        } else if (g_check.ppa_groups && counted_name_find(g_check.ppa_groups, target) == 0) {
            report_error(context, "Undefined pingroup \"%s\" in VRAK %s reference", target, mnemonic);
            result |= kError;
        }
    }
    return result;
}

Severity check_instruction(HostContext *context, const VrakInstructionRecord *instruction) {
    MessageSubject about(instruction);
    if (!instruction) {
        report_error(context, "Missing VRAK instruction in list");
        return kError;
    }
    const char *mnemonic = mnemonic_of(instruction->kind);
    if (!mnemonic) {
        report_error(context, "Unknown VRAK instruction");
        return kError;
    }
    switch (instruction->kind) {
    case OXEL_VRAK_RST:
        return check_reset(context, static_cast<const ItemList *>(instruction->operand));
    case OXEL_VRAK_CMT:
        if (instruction->operand)
            return kClean;
        report_warning(context, "VRAK CMT instruction with NULL comment");
        return kWarning;
    case OXEL_VRAK_PPA: {
        const auto *ppa = static_cast<const PpaRecord *>(instruction->operand);
        if (ppa && is_empty(ppa->serial_groups) && is_empty(ppa->parallel_groups)) {
            report_error(context, "Missing/empty PPA instruction in VRAK list");
            return kError;
        }
        return check_ppa(context, ppa);
    }
    default:
        return check_group_references(context, static_cast<const ItemList *>(instruction->operand), mnemonic);
    }
}

// ---- Sequences ----

Severity check_sequence(HostContext *context, const SequenceRecord *sequence, int32_t kind) {
    MessageSubject about(sequence);
    bool test = kind != kIllegalVectors;
    if (!sequence) {
        report_error(context, test ? "Missing testsequence" : "Missing illegal vector");
        return kError;
    }
    Severity result = kClean;
    // An illegal vector needs no name.
    if (test && !sequence->name) {
        report_error(context, "Missing name in Testsequence");
        result |= kError;
    }
    if (is_empty(sequence->instructions)) {
        report_error(context, "Missing vectors in %ssequence \"%s\"", test ? "Test" : "Illegal",
                     show_name(sequence->name));
        return kError;
    }
    const ItemList *code = sequence->instructions;
    for (int32_t i = 0; i < code->count; i++)
        result |= check_instruction(context, static_cast<const VrakInstructionRecord *>(code->items[i]));
    close_sequence(context);
    return result;
}

}  // namespace

Severity check_sequences(HostContext *context, const ItemList *sequences, int32_t kind) {
    Severity result = kClean;
    for (int32_t i = 0; i < count_of(sequences); i++)
        result |= check_sequence(context, static_cast<const SequenceRecord *>(sequences->items[i]), kind);
    return result;
}

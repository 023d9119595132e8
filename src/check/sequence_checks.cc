// Test sequence checks: test sequences and illegal vectors in VRAK
#include "check/sequence_checks.h"

#include <cstring>
#include <iterator>

#include "base/memory.h"
#include "check/counted_name_list.h"
#include "check/pin_reference.h"
#include "model/item_list.h"

namespace {

// What the instructions of one sequence share: the device's tables, whether
// the device has pin lists, the PPA group names defined so far, and whether
// the sequence was told that the device has none. The groups end with their
// sequence, and so does that warning.
struct SequenceWalk {
    const DeviceTables &tables;
    bool has_pin_lists;
    CountedName *ppa_groups;
    bool missing_pin_lists_warned;
};

// ---- PPA group names ----

// A PPA assignment names a group that the later instructions of the
// sequence may refer to; each name once per sequence.
Severity define_group(const Subject &at, SequenceWalk &walk, const char *name) {
    if (!name)
        return at.error("Missing Pingroup name in VRAK PPA instruction");
    if (counted_name_find(walk.ppa_groups, name) != 0)
        return at.error("Redefinition of \"%s\" in PPA instruction", name);
    // Every group is entered with payload 1, so that finding it gives 1.
    CountedName *groups = counted_name_add(at.host, walk.ppa_groups, name, 1);
    if (!groups)
        return kError;
    walk.ppa_groups = groups;
    return kClean;
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
Severity use_pin(const Subject &at, UsedPins &used, const char *pin, const char *group) {
    if (!pin || !group)
        return kError;
    for (int32_t i = 0; i < used.count; i++)
        if (std::strcmp(used.pins[i], pin) == 0)
            return at.error("Multiple references to pin \"%s\" in PPA group \"%s\"", pin, group);
    used.pins[used.count++] = pin;
    return kClean;
}

// A pin of the device, by name or, failing that, by number.
Severity check_pin_defined(const Subject &at, const DeviceTables &tables, const char *pin, const char *group) {
    if (!pin)
        return kError;
    if (name_table_lookup(tables.pin_names, pin) || name_table_lookup(tables.pin_numbers, pin))
        return kClean;
    return at.error("Undefined pin \"%s\" in PPA inst (grp \"%s\")", pin, show_name(group));
}

// ---- Serial assignments ----

// The pins of one signal list of a serial assignment.
Severity check_serial_pins(const Subject &at, SequenceWalk &walk, UsedPins &used, const ItemList *pins,
                           const char *group) {
    Severity result = kClean;
    for (int32_t i = 0; i < list_count(pins); i++) {
        const auto *pin = static_cast<const char *>(pins->items[i]);
        result |= use_pin(at, used, pin, group);
        result |= check_pin_defined(at, walk.tables, pin, group);
    }
    return result;
}

// The signal lists in the order TDI, TDO, TMS, TCK, TRST; TRST is optional:
// its absence is not told. False when the used-pin list could not be made.
bool check_serial_group(const Subject &at, SequenceWalk &walk, const PpaSerialGroupRecord *group,
                        Severity &result) {
    result |= define_group(at, walk, group->name);
    UsedPins used;
    int64_t room = int64_t{list_count(group->tdi)} + list_count(group->tdo) + list_count(group->tms) +
                   list_count(group->tck) + list_count(group->trst);
    if (!start_used_pins(at.host, used, room))
        return false;
    const char *name = show_name(group->name);
    if (!group->tdi)
        result |= at.warning("TDI undefined in serial PPA assignment \"%s\"", name);
    result |= check_serial_pins(at, walk, used, group->tdi, group->name);
    if (!group->tdo)
        result |= at.warning("TDO undefined in serial PPA assignment \"%s\"", name);
    result |= check_serial_pins(at, walk, used, group->tdo, group->name);
    if (!group->tms)
        result |= at.warning("TMS undefined in serial PPA assignment \"%s\"", name);
    result |= check_serial_pins(at, walk, used, group->tms, group->name);
    if (!group->tck)
        result |= at.warning("TCK undefined in serial PPA assignment \"%s\"", name);
    result |= check_serial_pins(at, walk, used, group->tck, group->name);
    result |= check_serial_pins(at, walk, used, group->trst, group->name);
    mem_free(at.host, used.pins);
    return true;
}

// ---- Parallel groups ----

bool check_parallel_group(const Subject &at, SequenceWalk &walk, const PpaParallelGroupRecord *group,
                          Severity &result) {
    result |= define_group(at, walk, group->name);
    UsedPins used;
    if (!start_used_pins(at.host, used, list_count(group->pins)))
        return false;
    for (int32_t i = 0; i < list_count(group->pins); i++) {
        const auto *pin = static_cast<const PinRefRecord *>(group->pins->items[i]);
        result |= use_pin(at, used, pin ? pin->name : nullptr, group->name);
        const char *reason = nullptr;
        if (resolve_pin_reference(walk.tables, pin, &reason) != kPinRefValid)
            result |= at.error("Illegal pin reference \"%s\" in PPA inst (grp \"%s\"), Reason: %s", pin->name,
                               show_name(group->name), reason ? reason : "Unknown error");
    }
    mem_free(at.host, used.pins);
    return true;
}

// Each group of a list in order; a list that is there but holds nothing,
// or a used-pin list that cannot be made, ends the list with 2.
template <typename Group>
Severity check_groups(const Subject &at, SequenceWalk &walk, const ItemList *groups,
                      bool (*check_group)(const Subject &, SequenceWalk &, const Group *, Severity &)) {
    if (groups->count < 1)
        return kError;
    Severity result = kClean;
    for (int32_t i = 0; i < groups->count; i++)
        if (const auto *group = static_cast<const Group *>(groups->items[i]))
            if (!check_group(at, walk, group, result))
                return kError;
    return result;
}

// ---- PPA instructions ----

Severity check_ppa(const Subject &at, SequenceWalk &walk, const PpaRecord *ppa) {
    if (!ppa)
        return at.error("Empty PPA instruction");
    // Without the device's pins there is nothing to hold the groups to.
    if (!walk.has_pin_lists) {
        if (walk.missing_pin_lists_warned)
            return kClean;
        walk.missing_pin_lists_warned = true;
        return at.warning("There are not defined any pin lists in this device for which reason a PPA consistency check is undefined");
    }
    Severity result = kClean;
    if (ppa->serial_groups)
        result |= check_groups(at, walk, ppa->serial_groups, check_serial_group);
    if (ppa->parallel_groups)
        result |= check_groups(at, walk, ppa->parallel_groups, check_parallel_group);
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

Severity check_reset(const Subject &at, const ItemList *operands) {
    Severity result = kClean;
    for (int32_t i = 0; i < list_count(operands); i++) {
        const VrakOperandRecord *operand = operand_at(operands, i);
        if (operand && !operand->target)
            result |= at.error("Missing TAP name in VRAK RST instruction");
    }
    return result;
}

// Once a PPA instruction has named groups, the other instructions of the
// sequence may refer only to them; before that every name passes.
Severity check_group_references(const Subject &at, const SequenceWalk &walk, const ItemList *operands,
                                const char *mnemonic) {
    Severity result = kClean;
    for (int32_t i = 0; i < list_count(operands); i++) {
        const VrakOperandRecord *operand = operand_at(operands, i);
        if (!operand)
            continue;
        const char *target = operand->target;
        if (!target)
            result |= at.error("Missing TAP/Group name in VRAK %s instruction", mnemonic);
        else if (walk.ppa_groups && counted_name_find(walk.ppa_groups, target) == 0)
            result |= at.error("Undefined pingroup \"%s\" in VRAK %s reference", target, mnemonic);
    }
    return result;
}

// One instruction, about itself (nowhere for an absent one).
Severity check_instruction(const Subject &at, SequenceWalk &walk, const VrakInstructionRecord *instruction) {
    if (!instruction)
        return at.error("Missing VRAK instruction in list");
    const char *mnemonic = mnemonic_of(instruction->kind);
    if (!mnemonic)
        return at.error("Unknown VRAK instruction");
    switch (instruction->kind) {
    case OXEL_VRAK_RST:
        return check_reset(at, static_cast<const ItemList *>(instruction->operand));
    case OXEL_VRAK_CMT:
        return instruction->operand ? kClean : at.warning("VRAK CMT instruction with NULL comment");
    case OXEL_VRAK_PPA: {
        const auto *ppa = static_cast<const PpaRecord *>(instruction->operand);
        if (ppa && !list_holds_items(ppa->serial_groups) && !list_holds_items(ppa->parallel_groups))
            return at.error("Missing/empty PPA instruction in VRAK list");
        return check_ppa(at, walk, ppa);
    }
    default:
        return check_group_references(at, walk, static_cast<const ItemList *>(instruction->operand), mnemonic);
    }
}

// ---- Sequences ----

// One sequence, about itself (nowhere for an absent one).
Severity check_sequence(const Subject &at, const DeviceTables &tables, bool has_pin_lists,
                        const SequenceRecord *sequence, int32_t kind) {
    bool test = kind != kIllegalVectors;
    if (!sequence)
        return at.error(test ? "Missing testsequence" : "Missing illegal vector");
    Severity result = kClean;
    // An illegal vector needs no name.
    if (test && !sequence->name)
        result |= at.error("Missing name in Testsequence");
    if (!list_holds_items(sequence->instructions))
        return at.error("Missing vectors in %ssequence \"%s\"", test ? "Test" : "Illegal", show_name(sequence->name));
    SequenceWalk walk{tables, has_pin_lists, nullptr, false};
    const ItemList *code = sequence->instructions;
    for (int32_t i = 0; i < code->count; i++) {
        const auto *instruction = static_cast<const VrakInstructionRecord *>(code->items[i]);
        result |= check_instruction(at.about(instruction), walk, instruction);
    }
    counted_name_free(at.host, walk.ppa_groups);
    return result;
}

}  // namespace

Severity check_sequences(const Subject &at, const DeviceTables &tables, bool has_pin_lists,
                         const ItemList *sequences, int32_t kind) {
    Severity result = kClean;
    for (int32_t i = 0; i < list_count(sequences); i++) {
        const auto *sequence = static_cast<const SequenceRecord *>(sequences->items[i]);
        result |= check_sequence(at.about(sequence), tables, has_pin_lists, sequence, kind);
    }
    return result;
}

// Pin and bus reference resolution against the current device's pin tables
#include "check/pin_reference.h"

#include <cstdint>


namespace {

const char *const kReasons[] = {
    nullptr,
    "Referenced name is a bus, not a single pin",
    "Undefined name",
    "Not a bus reference",
    "Not a member of bus (can be out of range)",
    "Not a bus name, is a pin name",
    "Unknown bus qualifier",
};

// A value belongs to a bus when a single index equals it or a range holds
// it; named indices never match.
bool bus_has_index_of(const IndexRecord *index, int64_t value) {
    if (index->kind == OXEL_INDEX_NUMBER)
        return index->first == value;
    return index->kind == OXEL_INDEX_RANGE && index->first <= value && value <= index->last;
}

bool bus_has_index(const ItemList *indices, int64_t value) {
    for (int32_t i = 0; indices && i < indices->count; i++) {
        const auto *index = static_cast<const IndexRecord *>(indices->items[i]);
        if (index && bus_has_index_of(index, value))
            return true;
    }
    return false;
}

// Whether every value from `low` to `high` belongs to the bus. The values
// are not taken one by one: each step jumps past the widest index that
// holds the value reached, so that a range of any width is settled at once.
bool bus_has_range(const ItemList *indices, int64_t low, int64_t high) {
    while (low <= high) {
        int64_t past = low;
        for (int32_t i = 0; indices && i < indices->count; i++) {
            const auto *index = static_cast<const IndexRecord *>(indices->items[i]);
            if (!index || !bus_has_index_of(index, low))
                continue;
            int64_t end = index->kind == OXEL_INDEX_RANGE ? int64_t{index->last} + 1 : low + 1;
            if (end > past)
                past = end;
        }
        if (past == low)
            return false;
        low = past;
    }
    return true;
}

// The index list of the bus a bus reference names, or a code that says why
// there is none.
int32_t bus_indices_of(const DeviceTables &tables, const char *name, const ItemList **indices, PinRecord **found) {
    NameEntry *entry = name_table_lookup(tables.pin_names, name);
    if (!entry)
        return name_table_lookup(tables.pin_numbers, name) ? kPinRefIsPinNumber : kPinRefUndefined;
    auto *pin = static_cast<PinRecord *>(entry->payload);
    *found = pin;
    if (!pin || pin->form != OXEL_FORM_BUS || !pin->numbering || !pin->numbering->indices)
        return kPinRefNotBus;
    *indices = pin->numbering->indices;
    return kPinRefValid;
}

int32_t resolve_element(const DeviceTables &tables, const PinRefRecord *reference, PinRecord **found) {
    const ItemList *indices = nullptr;
    int32_t code = bus_indices_of(tables, reference->name, &indices, found);
    if (code != kPinRefValid)
        return code;
    return bus_has_index(indices, reference->selector) ? kPinRefValid : kPinRefNotMember;
}

// Every index the reference names must be a member: a single one, each
// value of a range; a named index names none.
int32_t resolve_elements(const DeviceTables &tables, const PinRefRecord *reference, PinRecord **found) {
    const auto *wanted = reinterpret_cast<const ItemList *>(reference->selector);
    if (!wanted || wanted->count < 1)
        return kPinRefNotBus;
    const ItemList *indices = nullptr;
    int32_t code = bus_indices_of(tables, reference->name, &indices, found);
    for (int32_t i = 0; code == kPinRefValid && i < wanted->count; i++) {
        const auto *index = static_cast<const IndexRecord *>(wanted->items[i]);
        if (index && index->kind == OXEL_INDEX_NUMBER && !bus_has_index(indices, index->first))
            code = kPinRefNotMember;
        if (index && index->kind == OXEL_INDEX_RANGE && !bus_has_range(indices, index->first, index->last))
            code = kPinRefNotMember;
    }
    return code;
}

int32_t resolve_plain(const DeviceTables &tables, const PinRefRecord *reference, PinRecord **found) {
    NameEntry *entry = name_table_lookup(tables.pin_names, reference->name);
    if (!entry)
        entry = name_table_lookup(tables.pin_numbers, reference->name);
    if (!entry)
        return kPinRefUndefined;
    auto *pin = static_cast<PinRecord *>(entry->payload);
    *found = pin;
    return pin && pin->form == OXEL_FORM_SINGLE ? kPinRefValid : kPinRefIsBus;
}

}  // namespace

int32_t resolve_pin_reference_to(const DeviceTables &tables, const PinRefRecord *reference, const char **reason,
                                 PinRecord **pin) {
    PinRecord *found = nullptr;
    if (!reference || !reference->name)
        return kPinRefValid;
    int32_t code = kPinRefUnknownKind;
    if (reference->kind == OXEL_PINREF_ELEMENT)
        code = resolve_element(tables, reference, &found);
    else if (reference->kind == OXEL_PINREF_ELEMENTS)
        code = resolve_elements(tables, reference, &found);
    else if (reference->kind == OXEL_PINREF_PLAIN)
        code = resolve_plain(tables, reference, &found);
    if (code != kPinRefValid && reason)
        *reason = kReasons[code];
    if (code == kPinRefValid && pin)
        *pin = found;
    return code;
}

int32_t resolve_pin_reference(const DeviceTables &tables, const PinRefRecord *reference, const char **reason) {
    return resolve_pin_reference_to(tables, reference, reason, nullptr);
}

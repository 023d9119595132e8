// Pin and bus reference resolution against the current device's pin tables
#include "check/pin_reference.h"

#include <cstdint>

#include "base/memory.h"
#include "base/messages.h"
#include "check/check_state.h"

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
bool bus_has_index(const ItemList *indices, int64_t value) {
    for (int32_t i = 0; indices && i < indices->count; i++) {
        const auto *index = static_cast<const IndexRecord *>(indices->items[i]);
        if (!index)
            continue;
        if (index->kind == OXEL_INDEX_NUMBER && index->first == value)
            return true;
        if (index->kind == OXEL_INDEX_RANGE && index->first <= value && value <= index->last)
            return true;
    }
    return false;
}

// The values a reference's index list names: a single index gives its
// value, a range a..b every value from a to b, a named index nothing.
struct IndexValues {
    int64_t *values;
    int64_t count;
};

int64_t values_named_by(const IndexRecord *index) {
    if (!index || index->kind == OXEL_INDEX_NAME)
        return 0;
    if (index->kind == OXEL_INDEX_RANGE)
        return index->last >= index->first ? int64_t{index->last} - int64_t{index->first} + 1 : 0;
    return 1;
}

// False after a reported allocation failure.
bool expand_indices(HostContext *context, const ItemList *indices, IndexValues *out) {
    *out = IndexValues{};
    for (int32_t i = 0; i < indices->count; i++)
        out->count += values_named_by(static_cast<const IndexRecord *>(indices->items[i]));
    if (out->count == 0)
        return true;
    // A range wide enough to overflow the size of the array cannot be held.
    if (static_cast<uint64_t>(out->count) > SIZE_MAX / sizeof(int64_t)) {
        report_memory_error(context);
        return false;
    }
    out->values = static_cast<int64_t *>(mem_alloc(context, sizeof(int64_t) * out->count));
    if (!out->values)
        return false;
    int64_t written = 0;
    for (int32_t i = 0; i < indices->count; i++) {
        const auto *index = static_cast<const IndexRecord *>(indices->items[i]);
        for (int64_t n = 0; n < values_named_by(index); n++)
            out->values[written++] = index->first + n;
    }
    return true;
}

// The index list of the bus a bus reference names, or a code that says why
// there is none.
int32_t bus_indices_of(const char *name, const ItemList **indices) {
    NameEntry *entry = name_table_lookup(g_check.pin_names, name);
    if (!entry)
        return name_table_lookup(g_check.pin_numbers, name) ? kPinRefIsPinNumber : kPinRefUndefined;
    const auto *pin = static_cast<const PinRecord *>(entry->payload);
    if (!pin || pin->form != OXEL_FORM_BUS || !pin->numbering || !pin->numbering->indices)
        return kPinRefNotBus;
    *indices = pin->numbering->indices;
    return kPinRefValid;
}

int32_t resolve_element(const PinRefRecord *reference) {
    const ItemList *indices = nullptr;
    int32_t code = bus_indices_of(reference->name, &indices);
    if (code != kPinRefValid)
        return code;
    return bus_has_index(indices, reference->selector) ? kPinRefValid : kPinRefNotMember;
}

int32_t resolve_elements(HostContext *context, const PinRefRecord *reference) {
    const auto *wanted = reinterpret_cast<const ItemList *>(reference->selector);
    IndexValues values{};
    if (!wanted || wanted->count < 1 || !expand_indices(context, wanted, &values))
        return kPinRefNotBus;
    const ItemList *indices = nullptr;
    int32_t code = bus_indices_of(reference->name, &indices);
    for (int64_t i = 0; code == kPinRefValid && i < values.count; i++)
        if (!bus_has_index(indices, values.values[i]))
            code = kPinRefNotMember;
    mem_free(context, values.values);
    return code;
}

int32_t resolve_plain(const PinRefRecord *reference) {
    NameEntry *entry = name_table_lookup(g_check.pin_names, reference->name);
    if (!entry)
        entry = name_table_lookup(g_check.pin_numbers, reference->name);
    if (!entry)
        return kPinRefUndefined;
    const auto *pin = static_cast<const PinRecord *>(entry->payload);
    return pin && pin->form == OXEL_FORM_SINGLE ? kPinRefValid : kPinRefIsBus;
}

}  // namespace

int32_t resolve_pin_reference(HostContext *context, const PinRefRecord *reference, const char **reason) {
    if (!reference || !reference->name)
        return kPinRefValid;
    int32_t code = kPinRefUnknownKind;
    if (reference->kind == OXEL_PINREF_ELEMENT)
        code = resolve_element(reference);
    else if (reference->kind == OXEL_PINREF_ELEMENTS)
        code = resolve_elements(context, reference);
    else if (reference->kind == OXEL_PINREF_PLAIN)
        code = resolve_plain(reference);
    if (code != kPinRefValid && reason)
        *reason = kReasons[code];
    return code;
}

// Pin constructors: single pins, buses, index records and pin references
#include "model/pin_constructors.h"

#include "base/memory.h"
#include "model/item_list.h"
#include "model/new_record.h"
#include "model/release.h"
#include "model/shared_values.h"

namespace {

// A pin record with its numbering block, holding what every pin form
// holds; null when either block could not be had (what was handed stays
// the caller's).
PinRecord *new_pin(HostContext *context, char *name, int32_t form, int32_t type, char *family) {
    PinRecord *pin = new_record<PinRecord>(context);
    PinNumberingRecord *numbering = pin ? new_record<PinNumberingRecord>(context) : nullptr;
    if (!numbering) {
        mem_free(context, pin);
        return nullptr;
    }
    pin->name = share_text(context, name);
    pin->form = form;
    pin->numbering = numbering;
    pin->type = type;
    pin->family = share_text(context, family);
    return pin;
}

}  // namespace

PinRecord *make_pin(HostContext *context, char *number, char *name, int32_t type, char *family) {
    PinRecord *pin = new_pin(context, name, OXEL_FORM_SINGLE, type, family);
    if (!pin) {
        free_blocks(context, {number, name, family});
        return nullptr;
    }
    pin->numbering->number = share_text(context, number);
    return pin;
}

PinRecord *make_bus(HostContext *context, ItemList *numbers, BusNamePair *pair, int32_t type,
                    char *family) {
    char *name = pair ? pair->name : nullptr;
    ItemList *indices = pair ? pair->indices : nullptr;
    mem_free(context, pair);
    PinRecord *pin = new_pin(context, name, OXEL_FORM_BUS, type, family);
    if (!pin) {
        list_release_with(context, numbers, release_index);
        mem_free(context, name);
        list_release_with(context, indices, release_index);
        mem_free(context, family);
        return nullptr;
    }
    pin->numbering->numbers = numbers;
    pin->numbering->indices = indices;
    return pin;
}

BusNamePair *make_bus_name(HostContext *context, char *name, ItemList *indices) {
    return new_record_of(context, BusNamePair{name, indices}, [&] {
        mem_free(context, name);
        list_release_with(context, indices, release_index);
    });
}

IndexRecord *make_index(HostContext *context, int32_t kind, int32_t number, char *identifier,
                        int32_t last) {
    IndexRecord *index = new_record<IndexRecord>(context);
    if (!index) {
        mem_free(context, identifier);
        return nullptr;
    }
    index->kind = kind;
    switch (kind) {
    case OXEL_INDEX_NAME:
        index->first = reinterpret_cast<intptr_t>(identifier);
        break;
    case OXEL_INDEX_RANGE:
        index->first = number;
        index->last = last;
        break;
    default:
        index->first = number;
        break;
    }
    if (kind != OXEL_INDEX_NAME)
        mem_free(context, identifier);
    return index;
}

PinRefRecord *make_pin_ref(HostContext *context, int32_t kind, char *name, ItemList *indices) {
    PinRefRecord *pin_ref = new_record<PinRefRecord>(context);
    if (!pin_ref) {
        mem_free(context, name);
        list_release_with(context, indices, release_index);
        return nullptr;
    }
    pin_ref->kind = kind;
    pin_ref->name = name;
    if (kind == OXEL_PINREF_PLAIN) {
        // A plain reference has no selector; indices handed with it are not kept.
        list_release_with(context, indices, release_index);
        return pin_ref;
    }
    if (!indices || indices->count < 1) {
        release_pin_ref(context, pin_ref);
        list_release_with(context, indices, release_index);
        return nullptr;
    }
    IndexRecord *first = static_cast<IndexRecord *>(indices->items[0]);
    if (indices->count == 1 && first && first->kind == OXEL_INDEX_NUMBER) {
        // One bus element: its number is the selector, the list is not kept.
        pin_ref->kind = OXEL_PINREF_ELEMENT;
        pin_ref->selector = first->first;
        list_release_with(context, indices, release_index);
    } else {
        pin_ref->kind = OXEL_PINREF_ELEMENTS;
        pin_ref->selector = reinterpret_cast<intptr_t>(indices);
    }
    return pin_ref;
}

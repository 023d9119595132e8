// Pin writer: pin list entries, pin references and name lists
#include "write/pin_writer.h"

namespace {

const char *const kPinTypes[] = {nullptr, "IN", "OUT", "OUTZ", "IO", "IOZ", "NC", "PWR", "GND",
                                 "TMS", "TDI", "TDO", "TCK", "TRST"};

bool put_pin_type(TextOut &out, int32_t type) {
    if (type < 1 || type > 13)
        return false;
    put_token(out, kPinTypes[type]);
    return true;
}

bool put_optional_name(TextOut &out, const char *name) {
    if (!name) {
        put_token(out, "-");
        return true;
    }
    return put_name(out, name, NameSpot::name);
}

// The items of a list separated by commas, between `opening` and its
// closing mark, each written by put_item; false for an empty list or an
// item that cannot be written.
template <typename Item, typename PutItem>
bool put_list(TextOut &out, const ItemList *list, char opening, bool glued, PutItem put_item) {
    if (!list || list->count < 1)
        return false;
    put_opening(out, opening, glued);
    for (int32_t i = 0; i < list->count; i++) {
        if (i > 0)
            put_closing(out, ',');
        if (!put_item(static_cast<const Item *>(list->items[i])))
            return false;
    }
    put_closing(out, opening == '(' ? ')' : ']');
    return true;
}

// Indices separated by commas, between parentheses.
bool put_indices(TextOut &out, const ItemList *indices, bool glued) {
    return put_list<IndexRecord>(out, indices, '(', glued, [&](const IndexRecord *index) {
        return put_index(out, index);
    });
}

// A bus's pin numbers: numbers, ranges and names (read as keywords there).
bool put_pin_numbers(TextOut &out, const ItemList *numbers) {
    return put_list<IndexRecord>(out, numbers, '(', false, [&](const IndexRecord *index) {
        return index && index->kind == OXEL_INDEX_NAME
                   ? put_name(out, reinterpret_cast<const char *>(index->first), NameSpot::keyword)
                   : put_index(out, index);
    });
}

bool put_pin_line(TextOut &out, const PinRecord *pin) {
    const PinNumberingRecord *numbering = pin->numbering;
    if (!numbering)
        return false;
    if (pin->form == OXEL_FORM_SINGLE) {
        if (!put_word(out, numbering->number, NameSpot::name) || !put_optional_name(out, pin->name))
            return false;
    } else if (pin->form == OXEL_FORM_BUS) {
        if (!put_pin_numbers(out, numbering->numbers) || !put_name(out, pin->name, NameSpot::name) ||
            !put_indices(out, numbering->indices, true))
            return false;
    } else {
        return false;
    }
    return put_pin_type(out, pin->type) && put_optional_name(out, pin->family);
}

}  // namespace

void write_pin_entry(TextOut &out, const PinRecord *pin) {
    begin_line(out);
    if (!put_pin_line(out, pin))
        cannot_write(out, "Pin", pin->name);
}

bool put_pin_ref(TextOut &out, const PinRefRecord *pin, NameSpot spot) {
    if (!pin)
        return false;
    switch (pin->kind) {
    case OXEL_PINREF_PLAIN:
        if (pin->selector != 0)
            return false;
        if (!pin->name) {
            put_token(out, "-");
            return true;
        }
        return put_word(out, pin->name, spot);
    case OXEL_PINREF_ELEMENT: {
        if (!put_name(out, pin->name, spot))
            return false;
        IndexRecord index = {OXEL_INDEX_NUMBER, pin->selector, 0};
        put_opening(out, '(', true);
        bool written = put_index(out, &index);
        put_closing(out, ')');
        return written;
    }
    case OXEL_PINREF_ELEMENTS: {
        const auto *indices = reinterpret_cast<const ItemList *>(pin->selector);
        // One number alone reads back as one element.
        if (!indices || (indices->count == 1 && indices->items[0] &&
                         static_cast<const IndexRecord *>(indices->items[0])->kind == OXEL_INDEX_NUMBER))
            return false;
        return put_name(out, pin->name, spot) && put_indices(out, indices, true);
    }
    default:
        return false;
    }
}

bool put_name_list(TextOut &out, const ItemList *names) {
    return put_list<char>(out, names, '[', false, [&](const char *name) {
        return put_word(out, name, NameSpot::name);
    });
}

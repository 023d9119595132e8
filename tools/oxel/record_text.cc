// oxel show: texts of the description's records as the file wrote them
#include "record_text.h"

namespace {

std::string index_text(const IndexRecord *index) {
    switch (index->kind) {
    case OXEL_INDEX_NAME: return reinterpret_cast<const char *>(index->first);
    case OXEL_INDEX_RANGE:
        return std::to_string(index->first) + ":" + std::to_string(index->last);
    default: return std::to_string(index->first);
    }
}

}  // namespace

std::string index_list_text(const ItemList *indices) {
    std::string out = "(";
    for (int32_t i = 0; indices && i < indices->count; i++) {
        if (i)
            out += ",";
        out += index_text(static_cast<const IndexRecord *>(indices->items[i]));
    }
    return out + ")";
}

Text pin_reference_text(const PinRefRecord *pin) {
    if (!pin || !pin->name)
        return std::nullopt;
    if (pin->kind == OXEL_PINREF_ELEMENT)
        return std::string(pin->name) + "(" + std::to_string(pin->selector) + ")";
    if (pin->kind == OXEL_PINREF_ELEMENTS)
        return pin->name + index_list_text(reinterpret_cast<const ItemList *>(pin->selector));
    return std::string(pin->name);
}

const char *vrak_mnemonic(int32_t kind) {
    static const char *const kMnemonics[] = {"?",   "RST", "?",   "WTN", "BPV", "CNF",
                                             "TAP", "ITP", "PPA", "CMT", "DRS"};
    return kind >= OXEL_VRAK_RST && kind <= OXEL_VRAK_DRS ? kMnemonics[kind] : kMnemonics[0];
}

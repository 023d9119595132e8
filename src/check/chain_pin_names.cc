// Chain pin names: the pin names that the chain of a boundary-scan register serves
#include "check/chain_pin_names.h"

#include <cstring>

#include "check/check_state.h"

namespace {

const char *pin_name_of(const void *element) {
    const auto *record = static_cast<const ChainElementRecord *>(element);
    return record && record->pin ? record->pin->name : nullptr;
}

bool walk_names_pin(const ItemList *chain, const char *name) {
    for (int32_t i = 0; chain && i < chain->count; i++) {
        const char *pin = pin_name_of(chain->items[i]);
        if (pin && std::strcmp(pin, name) == 0)
            return true;
    }
    return false;
}

// The names of the register's chain: found among those kept, or built in a
// free place; null when every place is taken (or after a failure, *failed).
ChainPinNames *names_of(HostContext *context, const BoundaryScanRegisterRecord *reg, bool *failed) {
    for (ChainPinNames &names : g_check.chain_pins) {
        if (names.reg == reg)
            return &names;
        if (names.reg)
            continue;
        // The index holds the pin names themselves: a question then reads
        // no chain element.
        const ItemList *chain = reg->chain;
        if (chain && !lookup_reserve(context, &names.elements, static_cast<uint32_t>(chain->count))) {
            *failed = true;
            return nullptr;
        }
        for (int32_t i = 0; chain && i < chain->count; i++)
            if (const char *pin = pin_name_of(chain->items[i]))
                lookup_insert(&names.elements, text_hash(pin), const_cast<char *>(pin));
        names.reg = reg;
        return &names;
    }
    return nullptr;
}

}  // namespace

ChainNamesPin chain_names_pin(HostContext *context, const BoundaryScanRegisterRecord *reg, const char *name) {
    if (!reg || !name)
        return ChainNamesPin::kNo;
    bool failed = false;
    ChainPinNames *names = names_of(context, reg, &failed);
    if (failed)
        return ChainNamesPin::kFailed;
    auto serves = [name](const void *pin) { return std::strcmp(static_cast<const char *>(pin), name) == 0; };
    bool found = names ? lookup_find(&names->elements, text_hash(name), serves) != nullptr
                       : walk_names_pin(reg->chain, name);
    return found ? ChainNamesPin::kYes : ChainNamesPin::kNo;
}

void release_chain_pin_names(HostContext *context) {
    for (ChainPinNames &names : g_check.chain_pins) {
        lookup_release(context, &names.elements);
        names.reg = nullptr;
    }
}

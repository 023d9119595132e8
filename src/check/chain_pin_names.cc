// Chain pin names: the pin names that the chain of a boundary-scan register serves
#include "check/chain_pin_names.h"

#include <cstring>

#include "check/check_state.h"

namespace {

const char *pin_name_of(const void *element) {
    const auto *record = static_cast<const ChainElementRecord *>(element);
    return record && record->pin ? record->pin->name : nullptr;
}

uint32_t hash_of_element(const void *element) { return text_hash(pin_name_of(element)); }

bool element_serves(const void *element, const char *name) {
    const char *pin = pin_name_of(element);
    return pin && std::strcmp(pin, name) == 0;
}

bool walk_names_pin(const ItemList *chain, const char *name) {
    for (int32_t i = 0; chain && i < chain->count; i++)
        if (element_serves(chain->items[i], name))
            return true;
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
        const ItemList *chain = reg->chain;
        for (int32_t i = 0; chain && i < chain->count; i++) {
            if (!pin_name_of(chain->items[i]))
                continue;
            if (!lookup_reserve(context, &names.elements, hash_of_element)) {
                lookup_release(context, &names.elements);
                *failed = true;
                return nullptr;
            }
            lookup_insert(&names.elements, hash_of_element(chain->items[i]), chain->items[i]);
        }
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
    auto serves = [name](const void *element) { return element_serves(element, name); };
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

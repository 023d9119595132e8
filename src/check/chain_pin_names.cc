// Chain pin names: the pin names that the chain of a boundary-scan register serves
#include "check/chain_pin_names.h"

#include <cstring>


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

// A matcher of the index for the text `name`.
auto text_matcher(const char *name) {
    return [name](const void *copy) { return std::strcmp(static_cast<const char *>(copy), name) == 0; };
}

void release_names(HostContext *context, ChainPinNames &names) {
    lookup_release(context, &names.names);
    slab_store_free(context, &names.copies);
    names.reg = nullptr;
}

// The names of the register's chain: found among those kept, or built in a
// free place; null when every place is taken (or after a failure, *failed).
ChainPinNames *names_of(HostContext *context, ChainPinNames (&kept)[kChainPinRegisters],
                        const BoundaryScanRegisterRecord *reg, bool *failed) {
    for (ChainPinNames &names : kept) {
        if (names.reg == reg)
            return &names;
        if (names.reg)
            continue;
        // The index holds copies of the names, side by side in chain order:
        // the questions, which come in pin list order, most often the chain's
        // too, then read neither the chain's elements nor its scattered texts.
        const ItemList *chain = reg->chain;
        if (chain && !lookup_reserve(context, &names.names, static_cast<uint32_t>(chain->count))) {
            *failed = true;
            return nullptr;
        }
        // Each name once: the elements of a bus all name the bus, and equal
        // names would make one long run of slots.
        for (int32_t i = 0; chain && i < chain->count; i++) {
            const char *pin = pin_name_of(chain->items[i]);
            if (!pin)
                continue;
            const TextHash hash = hash_text(pin);
            if (lookup_find(&names.names, hash.index, text_matcher(pin)))
                continue;
            char *copy = slab_text(context, &names.copies, pin, hash.length);
            if (!copy) {
                release_names(context, names);
                *failed = true;
                return nullptr;
            }
            lookup_insert(&names.names, hash.index, copy);
        }
        names.reg = reg;
        return &names;
    }
    return nullptr;
}

}  // namespace

ChainNamesPin chain_names_pin(HostContext *context, ChainPinNames (&kept)[kChainPinRegisters],
                              const BoundaryScanRegisterRecord *reg, const char *name) {
    if (!reg || !name)
        return ChainNamesPin::kNo;
    bool failed = false;
    ChainPinNames *names = names_of(context, kept, reg, &failed);
    if (failed)
        return ChainNamesPin::kFailed;
    bool found = names ? lookup_find(&names->names, text_hash(name), text_matcher(name)) != nullptr
                       : walk_names_pin(reg->chain, name);
    return found ? ChainNamesPin::kYes : ChainNamesPin::kNo;
}

void release_chain_pin_names(HostContext *context, ChainPinNames (&kept)[kChainPinRegisters]) {
    for (ChainPinNames &names : kept)
        release_names(context, names);
}

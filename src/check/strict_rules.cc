// Strict rules: the IEEE 1149.1 rules a host may ask for beyond the designed check
#include "check/strict_rules.h"

#include "check/strict_chain_rules.h"
#include "check/strict_instruction_rules.h"
#include "check/strict_register_rules.h"
#include "model/item_list.h"

namespace {

bool states_standard(const ComponentRecord *component) {
    return component->standard == OXEL_STANDARD_IEEE_1149_1_1990 || component->standard == OXEL_STANDARD_JTAG_V2_0;
}

}   // namespace

Severity check_strict_rules(HostContext *context, const description_state &description) {
    const Subject nowhere{context, &description.locations, nullptr};
    const ItemList *components = description.root.components;
    Severity result = kClean;
    for (int32_t i = 0; i < list_count(components); i++) {
        const auto *component = list_item<ComponentRecord>(components, i);
        if (!component)
            continue;
        const Subject at = nowhere.about(component);
        result |= check_strict_instructions(at, component, states_standard(component));
        result |= check_strict_registers(at, component);
        result |= check_strict_chains(at, component);
    }
    return result;
}

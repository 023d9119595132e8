// Strict chain rules: the boundary-scan chain's cells against the pins they serve, held to IEEE 1149.1
#include "check/strict_chain_rules.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/memory.h"
#include "check/name_table.h"
#include "model/item_list.h"

namespace {

// Wider buses are not followed bit by bit (the designed check refuses them).
constexpr int64_t kWidestBus = 65536;
constexpr int32_t kNone = -1;

// What the chain does with one pin, or one bit of a bus: the positions of
// the first cells that read and drive it.
struct BitUse {
    bool member;     // a bus's index (a single pin's one bit always is)
    bool served;     // some cell names it
    bool observed;   // an observe-only cell reads it
    int32_t reader;
    int32_t driver;
    const ChainElementRecord *uncontrolled;   // the first cell that drives it naming no control cell
};

// A pin or bus of the pin lists with its bits, bus indices from `low` on.
struct PinBits {
    const PinRecord *pin;
    int32_t low;
    int32_t span;
    BitUse *bits;
};

// The pins of a component, by name and by a single pin's number.
struct PinIndex {
    PinBits *pins;
    int32_t count;
    NameTable *names;
    NameTable *numbers;
};

bool is_bus(const PinRecord *pin) { return pin->form == OXEL_FORM_BUS; }

const ItemList *bus_indices(const PinRecord *pin) { return pin->numbering ? pin->numbering->indices : nullptr; }

// The lowest and highest index of a bus; false for one without indices.
bool index_bounds(const PinRecord *pin, int64_t *low, int64_t *high) {
    const ItemList *indices = bus_indices(pin);
    bool any = false;
    for (int32_t i = 0; i < list_count(indices); i++) {
        const auto *index = list_item<IndexRecord>(indices, i);
        if (!index || (index->kind != OXEL_INDEX_NUMBER && index->kind != OXEL_INDEX_RANGE))
            continue;
        int64_t a = index->first, b = index->kind == OXEL_INDEX_RANGE ? index->last : index->first;
        if (a > b) {
            int64_t t = a;
            a = b;
            b = t;
        }
        *low = any && *low < a ? *low : a;
        *high = any && *high > b ? *high : b;
        any = true;
    }
    return any;
}

void mark_members(PinBits &entry) {
    if (!is_bus(entry.pin)) {
        entry.bits[0].member = true;
        return;
    }
    const ItemList *indices = bus_indices(entry.pin);
    for (int32_t i = 0; i < list_count(indices); i++) {
        const auto *index = list_item<IndexRecord>(indices, i);
        if (!index || (index->kind != OXEL_INDEX_NUMBER && index->kind != OXEL_INDEX_RANGE))
            continue;
        int64_t a = index->first, b = index->kind == OXEL_INDEX_RANGE ? index->last : index->first;
        for (int64_t v = a < b ? a : b; v <= (a < b ? b : a); v++)
            entry.bits[v - entry.low].member = true;
    }
}

int32_t count_pins(const ComponentRecord *component) {
    int32_t count = 0;
    for (int32_t i = 0; i < list_count(component->pin_lists); i++)
        count += list_count(list_item<ItemList>(component->pin_lists, i));
    return count;
}

// Enters one pin with room for its bits; false after a reported failure.
bool add_pin(HostContext *host, PinIndex &index, const PinRecord *pin) {
    int64_t low = 0, high = 0;
    if (is_bus(pin) && (!index_bounds(pin, &low, &high) || high - low + 1 > kWidestBus))
        return true;   // a bus the designed check refuses, or none at all
    PinBits &entry = index.pins[index.count];
    entry = {pin, static_cast<int32_t>(low), static_cast<int32_t>(high - low + 1), nullptr};
    entry.bits = static_cast<BitUse *>(mem_alloc(host, sizeof(BitUse) * static_cast<size_t>(entry.span)));
    if (!entry.bits)
        return false;
    index.count++;
    mark_members(entry);
    if (pin->name && !name_table_enter_text(host, index.names, pin->name, &entry))
        return false;
    const char *number = pin->numbering ? pin->numbering->number : nullptr;
    return is_bus(pin) || !number || name_table_enter_text(host, index.numbers, number, &entry);
}

void free_pin_index(HostContext *host, PinIndex &index) {
    for (int32_t i = 0; i < index.count; i++)
        mem_free(host, index.pins[i].bits);
    mem_free(host, index.pins);
    name_table_free(host, index.names);
    name_table_free(host, index.numbers);
    index = {};
}

bool build_pin_index(HostContext *host, const ComponentRecord *component, PinIndex &index) {
    index = {};
    const int32_t count = count_pins(component);
    index.pins = static_cast<PinBits *>(mem_alloc(host, sizeof(PinBits) * static_cast<size_t>(count + 1)));
    index.names = index.pins ? name_table_create(host) : nullptr;
    index.numbers = index.names ? name_table_create(host) : nullptr;
    if (!index.numbers)
        return false;
    for (int32_t i = 0; i < list_count(component->pin_lists); i++) {
        const auto *pins = list_item<ItemList>(component->pin_lists, i);
        for (int32_t j = 0; j < list_count(pins); j++)
            if (const auto *pin = list_item<PinRecord>(pins, j); pin && !add_pin(host, index, pin))
                return false;
    }
    return true;
}

void clear_uses(PinIndex &index) {
    for (int32_t i = 0; i < index.count; i++)
        for (int32_t b = 0; b < index.pins[i].span; b++) {
            BitUse &use = index.pins[i].bits[b];
            use.served = use.observed = false;
            use.reader = use.driver = kNone;
            use.uncontrolled = nullptr;
        }
}

// The pin or bus bit a chain element serves: the first pin of that name
// (a plain reference also by number), null for none, for an internal cell
// or for a reference the designed check refuses.
PinBits *served_pin(const PinIndex &index, const PinRefRecord *ref, int32_t *bit) {
    if (!ref || !ref->name || std::strcmp(ref->name, "-") == 0)
        return nullptr;
    const NameEntry *found = name_table_lookup(index.names, ref->name);
    if (ref->kind == OXEL_PINREF_PLAIN) {
        if (!found)
            found = name_table_lookup(index.numbers, ref->name);
        PinBits *pin = found ? static_cast<PinBits *>(found->payload) : nullptr;
        *bit = 0;
        return pin && !is_bus(pin->pin) ? pin : nullptr;
    }
    if (ref->kind != OXEL_PINREF_ELEMENT || !found)
        return nullptr;
    auto *pin = static_cast<PinBits *>(found->payload);
    const int64_t offset = static_cast<int64_t>(ref->selector) - pin->low;
    if (!is_bus(pin->pin) || offset < 0 || offset >= pin->span || !pin->bits[offset].member)
        return nullptr;
    *bit = static_cast<int32_t>(offset);
    return pin;
}

// A parameter list that names something: present, with a first entry not "-".
bool given(const ItemList *params) {
    if (!list_holds_items(params))
        return false;
    const char *first = list_item<const char>(params, 0);
    return first && std::strcmp(first, "-") != 0;
}

// "D(3)" for a bus bit, the name (or number) of a single pin.
void pin_display(const PinBits &pin, int32_t bit, char *text, size_t room) {
    const char *name = pin.pin->name ? pin.pin->name : "(noname)";
    if (is_bus(pin.pin))
        std::snprintf(text, room, "%s(%d)", name, pin.low + bit);
    else
        std::snprintf(text, room, "%s", name);
}

// A control cell entry's position: its text as a decimal number, or kNone.
int32_t control_position(const char *entry, int32_t count) {
    if (!entry || !*entry)
        return kNone;
    char *end = nullptr;
    long value = std::strtol(entry, &end, 10);
    return *end || value < 0 || value >= count ? kNone : static_cast<int32_t>(value);
}

// What the chain's elements say of one control cell: the first disable
// value of 0 or 1 one of them gives, with that element's position and the
// text it names the control cell by.
struct ControlCell {
    char value;   // '0', '1', or 0 while none gives one
    int32_t given_at;
    const char *named;
    bool unknown_told;
};

// One chain: its elements by position in `at_position`, what they say of
// the control cell at each position in `controls` (count of each).
struct ChainView {
    const ItemList *chain;
    int32_t count;
    const ChainElementRecord **at_position;
    ControlCell *controls;
};

// The disable value at `i` of an element, or null.
const char *disable_value(const ChainElementRecord *element, int32_t i) {
    return i < list_count(element->disable_values) ? list_item<const char>(element->disable_values, i) : nullptr;
}

bool zero_or_one(const char *value) { return value && (std::strcmp(value, "0") == 0 || std::strcmp(value, "1") == 0); }

// Notes the first disable value of 0 or 1 each control cell is given.
void collect_disable_values(const ChainView &view) {
    for (int32_t e = 0; e < view.count; e++) {
        const auto *element = list_item<ChainElementRecord>(view.chain, e);
        for (int32_t i = 0; element && i < list_count(element->control_cells); i++) {
            const char *entry = list_item<const char>(element->control_cells, i);
            const int32_t position = control_position(entry, view.count);
            const char *disable = disable_value(element, i);
            if (position != kNone && zero_or_one(disable) && !view.controls[position].value)
                view.controls[position] = {disable[0], element->position, entry, false};
        }
    }
}

// Whether the element's cell only observes its pin, told by its name.
bool is_observe_only(const ChainElementRecord *element) {
    const char *name = element->cell_name;
    const char *word = "OBSERVE_ONLY";
    for (; name && *name; name++) {
        size_t i = 0;
        while (word[i] && std::toupper(static_cast<unsigned char>(name[i])) == word[i])
            i++;
        if (!word[i])
            return true;
    }
    return false;
}

Severity check_pin_use(const Subject &about, const ChainElementRecord *element, PinBits *pin, int32_t bit, bool reads,
                       bool drives) {
    Severity result = kClean;
    BitUse &use = pin->bits[bit];
    use.served = true;
    char shown[160];
    pin_display(*pin, bit, shown, sizeof shown);
    if (reads && use.reader != kNone)
        result |=
            about.error("Cells at chain positions %d and %d both read pin %s", use.reader, element->position, shown);
    else if (reads)
        use.reader = element->position;
    if (drives && use.driver != kNone)
        result |=
            about.error("Cells at chain positions %d and %d both drive pin %s", use.driver, element->position, shown);
    else if (drives)
        use.driver = element->position;
    if (drives && !given(element->control_cells) && !use.uncontrolled)
        use.uncontrolled = element;
    if (reads && is_observe_only(element))
        use.observed = true;
    return result;
}

// Whether a control cell serves an output pin, which the designed check tells.
bool serves_output(const PinIndex &index, const ChainElementRecord *control) {
    int32_t bit = 0;
    const PinBits *pin = served_pin(index, control->pin, &bit);
    return pin && (pin->pin->type == OXEL_PIN_OUT || pin->pin->type == OXEL_PIN_OUTZ);
}

Severity check_controls(const Subject &about, const PinIndex &index, const ChainElementRecord *element,
                        const ChainView &view) {
    Severity result = kClean;
    const int32_t controls = list_count(element->control_cells);
    for (int32_t i = 0; i < controls; i++) {
        const char *entry = list_item<const char>(element->control_cells, i);
        const int32_t position = control_position(entry, view.count);
        if (position == kNone)
            continue;
        const ChainElementRecord *control = view.at_position[position];
        // An open-collector output is its own control cell.
        if (control && position != element->position && given(control->output_params) && !serves_output(index, control))
            result |= about.error("Control cell %d of chain position %d drives a pin: it is no control cell", position,
                                  element->position);
        const char *disable = disable_value(element, i);
        ControlCell &cell = view.controls[position];
        if (disable && (std::strcmp(disable, "X") == 0 || std::strcmp(disable, "x") == 0) && !cell.value &&
            !cell.unknown_told) {
            cell.unknown_told = true;
            result |= about.error("Control cell %d has no disable value of 0 or 1 (chain position %d)", position,
                                  element->position);
        }
        // Named alike, the two are the designed check's mismatch.
        if (zero_or_one(disable) && cell.value && disable[0] != cell.value && std::strcmp(entry, cell.named) != 0)
            result |= about.error(
                "Control cell %d turns its pins off with %c at chain position %d and with %c at chain position %d",
                position, cell.value, cell.given_at, disable[0], element->position);
    }
    return result;
}

Severity check_element(const Subject &at, const PinIndex &index, const ChainElementRecord *element,
                       const ChainView &view) {
    const Subject about = at.about(element);
    Severity result = kClean;
    int32_t bit = 0;
    if (PinBits *pin = served_pin(index, element->pin, &bit))
        result |= check_pin_use(about, element, pin, bit, given(element->input_params), given(element->output_params));
    return result | check_controls(about, index, element, view);
}

bool is_boundary_scan_type(int32_t type) { return type >= OXEL_PIN_IN && type <= OXEL_PIN_IOZ; }

// A bidirectional pin driven by a cell that names no control cell, told at
// that cell; a pin an observe-only cell reads back is an output the check
// has made IO.
Severity check_uncontrolled_drivers(const Subject &at, const PinBits &pin) {
    Severity result = kClean;
    if (pin.pin->type != OXEL_PIN_IO)
        return kClean;
    for (int32_t b = 0; b < pin.span; b++) {
        const BitUse &use = pin.bits[b];
        if (!use.uncontrolled || use.observed)
            continue;
        char shown[160];
        pin_display(pin, b, shown, sizeof shown);
        result |= at.about(use.uncontrolled)
                      .warning("Cell at chain position %d drives bidirectional pin %s and names no control cell",
                               use.uncontrolled->position, shown);
    }
    return result;
}

// After the chain: each pin's drivers without control cells, and the bits
// of each bus some cell serves that no cell serves, told at the bus.
Severity check_pin_bits(const Subject &at, const PinIndex &index, const char *register_name) {
    Severity result = kClean;
    for (int32_t i = 0; i < index.count; i++) {
        const PinBits &pin = index.pins[i];
        result |= check_uncontrolled_drivers(at, pin);
        if (!is_bus(pin.pin) || !is_boundary_scan_type(pin.pin->type))
            continue;
        bool any = false;
        for (int32_t b = 0; b < pin.span && !any; b++)
            any = pin.bits[b].served;
        // A bus without any cell is the designed check's warning.
        for (int32_t b = 0; any && b < pin.span; b++)
            result |=
                at.about(pin.pin).warning_if(pin.bits[b].member && !pin.bits[b].served,
                                             "Bit %d of bus %s has no cell in boundary-scan register \"%s\"",
                                             pin.low + b, pin.pin->name ? pin.pin->name : "(noname)", register_name);
    }
    return result;
}

Severity check_chain(const Subject &at, PinIndex &index, const BoundaryScanRegisterRecord *reg) {
    const int32_t count = list_count(reg->chain);
    if (count < 1)
        return kClean;
    ChainView view{reg->chain, count, nullptr, nullptr};
    view.at_position = static_cast<const ChainElementRecord **>(
        mem_alloc(at.host, sizeof(ChainElementRecord *) * static_cast<size_t>(count)));
    view.controls =
        view.at_position
            ? static_cast<ControlCell *>(mem_alloc(at.host, sizeof(ControlCell) * static_cast<size_t>(count)))
            : nullptr;
    if (!view.controls) {
        mem_free(at.host, view.at_position);
        return kError;
    }
    for (int32_t i = 0; i < count; i++) {
        view.at_position[i] = nullptr;
        view.controls[i] = {0, kNone, nullptr, false};
    }
    for (int32_t i = 0; i < count; i++) {
        const auto *element = list_item<ChainElementRecord>(reg->chain, i);
        if (element && element->position >= 0 && element->position < count && !view.at_position[element->position])
            view.at_position[element->position] = element;
    }
    clear_uses(index);
    collect_disable_values(view);
    Severity result = kClean;
    for (int32_t i = 0; i < count; i++)
        if (const auto *element = list_item<ChainElementRecord>(reg->chain, i))
            result |= check_element(at, index, element, view);
    result |= check_pin_bits(at, index, reg->name ? reg->name : "(noname)");
    mem_free(at.host, view.controls);
    mem_free(at.host, view.at_position);
    return result;
}

}   // namespace

Severity check_strict_chains(const Subject &at, const ComponentRecord *component) {
    const ItemList *registers = component->boundary_scan_registers;
    if (!list_holds_items(registers))
        return kClean;
    PinIndex index;
    if (!build_pin_index(at.host, component, index)) {
        free_pin_index(at.host, index);
        return kError;
    }
    Severity result = kClean;
    for (int32_t i = 0; i < list_count(registers); i++)
        if (const auto *reg = list_item<BoundaryScanRegisterRecord>(registers, i))
            result |= check_chain(at.about(reg), index, reg);
    free_pin_index(at.host, index);
    return result;
}

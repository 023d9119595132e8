// Boundary-scan register and chain checks: registers, positions, each element's cell, pin and parameters
#include "check/chain_checks.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>

#include "check/bus_index_set.h"
#include "check/disable_value_groups.h"
#include "check/name_table.h"
#include "check/pin_reference.h"
#include "check/register_walk.h"
#include "model/item_list.h"

namespace {

// ---- Parameter lists ----

bool is_dash(const char *text) { return text && std::strcmp(text, "-") == 0; }

bool is_present_and_empty(const ItemList *list) { return list && !list_holds_items(list); }

// Absent, empty, or led by "-": no parameter at all.
bool is_effectively_none(const ItemList *list) {
    if (!list_holds_items(list))
        return true;
    const char *first = static_cast<const char *>(list->items[0]);
    return !first || is_dash(first);
}

// Entry i of a parameter list; null for an absent entry and for "-", which
// every per-entry rule skips.
const char *parameter(const ItemList *list, int32_t i) {
    const char *entry = static_cast<const char *>(list->items[i]);
    return is_dash(entry) ? nullptr : entry;
}

// A control cell entry names a chain position by its leading integer; a
// value too large for any position is clamped, not overflowed.
long long leading_integer(const char *text) { return std::strtoll(text, nullptr, 10); }

const char *pin_type_name(int32_t type) {
    static const char *const kNames[] = {"UNKNOWN", "IN", "OUT", "OUTZ", "IO", "IOZ"};
    return type >= OXEL_PIN_IN && type <= OXEL_PIN_IOZ ? kNames[type] : kNames[0];
}

PinRecord *pin_in(const NameTable *table, const char *name) {
    NameEntry *entry = name_table_lookup(table, name);
    return entry ? static_cast<PinRecord *>(entry->payload) : nullptr;
}

// ---- One chain element ----

// What the elements of one chain share: the device's tables, the
// positions met so far, the control cell groups, the chain and its
// register's name.
struct ChainWalk {
    const DeviceTables &tables;
    BusIndexSet &positions;
    DisableValueGroups &disable_groups;
    const ItemList *chain;
    const char *register_name;
};

// An element of the chain as its checks see it.
struct Element {
    Subject at;                     // the element
    const ChainWalk &walk;
    int32_t index;                  // in the chain list
    ChainElementRecord *record;
    const CellRecord *cell;         // null when the cell name is unknown
    PinRecord *pin;                 // the pin it serves; null for an internal cell
    bool three_state;               // an input whose PO parameters name a 3-state pin
};

int32_t position(const Element &e) { return e.record->position; }

const char *served_type(const Element &e) { return pin_type_name(e.pin ? e.pin->type : 0); }

// Every pin a parameter list names must be a pin number of the device; a
// pin of a type `mismatches` rejects is reported with that type.
template <typename Mismatch>
Severity check_parameter_pins(const Element &e, const ItemList *list, const char *kind, Mismatch mismatches) {
    Severity result = kClean;
    for (int32_t i = 0; i < list_count(list); i++) {
        const char *entry = parameter(list, i);
        if (!entry)
            continue;
        const PinRecord *pin = pin_in(e.walk.tables.pin_numbers, entry);
        if (!pin) {
            e.at.error("Undefined pin at chain position %d (\"%s\" \"%s\")",
                       position(e), kind, entry);
            result |= kError;
        } else if (mismatches(pin->type)) {
            e.at.error("Type mismatch for %s pin at chain position %d (\"%s\" \"%s\")",
                       pin_type_name(pin->type), position(e), kind, entry);
            result |= kError;
        }
    }
    return result;
}

Severity check_pi_required(Element &e) {
    const ItemList *inputs = e.record->input_params;
    if (is_present_and_empty(inputs)) {
        e.at.error("Missing PI parameters for %s pin at chain position %d in BoundaryScan register \"%s\"",
                   served_type(e), position(e), e.walk.register_name);
        return kError;
    }
    if (!list_holds_items(inputs))
        return kClean;
    Severity result = kClean;
    if (list_count(e.cell->data_inputs) != inputs->count) {
        e.at.warning("Cell input list does not match list of PI parameters at chain position %d in BoundaryScan register \"%s\" (cell \"%s\")",
                     position(e), e.walk.register_name, e.cell->name);
        result |= kWarning;
    }
    // The pin read through the cell is the pin it serves, or one of its type.
    int32_t served = e.pin->type;
    return result | check_parameter_pins(e, inputs, "PI", [served](int32_t type) { return type != served; });
}

Severity check_pi_forbidden(Element &e) {
    if (is_effectively_none(e.record->input_params))
        return kClean;
    if (e.pin)
        e.at.error("PI parameters attached to %s pin at chain position %d in BoundaryScan register \"%s\"",
                   served_type(e), position(e), e.walk.register_name);
    else
        e.at.error("PI parameters attached to internal cell at chain position %d in BoundaryScan register \"%s\"",
                   position(e), e.walk.register_name);
    return kError;
}

// An output cell may read back no output pin.
Severity check_pi_of_output(Element &e) {
    return check_parameter_pins(e, e.record->input_params, "PI",
                                [](int32_t type) { return type == OXEL_PIN_OUT || type == OXEL_PIN_OUTZ; });
}

Severity check_po_required(Element &e) {
    const ItemList *outputs = e.record->output_params;
    if (is_present_and_empty(outputs)) {
        e.at.error("Missing PO parameters for %s pin at chain position %d in BoundaryScan register \"%s\"",
                   served_type(e), position(e), e.walk.register_name);
        return kError;
    }
    if (list_holds_items(outputs) && list_count(e.cell->data_outputs) != outputs->count) {
        e.at.warning("Cell output list does not match list of PO parameters at chain position %d in BoundaryScan register \"%s\" (cell \"%s\")",
                     position(e), e.walk.register_name, e.cell->name);
        return kWarning;
    }
    return kClean;
}

Severity check_po_forbidden(Element &e) {
    if (is_effectively_none(e.record->output_params))
        return kClean;
    e.at.error("PO parameters attached to internal cell at chain position %d in BoundaryScan register \"%s\"",
               position(e), e.walk.register_name);
    return kError;
}

// An input cell may drive no input pin; driving a 3-state pin makes it a
// 3-state element, which then needs its control cell and disable values.
Severity check_po_of_input(Element &e) {
    return check_parameter_pins(e, e.record->output_params, "PO", [&e](int32_t type) {
        if (type == OXEL_PIN_OUTZ || type == OXEL_PIN_IOZ)
            e.three_state = true;
        return type == OXEL_PIN_IN;
    });
}

Severity check_control_required(Element &e) {
    const ItemList *controls = e.record->control_cells;
    if (!controls || !is_effectively_none(controls))
        return kClean;
    e.at.error("Missing control-parameter definition for %s pin at chain position %d in BoundaryScan register \"%s\"",
               served_type(e), position(e), e.walk.register_name);
    return kError;
}

// Runs `visit` on each control cell entry with the chain position it
// names; "-" and absent entries are skipped.
template <typename Visit>
Severity for_each_control_cell(const Element &e, Visit visit) {
    const ItemList *controls = e.record->control_cells;
    Severity result = kClean;
    for (int32_t i = 0; i < list_count(controls); i++)
        if (const char *entry = parameter(controls, i))
            result |= visit(entry, leading_integer(entry));
    return result;
}

bool in_chain(const Element &e, long long position) { return position >= 0 && position < e.walk.chain->count; }

Severity check_control_cell_range(Element &e) {
    return for_each_control_cell(e, [&e](const char *entry, long long control) {
        if (in_chain(e, control))
            return kClean;
        e.at.error("Illegal reference Control Cell \"%s\" at chain position %d",
                   entry, position(e));
        return kError;
    });
}

bool has_position(const ItemList *chain, int32_t index, long long wanted) {
    const auto *element = static_cast<const ChainElementRecord *>(chain->items[index]);
    return element && element->position == wanted;
}

// Control cells sit near the cells they control: the search starts at the
// element itself and widens one step back, one forward, two back, two forward...
const ChainElementRecord *element_at_position(const Element &e, long long wanted) {
    const ItemList *chain = e.walk.chain;
    for (int32_t back = e.index, forward = e.index; back >= 0 || forward < chain->count; back--, forward++) {
        if (back >= 0 && has_position(chain, back, wanted))
            return static_cast<const ChainElementRecord *>(chain->items[back]);
        if (forward != e.index && forward < chain->count && has_position(chain, forward, wanted))
            return static_cast<const ChainElementRecord *>(chain->items[forward]);
    }
    return nullptr;
}

// A control cell that serves a pin itself must serve one it can read.
Severity check_control_cell_pins(Element &e) {
    return for_each_control_cell(e, [&e](const char *entry, long long control) {
        const ChainElementRecord *control_cell =
            in_chain(e, control) ? element_at_position(e, control) : nullptr;
        const char *name = control_cell && control_cell->pin ? control_cell->pin->name : nullptr;
        const PinRecord *pin = name ? pin_in(e.walk.tables.pin_names, name) : nullptr;
        if (!pin || pin->type == OXEL_PIN_IN || pin->type == OXEL_PIN_IO || pin->type == OXEL_PIN_IOZ)
            return kClean;
        e.at.error("Wrong pin type in CDOutput (element \"%s\" -> pin \"%s\") at chain position %d",
                   entry, name, position(e));
        return kError;
    });
}

Severity check_disable_required(Element &e) {
    const ItemList *disables = e.record->disable_values, *controls = e.record->control_cells;
    if (disables && is_effectively_none(disables)) {
        e.at.error("Missing disable-value definition for %s pin at chain position %d in BoundaryScan register \"%s\"",
                   served_type(e), position(e), e.walk.register_name);
        return kError;
    }
    if (!controls || list_count(controls) != list_count(disables)) {
        e.at.error("Number of control parameters is not matching number of disable-values at chain position %d in BoundaryScan register \"%s\"",
                   position(e), e.walk.register_name);
        return kError;
    }
    return kClean;
}

// Control cells and disable values pair up by index, as far as both go.
int32_t control_pairs(const ChainElementRecord *element) {
    return std::min(list_count(element->control_cells), list_count(element->disable_values));
}

bool is_settled(char value) { return value == '0' || value == '1'; }

// Compares disable value `i` of the element with those of every earlier
// element that names the same control cell, nearest first (within an
// element, its pairs in order). A 0 against a 1 is a mismatch; an X on
// either side takes the other side's value, in the description itself.
// Only a 0 or a 1 is taken: an X must not turn into a "-" or into text that
// was never checked. The earlier entries come from the control cell's group,
// whose counts tell when the comparison can change nothing.
Severity compare_with_group(Element &e, DisableGroup *group, char *value, char current) {
    Severity result = kClean;
    for (int32_t end = group->count - 1; end >= 0;) {
        int32_t start = end;
        while (start > 0 && group->entries[start - 1].element == group->entries[end].element)
            start--;
        int32_t element = group->entries[end].element;
        const auto *earlier = static_cast<const ChainElementRecord *>(e.walk.chain->items[element]);
        for (int32_t n = start; n <= end; n++) {
            char *earlier_value = static_cast<char *>(earlier->disable_values->items[group->entries[n].pair]);
            char before = earlier_value[0];
            if (is_settled(before) && is_settled(current) && before != current) {
                e.at.error("Mismatch disable value at chain positions %d and %d",
                           earlier->position, position(e));
                result |= kError;
            } else if (before == 'X' && is_settled(current)) {
                earlier_value[0] = current;
                disable_group_recount(group, before, current);
            } else if (current == 'X' && is_settled(before)) {
                value[0] = current = before;
            }
        }
        end = start - 1;
    }
    return result;
}

// Whether comparing `current` with the group could report or change anything.
bool may_settle(const DisableGroup *group, char current) {
    if (current == '0')
        return group->unknowns > 0 || group->ones > 0;
    if (current == '1')
        return group->unknowns > 0 || group->zeros > 0;
    return current == 'X' && group->zeros + group->ones > 0;
}

Severity settle_disable_value(Element &e, int32_t i, char *value, char current) {
    const char *control = static_cast<const char *>(e.record->control_cells->items[i]);
    if (!control)
        return kClean;
    bool failed = false;
    DisableGroup *group =
        disable_group_before(e.at.host, e.walk.disable_groups, e.walk.chain, e.index, control, &failed);
    if (failed)
        return kError;
    return group && may_settle(group, current) ? compare_with_group(e, group, value, current) : kClean;
}

Severity check_disable_values(Element &e) {
    const ItemList *disables = e.record->disable_values;
    Severity result = kClean;
    for (int32_t i = 0; i < control_pairs(e.record); i++) {
        char *value = static_cast<char *>(disables->items[i]);
        if (!value)
            continue;
        if (std::strlen(value) != 1) {
            e.at.error("Illegal control disable value \"%s\" at chain position %d",
                       value, position(e));
            result |= kError;
        }
        char current = value[0];
        if (current == '-')
            continue;
        if (current == 'x')
            value[0] = current = 'X';
        if (current != '0' && current != '1' && current != 'X') {
            e.at.error("Illegal control disable value \"%s\" at chain position %d",
                       value, position(e));
            result |= kError;
        }
        result |= settle_disable_value(e, i, value, current);
    }
    return result;
}

// ---- Element checks by the type of the pin served ----

using ElementCheck = Severity (*)(Element &);
constexpr int kMostChecks = 7;
using CheckSequence = ElementCheck[kMostChecks];

Severity run_checks(Element &e, const CheckSequence &checks) {
    Severity result = kClean;
    for (ElementCheck check : checks)
        if (check)
            result |= check(e);
    return result;
}

constexpr CheckSequence kThreeStateInputControls = {check_control_required, check_control_cell_range,
                                                    check_disable_required, check_disable_values};
constexpr CheckSequence kInputControls = {check_control_cell_pins, check_control_cell_range,
                                          check_disable_values};

// An input's PO parameters, read just before, tell which controls it needs.
Severity check_input_controls(Element &e) {
    return run_checks(e, e.three_state ? kThreeStateInputControls : kInputControls);
}

// By PinType IN to IOZ; row 0 is an internal cell, which serves no pin.
constexpr CheckSequence kChecksByPinType[] = {
    {check_pi_forbidden, check_po_forbidden, check_control_cell_pins, check_control_cell_range,
     check_disable_values},
    {check_pi_required, check_po_of_input, check_input_controls},
    {check_po_required, check_pi_of_output, check_control_cell_pins, check_control_cell_range,
     check_disable_values},
    {check_po_required, check_pi_forbidden, check_control_required, check_control_cell_range,
     check_disable_required, check_disable_values},
    {check_pi_required, check_po_required, check_control_cell_pins, check_control_cell_range,
     check_disable_values},
    {check_pi_required, check_po_required, check_control_required, check_control_cell_pins,
     check_control_cell_range, check_disable_required, check_disable_values},
};

bool names_observe_only(const char *cell_name) {
    static const char kWord[] = "OBSERVE_ONLY";
    for (const char *start = cell_name; *start; start++) {
        size_t i = 0;
        while (kWord[i] && std::toupper(static_cast<unsigned char>(start[i])) == kWord[i])
            i++;
        if (!kWord[i])
            return true;
    }
    return false;
}

// An output whose cell only observes, and reads an output pin back, serves
// a pin that is in fact both: it is checked, and kept, as IO.
Severity check_observe_only(Element &e) {
    const ItemList *inputs = e.record->input_params;
    if (!names_observe_only(e.record->cell_name))
        return kClean;
    for (int32_t i = 0; i < list_count(inputs); i++) {
        const char *entry = parameter(inputs, i);
        const PinRecord *pin = entry ? pin_in(e.walk.tables.pin_numbers, entry) : nullptr;
        if (!pin || (pin->type != OXEL_PIN_OUT && pin->type != OXEL_PIN_OUTZ))
            continue;
        e.at.warning("Observe-only cell for %s pin at chain position %d (\"PI\" \"%s\")",
                     pin_type_name(pin->type), position(e), entry);
        e.pin->type = OXEL_PIN_IO;
        return kWarning;
    }
    return kClean;
}

// ---- Cell, pin and position of an element ----

Severity find_cell(Element &e) {
    const char *cell_name = e.record->cell_name;
    if (!cell_name) {
        e.at.error("Missing cell name at chain position %d of BoundaryScan register \"%s\"",
                   position(e), e.walk.register_name);
        return kError;
    }
    NameEntry *entry = name_table_lookup(e.walk.tables.cell_names, cell_name);
    if (!entry) {
        e.at.error("Using undefined cell \"%s\" in BoundaryScan chain at position %d of register \"%s\"",
                   cell_name, position(e), e.walk.register_name);
        return kError;
    }
    e.cell = static_cast<const CellRecord *>(entry->payload);
    return kClean;
}

// A reference that does not resolve leaves the element without a pin: it
// is then checked as an internal cell.
Severity find_pin(Element &e) {
    const PinRefRecord *reference = e.record->pin;
    if (!reference || !reference->name || is_dash(reference->name))
        return kClean;
    Severity result = kClean;
    const char *reason = nullptr;
    // A valid reference gives the pin it names, by name or else by number.
    if (resolve_pin_reference_to(e.walk.tables, reference, &reason, &e.pin) != kPinRefValid) {
        e.at.error("Invalid chain pin reference \"%s\" at position %d in BoundaryScan register \"%s\", Reason: %s",
                   reference->name, position(e), e.walk.register_name, reason ? reason : "unknown error");
        result |= kError;
    }
    if (reference->kind == OXEL_PINREF_ELEMENTS) {
        e.at.warning("Reference to multiple bus elements from chain pin (%s) at position %d in BoundaryScan register \"%s\"",
                     reference->name, position(e), e.walk.register_name);
        result |= kWarning;
    }
    return result;
}

// A position that could not be remembered cannot be told unique: it counts
// as repeated (the allocator has said why).
Severity note_position(Element &e) {
    if (bus_index_add(e.at.host, e.walk.positions, position(e)).outcome == BusIndexOutcome::kAdded)
        return kClean;
    e.at.error("Chain position %d multiple defined in BoundaryScan register \"%s\"", position(e),
               e.walk.register_name);
    return kError;
}

Severity check_element(const Subject &at, const ChainWalk &walk, int32_t index) {
    auto *record = static_cast<ChainElementRecord *>(walk.chain->items[index]);
    Element e{at, walk, index, record, nullptr, nullptr, false};
    Severity result = find_cell(e);
    result |= find_pin(e);
    result |= note_position(e);
    // The parameters of an unknown cell cannot be judged.
    if (!e.cell)
        return result;
    if (e.pin && (e.pin->type == OXEL_PIN_OUT || e.pin->type == OXEL_PIN_OUTZ))
        result |= check_observe_only(e);
    int32_t row = e.pin ? e.pin->type : 0;
    if (e.pin && (row < OXEL_PIN_IN || row > OXEL_PIN_IOZ))
        return result;
    return result | run_checks(e, kChecksByPinType[row]);
}

// ---- Register and chain ----

// The chain of a register, about the register; each element about itself.
Severity check_chain(const Subject &at, const DeviceTables &tables, const ItemList *chain,
                     const char *register_name) {
    if (list_count(chain) < 1)
        return at.error("Missing Boundary scan chain");
    int32_t lowest = 0, highest = 0;
    Severity result = kClean;
    BusIndexSet positions{};
    DisableValueGroups disable_groups{};
    const ChainWalk walk{tables, positions, disable_groups, chain, register_name};
    // The positions are expected to run from 0 to the chain's length - 1.
    bus_index_expect(positions, chain->count);
    for (int32_t i = 0; i < chain->count; i++) {
        const auto *element = static_cast<const ChainElementRecord *>(chain->items[i]);
        if (!element)
            continue;
        if (element->position < lowest)
            lowest = element->position;
        if (element->position > highest)
            highest = element->position;
        result |= check_element(at.about(element), walk, i);
    }
    // Both bounds start at 0: a chain numbered from 1 is told by its highest position.
    if (lowest != 0)
        result |= at.error("Lowest chain position in BoundaryScan register \"%s\" is %d: must be 0", register_name,
                           lowest);
    else if (highest != chain->count - 1)
        result |= at.error("Highest chain position in BoundaryScan register \"%s\" is %d: must be %d", register_name,
                           highest, chain->count - 1);
    bus_index_empty(at.host, positions);
    release_disable_groups(at.host, disable_groups);
    return result;
}

// One boundary-scan register, about itself.
Severity check_register(const Subject &at, const DeviceTables &tables, const BoundaryScanRegisterRecord *reg) {
    if (!reg->chain)
        return at.error("Missing BoundaryScan-register list");
    Severity result = kClean;
    result |= at.error_if(!reg->name, "Missing BoundaryScan-register name");
    const char *name = show_name(reg->name);
    result |= at.warning_if(!reg->purpose, "Missing BoundaryScan-register purpose in \"%s\"", name);
    result |= at.error_if(reg->length == 0, "BoundaryScan length is 0 in \"%s\"", name);
    result |= at.error_if(reg->length != list_count(reg->chain),
                          "BoundaryScan-register length %d unequal to chain length %d in \"%s\"", reg->length,
                          list_count(reg->chain), name);
    return result | check_chain(at, tables, reg->chain, name);
}

}  // namespace

Severity check_boundary_scan_registers(const Subject &at, const DeviceTables &tables, ComponentRecord *component,
                                       bool standard_stated) {
    // Only a component that states a standard must have the register.
    const char *missing = standard_stated ? "Missing BoundaryScan-register list" : nullptr;
    return check_registers_of_kind<const BoundaryScanRegisterRecord>(
        at, component->boundary_scan_registers, missing, missing, "More than 1 BoundaryScan register", nullptr,
        [&](const Subject &about, const BoundaryScanRegisterRecord *reg, int32_t) {
            return check_register(about, tables, reg);
        });
}

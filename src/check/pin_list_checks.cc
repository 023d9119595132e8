// Pin list and pin family checks: the pins of a device and the families they name
#include "check/pin_list_checks.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "check/bus_index_set.h"
#include "model/item_list.h"

namespace {

// ---- Family registration ----

Severity register_pin_family(const Subject &at, NameLists &names, const PinFamilyRecord *family) {
    if (!family)
        return at.error("Missing pin family in familylist");
    if (!family->name)
        return at.error("Pinfamily name undefined");
    if (name_list_contains(&names.family_index, family->name))
        return at.error("Pinfamily \"%s\" is multiple defined", family->name);
    // A copy that cannot be made has been reported by the allocator.
    if (!lookup_reserve(at.host, &names.family_records) ||
        !append_indexed_name(at.host, &names.family_names, &names.family_index, family->name))
        return kError;
    lookup_insert(&names.family_records, text_hash(family->name), const_cast<PinFamilyRecord *>(family));
    return kClean;
}

// ---- Family check of a pin ----

// The groups of family values a pin type needs.
enum FamilyGroup : uint8_t {
    kInputData = 1,
    kOutputData = 2,
    kSupplyData = 4,      // a power pin needs these and nothing else
    kSetupHold = 8,
    kPropagation = 16,
};

// By PinType code, 0 (no type given) to 13; an illegal code needs nothing.
constexpr uint8_t kGroupsOfType[] = {
    0,                                                      // no type
    kInputData | kSetupHold,                                // IN
    kOutputData | kPropagation,                             // OUT
    kOutputData | kPropagation,                             // OUTZ
    kInputData | kOutputData | kSetupHold | kPropagation,   // IO
    kInputData | kOutputData | kSetupHold | kPropagation,   // IOZ
    0,                                                      // NC
    kSupplyData,                                            // PWR
    0,                                                      // GND
    kInputData | kSetupHold,                                // TMS
    kInputData | kSetupHold,                                // TDI
    kOutputData | kPropagation,                             // TDO
    kInputData,                                             // TCK
    kInputData,                                             // TRST
};
constexpr int32_t kLastPinType = OXEL_PIN_TRST;
static_assert(sizeof kGroupsOfType == kLastPinType + 1);

// The first family of the name: the one found last (pins of one family
// come in runs), one from the registered families' index, or else (a family
// that could not be registered) one found by a walk of the list.
const PinFamilyRecord *find_pin_family(NameLists &names, const ItemList *families, const char *name) {
    const PinFamilyRecord *last = names.last_family;
    if (last && std::strcmp(last->name, name) == 0)
        return last;
    auto same = [name](const void *family) {
        return std::strcmp(static_cast<const PinFamilyRecord *>(family)->name, name) == 0;
    };
    if (void *registered = lookup_find(&names.family_records, text_hash(name), same))
        return names.last_family = static_cast<const PinFamilyRecord *>(registered);
    for (int32_t i = 0; i < families->count; i++) {
        const auto *family = static_cast<const PinFamilyRecord *>(families->items[i]);
        if (family && family->name && std::strcmp(family->name, name) == 0)
            return family;
    }
    return nullptr;
}

// The values a family must give a pin of the groups, in the order their
// absence is reported.
Severity check_family_values(const Subject &at, const PinFamilyRecord *family, uint8_t groups, const char *name,
                             const char *pin) {
    Severity result = kClean;
    if (groups & kInputData) {
        result |= at.warning_if(!family->iil, "Iil undefined in family \"%s\" for pin %s", name, pin);
        result |= at.warning_if(!family->iih, "Iih undefined in family \"%s\" for pin %s", name, pin);
        result |= at.warning_if(!family->vil, "Vil undefined in family \"%s\" for pin %s", name, pin);
        result |= at.warning_if(!family->vih, "Vih undefined in family \"%s\" for pin %s", name, pin);
    }
    if (groups & kOutputData) {
        result |= at.warning_if(!family->iol, "Iol undefined in family \"%s\" for pin %s", name, pin);
        result |= at.warning_if(!family->ioh, "Ioh undefined in family \"%s\" for pin %s", name, pin);
        result |= at.warning_if(!family->vol, "Vol undefined in family \"%s\" for pin %s", name, pin);
        result |= at.warning_if(!family->voh, "Voh undefined in family \"%s\" for pin %s", name, pin);
    }
    if (groups & kSupplyData) {
        result |= at.warning_if(!family->vcc_min, "VccMin undefined in family \"%s\" for powerpin %s", name, pin);
        result |= at.warning_if(!family->vcc_typ, "VccTyp undefined in family \"%s\" for powerpin %s", name, pin);
        result |= at.warning_if(!family->vcc_max, "VccMax undefined in family \"%s\" for powerpin %s", name, pin);
    }
    if (groups & kSetupHold) {
        result |= at.warning_if(!family->setup_time, "SetupTime undefined in family \"%s\" for pin %s", name, pin);
        result |= at.warning_if(!family->hold_time, "HoldTime undefined in family \"%s\" for pin %s", name, pin);
    }
    if (groups & kPropagation) {
        result |= at.warning_if(!family->tplh_min, "tpLHMin undefined in family \"%s\" for pin %s", name, pin);
        result |= at.warning_if(!family->tplh_typ, "tpLHTyp undefined in family \"%s\" for pin %s", name, pin);
        result |= at.warning_if(!family->tplh_max, "tpLHMax undefined in family \"%s\" for pin %s", name, pin);
        result |= at.warning_if(!family->tphl_min, "tpHLMin undefined in family \"%s\" for pin %s", name, pin);
        result |= at.warning_if(!family->tphl_typ, "tpHLTyp undefined in family \"%s\" for pin %s", name, pin);
        result |= at.warning_if(!family->tphl_max, "tpHLMax undefined in family \"%s\" for pin %s", name, pin);
    }
    return result;
}

Severity check_pin_family(const Subject &at, const DeviceChecks &device, const char *family_name,
                          const char *pin_name, int32_t type) {
    if (!family_name)
        return at.error("Unable to validate a pinfamily without name");
    // Without any technology data there is nothing to hold a pin to.
    const ItemList *families = device.pin_families;
    if (!families)
        return kClean;
    const PinFamilyRecord *family = find_pin_family(device.names, families, family_name);
    if (!family)
        return at.error("Undefined Pinfamily : \"%s\"", family_name);
    uint8_t groups = type >= 0 && type <= kLastPinType ? kGroupsOfType[type] : 0;
    return check_family_values(at, family, groups, family_name, show_name(pin_name));
}

// ---- Pin numbers ----

// "-" and the empty text stand for a name or number not given.
bool is_empty_text(const char *text) { return !text || !*text || std::strcmp(text, "-") == 0; }

// Room for any 32-bit integer in decimal.
struct DecimalText {
    char digits[12];
};

const char *decimal(DecimalText &buffer, int64_t value) {
    std::snprintf(buffer.digits, sizeof buffer.digits, "%d", static_cast<int>(value));
    return buffer.digits;
}

// Enters a name of the description into one of the device's pin tables,
// which borrow it; a number written out here gives a copy. A name the table
// cannot take is left out and the check goes on; the allocator has reported
// the failure, which the result carries.
Severity enter_pin_table(HostContext *context, NameTable *table, const char *name, PinRecord *pin,
                         bool description_text = true) {
    if (!name)
        return kClean;
    NameEntry *entry = description_text ? name_table_enter_text(context, table, name, pin)
                                        : name_table_enter(context, table, name, pin);
    return entry ? kClean : kError;
}

// The integers an entry of a bus's numbers or indices stands for, low to
// high: none for text, and none for a range written high to low.
struct ValueSpan {
    int64_t low, high;
};

ValueSpan values_of(const IndexRecord *entry) {
    if (entry && entry->kind == OXEL_INDEX_NUMBER)
        return {entry->first, entry->first};
    if (entry && entry->kind == OXEL_INDEX_RANGE)
        return {entry->first, entry->last};
    return {0, -1};
}

const ItemList *bus_numbers(const PinRecord *pin) {
    const ItemList *numbers = pin->numbering ? pin->numbering->numbers : nullptr;
    return numbers && numbers->count >= 1 ? numbers : nullptr;
}

// The text of a pin's first number: a single pin's number as written, or a
// bus's first pin-number entry (text as written, an integer or a range's
// first value in decimal). Null when there is none.
const char *first_number(const PinRecord *pin, DecimalText &buffer) {
    if (pin->form != OXEL_FORM_BUS)
        return pin->numbering ? pin->numbering->number : nullptr;
    const ItemList *numbers = bus_numbers(pin);
    const auto *entry = numbers ? static_cast<const IndexRecord *>(numbers->items[0]) : nullptr;
    if (!entry)
        return nullptr;
    if (entry->kind == OXEL_INDEX_NAME)
        return reinterpret_cast<const char *>(entry->first);
    return decimal(buffer, entry->first);
}

// A bus has its numbers in a list: the list, not a single number, tells
// whether it has any.
bool number_is_empty(const PinRecord *pin) {
    if (pin->form == OXEL_FORM_BUS)
        return !bus_numbers(pin);
    return is_empty_text(pin->numbering ? pin->numbering->number : nullptr);
}

Severity check_empty_name_and_number(const Subject &at, const PinRecord *pin) {
    bool no_name = is_empty_text(pin->name), no_number = number_is_empty(pin);
    DecimalText buffer;
    if (no_name && !no_number)
        return at.error("Illegal empty pin name for pin with pin number \"%s\"",
                        show_text(first_number(pin, buffer)));
    if (no_name && no_number)
        return at.error("Pin with illegal empty pin name and empty pin number");
    if (no_number)
        return at.error("Illegal empty pin number for pin with pin name \"%s\"", pin->name);
    return kClean;
}

// The widest bus whose numbers and indices are taken one by one; a wider
// one is refused first, since its ranges could ask for billions of entries.
constexpr int64_t kMaxBusWidth = 65536;

// How many values the entries of a list stand for (a text entry, when
// counted, for one).
int64_t values_in(const ItemList *list, bool count_texts) {
    int64_t values = 0;
    for (int32_t i = 0; list && i < list->count; i++) {
        const auto *entry = static_cast<const IndexRecord *>(list->items[i]);
        ValueSpan span = values_of(entry);
        values += span.high - span.low + 1;
        if (count_texts && entry && entry->kind == OXEL_INDEX_NAME)
            values++;
    }
    return values;
}

// Enters a bus's pin numbers into the pin number table and its indices into
// a set of its own, and compares their counts. False when the set could not
// grow: the pin list check then ends.
bool check_bus(const Subject &at, NameTable *pin_numbers, PinRecord *bus, Severity &result) {
    HostContext *context = at.host;
    const ItemList *numbers = bus_numbers(bus);
    const int64_t width = std::max(values_in(numbers, true), values_in(bus->numbering->indices, false));
    if (width > kMaxBusWidth) {
        result |= at.error("Bus %s too wide (%lld pins or indices, at most %lld)", show_name(bus->name),
                           static_cast<long long>(width), static_cast<long long>(kMaxBusWidth));
        return true;
    }
    int64_t pins = 0;
    DecimalText buffer;
    for (int32_t i = 0; i < numbers->count; i++) {
        const auto *entry = static_cast<const IndexRecord *>(numbers->items[i]);
        if (entry && entry->kind == OXEL_INDEX_NAME) {
            const char *text = reinterpret_cast<const char *>(entry->first);
            result |= enter_pin_table(context, pin_numbers, text, bus);
            pins++;
        }
        // 64 bits, so that a range up to the largest integer ends.
        for (ValueSpan span = values_of(entry); span.low <= span.high; span.low++, pins++)
            result |= enter_pin_table(context, pin_numbers, decimal(buffer, span.low), bus, false);
    }
    const ItemList *indices = bus->numbering->indices;
    int64_t size = 0;
    BusIndexSet seen{};
    // A bus is most often indexed from 0 to its width - 1.
    bus_index_expect(seen, static_cast<int32_t>(width));
    for (int32_t i = 0; indices && i < indices->count; i++) {
        for (ValueSpan span = values_of(static_cast<const IndexRecord *>(indices->items[i]));
             span.low <= span.high; span.low++, size++) {
            BusIndexResult added = bus_index_add(context, seen, static_cast<int32_t>(span.low));
            if (added.outcome == BusIndexOutcome::kFailed) {
                bus_index_empty(context, seen);
                return false;
            }
            if (added.outcome == BusIndexOutcome::kPresent)
                result |= at.error("Bus Index %d multiple defined in bus %s", added.value, show_name(bus->name));
        }
    }
    if (pins != size)
        result |= at.error("Number of pins in bus %s not equal to bus size (%d vs %d)", show_name(bus->name),
                           static_cast<int>(pins), static_cast<int>(size));
    bus_index_empty(context, seen);
    return true;
}

// ---- Boundary-scan pins ----

// A pin of a boundary-scan type must be in the chain of every boundary-scan
// register; each register that leaves it out is told once.
Severity check_bst_pin(const Subject &at, DeviceTables &tables, const ComponentRecord *component,
                       const PinRecord *pin) {
    const ItemList *registers = component->boundary_scan_registers;
    int32_t missing = 0;
    if (!registers || registers->count < 1)
        missing = 1;
    for (int32_t i = 0; registers && i < registers->count; i++) {
        const auto *reg = static_cast<const BoundaryScanRegisterRecord *>(registers->items[i]);
        ChainNamesPin named = chain_names_pin(at.host, tables.chain_pins, reg, pin->name);
        if (named == ChainNamesPin::kFailed)
            return kError;
        if (named == ChainNamesPin::kNo)
            missing++;
    }
    Severity result = kClean;
    for (int32_t i = 0; i < missing; i++)
        result |= at.warning("Pin \"%s\" has BST type but is not specified in the Boundary-Scan Register",
                             show_name(pin->name));
    return result;
}

// ---- One pin list ----

// How often each controller pin type occurs in one pin list, by type code.
struct ControllerCounts {
    int32_t of_type[kLastPinType + 1];
};

// The test access port's pins: each missing one is told, then each
// repeated one, in the order TDI, TDO, TMS, TCK, TRST. A device may do
// without TRST.
Severity check_controller_pins(const Subject &at, const ControllerCounts &counts) {
    const int32_t *n = counts.of_type;
    Severity result = kClean;
    if (n[OXEL_PIN_TDI] == 0)
        result |= at.error("Missing TDI-controller pin in current device");
    if (n[OXEL_PIN_TDO] == 0)
        result |= at.error("Missing TDO-controller pin in current device");
    if (n[OXEL_PIN_TMS] == 0)
        result |= at.error("Missing TMS-controller pin in current device");
    if (n[OXEL_PIN_TCK] == 0)
        result |= at.error("Missing TCK-controller pin in current device");
    if (n[OXEL_PIN_TDI] > 1)
        result |= at.error("Multiple TDI-controller pins in current device");
    if (n[OXEL_PIN_TDO] > 1)
        result |= at.error("Multiple TDO-controller pins in current device");
    if (n[OXEL_PIN_TMS] > 1)
        result |= at.error("Multiple TMS-controller pins in current device");
    if (n[OXEL_PIN_TCK] > 1)
        result |= at.error("Multiple TCK-controller pins in current device");
    if (n[OXEL_PIN_TRST] > 1)
        result |= at.error("Multiple TRST-controller pins in current device");
    return result;
}

// Calls report(name, pin) for every name of the table entered more than
// once, in bucket order, with the pin that entered it the second time;
// kError when there is one, or when the list of them could not be made (the
// allocator has said why).
template <typename Report>
Severity each_repeated(HostContext *context, const NameTable *table, Report report) {
    bool failed = false;
    ItemList *names = names_used_more_than(context, table, 1, &failed);
    for (int32_t i = 0; names && i < names->count; i++) {
        const auto *name = static_cast<const char *>(names->items[i]);
        const NameEntry *entry = name_table_lookup(table, name);
        report(name, entry ? entry->repeat : nullptr);
    }
    Severity result = names || failed ? kError : kClean;
    list_release(context, names);
    return result;
}

// One entry of a pin list, about itself; false when the check of the list
// must end.
bool check_pin(const Subject &at, const DeviceChecks &device, PinRecord *pin, const ComponentRecord *component,
               ControllerCounts &counts, Severity &result) {
    DeviceTables &tables = device.tables;
    result |= check_empty_name_and_number(at, pin);
    result |= enter_pin_table(at.host, tables.pin_names, pin->name, pin);
    if (pin->numbering) {
        if (pin->form == OXEL_FORM_SINGLE && !is_empty_text(pin->numbering->number))
            result |= enter_pin_table(at.host, tables.pin_numbers, pin->numbering->number, pin);
        if (pin->form == OXEL_FORM_BUS && bus_numbers(pin) && !check_bus(at, tables.pin_numbers, pin, result))
            return false;
    }
    if (pin->type < 0 || pin->type > kLastPinType) {
        DecimalText buffer;
        result |= at.error("Illegal pintype at pin \"%s\" pinname \"%s\"", show_text(first_number(pin, buffer)),
                           show_name(pin->name));
    } else {
        counts.of_type[pin->type]++;
        if (component && pin->type >= OXEL_PIN_IN && pin->type <= OXEL_PIN_IOZ)
            result |= check_bst_pin(at, tables, component, pin);
    }
    if (pin->family)
        result |= check_pin_family(at, device, pin->family, pin->name, pin->type);
    return true;
}

Severity check_pin_list(const Subject &at, const DeviceChecks &device, const ItemList *pins,
                        const ComponentRecord *component) {
    if (!pins || pins->count < 1)
        return at.error("Missing pinlist in pinlists");
    DeviceTables &tables = device.tables;
    ControllerCounts counts{};
    Severity result = kClean;
    // Room for the list's names and numbers at once (a bus takes more
    // numbers as they come); a table without it grows name by name.
    for (NameTable *table : {tables.pin_names, tables.pin_numbers})
        if (!name_table_reserve(at.host, table, pins->count))
            result |= kError;
    for (int32_t i = 0; i < pins->count; i++)
        if (auto *pin = static_cast<PinRecord *>(pins->items[i]))
            if (!check_pin(at.about(pin), device, pin, component, counts, result))
                return kError;
    // The tables hold every pin list of the device so far: a repetition is
    // told again after each later list, each time about the pin that
    // repeated the name or number first.
    result |= each_repeated(at.host, tables.pin_names, [&](const char *name, const void *pin) {
        at.about(pin).error("Pin name \"%s\" is multiple defined", name);
    });
    result |= each_repeated(at.host, tables.pin_numbers, [&](const char *number, const void *pin) {
        at.about(pin).error("Pin number \"%s\" is multiple defined", number);
    });
    return result | check_controller_pins(at, counts);
}

}  // namespace

Severity register_pin_families(const Subject &at, NameLists &names, const ItemList *families) {
    Severity result = kClean;
    for (int32_t i = 0; families && i < families->count; i++) {
        const auto *family = static_cast<const PinFamilyRecord *>(families->items[i]);
        result |= register_pin_family(at.about(family), names, family);
    }
    return result;
}

Severity check_pin_lists(const Subject &at, const DeviceChecks &device, const ItemList *pin_lists,
                         const ComponentRecord *component, bool standard_stated) {
    if (!pin_lists || pin_lists->count < 1)
        return standard_stated ? at.error("Missing pin list") : kClean;
    Severity result = kClean;
    for (int32_t i = 0; i < pin_lists->count; i++)
        result |= check_pin_list(at, device, static_cast<const ItemList *>(pin_lists->items[i]), component);
    return result;
}

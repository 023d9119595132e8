// Pin list and pin family checks: the pins of a device and the families they name
#include "check/message_subject.h"
#include "check/pin_list_checks.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "base/messages.h"
#include "check/chain_pin_names.h"
#include "check/check_state.h"
#include "check/name_lists.h"
#include "model/description.h"
#include "model/item_list.h"

namespace {

// ---- Family registration ----

Severity register_pin_family(HostContext *context, const PinFamilyRecord *family) {
    MessageSubject about(family);
    if (!family) {
        report_error(context, "Missing pin family in familylist");
        return kError;
    }
    if (!family->name) {
        report_error(context, "Pinfamily name undefined");
        return kError;
    }
    if (name_list_contains(&g_check.family_index, family->name)) {
        report_error(context, "Pinfamily \"%s\" is multiple defined", family->name);
        return kError;
    }
    // A copy that cannot be made has been reported by the allocator.
    if (!lookup_reserve(context, &g_check.family_records) ||
        !append_indexed_name(context, &g_check.family_names, &g_check.family_index, family->name))
        return kError;
    lookup_insert(&g_check.family_records, text_hash(family->name), const_cast<PinFamilyRecord *>(family));
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

// Every value a family may lack, in the order its absence is reported.
struct FamilyValue {
    uint8_t group;
    double *PinFamilyRecord::*value;
    const char *missing;   // family name, pin name
};
constexpr FamilyValue kFamilyValues[] = {
    {kInputData, &PinFamilyRecord::iil, "Iil undefined in family \"%s\" for pin %s"},
    {kInputData, &PinFamilyRecord::iih, "Iih undefined in family \"%s\" for pin %s"},
    {kInputData, &PinFamilyRecord::vil, "Vil undefined in family \"%s\" for pin %s"},
    {kInputData, &PinFamilyRecord::vih, "Vih undefined in family \"%s\" for pin %s"},
    {kOutputData, &PinFamilyRecord::iol, "Iol undefined in family \"%s\" for pin %s"},
    {kOutputData, &PinFamilyRecord::ioh, "Ioh undefined in family \"%s\" for pin %s"},
    {kOutputData, &PinFamilyRecord::vol, "Vol undefined in family \"%s\" for pin %s"},
    {kOutputData, &PinFamilyRecord::voh, "Voh undefined in family \"%s\" for pin %s"},
    {kSupplyData, &PinFamilyRecord::vcc_min, "VccMin undefined in family \"%s\" for powerpin %s"},
    {kSupplyData, &PinFamilyRecord::vcc_typ, "VccTyp undefined in family \"%s\" for powerpin %s"},
    {kSupplyData, &PinFamilyRecord::vcc_max, "VccMax undefined in family \"%s\" for powerpin %s"},
    {kSetupHold, &PinFamilyRecord::setup_time, "SetupTime undefined in family \"%s\" for pin %s"},
    {kSetupHold, &PinFamilyRecord::hold_time, "HoldTime undefined in family \"%s\" for pin %s"},
    {kPropagation, &PinFamilyRecord::tplh_min, "tpLHMin undefined in family \"%s\" for pin %s"},
    {kPropagation, &PinFamilyRecord::tplh_typ, "tpLHTyp undefined in family \"%s\" for pin %s"},
    {kPropagation, &PinFamilyRecord::tplh_max, "tpLHMax undefined in family \"%s\" for pin %s"},
    {kPropagation, &PinFamilyRecord::tphl_min, "tpHLMin undefined in family \"%s\" for pin %s"},
    {kPropagation, &PinFamilyRecord::tphl_typ, "tpHLTyp undefined in family \"%s\" for pin %s"},
    {kPropagation, &PinFamilyRecord::tphl_max, "tpHLMax undefined in family \"%s\" for pin %s"},
};

// The first family of the name: the one found last (pins of one family
// come in runs), one from the registered families' index, or else (a family
// that could not be registered) one found by a walk of the list.
const PinFamilyRecord *find_pin_family(const ItemList *families, const char *name) {
    const PinFamilyRecord *last = g_check.last_family;
    if (last && std::strcmp(last->name, name) == 0)
        return last;
    auto same = [name](const void *family) {
        return std::strcmp(static_cast<const PinFamilyRecord *>(family)->name, name) == 0;
    };
    if (void *registered = lookup_find(&g_check.family_records, text_hash(name), same))
        return g_check.last_family = static_cast<const PinFamilyRecord *>(registered);
    for (int32_t i = 0; i < families->count; i++) {
        const auto *family = static_cast<const PinFamilyRecord *>(families->items[i]);
        if (family && family->name && std::strcmp(family->name, name) == 0)
            return family;
    }
    return nullptr;
}

Severity check_pin_family(HostContext *context, const char *family_name, const char *pin_name, int32_t type) {
    if (!family_name) {
        report_error(context, "Unable to validate a pinfamily without name");
        return kError;
    }
    // Without any technology data there is nothing to hold a pin to.
    const ItemList *families = description_root()->pin_families;
    if (!families)
        return kClean;
    const PinFamilyRecord *family = find_pin_family(families, family_name);
    if (!family) {
        report_error(context, "Undefined Pinfamily : \"%s\"", family_name);
        return kError;
    }
    uint8_t groups = type >= 0 && type <= kLastPinType ? kGroupsOfType[type] : 0;
    Severity result = kClean;
    for (const FamilyValue &value : kFamilyValues)
        if ((groups & value.group) && !(family->*value.value)) {
            report_warning(context, value.missing, family_name, show_name(pin_name));
            result |= kWarning;
        }
    return result;
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

Severity check_empty_name_and_number(HostContext *context, const PinRecord *pin) {
    bool no_name = is_empty_text(pin->name), no_number = number_is_empty(pin);
    DecimalText buffer;
    if (no_name && !no_number) {
        report_error(context, "Illegal empty pin name for pin with pin number \"%s\"",
                     show_text(first_number(pin, buffer)));
        return kError;
    }
    if (no_name && no_number) {
        report_error(context, "Pin with illegal empty pin name and empty pin number");
        return kError;
    }
    if (no_number) {
        report_error(context, "Illegal empty pin number for pin with pin name \"%s\"", pin->name);
        return kError;
    }
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
// the bus index set, and compares their counts. False when the set could
// not grow: the pin list check then ends.
bool check_bus(HostContext *context, PinRecord *bus, Severity &result) {
    const ItemList *numbers = bus_numbers(bus);
    const int64_t width = std::max(values_in(numbers, true), values_in(bus->numbering->indices, false));
    if (width > kMaxBusWidth) {
        report_error(context, "Bus %s too wide (%lld pins or indices, at most %lld)", show_name(bus->name),
                     static_cast<long long>(width), static_cast<long long>(kMaxBusWidth));
        result |= kError;
        return true;
    }
    int64_t pins = 0;
    DecimalText buffer;
    for (int32_t i = 0; i < numbers->count; i++) {
        const auto *entry = static_cast<const IndexRecord *>(numbers->items[i]);
        if (entry && entry->kind == OXEL_INDEX_NAME) {
            const char *text = reinterpret_cast<const char *>(entry->first);
            result |= enter_pin_table(context, g_check.pin_numbers, text, bus);
            pins++;
        }
        // 64 bits, so that a range up to the largest integer ends.
        for (ValueSpan span = values_of(entry); span.low <= span.high; span.low++, pins++)
            result |= enter_pin_table(context, g_check.pin_numbers, decimal(buffer, span.low), bus, false);
    }
    const ItemList *indices = bus->numbering->indices;
    int64_t size = 0;
    // A bus is most often indexed from 0 to its width - 1.
    bus_index_expect(static_cast<int32_t>(width));
    for (int32_t i = 0; indices && i < indices->count; i++) {
        for (ValueSpan span = values_of(static_cast<const IndexRecord *>(indices->items[i]));
             span.low <= span.high; span.low++, size++) {
            BusIndexResult added = bus_index_add(context, static_cast<int32_t>(span.low));
            if (added.outcome == BusIndexOutcome::kFailed) {
                bus_index_empty(context);
                return false;
            }
            if (added.outcome == BusIndexOutcome::kPresent) {
                report_error(context, "Bus Index %d multiple defined in bus %s", added.value,
                             show_name(bus->name));
                result |= kError;
            }
        }
    }
    if (pins != size) {
        report_error(context, "Number of pins in bus %s not equal to bus size (%d vs %d)",
                     show_name(bus->name), static_cast<int>(pins), static_cast<int>(size));
        result |= kError;
    }
    bus_index_empty(context);
    return true;
}

// ---- Boundary-scan pins ----

// A pin of a boundary-scan type must be in the chain of every boundary-scan
// register; each register that leaves it out is told once.
Severity check_bst_pin(HostContext *context, const ComponentRecord *component, const PinRecord *pin) {
    const ItemList *registers = component->boundary_scan_registers;
    int32_t missing = 0;
    if (!registers || registers->count < 1)
        missing = 1;
    for (int32_t i = 0; registers && i < registers->count; i++) {
        const auto *reg = static_cast<const BoundaryScanRegisterRecord *>(registers->items[i]);
        ChainNamesPin named = chain_names_pin(context, reg, pin->name);
        if (named == ChainNamesPin::kFailed)
            return kError;
        if (named == ChainNamesPin::kNo)
            missing++;
    }
    for (int32_t i = 0; i < missing; i++)
        report_warning(context, "Pin \"%s\" has BST type but is not specified in the Boundary-Scan Register",
                       show_name(pin->name));
    return missing > 0 ? kWarning : kClean;
}

// ---- One pin list ----

// The test access port's pins, in the order their absence and their
// repetition are reported. A device may do without TRST.
struct ControllerPin {
    int32_t type;
    const char *missing;
    const char *multiple;
};
constexpr ControllerPin kControllerPins[] = {
    {OXEL_PIN_TDI, "Missing TDI-controller pin in current device",
     "Multiple TDI-controller pins in current device"},
    {OXEL_PIN_TDO, "Missing TDO-controller pin in current device",
     "Multiple TDO-controller pins in current device"},
    {OXEL_PIN_TMS, "Missing TMS-controller pin in current device",
     "Multiple TMS-controller pins in current device"},
    {OXEL_PIN_TCK, "Missing TCK-controller pin in current device",
     "Multiple TCK-controller pins in current device"},
    {OXEL_PIN_TRST, nullptr, "Multiple TRST-controller pins in current device"},
};

// How often each controller pin type occurs in one pin list, by type code.
struct ControllerCounts {
    int32_t of_type[kLastPinType + 1];
};

Severity check_controller_pins(HostContext *context, const ControllerCounts &counts) {
    Severity result = kClean;
    for (const ControllerPin &pin : kControllerPins)
        if (pin.missing && counts.of_type[pin.type] == 0) {
            report_error(context, "%s", pin.missing);
            result |= kError;
        }
    for (const ControllerPin &pin : kControllerPins)
        if (counts.of_type[pin.type] > 1) {
            report_error(context, "%s", pin.multiple);
            result |= kError;
        }
    return result;
}

// Every name of the table entered more than once, reported with `format`.
Severity report_repeated(HostContext *context, const NameTable *table, const char *format) {
    bool failed = false;
    ItemList *names = names_used_more_than(context, table, 1, &failed);
    for (int32_t i = 0; names && i < names->count; i++)
        report_error(context, format, static_cast<const char *>(names->items[i]));
    Severity result = names || failed ? kError : kClean;
    list_release(context, names);
    return result;
}

// One entry of a pin list; false when the check of the list must end.
bool check_pin(HostContext *context, PinRecord *pin, const ComponentRecord *component,
               ControllerCounts &counts, Severity &result) {
    MessageSubject about(pin);
    result |= check_empty_name_and_number(context, pin);
    result |= enter_pin_table(context, g_check.pin_names, pin->name, pin);
    if (pin->numbering) {
        if (pin->form == OXEL_FORM_SINGLE && !is_empty_text(pin->numbering->number))
            result |= enter_pin_table(context, g_check.pin_numbers, pin->numbering->number, pin);
        if (pin->form == OXEL_FORM_BUS && bus_numbers(pin) && !check_bus(context, pin, result))
            return false;
    }
    if (pin->type < 0 || pin->type > kLastPinType) {
        DecimalText buffer;
        report_error(context, "Illegal pintype at pin \"%s\" pinname \"%s\"",
                     show_text(first_number(pin, buffer)), show_name(pin->name));
        result |= kError;
    } else {
        counts.of_type[pin->type]++;
        if (component && pin->type >= OXEL_PIN_IN && pin->type <= OXEL_PIN_IOZ)
            result |= check_bst_pin(context, component, pin);
    }
    if (pin->family)
        result |= check_pin_family(context, pin->family, pin->name, pin->type);
    return true;
}

Severity check_pin_list(HostContext *context, const ItemList *pins, const ComponentRecord *component) {
    if (!pins || pins->count < 1) {
        report_error(context, "Missing pinlist in pinlists");
        return kError;
    }
    ControllerCounts counts{};
    Severity result = kClean;
    // Room for the list's names and numbers at once (a bus takes more
    // numbers as they come); a table without it grows name by name.
    for (NameTable *table : {g_check.pin_names, g_check.pin_numbers})
        if (!name_table_reserve(context, table, pins->count))
            result |= kError;
    for (int32_t i = 0; i < pins->count; i++)
        if (auto *pin = static_cast<PinRecord *>(pins->items[i]))
            if (!check_pin(context, pin, component, counts, result))
                return kError;
    // The tables hold every pin list of the device so far: a repetition is
    // told again after each later list.
    result |= report_repeated(context, g_check.pin_names, "Pin name \"%s\" is multiple defined");
    result |= report_repeated(context, g_check.pin_numbers, "Pin number \"%s\" is multiple defined");
    return result | check_controller_pins(context, counts);
}

}  // namespace

Severity register_pin_families(HostContext *context, const ItemList *families) {
    Severity result = kClean;
    for (int32_t i = 0; families && i < families->count; i++)
        result |= register_pin_family(context, static_cast<const PinFamilyRecord *>(families->items[i]));
    return result;
}

Severity check_pin_lists(HostContext *context, ItemList *pin_lists, const ComponentRecord *component) {
    if (!pin_lists || pin_lists->count < 1) {
        if (g_check.standard_counter < 1)
            return kClean;
        report_error(context, "Missing pin list");
        return kError;
    }
    Severity result = kClean;
    for (int32_t i = 0; i < pin_lists->count; i++) {
        result |= check_pin_list(context, static_cast<const ItemList *>(pin_lists->items[i]), component);
        g_check.pin_list_counter++;
    }
    return result;
}

// oxel show: gathering each component through the query exports
#include "component_report.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <utility>

#include "oxel32.hpp"

namespace {

// Room for the texts the bounded exports write; longer ones are cut.
constexpr int32_t kTextRoom = 256;

// The most a function list can hold: ten PI and ten PO parameters.
constexpr int32_t kFunctionRoom = 20;

// The first pin list as the records hold it: the queries give no type for
// the pins behind a bus, and a bus's numbers only as records.
const ItemList *first_pin_list() {
    const ComponentRecord *component = oxel_get_current_component_entry();
    if (!component || !component->pin_lists || component->pin_lists->count < 1)
        return nullptr;
    return static_cast<const ItemList *>(component->pin_lists->items[0]);
}

// A bus element served by a cell, as written: D(3), D(1:3).
Text bus_reference(int32_t position) {
    const ComponentRecord *component = oxel_get_current_component_entry();
    const ItemList *registers = component ? component->boundary_scan_registers : nullptr;
    if (!registers || registers->count < 1)
        return std::nullopt;
    const auto *bsr = static_cast<const BoundaryScanRegisterRecord *>(registers->items[0]);
    for (int32_t i = 0; bsr->chain && i < bsr->chain->count; i++) {
        const auto *element = static_cast<const ChainElementRecord *>(bsr->chain->items[i]);
        const PinRefRecord *pin = element->pin;
        if (element->position != position || !pin || !pin->name)
            continue;
        if (pin->kind == OXEL_PINREF_ELEMENT || pin->kind == OXEL_PINREF_ELEMENTS)
            return pin_reference_text(pin);
        return std::nullopt;
    }
    return std::nullopt;
}

// The register type words; a data register is written as its own name,
// shown here as DREG beside that name.
std::string type_word(const std::string &written) {
    for (const char *word : {"NOT_FOUND", "BSREG", "BPREG", "IDREG", "UCREG", "BISTREG", "DREG"})
        if (written == word)
            return written;
    return "DREG";
}

void collect_instructions(HostContext *context, ComponentReport &report) {
    for (int32_t kind = oxel_get_current_component_first_instruction(); kind != -1;
         kind = oxel_get_current_component_next_instruction()) {
        InstructionInfo info{kind, {}, {}, {}, {}};
        char buffer[kTextRoom];
        if (oxel_current_component_instruction2text_n(context, kind, buffer, kTextRoom) >= 0)
            info.kind_text = buffer;
        info.opcode = text(oxel_get_current_component_current_instruction_code());
        info.register_name = text(oxel_get_current_component_register_selected());
        if (oxel_get_current_component_register_type_selected_n(context, buffer, kTextRoom) >= 0)
            info.register_type = type_word(buffer);
        report.instructions.push_back(std::move(info));
    }
}

void collect_pins(HostContext *context, ComponentReport &report) {
    static const struct {
        const char *signal;
        int32_t type;
    } kTapSignals[] = {{"TDI", OXEL_PIN_TDI}, {"TDO", OXEL_PIN_TDO}, {"TMS", OXEL_PIN_TMS},
                       {"TCK", OXEL_PIN_TCK}, {"TRST", OXEL_PIN_TRST}};
    for (const auto &tap : kTapSignals)
        report.tap_pins.push_back({tap.signal, text(oxel_get_current_component_pin_id(context, tap.type))});

    // A walk by numbers goes on past buses; a walk by names would stop.
    const ItemList *records = first_pin_list();
    int32_t count = oxel_nr_current_component_pins();
    report.pins.reserve(count > 0 ? static_cast<size_t>(count) : 0);
    for (int32_t i = 0; i < count; i++) {
        if (i == 0)
            oxel_get_current_component_first_pin_nr();
        else
            oxel_get_current_component_next_pin_nr();
        PinInfo pin{text(oxel_get_current_component_current_pin_name()),
                    text(oxel_get_current_component_current_pin_nr()), false, 0,
                    oxel_get_current_component_current_pin_direction(context), {}};
        if (records && i < records->count) {
            const auto *record = static_cast<const PinRecord *>(records->items[i]);
            pin.type = record->type;
            pin.bus = record->form == OXEL_FORM_BUS;
            if (pin.bus && record->numbering) {
                pin.number = index_list_text(record->numbering->numbers);
                for (const oxel::bus_element &element : oxel::bus_element_range(record->numbering))
                    pin.elements.push_back(
                        {(record->name ? record->name : "") + std::string("(") + std::to_string(element.index) + ")",
                         element.number ? Text(std::string(element.number->text())) : std::nullopt});
                if (pin.name)
                    *pin.name += index_list_text(record->numbering->indices);
            }
        }
        report.pins.push_back(std::move(pin));
    }
}

void collect_cells(HostContext *context, ComponentReport &report) {
    report.has_boundary_scan_register =
        oxel_open_current_component_boundary_scan_register(context) == 1;
    report.boundary_scan_register_length =
        oxel_get_current_component_boundary_scan_register_length();
    // The register's length is only a hint of the cells: room for as many
    // saves the copies of a growing list on a long chain.
    if (report.boundary_scan_register_length > 0)
        report.cells.reserve(static_cast<size_t>(std::min(report.boundary_scan_register_length, 1 << 20)));
    for (int32_t more = oxel_get_current_component_first_cell(context); more;
         more = oxel_get_current_component_next_cell(context)) {
        CellInfo cell{};
        // The function list upper-cases the stored cell name: read it after.
        const char *names[kFunctionRoom];
        int32_t codes[kFunctionRoom];
        int32_t count = oxel_get_current_component_current_cell_function_list(context, names, codes,
                                                                              kFunctionRoom);
        for (int32_t i = 0; i < count; i++)
            cell.functions.push_back({text(names[i]), codes[i]});
        cell.position = oxel_get_current_component_current_cell_position();
        cell.name = text(oxel_get_current_component_current_cell_name());
        cell.control = oxel_get_current_component_current_cell_CD_output(context);
        cell.disable = oxel_get_current_component_current_cell_CD_value(context);
        report.cells.push_back(std::move(cell));
    }
    // Looking a pin up by position moves the chain cursor: after the walk.
    for (CellInfo &cell : report.cells) {
        cell.pin = text(oxel_get_current_component_pin_name_by_position(context, cell.position));
        if (!cell.pin)
            cell.pin = bus_reference(cell.position);
    }
}

// Every register of the component from its records: the query exports
// answer for the first of a kind, and not its purpose.
void collect_registers(const ComponentRecord *component, ComponentReport &report) {
    if (!component)
        return;
    auto add = [&report](RegisterKind kind, const ItemList *list, auto fields) {
        for (int32_t i = 0; list && i < list->count; i++) {
            RegisterInfo info{kind, {}, 0, {}, {}};
            fields(list->items[i], info);
            report.registers.push_back(std::move(info));
        }
    };
    // The records of the kinds share their first fields: name, purpose, length.
    auto common = [](const auto *record, RegisterInfo &info) {
        info.name = text(record->name);
        info.purpose = text(record->purpose);
        info.length = record->length;
    };
    add(RegisterKind::instruction, component->instruction_registers, [&](const void *item, RegisterInfo &info) {
        const auto *record = static_cast<const InstructionRegisterRecord *>(item);
        common(record, info);
        info.capture = text(record->capture_value);
    });
    add(RegisterKind::boundary_scan, component->boundary_scan_registers, [&](const void *item, RegisterInfo &info) {
        common(static_cast<const BoundaryScanRegisterRecord *>(item), info);
    });
    add(RegisterKind::bypass, component->bypass_registers, [&](const void *item, RegisterInfo &info) {
        const auto *record = static_cast<const BypassRegisterRecord *>(item);
        common(record, info);
        info.capture = text(record->capture_value);
    });
    for (const auto &[kind, list] : {std::pair{RegisterKind::identification, component->identification_registers},
                                     std::pair{RegisterKind::usercode, component->usercode_registers}})
        add(kind, list, [&](const void *item, RegisterInfo &info) {
            const auto *record = static_cast<const IdRegisterRecord *>(item);
            common(record, info);
            info.capture = text(record->capture_value);
        });
    add(RegisterKind::bist, component->bist_registers, [&](const void *item, RegisterInfo &info) {
        const auto *record = static_cast<const BistRegisterRecord *>(item);
        common(record, info);
        info.capture = text(record->capture_value);
    });
    add(RegisterKind::data, component->data_registers, [&](const void *item, RegisterInfo &info) {
        const auto *record = static_cast<const DataRegisterRecord *>(item);
        common(record, info);
        info.capture = text(record->capture_value);
    });
}

ComponentReport collect_current(HostContext *context) {
    ComponentReport report{};
    const ComponentRecord *component = oxel_get_current_component_entry();
    report.name = text(oxel_get_current_component_name());
    report.standard = oxel_get_current_component_standard(context);
    report.source = text(component ? component->source_ref : nullptr);
    report.bsdl_file = text(oxel_get_current_component_bsd_ref());
    report.highest_frequency = oxel_get_current_component_highest_frequency();
    report.has_instruction_register =
        component && component->instruction_registers && component->instruction_registers->count > 0;
    report.instruction_register_length = oxel_get_current_component_instruction_register_length();
    report.instruction_register_capture =
        text(oxel_get_current_component_instruction_register_capture_code());
    report.idcode_capture = text(oxel_get_current_component_idcode_register_capture_code());
    report.usercode_capture = text(oxel_get_current_component_usercode_register_capture_code());
    collect_instructions(context, report);
    collect_pins(context, report);
    collect_cells(context, report);
    collect_registers(component, report);
    report.test_sequences = collect_sequences(component ? component->test_sequences : nullptr);
    report.illegal_vectors = collect_sequences(component ? component->illegal_sequences : nullptr);
    return report;
}

}  // namespace

std::vector<ComponentReport> collect_components(HostContext *context) {
    std::vector<ComponentReport> reports;
    for (int32_t more = oxel_get_first_component(); more; more = oxel_get_next_component())
        reports.push_back(collect_current(context));
    return reports;
}

const char *standard_word(int32_t standard) {
    switch (standard) {
    case OXEL_STANDARD_IEEE_1149_1_1990: return "IEEE_1149.1_1990";
    case OXEL_STANDARD_JTAG_V2_0: return "JTAG_V2_0";
    default: return "UNKNOWN";
    }
}

const char *pin_type_word(int32_t type) {
    static const char *const kWords[] = {"-",   "IN",  "OUT", "OUTZ", "IO",  "IOZ", "NC",
                                         "PWR", "GND", "TMS", "TDI",  "TDO", "TCK", "TRST"};
    return type >= 1 && type <= 13 ? kWords[type] : kWords[0];
}

const char *direction_word(int32_t direction) {
    static const char *const kWords[] = {"-", "in", "out", "in/out"};
    return direction >= 0 && direction <= 3 ? kWords[direction] : kWords[0];
}

const char *register_kind_word(RegisterKind kind) {
    switch (kind) {
    case RegisterKind::instruction: return "instruction";
    case RegisterKind::boundary_scan: return "boundary scan";
    case RegisterKind::bypass: return "bypass";
    case RegisterKind::identification: return "identification";
    case RegisterKind::usercode: return "usercode";
    case RegisterKind::bist: return "BIST";
    case RegisterKind::data: return "data";
    }
    return "data";
}

const char *cell_function_word(int32_t code) {
    static const char *const kWords[] = {"?",       "input",    "output", "tristate",
                                         "control", "internal", "bidir"};
    return code >= 1 && code <= 6 ? kWords[code] : kWords[0];
}

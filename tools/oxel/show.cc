// oxel show: the boards and components of a file, as a report or as JSON
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "board_output.h"
#include "commands.h"
#include "component_report.h"
#include "description_report.h"
#include "exit_status.h"
#include "input_kind.h"
#include "json_writer.h"
#include "oxel_text.h"
#include "text_table.h"
#include "tool_host.h"

namespace {

std::string frequency_text(double frequency) {
    if (frequency < 0.0)
        return "-";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%g", frequency);
    return buffer;
}

std::string functions_text(const std::vector<CellFunctionInfo> &functions) {
    std::string out;
    for (const CellFunctionInfo &function : functions) {
        if (!out.empty())
            out += ", ";
        out += cell_function_word(function.code);
        if (function.name)
            out += " " + *function.name;
    }
    return out.empty() ? "-" : out;
}

std::string control_text(int32_t control) { return control < 0 ? "-" : std::to_string(control); }

std::string disable_text(char disable) { return disable ? std::string(1, disable) : "-"; }

// The boundary-scan cells of a component with any, as a table.
void print_cells(const ComponentReport &c);

void print_report(const ComponentReport &c) {
    std::printf("Component %s\n", shown(c.name).c_str());
    Table facts;
    facts.add({"standard", standard_word(c.standard)});
    facts.add({"source", shown(c.source)});
    facts.add({"BSDL file", shown(c.bsdl_file)});
    facts.add({"highest frequency", frequency_text(c.highest_frequency)});
    facts.add({"instruction register",
               "length " + std::to_string(c.instruction_register_length) + ", capture " +
                   shown(c.instruction_register_capture)});
    facts.add({"IDCODE capture", shown(c.idcode_capture)});
    facts.add({"USERCODE capture", shown(c.usercode_capture)});
    facts.print("  ");

    std::printf("\n  Instructions (%zu)\n", c.instructions.size());
    Table instructions;
    instructions.add({"KIND", "OPCODE", "REGISTER", "TYPE"});
    for (const InstructionInfo &i : c.instructions)
        instructions.add({i.kind_text, shown(i.opcode), shown(i.register_name), shown(i.register_type)});
    instructions.print("    ");

    std::printf("\n  TAP pins\n");
    Table tap;
    for (const TapPinInfo &pin : c.tap_pins)
        tap.add({pin.signal, shown(pin.name)});
    tap.print("    ");

    std::printf("\n  Pins (%zu)\n", c.pins.size());
    Table pins;
    pins.add({"NAME", "NUMBER", "TYPE", "DIRECTION"});
    for (const PinInfo &pin : c.pins)
        pins.add({shown(pin.name), shown(pin.number), pin_type_word(pin.type),
                  direction_word(pin.direction)});
    pins.print("    ");

    if (c.has_boundary_scan_register)
        std::printf("\n  Boundary-scan cells (%zu, register length %d)\n", c.cells.size(),
                    c.boundary_scan_register_length);
    else
        std::printf("\n  Boundary-scan cells: no boundary-scan register\n");
    if (!c.cells.empty())
        print_cells(c);
    print_sequences("  ", c.test_sequences, c.illegal_vectors);
}

void print_cells(const ComponentReport &c) {
    // A chain may hold hundreds of thousands of cells: each row is made twice
    // (to widen the columns, then to print) rather than held.
    Table cells;
    const std::vector<std::string> heading = {"POS", "CELL", "PIN", "FUNCTIONS", "CONTROL", "DISABLE"};
    std::vector<std::string> row(heading.size());
    auto make_row = [&row](const CellInfo &cell) {
        row[0] = std::to_string(cell.position);
        row[1] = shown(cell.name);
        row[2] = shown(cell.pin);
        row[3] = functions_text(cell.functions);
        row[4] = control_text(cell.control);
        row[5] = disable_text(cell.disable);
    };
    cells.widen(heading);
    for (const CellInfo &cell : c.cells) {
        make_row(cell);
        cells.widen(row);
    }
    cells.print_row("    ", heading);
    for (const CellInfo &cell : c.cells) {
        make_row(cell);
        cells.print_row("    ", row);
    }
}

void write_json(JsonWriter &json, const ComponentReport &c) {
    json.begin_object();
    json.key("name");
    json.string(c.name);
    json.key("standard");
    json.string(standard_word(c.standard));
    json.key("source");
    json.string(c.source);
    json.key("bsdl_file");
    json.string(c.bsdl_file);
    json.key("highest_frequency");
    if (c.highest_frequency < 0.0)
        json.null();
    else
        json.number(c.highest_frequency);
    json.key("instruction_register");
    json.begin_object();
    json.key("length");
    json.number(static_cast<long long>(c.instruction_register_length));
    json.key("capture");
    json.string(c.instruction_register_capture);
    json.end_object();
    json.key("idcode_capture");
    json.string(c.idcode_capture);
    json.key("usercode_capture");
    json.string(c.usercode_capture);

    json.key("instructions");
    json.begin_array();
    for (const InstructionInfo &i : c.instructions) {
        json.begin_object();
        json.key("kind");
        json.string(i.kind_text);
        json.key("kind_code");
        json.number(static_cast<long long>(i.kind));
        json.key("opcode");
        json.string(i.opcode);
        json.key("register");
        json.string(i.register_name);
        json.key("register_type");
        json.string(i.register_type);
        json.end_object();
    }
    json.end_array();

    json.key("tap_pins");
    json.begin_object();
    for (const TapPinInfo &pin : c.tap_pins) {
        json.key(pin.signal);
        json.string(pin.name);
    }
    json.end_object();

    json.key("pins");
    json.begin_array();
    for (const PinInfo &pin : c.pins) {
        json.begin_object();
        json.key("name");
        json.string(pin.name);
        json.key("number");
        json.string(pin.number);
        json.key("bus");
        json.boolean(pin.bus);
        json.key("type");
        json.string(pin_type_word(pin.type));
        json.key("direction");
        json.string(direction_word(pin.direction));
        json.end_object();
    }
    json.end_array();

    json.key("boundary_scan_register_length");
    if (c.has_boundary_scan_register)
        json.number(static_cast<long long>(c.boundary_scan_register_length));
    else
        json.null();
    json.key("cells");
    json.begin_array();
    for (const CellInfo &cell : c.cells) {
        json.begin_object();
        json.key("position");
        json.number(static_cast<long long>(cell.position));
        json.key("name");
        json.string(cell.name);
        json.key("pin");
        json.string(cell.pin);
        json.key("functions");
        json.begin_array();
        for (const CellFunctionInfo &function : cell.functions) {
            json.begin_object();
            json.key("function");
            json.string(cell_function_word(function.code));
            json.key("code");
            json.number(static_cast<long long>(function.code));
            json.key("name");
            json.string(function.name);
            json.end_object();
        }
        json.end_array();
        json.key("control_cell");
        if (cell.control < 0)
            json.null();
        else
            json.number(static_cast<long long>(cell.control));
        json.key("disable_value");
        json.string(cell.disable ? Text(std::string(1, cell.disable)) : std::nullopt);
        json.end_object();
    }
    json.end_array();
    write_sequences_json(json, c.test_sequences, c.illegal_vectors);
    json.end_object();
}

void write_document(const char *file, const DescriptionReport &description) {
    JsonWriter json(stdout);
    json.begin_object();
    json.member("format", 1LL);
    json.member("file", std::string(file));
    json.key("boards");
    json.begin_array();
    for (const BoardReport &board : description.boards)
        write_board_json(json, board);
    json.end_array();
    json.key("pin_families");
    json.begin_array();
    for (const PinFamilyReport &family : description.pin_families)
        write_pin_family_json(json, family);
    json.end_array();
    json.key("components");
    json.begin_array();
    for (const ComponentReport &report : description.components)
        write_json(json, report);
    json.end_array();
    json.end_object();
    json.finish();
}

void print_document(const char *file, const DescriptionReport &description) {
    const std::vector<BoardReport> &boards = description.boards;
    const std::vector<ComponentReport> &reports = description.components;
    for (size_t i = 0; i < boards.size(); i++) {
        if (i)
            std::printf("\n");
        print_board(boards[i]);
    }
    for (size_t i = 0; i < reports.size(); i++) {
        if (i || !boards.empty())
            std::printf("\n");
        print_report(reports[i]);
    }
    if (boards.empty() && reports.empty())
        std::printf("%s: no components\n", file);
}

}  // namespace

int run_show(const Options &options) {
    Host host(options.level, false);
    host.include_folders = options.include_folders;
    if (!host_begin_file(host, options.files[0], true)) {
        host_end_file(host);
        return OXEL_FAILED;
    }
    HostContext *context = &host.context;
    OxelInitialize(context);
    if (options.prog_name)
        OxelSetProgName(context, options.prog_name);
    int32_t result = read_description(context, host.file, options.package);
    if (result == OXEL_OK && options.oxel_text) {
        result = print_oxel_text(context);
    } else if (result == OXEL_OK) {
        const DescriptionReport description = collect_description(context);
        const char *name = host.file.name.c_str();
        if (options.json)
            write_document(name, description);
        else
            print_document(name, description);
    }
    OxelDestroy(context);
    OxelInitialize(context);
    const int status = file_status(result, host.sink, false);
    host_end_file(host);
    return status;
}

// BSDL import: each test device imported and checked, its facts compared with what its file states
//
// The expected facts come from the test file itself, read by the tests' own patterns (import_support.h), and
// from the tables below where the mapping makes a choice (pin types, the instructions' modes).
#include "bsdl/import_support.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <set>

namespace {

std::string upper(std::string text) {
    for (char &c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// One imported device: its file, the package, and what the mapping decides.
struct Device {
    const char *file;
    const char *package;                          // the pin map the import takes by default
    std::map<std::string, int32_t> pin_types;     // every mapped port
    Texts check_warnings;                         // what the check finds in the file's own facts
};

// gtest names a device by its file.
void PrintTo(const Device &device, std::ostream *out) { *out << device.file; }

const Device kDevices[] = {
    {"sensor_1990.bsd",
     "DIP24",
     {{"tck", OXEL_PIN_TCK}, {"tms", OXEL_PIN_TMS}, {"tdi", OXEL_PIN_TDI}, {"tdo", OXEL_PIN_TDO},
      {"clk", OXEL_PIN_IN}, {"din", OXEL_PIN_IN}, {"dout", OXEL_PIN_OUTZ}, {"oe_n", OXEL_PIN_IN},
      {"int_n", OXEL_PIN_OUTZ}, {"vcc", OXEL_PIN_PWR}, {"gnd", OXEL_PIN_GND}},
     {}},
    {"bridge_1994.bsd",
     "PQFP44",
     {{"TCK", OXEL_PIN_TCK}, {"TMS", OXEL_PIN_TMS}, {"TDI", OXEL_PIN_TDI}, {"TRST_N", OXEL_PIN_TRST},
      {"TDO", OXEL_PIN_TDO}, {"CLOCK", OXEL_PIN_IN}, {"ADDR", OXEL_PIN_IN}, {"DATA", OXEL_PIN_IOZ},
      {"LENGTH", OXEL_PIN_OUT}, {"SELECT", OXEL_PIN_IOZ}, {"INPUT", OXEL_PIN_IN}, {"NC1", OXEL_PIN_NC},
      {"VDD", OXEL_PIN_PWR}, {"VDDIO", OXEL_PIN_PWR}, {"VSS", OXEL_PIN_GND}},
     {}},
    // Every I/O is captured by a cell of its own besides its three-state driver: IO, not IOZ.
    {"fpga_2001.bsd",
     "FG16",
     {{"TCK", OXEL_PIN_TCK}, {"TMS", OXEL_PIN_TMS}, {"TDI", OXEL_PIN_TDI}, {"TDO", OXEL_PIN_TDO},
      {"PROG_B", OXEL_PIN_IN}, {"DONE", OXEL_PIN_IOZ}, {"IO", OXEL_PIN_IO}, {"LED", OXEL_PIN_OUTZ},
      {"CFG_CLK", OXEL_PIN_IN}, {"VCCINT", OXEL_PIN_PWR}, {"VCCO", OXEL_PIN_PWR}, {"GND", OXEL_PIN_GND}},
     // SAMPLE and PRELOAD share their opcode: one SAMPLE/PRELOAD, no warning.
     {}},
    {"serdes_2013.bsd",
     "QFN32",
     {{"TCK", OXEL_PIN_TCK}, {"TMS", OXEL_PIN_TMS}, {"TDI", OXEL_PIN_TDI}, {"TRST", OXEL_PIN_TRST},
      {"TDO", OXEL_PIN_TDO}, {"REFCLK", OXEL_PIN_IN}, {"TXP", OXEL_PIN_OUTZ}, {"TXN", OXEL_PIN_OUTZ},
      {"RXP", OXEL_PIN_IN}, {"RXN", OXEL_PIN_IN}, {"LOS", OXEL_PIN_OUT}, {"MODE", OXEL_PIN_IN},
      {"AVDD", OXEL_PIN_PWR}, {"DVDD", OXEL_PIN_PWR}, {"VDDIO", OXEL_PIN_PWR}, {"AVSS", OXEL_PIN_GND},
      {"DVSS", OXEL_PIN_GND}, {"RSVD", OXEL_PIN_NC}},
     {}},
};

// ---- Instructions ----

bool is_standard(const std::string &name) {
    static const Texts kStandard = {"EXTEST", "SAMPLE", "PRELOAD", "BYPASS", "IDCODE",
                                    "USERCODE", "CLAMP", "HIGHZ", "INTEST", "RUNBIST"};
    return std::find(kStandard.begin(), kStandard.end(), upper(name)) != kStandard.end();
}

// The opcodes of an instruction, as a set; null when the file has no such instruction.
std::optional<std::set<std::string>> codes_of(const BsdlFacts &facts, const std::string &which) {
    for (const auto &[name, codes] : facts.opcodes)
        if (upper(name) == which)
            return std::set<std::string>(codes.begin(), codes.end());
    return std::nullopt;
}

// SAMPLE and PRELOAD with the same opcodes are one instruction: SAMPLE's line stands for both.
bool preload_merged(const BsdlFacts &facts) {
    const auto sample = codes_of(facts, "SAMPLE"), preload = codes_of(facts, "PRELOAD");
    return sample && preload && *sample == *preload;
}

// The instructions the import gives, by name, each with its opcodes.
std::vector<std::pair<std::string, std::vector<std::string>>> imported_opcodes(const BsdlFacts &facts) {
    auto opcodes = facts.opcodes;
    if (preload_merged(facts))
        std::erase_if(opcodes, [](const auto &entry) { return upper(entry.first) == "PRELOAD"; });
    return opcodes;
}

// The kind text a query gives an instruction, and the register the standard has it select.
std::string kind_text(const BsdlFacts &facts, const std::string &name) {
    std::string which = upper(name);
    const bool preload_apart = codes_of(facts, "PRELOAD") && !preload_merged(facts);
    if (which == "SAMPLE")
        return preload_apart ? "SAMPLE" : "SAMPLE/PRELOAD";
    if (which == "PRELOAD")
        return "SAMPLE/PRELOAD";
    return is_standard(which) ? which : name;
}

std::string selected_register(const BsdlFacts &facts, const std::string &name) {
    const auto given = facts.registers.find(upper(name));
    if (given != facts.registers.end())
        return given->second;
    const std::string which = upper(name);
    if (which == "EXTEST" || which == "SAMPLE" || which == "PRELOAD" || which == "INTEST" || which == "RUNBIST")
        return "BOUNDARY";
    if (which == "IDCODE")
        return "DEVICE_ID";
    if (which == "USERCODE")
        return "USERCODE";
    return "BYPASS";
}

int32_t expected_mode(const BsdlFacts &facts, const std::string &name) {
    const std::string which = upper(name);
    if (which == "EXTEST" || which == "CLAMP")
        return OXEL_MODE_EXTERNAL;
    if (which == "INTEST" || which == "RUNBIST")
        return OXEL_MODE_INTERNAL;
    if (which == "HIGHZ")
        return OXEL_MODE_HIGHZ;
    if (is_standard(which))
        return OXEL_MODE_SAMPLE;
    const Texts private_list = [&] {
        Texts names;
        std::string list = facts.attribute("INSTRUCTION_PRIVATE");
        std::regex word("\\w+");
        for (std::sregex_iterator it(list.begin(), list.end(), word), end; it != end; ++it)
            names.push_back(upper(it->str()));
        return names;
    }();
    return std::find(private_list.begin(), private_list.end(), which) != private_list.end() ? OXEL_MODE_PRIVATE
                                                                                           : OXEL_MODE_NONE;
}

// ---- Cells ----

bool captures(const std::string &function) {
    return function == "INPUT" || function == "CLOCK" || function == "OBSERVE_ONLY" || function == "BIDIR";
}

bool drives(const std::string &function) {
    return function == "OUTPUT2" || function == "OUTPUT3" || function == "BIDIR";
}

// The port's pin named by an entry: PORT or PORT(bit).
std::string entry_pin(const BsdlFacts &facts, const std::string &package, const std::string &port) {
    std::smatch match;
    if (std::regex_match(port, match, std::regex("(\\w+)\\((\\d+)\\)")))
        return pin_of(facts, package, match[1], std::stoi(match[2]));
    return port == "*" ? "" : pin_of(facts, package, port);
}

// What the cell queries are to say of cell `number`: "name|functions|control|disable".
std::string expected_cell(const BsdlFacts &facts, const std::string &package, int number) {
    std::string cell, input, output, third;
    int control = -1;
    std::string disable;
    for (const BsdlCellFact &entry : facts.cells) {
        if (entry.number != number)
            continue;
        cell = entry.cell;
        const std::string pin = entry_pin(facts, package, entry.port);
        if (captures(entry.function) && !pin.empty())
            input = pin;
        if (drives(entry.function) && !pin.empty())
            output = pin;
        if (entry.control >= 0 && control < 0) {
            control = entry.control;
            disable = entry.disable;
        }
    }
    std::string functions;
    if (input.empty() && output.empty())
        functions = "(null):5";
    if (!input.empty())
        functions += input + ":" + (input == output ? "6" : "1");
    if (!output.empty() && output != input)
        functions += output + ":" + (control >= 0 && control != number ? "3" : "2");
    return row(cell, functions, control, disable.empty() ? "(none)" : disable);
}

std::string queried_cell(HostContext *c) {
    const char *names[8] = {};
    int32_t codes[8] = {};
    int32_t count = oxel_get_current_component_current_cell_function_list(c, names, codes, 8);
    std::string functions;
    for (int32_t i = 0; i < count; i++)
        functions += shown(names[i]) + ":" + std::to_string(codes[i]);
    char disable = oxel_get_current_component_current_cell_CD_value(c);
    return row(oxel_get_current_component_current_cell_name(), functions,
               oxel_get_current_component_current_cell_CD_output(c), disable ? std::string(1, disable) : "(none)");
}

// What the chain element keeps of the BSDL entries beyond its pins: function and safe value of each, and
// the disable result where one is given.
Texts expected_third(const BsdlFacts &facts, int number) {
    Texts third;
    for (const BsdlCellFact &entry : facts.cells)
        if (entry.number == number) {
            third.push_back(entry.function);
            third.push_back(entry.safe);
            if (!entry.result.empty())
                third.push_back(entry.result);
        }
    return third;
}

// ---- Pins ----

std::string index_text(const IndexRecord *index) {
    if (index->kind == OXEL_INDEX_NAME)
        return reinterpret_cast<const char *>(index->first);
    if (index->kind == OXEL_INDEX_RANGE)
        return std::to_string(index->first) + ":" + std::to_string(index->last);
    return std::to_string(index->first);
}

// A pin record as "name|numbers|type": a bus's numbers joined by commas, followed by its indices.
std::string pin_record(const PinRecord *pin) {
    if (pin->form == OXEL_FORM_SINGLE)
        return row(pin->name, pin->numbering->number, pin->type);
    std::string numbers;
    for (IndexRecord *index : items_of<IndexRecord>(pin->numbering->numbers))
        numbers += (numbers.empty() ? "" : ",") + index_text(index);
    std::string indices;
    for (IndexRecord *index : items_of<IndexRecord>(pin->numbering->indices))
        indices += index_text(index);
    return row(pin->name, numbers + "/" + indices, pin->type);
}

std::string expected_pin(const BsdlFacts &facts, const std::string &package, const std::string &name,
                         int32_t type) {
    const BsdlPortFact &port = facts.ports.at(name);
    if (!port.vector)
        return row(name, pin_of(facts, package, name), type);
    const int low = std::min(port.left, port.right), high = std::max(port.left, port.right);
    std::string numbers;
    for (int bit = low; bit <= high; bit++)
        numbers += (numbers.empty() ? "" : ",") + pin_of(facts, package, name, bit);
    const std::string indices = low == high ? std::to_string(low) : std::to_string(low) + ":" + std::to_string(high);
    return row(name, numbers + "/" + indices, type);
}

class DeviceImport : public ImportTest, public ::testing::WithParamInterface<Device> {};

}  // namespace

// Each device imports without a message beyond notes, checks with only the warnings its own file gives
// cause for, and every fact the file states is what the records and the query exports give.
TEST_P(DeviceImport, CarriesTheFactsOfItsFileThrough) {
    const Device &device = GetParam();
    const std::string path = bsdl_path(device.file);
    const BsdlFacts facts = read_bsdl_facts(path);
    ASSERT_FALSE(facts.cells.empty());
    ASSERT_EQ(import_file(path), OXEL_OK) << host.dump();
    EXPECT_EQ(row(host.counters.errors, host.counters.warnings), "0|0") << host.dump();
    host.clear();
    const int32_t checked = OxelCheck(host.host());
    EXPECT_EQ(host.texts(OXEL_KIND_WARNING), device.check_warnings) << host.dump();
    EXPECT_EQ(checked, device.check_warnings.empty() ? OXEL_OK : OXEL_WARNINGS) << host.dump();
    EXPECT_EQ(host.counters.errors, 0) << host.dump();
    HostContext *c = host.host();
    ASSERT_EQ(oxel_get_first_component(), 1);
    EXPECT_EQ(shown(oxel_get_current_component_name()), facts.entity);
    EXPECT_EQ(shown(oxel_get_current_component_bsd_ref()), path);
    EXPECT_EQ(oxel_get_current_component_standard(c), OXEL_STANDARD_IEEE_1149_1_1990);

    // The instruction register and the instructions, one per opcode, in the order of the file.
    EXPECT_EQ(oxel_get_current_component_instruction_register_length(), facts.instruction_length);
    EXPECT_EQ(shown(oxel_get_current_component_instruction_register_capture_code()), facts.instruction_capture);
    Texts expected, queried;
    for (const auto &[name, codes] : imported_opcodes(facts))
        for (const std::string &code : codes)
            expected.push_back(row(kind_text(facts, name), code, selected_register(facts, name)));
    for (int32_t kind = oxel_get_current_component_first_instruction(); kind >= 0;
         kind = oxel_get_current_component_next_instruction())
        queried.push_back(row(oxel_get_current_component_current_instruction_name(),
                              oxel_get_current_component_current_instruction_code(),
                              oxel_get_current_component_register_selected()));
    EXPECT_EQ(queried, expected);
    const ComponentRecord *component = oxel_get_current_component_entry();
    ASSERT_TRUE(component && component->instruction_registers);
    const auto *ir = static_cast<InstructionRegisterRecord *>(component->instruction_registers->items[0]);
    Texts modes, expected_modes;
    for (const auto &[name, codes] : imported_opcodes(facts))
        for (size_t i = 0; i < codes.size(); i++)
            expected_modes.push_back(name + "|" + std::to_string(expected_mode(facts, name)));
    for (InstructionRecord *instruction : items_of<InstructionRecord>(ir->instructions))
        modes.push_back(std::string(instruction->name ? instruction->name : "") + "|" +
                        std::to_string(instruction->mode));
    // A standard instruction has no name of its own; compare the modes alone for those.
    for (size_t i = 0; i < modes.size() && i < expected_modes.size(); i++)
        if (modes[i][0] == '|')
            expected_modes[i] = expected_modes[i].substr(expected_modes[i].find('|'));
    EXPECT_EQ(modes, expected_modes);

    // The registers: the data registers REGISTER_ACCESS adds, with their lengths.
    for (const auto &[name, length] : facts.register_lengths)
        EXPECT_EQ(oxel_get_current_component_register_length(c, name.c_str()), length) << name;
    EXPECT_EQ(oxel_get_current_component_register_length(c, "BYPASS"), 1);
    EXPECT_EQ(shown(oxel_get_current_component_register_capture_code(c, "BYPASS")), "0");

    // The pins: bits before buses, each with its package pin (a bus's from its lowest index up) and type.
    Texts pins, expected_pins;
    ASSERT_TRUE(component->pin_lists);
    for (PinRecord *pin : items_of<PinRecord>(static_cast<ItemList *>(component->pin_lists->items[0])))
        pins.push_back(pin_record(pin));
    for (bool buses : {false, true})
        for (const auto &mapping : facts.packages.at(device.package)) {
            // The pin map may write a port's name in another case than its declaration.
            std::string declared = mapping.first;
            for (const auto &[port, fact] : facts.ports)
                if (upper(port) == upper(mapping.first))
                    declared = port;
            if (facts.ports.at(declared).vector == buses)
                expected_pins.push_back(expected_pin(facts, device.package, declared, device.pin_types.at(declared)));
        }
    std::sort(pins.begin(), pins.end());
    std::sort(expected_pins.begin(), expected_pins.end());
    EXPECT_EQ(pins, expected_pins);
    for (const auto &[name, type] : device.pin_types)
        if (!facts.ports.at(name).vector) {
            EXPECT_EQ(shown(oxel_get_current_component_pin_nr(c, name.c_str())), pin_of(facts, device.package, name))
                << name;
            const std::string number = pin_of(facts, device.package, name);
            EXPECT_EQ(shown(oxel_find_current_component_pin_name(c, number.c_str())), name);
        }
    for (int32_t signal : {OXEL_PIN_TDI, OXEL_PIN_TDO, OXEL_PIN_TMS, OXEL_PIN_TCK}) {
        const char *tap = oxel_get_current_component_tap_pin_name(c, signal);
        ASSERT_TRUE(tap) << signal;
        EXPECT_EQ(device.pin_types.at(tap), signal);
    }

    // The boundary register: its length, and each cell in order as the cell queries see it.
    ASSERT_EQ(oxel_open_current_component_boundary_scan_register(c), 1);
    EXPECT_EQ(oxel_get_current_component_boundary_scan_register_length(), facts.boundary_length);
    Texts cells, expected_cells;
    for (int number = 0; number < facts.boundary_length; number++)
        expected_cells.push_back(std::to_string(number) + "|" + expected_cell(facts, device.package, number));
    for (int32_t more = oxel_get_current_component_first_cell(c); more; more = oxel_get_current_component_next_cell(c))
        cells.push_back(std::to_string(oxel_get_current_component_current_cell_position()) + "|" + queried_cell(c));
    EXPECT_EQ(cells, expected_cells);
    const auto *bsr = static_cast<BoundaryScanRegisterRecord *>(component->boundary_scan_registers->items[0]);
    for (ChainElementRecord *element : items_of<ChainElementRecord>(bsr->chain))
        EXPECT_EQ(texts_of(element->third_params), expected_third(facts, element->position)) << element->position;
}

INSTANTIATE_TEST_SUITE_P(Devices, DeviceImport, ::testing::ValuesIn(kDevices),
                         [](const ::testing::TestParamInfo<Device> &info) {
                             std::string name = info.param.file;
                             return name.substr(0, name.find('.'));
                         });

using Import = ImportTest;

// The identification register: the IDCODE as written, split into version, part number and manufacturer;
// several codes merged, the bits where they differ X.
TEST_F(Import, TheIdcodeIsSplitIntoItsFields) {
    const struct {
        const char *file, *capture;
    } cases[] = {
        {"bridge_1994.bsd", "XXXX|0001001000110100|00000101001|XXXX0001001000110100000001010011"},
        {"fpga_2001.bsd", "000X|0110100000010011|00001001001|000X0110100000010011000010010011"},
        {"serdes_2013.bsd", "0010|1011000000000001|00011100011|00101011000000000001000111000111"},
    };
    for (const auto &[file, capture] : cases) {
        ASSERT_EQ(import_file(bsdl_path(file)), OXEL_OK) << host.dump();
        ASSERT_EQ(oxel_get_first_component(), 1);
        const ComponentRecord *component = oxel_get_current_component_entry();
        ASSERT_TRUE(component->identification_registers) << file;
        const auto *id = static_cast<IdRegisterRecord *>(component->identification_registers->items[0]);
        EXPECT_EQ(row(id->version, id->part_number, id->manufacturer, id->capture_value), capture) << file;
        EXPECT_EQ(row(shown(oxel_get_current_component_idcode_register_capture_code()), id->length),
                  row(id->capture_value, 32));
    }
    // A device without IDCODE has no identification register.
    ASSERT_EQ(import_file(bsdl_path("sensor_1990.bsd")), OXEL_OK);
    ASSERT_EQ(oxel_get_first_component(), 1);
    EXPECT_EQ(oxel_get_current_component_entry()->identification_registers, nullptr);
}

// Data registers take the captures REGISTER_ACCESS gives them (merged where an instruction's differs) and
// an unknown capture (X) otherwise; a usercode register without USERCODE_REGISTER captures X too.
TEST_F(Import, RegistersTakeTheCapturesTheFileGives) {
    ASSERT_EQ(import_file(bsdl_path("serdes_2013.bsd")), OXEL_OK) << host.dump();
    ASSERT_EQ(oxel_get_first_component(), 1);
    HostContext *c = host.host();
    EXPECT_EQ(row(oxel_get_current_component_register_capture_code(c, "RESET_SELECT"),
                  oxel_get_current_component_register_capture_code(c, "INIT_DATA"),
                  oxel_get_current_component_register_capture_code(c, "ECID")),
              row("0000", "0000000000X1", std::string(64, 'X')));
    ASSERT_EQ(import_file(bsdl_path("bridge_1994.bsd")), OXEL_OK) << host.dump();
    ASSERT_EQ(oxel_get_first_component(), 1);
    EXPECT_EQ(shown(oxel_get_current_component_usercode_register_capture_code()), std::string(32, 'X'));
    EXPECT_EQ(row(oxel_get_current_component_register_length(c, "USERCODE"),
                  oxel_get_current_component_register_length(c, "DEVICE_ID")),
              "32|32");
}

// Another package gives the pins its own numbers, lettered balls included; the default is the generic's.
TEST_F(Import, APackageChoosesThePinNumbers) {
    const std::string path = bsdl_path("bridge_1994.bsd");
    const BsdlFacts facts = read_bsdl_facts(path);
    for (const char *package : {"BGA49", "bga49", "PQFP44"}) {
        ASSERT_EQ(import_file(path, package), OXEL_OK) << host.dump();
        ASSERT_EQ(oxel_get_first_component(), 1);
        HostContext *c = host.host();
        for (const char *pin : {"TDI", "TRST_N", "SELECT", "VSS"})
            EXPECT_EQ(shown(oxel_get_current_component_pin_nr(c, pin)), pin_of(facts, upper(package), pin))
                << package << " " << pin;
        ASSERT_EQ(oxel_get_current_component_first_cell(c), 1);
        const char *names[2] = {};
        int32_t codes[2] = {};
        ASSERT_EQ(oxel_get_current_component_current_cell_function_list(c, names, codes, 2), 1);
        EXPECT_EQ(row(names[0], codes[0]), row(pin_of(facts, upper(package), "ADDR", 0), 1)) << package;
    }
    EXPECT_EQ(pin_of(facts, "BGA49", "ADDR", 0), "C1");
}

// An unknown package is an error that lists the packages the file has; nothing is built.
TEST_F(Import, AnUnknownPackageListsThoseOfTheFile) {
    EXPECT_EQ(import_file(bsdl_path("bridge_1994.bsd"), "SOIC8"), OXEL_FAILED);
    EXPECT_EQ(located_errors(), Texts{"-: Package SOIC8 is not in the file; its packages are PQFP44, BGA49"});
    EXPECT_TRUE(no_description());
    EXPECT_EQ(OxelGetSyntaxErrors(), 1);
}

// The import adds to the description held, as a parse does, and leaves the syntax count at 0 so that the
// check runs on both; the records of both are released with it.
TEST_F(Import, AnImportAddsToWhatIsHeld) {
    OxelInitialize(host.host());
    ASSERT_EQ(OxelParse(host.host(), example_path("jx200.oxel").c_str()), OXEL_OK);
    ASSERT_EQ(OxelImportBsdl(host.host(), bsdl_path("sensor_1990.bsd").c_str(), nullptr), OXEL_OK);
    ASSERT_EQ(oxel_import_bsdl(host.host(), bsdl_path("serdes_2013.bsd").c_str(), "QFN32"), OXEL_OK);
    EXPECT_EQ(oxel_nr_components(), 3);
    EXPECT_EQ(OxelGetSyntaxErrors(), 0);
    EXPECT_EQ(OxelCheck(host.host()), OXEL_OK) << host.dump();
    Texts names;
    for (int32_t more = oxel_get_first_component(); more; more = oxel_get_next_component())
        names.push_back(oxel_get_current_component_name());
    EXPECT_EQ(names, (Texts{"JX200", "sensor_if", "SERDES_PHY"}));
}

// The check's findings about an imported device point into the BSDL file: a pin that no cell serves draws
// its warning at the port's declaration.
TEST_F(Import, TheCheckPointsIntoTheBsdlFile) {
    std::string text = read_file(bsdl_path("sensor_1990.bsd"));
    // A spare input that no cell observes.
    text.replace(text.find("oe_n          : in bit;"), 23, "oe_n, spare   : in bit;");
    text.replace(text.find("vcc : 24"), 8, "vcc : 24, spare : 22");
    ASSERT_EQ(import_text(text), OXEL_OK) << host.dump();
    host.clear();
    EXPECT_EQ(OxelCheck(host.host()), OXEL_WARNINGS);
    ASSERT_EQ(host.texts(OXEL_KIND_WARNING).size(), 1u) << host.dump();
    const RecordedMessage &warning = host.messages[std::find_if(host.messages.begin(), host.messages.end(),
                                                                [](const RecordedMessage &m) {
                                                                    return m.kind == OXEL_KIND_WARNING;
                                                                }) -
                                                   host.messages.begin()];
    EXPECT_EQ(row(warning.text, warning.where),
              row("Pin \"spare\" has BST type but is not specified in the Boundary-Scan Register",
                  written + ":16:11"));
}

// A linkage bit given several pins, as vendors give supplies, is a bus of them indexed from 0.
TEST_F(Import, ALinkageBitOfSeveralPinsIsABus) {
    std::string text = read_file(bsdl_path("sensor_1990.bsd"));
    text.replace(text.find("vcc : 24"), 8, "vcc : (24, 21)");
    ASSERT_EQ(import_text(text), OXEL_OK) << host.dump();
    EXPECT_EQ(host.texts(OXEL_KIND_NOTE).back(), "Linkage port vcc is a bit with 2 pins: taken as vcc(0 to 1)");
    ASSERT_EQ(oxel_get_first_component(), 1);
    const auto *pins = static_cast<ItemList *>(oxel_get_current_component_entry()->pin_lists->items[0]);
    Texts buses;
    for (PinRecord *pin : items_of<PinRecord>(pins))
        if (pin->form == OXEL_FORM_BUS)
            buses.push_back(pin_record(pin));
    EXPECT_EQ(buses, (Texts{row("din", "6,7,8,9/0:3", OXEL_PIN_IN), row("dout", "13,12,11,10/0:3", OXEL_PIN_OUTZ),
                            row("vcc", "24,21/0:1", OXEL_PIN_PWR)}));
    EXPECT_EQ(OxelCheck(host.host()), OXEL_OK) << host.dump();
}

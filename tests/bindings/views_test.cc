// The C++ wrapper's views: buses element by element, what cells do, and the text of every code
#include <ranges>
#include <string>

#include "oxel32.hpp"
#include "support/recorder.h"

static_assert(std::ranges::forward_range<oxel::bus_element_range>);
static_assert(std::ranges::contiguous_range<oxel::cell_functions>);

namespace {

// A component whose pins, instructions and cells take the less common forms.
const std::string kOdd = R"(OXEL
COMPONENT ODD
  STANDARD : JTAG_V2.0
  PIN_LIST
    1 TDI TDI -
    (1, 2, 5:7) Q(4:7, 0) IO -
    (J1, J2) N(1:0) OUT -
    (3) F(0:1) IN -
    (100:70099) W(0:69999) IN -
  END PIN_LIST
  INSTRUCTION_REGISTER IR
    LENGTH 2
    INSTRUCTION_LIST
      EXTEST "00" BSR EXTERNAL -
      MYINST "01" BSR MYMODE -
      SAMPLE "10" BSR - -
    END INSTRUCTION_LIST
  END INSTRUCTION_REGISTER
  BOUNDARY_SCAN_REGISTER BSR
    LENGTH 9
    CHAIN_LIST
      0 BC_1 TDI [a b] [B] - - -
      1 BC_1 Q(4) - q - 1 -
      2 BC_1 Q(0) - q - 7 -
      3 my_control - - - - 5 Z
      4 BC_2 - - - - - -
      5 BC_1 - [x] - - "12 " -
      6 BC_1 - - [y] - "12a" -
      7 BC_1 - - [y] - "" -
      8 BC_1 - [p1 p2 p3 p4 p5 p6 p7 p8 p9 p10 p11] - - - -
    END CHAIN_LIST
  END BOUNDARY_SCAN_REGISTER
END COMPONENT
END OXEL
)";

std::string elements_of(const oxel::pin &p) {
    std::string out;
    for (const oxel::bus_element &e : p.elements())
        out += std::to_string(e.index) + "=" + (e.number ? std::string(e.number->text()) : "-") + " ";
    return out;
}

std::string bounds_of(const oxel::pin &p) {
    std::optional<oxel::index_bounds> bounds = p.indices();
    return bounds ? row(bounds->low, bounds->high) : "none";
}

oxel::pin pin_named(const oxel::component &c, std::string_view name) {
    for (const oxel::pin &p : c.pins())
        if (p.name == name)
            return p;
    ADD_FAILURE() << "no pin " << name;
    return {};
}

// What a cell does as the wrapper tells it, and as the library's queries do.
std::string functions_of(const oxel::cell &cell) {
    std::string out;
    for (const oxel::cell_function_entry &f : cell.functions())
        out += row(shown(f.parameter.data() ? std::string(f.parameter) : "(null)"),
                   static_cast<int32_t>(f.function)) + ",";
    std::optional<char> disable = cell.disable_value();
    return out + row(cell.control_cell().value_or(-1), disable ? std::string(1, *disable) : "");
}

std::string functions_of_current_cell(HostContext *c) {
    const char *names[32];
    int32_t codes[32];
    int32_t count = oxel_get_current_component_current_cell_function_list(c, names, codes, 32);
    std::string out;
    for (int32_t i = 0; i < count; i++)
        out += row(shown(names[i]), codes[i]) + ",";
    char disable = oxel_get_current_component_current_cell_CD_value(c);
    return out + row(oxel_get_current_component_current_cell_CD_output(c), disable ? std::string(1, disable) : "");
}

}  // namespace

// A bus pairs the pin numbers written before its name with the indices
// written after it, place by place, and gives them in index order.
TEST(Views, ABusGivesItsPinNumbersInIndexOrder) {
    oxel::session s;
    ASSERT_TRUE(s.parse(write_temp_file("odd_buses.oxel", kOdd)));
    const oxel::component odd = *s.components().begin();
    const oxel::pin tdi = pin_named(odd, "TDI"), q = pin_named(odd, "Q"), n = pin_named(odd, "N"),
                    f = pin_named(odd, "F"), w = pin_named(odd, "W");
    EXPECT_EQ(row(tdi.width(), bounds_of(tdi), elements_of(tdi), tdi.number_of(0).has_value()), "0|none||0");
    // (1, 2, 5:7) Q(4:7, 0): pins 1, 2, 5, 6, 7 at indices 4, 5, 6, 7, 0.
    EXPECT_EQ(row(q.width(), bounds_of(q), elements_of(q)), "5|0|7|0=7 4=1 5=2 6=5 7=6 ");
    std::string numbers;
    for (int32_t index = -1; index <= 8; index++) {
        std::optional<oxel::pin_number> number = q.number_of(index);
        numbers += number ? std::string(number->text()) + (number->is_name() ? "n " : " ") : "- ";
    }
    EXPECT_EQ(numbers, "- 7 - - - 1 2 5 6 - ");
    // A range written high to low stands for no index; names stay names.
    EXPECT_EQ(row(n.width(), bounds_of(n), elements_of(n)), "0|none|");
    EXPECT_EQ(elements_of(f), "0=3 1=- ");
    // A bus wider than the check takes is still walked, lazily.
    EXPECT_EQ(row(w.width(), bounds_of(w), std::string(w.number_of(69999)->text())), "70000|0|69999|70099");
    EXPECT_EQ(std::ranges::distance(w.elements()), 70000);
    EXPECT_EQ(w.number_of(5)->value().value_or(-1), 105);
}

// The examples name a bus element's pin number as the parameter of the cell that serves it.
TEST(Views, TheCellOfABusElementNamesItsPinNumber) {
    for (const char *file : {"jx200.oxel", "kx300_bridge.oxel", "px240_port_expander.oxel"}) {
        oxel::session s;
        ASSERT_TRUE(s.parse(example_path(file))) << file;
        int served = 0;
        for (const oxel::component &c : s.components())
            for (const oxel::cell &cell : c.cells()) {
                if (!cell.pin_index)
                    continue;
                std::string_view parameter = "-";
                for (std::string_view p : cell.inputs)
                    parameter = parameter == "-" ? p : parameter;
                for (std::string_view p : cell.outputs)
                    parameter = parameter == "-" ? p : parameter;
                std::optional<oxel::pin_number> number = pin_named(c, cell.pin).number_of(*cell.pin_index);
                EXPECT_EQ(number ? number->text() : "none", parameter) << file << " position " << cell.position;
                served++;
            }
        EXPECT_GT(served, 0) << file;
    }
}

TEST(Views, ACellsFunctionsAreWhatTheLibrarysQueryAnswers) {
    Recorder host;
    const std::string odd = write_temp_file("odd_cells.oxel", kOdd);
    for (const std::string &file : {example_path("jx200.oxel"), example_path("kx300_bridge.oxel"),
                                    example_path("px240_port_expander.oxel"), odd}) {
        oxel::session s;
        ASSERT_TRUE(s.parse(file)) << file;
        for (const oxel::component &c : s.components()) {
            std::vector<std::string> ours;
            for (const oxel::cell &cell : c.cells())
                ours.push_back(functions_of(cell));
            ASSERT_EQ(oxel_open_component(host.host(), std::string(c.name()).c_str()), 1);
            std::vector<std::string> theirs;
            for (int32_t more = oxel_get_current_component_first_cell(host.host()); more;
                 more = oxel_get_current_component_next_cell(host.host()))
                theirs.push_back(functions_of_current_cell(host.host()));
            EXPECT_EQ(ours, theirs) << file;
        }
    }
    oxel::session s;
    ASSERT_TRUE(s.parse(odd));
    std::string cells;
    for (const oxel::cell &cell : s.components().begin()->cells())
        cells += functions_of(cell) + "\n";
    // Of eleven PI parameters, ten count.
    EXPECT_EQ(cells, "a|1,b|6,-1|\nq|2,1|\nq|3,7|\n(null)|4,5|Z\n(null)|5,-1|\nx|1,12|\ny|2,-1|\ny|3,0|\n"
                     "p1|1,p2|1,p3|1,p4|1,p5|1,p6|1,p7|1,p8|1,p9|1,p10|1,-1|\n");
}

TEST(Views, InstructionsGiveTheirKindAndModeAsCodes) {
    oxel::session s;
    ASSERT_TRUE(s.parse(write_temp_file("odd_instructions.oxel", kOdd)));
    const oxel::component odd = *s.components().begin();
    EXPECT_EQ(odd.standard(), oxel::standard::jtag_v2_0);
    std::string seen;
    for (const oxel::instruction &i : odd.instructions())
        seen += row(std::string(oxel::to_string(i.kind)), std::string(i.name), std::string(oxel::to_string(i.mode)),
                    shown(i.mode_name.data() ? std::string(i.mode_name) : "(null)")) + ";";
    EXPECT_EQ(seen, "EXTEST|EXTEST|EXTERNAL|(null);USERINST|MYINST|NAMED|MYMODE;USERINST|SAMPLE|NONE|(null);");
}

TEST(Views, EveryCodeHasItsText) {
    std::string pins;
    for (int32_t code = 0; code <= 14; code++)
        pins += std::string(oxel::to_string(static_cast<oxel::pin_type>(code))) + " ";
    EXPECT_EQ(pins, "UNKNOWN IN OUT OUTZ IO IOZ NC PWR GND TMS TDI TDO TCK TRST UNKNOWN ");
    std::string kinds;
    for (int32_t code = 0; code <= 11; code++)
        kinds += std::string(oxel::to_string(static_cast<oxel::instruction_kind>(code))) + " ";
    EXPECT_EQ(kinds, "UNKNOWN EXTEST BYPASS SAMPLE/PRELOAD INTEST RUNBIST IDCODE USERCODE USERINST CLAMP HIGHZ "
                     "UNKNOWN ");
    std::string modes;
    for (int32_t code : {0, 1, 2, 3, 4, 5, 6, 7, 32, 64})
        modes += std::string(oxel::to_string(static_cast<oxel::instruction_mode>(code))) + " ";
    EXPECT_EQ(modes, "UNKNOWN INTERNAL EXTERNAL SAMPLE PRIVATE HIGHZ HIZ UNKNOWN NAMED NONE ");
    std::string functions;
    for (int32_t code = 0; code <= 7; code++)
        functions += std::string(oxel::to_string(static_cast<oxel::cell_function>(code))) + " ";
    EXPECT_EQ(functions, "? input output tristate control internal bidir ? ");
    std::string standards;
    for (int32_t code = 0; code <= 3; code++)
        standards += std::string(oxel::to_string(static_cast<oxel::standard>(code))) + " ";
    EXPECT_EQ(standards, "UNKNOWN IEEE_1149.1_1990 JTAG_V2_0 UNKNOWN ");
    std::string registers;
    for (int32_t code = 0; code <= 7; code++)
        registers += std::string(oxel::to_string(static_cast<oxel::register_kind>(code))) + " ";
    EXPECT_EQ(registers, "instruction boundary_scan bypass identification usercode bist data unknown ");
    EXPECT_EQ(oxel::to_string(oxel::message_kind::warning), "warning");
}

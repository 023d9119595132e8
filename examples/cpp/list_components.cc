// A C++ host: parses and checks a description, then lists each component's pins, instructions,
// registers and boundary-scan cells through oxel32.hpp
//
//   list_components FILE
//
// Exit status: 0 when the file parsed and checked without errors, 1 when not, 2 on a usage error.
#include <iostream>
#include <optional>
#include <string>

#include "oxel32.hpp"

namespace {

std::string shown(std::string_view text) { return text.data() ? std::string(text) : "-"; }

void list_component(const oxel::component &c) {
    // A line of its own, as `oxel components` names it.
    std::cout << "component " << c.name() << '\n';
    std::cout << "  standard " << oxel::to_string(c.standard()) << '\n';
    // Written piece by piece: g++ 12 at -O3 takes `" " + text` for an overlapping copy.
    for (const oxel::pin &p : c.pins()) {
        std::cout << "  pin " << shown(p.name) << ' ' << (p.bus ? "bus" : shown(p.number));
        std::cout << " type " << oxel::to_string(p.type);
        // A bus: its index range, then each element's pin number in index order.
        if (std::optional<oxel::index_bounds> range = p.indices())
            std::cout << " indices " << range->low << ':' << range->high;
        for (const oxel::bus_element &element : p.elements())
            std::cout << ' ' << element.index << '=' << (element.number ? element.number->text() : "-");
        std::cout << '\n';
    }
    for (const oxel::instruction &i : c.instructions())
        std::cout << "  instruction " << i.name << ' ' << i.code << ' ' << shown(i.register_name) << ' '
                  << oxel::to_string(i.mode) << '\n';
    for (const oxel::register_info &r : c.registers()) {
        std::cout << "  register " << oxel::to_string(r.kind) << ' ' << r.name << " length " << r.length;
        if (r.capture.data())
            std::cout << " capture " << r.capture;
        std::cout << '\n';
    }
    for (const oxel::cell &cell : c.cells()) {
        std::cout << "  cell " << cell.position << ' ' << cell.name << ' ' << shown(cell.pin);
        if (cell.pin_index)
            std::cout << '(' << *cell.pin_index << ')';
        for (const oxel::cell_function_entry &f : cell.functions())
            std::cout << ' ' << oxel::to_string(f.function) << (f.parameter.data() ? " " : "") << f.parameter;
        if (std::optional<int32_t> control = cell.control_cell())
            std::cout << " control " << *control;
        std::cout << '\n';
    }
}

}  // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::cerr << "usage: list_components FILE\n";
        return 2;
    }
    // The library loaded, then the header compiled against.
    std::cout << "oxel32 " << oxel::library_version() << ", header " << OXEL32_VERSION_STRING << " = "
              << OXEL32_VERSION_MAJOR << '.' << OXEL32_VERSION_MINOR << '.' << OXEL32_VERSION_PATCH << '\n';
    oxel::session session([](oxel::message_kind kind, int32_t, std::string_view text) {
        std::cerr << oxel::to_string(kind) << ": " << text << '\n';
    });
    if (!session.parse(argv[1]))
        return 1;
    oxel::outcome checked = session.check();
    std::cout << "check: " << checked.errors << " error(s), " << checked.warnings << " warning(s)\n";
    if (!checked)
        return 1;
    for (const oxel::component &c : session.components())
        list_component(c);
    return 0;
}

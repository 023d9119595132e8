// oxel draw: a component in one picture: its name and registers, its boundary-scan register, its package
#include "draw_component.h"

#include <algorithm>
#include <string>

#include "draw_boundary_register.h"
#include "draw_package.h"

namespace {

constexpr int kTitleFont = 16;
constexpr int kFactFont = 11;

std::string facts_of(const ComponentReport &component) {
    std::string facts;
    facts += component.has_instruction_register
                 ? "instruction register " + std::to_string(component.instruction_register_length) + " bits"
                 : "no instruction register";
    facts += component.has_boundary_scan_register
                 ? ", boundary-scan register " + std::to_string(component.boundary_scan_register_length) + " cells"
                 : ", no boundary-scan register";
    facts += ", " + std::to_string(component.instructions.size()) + " instructions";
    return facts;
}

}  // namespace

Figure draw_component(const ComponentReport &component) {
    const Figure cells = draw_boundary_register(component);
    const Figure package = draw_package(component);
    Figure figure;
    figure.width = std::max({cells.width, package.width, 560});
    SvgWriter svg(figure.body);
    const int room = figure.width - 16;
    svg.text(8, 22, kTitleFont,
             fitted("Component " + (component.name ? *component.name : std::string("-")),
                    characters_in(room, kTitleFont)),
             "heading");
    svg.text(8, 40, kFactFont, fitted(facts_of(component), characters_in(room, kFactFont)), "muted");
    int y = 52;
    svg.place(cells, 0, y);
    y += cells.height + 20;
    svg.place(package, 0, y);
    figure.height = y + package.height + 8;
    return figure;
}

// oxel draw: a component's package: its pins on a ring or its balls on a grid, coloured by type
#include "draw_package.h"

#include <algorithm>
#include <array>
#include <string>

#include "package_pins.h"
#include "picture_legend.h"

namespace {

constexpr int kTitleFont = 14;
constexpr int kFactFont = 11;
constexpr int kLabelFont = 10;
constexpr int kLabelRoom = 28;   // characters of a pin's label on a ring

// Ring: the pitch of the pins, a pad's length and thickness.
constexpr int kPitch = 16;
constexpr int kPadLength = 20;
constexpr int kPadThickness = 10;

// Grid: the pitch of the balls, the room for the row names and the column numbers.
constexpr int kBallWidth = 72;
constexpr int kBallHeight = 34;
constexpr int kBallFont = 9;
constexpr int kRowNames = 40;
constexpr int kColumnNumbers = 22;

std::string pin_label(const PackagePin &pin) { return pin.number + " " + pin.name; }

void begin_pin(SvgWriter &svg, const PackagePin &pin) {
    svg.begin_group(attribute("class", "package-pin") + attribute("data-number", pin.number) +
                    attribute("data-type", pin_type_word(pin.type)));
    svg.title(pin_label(pin) + ": " + pin_type_word(pin.type) + (is_tap_type(pin.type) ? ", a TAP pin" : ""));
}

std::string pad_class(const PackagePin &pin) {
    return std::string("pad ") + pin_type_class(pin.type) + (is_tap_type(pin.type) ? " tap" : "");
}

const char *label_class(const PackagePin &pin) { return is_tap_type(pin.type) ? "tap-label" : ""; }

// The pins on the four sides of a square body: down the left side, along
// the bottom, up the right side, back along the top.
int draw_ring(SvgWriter &svg, const Package &package, const std::string &name, int top, int *width) {
    const size_t count = package.pins.size();
    std::array<size_t, 4> side{};
    for (size_t i = 0; i < 4; i++)
        side[i] = count / 4 + (i < count % 4 ? 1 : 0);
    int label_width = 0;
    for (const PackagePin &pin : package.pins)
        label_width = std::max(label_width, text_width(fitted(pin_label(pin), kLabelRoom), kLabelFont));
    const int reach = kPadLength + 4 + label_width + 8;   // from the body to the picture's edge
    const std::string shown_name = fitted(name, 24);
    const int size = std::max({static_cast<int>(side[0]) * kPitch + kPitch, text_width(shown_name, 13) + 24, 150});
    const int left = 8 + reach, body_top = top + reach;
    svg.rect(left, body_top, size, size, "body", 4);
    svg.circle(left + 10, body_top + 10, 4, "pin1");
    svg.text(left + size / 2, body_top + size / 2 - 2, 13, shown_name, "heading", Anchor::middle);
    svg.text(left + size / 2, body_top + size / 2 + 16, kFactFont,
             std::to_string(count) + (count == 1 ? " pin" : " pins"), "muted", Anchor::middle);

    size_t at = 0;
    for (size_t s = 0; s < 4; s++) {
        const int start = (size - static_cast<int>(side[s]) * kPitch) / 2 + kPitch / 2;
        for (size_t k = 0; k < side[s]; k++, at++) {
            const PackagePin &pin = package.pins[at];
            const int along = start + static_cast<int>(k) * kPitch;
            const std::string label = fitted(pin_label(pin), kLabelRoom);
            begin_pin(svg, pin);
            switch (s) {
            case 0: {   // left, downwards
                const int y = body_top + along;
                svg.rect(left - kPadLength, y - kPadThickness / 2, kPadLength, kPadThickness, pad_class(pin));
                svg.text(left - kPadLength - 4, y + 4, kLabelFont, label, label_class(pin), Anchor::end);
                break;
            }
            case 1: {   // bottom, rightwards
                const int x = left + along;
                svg.rect(x - kPadThickness / 2, body_top + size, kPadThickness, kPadLength, pad_class(pin));
                svg.text(x + 4, body_top + size + kPadLength + 4, kLabelFont, label, label_class(pin), Anchor::end,
                         true);
                break;
            }
            case 2: {   // right, upwards
                const int y = body_top + size - along;
                svg.rect(left + size, y - kPadThickness / 2, kPadLength, kPadThickness, pad_class(pin));
                svg.text(left + size + kPadLength + 4, y + 4, kLabelFont, label, label_class(pin));
                break;
            }
            default: {   // top, leftwards
                const int x = left + size - along;
                svg.rect(x - kPadThickness / 2, body_top - kPadLength, kPadThickness, kPadLength, pad_class(pin));
                svg.text(x + 4, body_top - kPadLength - 4, kLabelFont, label, label_class(pin), Anchor::start,
                         true);
                break;
            }
            }
            svg.end_group();
        }
    }
    *width = left + size + reach + 8;
    return body_top + size + reach;
}

int draw_grid(SvgWriter &svg, const Package &package, int top, int *width) {
    const int left = 8 + kRowNames, grid_top = top + kColumnNumbers;
    const int rows = static_cast<int>(package.row_names.size());
    for (int c = 0; c < package.columns; c++)
        svg.text(left + c * kBallWidth + kBallWidth / 2, grid_top - 8, kLabelFont,
                 std::to_string(package.first_column + c), "muted", Anchor::middle);
    for (int r = 0; r < rows; r++) {
        const int y = grid_top + r * kBallHeight;
        svg.line(left, y + kBallHeight / 2, left + package.columns * kBallWidth, y + kBallHeight / 2, "grid-line");
        svg.text(left - 8, y + kBallHeight / 2 + 4, kLabelFont, fitted(package.row_names[r], 4), "muted", Anchor::end);
    }
    const size_t room = characters_in(kBallWidth - 24, kBallFont);
    for (const PackagePin &pin : package.pins) {
        const int x = left + pin.column * kBallWidth, y = grid_top + pin.row * kBallHeight;
        begin_pin(svg, pin);
        svg.circle(x + 11, y + kBallHeight / 2, 7, pad_class(pin));
        svg.text(x + 22, y + 14, kBallFont, fitted(pin.number, room), "heading");
        svg.text(x + 22, y + 27, kBallFont, fitted(pin.name, room), label_class(pin));
        svg.end_group();
    }
    *width = left + package.columns * kBallWidth + 8;
    return grid_top + rows * kBallHeight + 8;
}

std::string facts_of(const Package &package) {
    const size_t count = package.pins.size();
    std::string facts;
    switch (package.shape) {
    case PackageShape::ring_by_number:
        facts = std::to_string(count) + (count == 1 ? " pin" : " pins") + " numbered " + package.pins.front().number +
                " to " + package.pins.back().number + ", counter-clockwise from the first";
        break;
    case PackageShape::grid:
        facts = std::to_string(count) + (count == 1 ? " ball" : " balls") + " in " +
                std::to_string(package.row_names.size()) + " rows by " + std::to_string(package.columns) +
                " columns";
        break;
    case PackageShape::ring_as_written:
        facts = std::to_string(count) + (count == 1 ? " pin" : " pins") +
                " in the order written: their numbers are neither all integers nor all ball names";
        break;
    }
    if (package.unnumbered)
        facts += "; " + std::to_string(package.unnumbered) + " without a number left out";
    return facts;
}

}  // namespace

const char *pin_type_class(int32_t type) {
    static const char *const kClasses[] = {"type-unknown", "type-in",  "type-out", "type-outz", "type-io",
                                           "type-ioz",     "type-nc",  "type-pwr", "type-gnd"};
    if (type >= OXEL_PIN_TMS && type <= OXEL_PIN_TRST)
        return "type-tap";
    return type >= 1 && type <= 8 ? kClasses[type] : kClasses[0];
}

Figure draw_package(const ComponentReport &component) {
    Figure figure;
    SvgWriter svg(figure.body);
    const Package package = package_of(component);
    svg.text(8, 18, kTitleFont, "Package", "heading");
    if (package.pins.empty()) {
        const std::string facts =
            package.unnumbered ? std::to_string(package.unnumbered) + " pins, none with a number" : "no pins";
        svg.text(8, 36, kFactFont, facts, "muted");
        figure.width = std::max(480, 16 + text_width(facts, kFactFont));
        figure.height = 46;
        return figure;
    }
    // The drawing first: the facts and the legend fit in its width.
    std::string drawing;
    SvgWriter pins(drawing);
    int width = 0, height = 0;
    const std::string name = component.name ? *component.name : "-";
    if (package.shape == PackageShape::grid)
        height = draw_grid(pins, package, 0, &width);
    else
        height = draw_ring(pins, package, name, 0, &width);
    figure.width = std::max(width, 480);
    const std::string facts = facts_of(package);
    svg.text(8, 36, kFactFont, fitted(facts, characters_in(figure.width - 16, kFactFont)), "muted");

    std::vector<LegendEntry> legend;
    bool seen[14] = {};
    bool tap = false;
    for (const PackagePin &pin : package.pins) {
        if (is_tap_type(pin.type))
            tap = true;
        else
            seen[pin.type >= 1 && pin.type <= 8 ? pin.type : 0] = true;
    }
    for (int32_t type = 1; type <= 8; type++)
        if (seen[type])
            legend.push_back({std::string("pad ") + pin_type_class(type), pin_type_word(type)});
    if (seen[0])
        legend.push_back({"pad type-unknown", "no type"});
    if (tap)
        legend.push_back({"pad type-tap tap", "TAP pin"});
    const int legend_top = 46;
    const int top = legend_top + draw_legend(svg, 8, legend_top, figure.width - 16, legend) + 8;
    svg.place(Figure{width, height, drawing}, 0, top);
    figure.height = top + height;
    return figure;
}

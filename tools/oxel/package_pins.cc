// oxel draw: a component's pins as its package places them: in number order, or on a grid of balls
#include "package_pins.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>

namespace {

// The value of a pin number made of digits alone; none otherwise (or when
// it is too long to be a pin's).
std::optional<long long> integer_number(const std::string &number) {
    if (number.empty() || number.size() > 15)
        return std::nullopt;
    long long value = 0;
    for (char c : number) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

struct Ball {
    std::string row;   // its letters, upper case
    long long column;
};

// A ball name: letters, then digits (A1, AB12).
std::optional<Ball> ball_name(const std::string &number) {
    size_t letters = 0;
    while (letters < number.size() && std::isalpha(static_cast<unsigned char>(number[letters])))
        letters++;
    if (letters == 0 || letters > 3)
        return std::nullopt;
    const std::optional<long long> column = integer_number(number.substr(letters));
    if (!column)
        return std::nullopt;
    std::string row = number.substr(0, letters);
    for (char &c : row)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return Ball{row, *column};
}

// Rows in the order of a package: shorter letters first (Y before AA).
bool row_before(const std::string &a, const std::string &b) {
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

bool lay_out_grid(Package &package) {
    std::vector<Ball> balls;
    for (const PackagePin &pin : package.pins) {
        const std::optional<Ball> ball = ball_name(pin.number);
        if (!ball)
            return false;
        balls.push_back(*ball);
    }
    std::map<std::string, int, decltype(&row_before)> rows(row_before);
    long long low = balls.front().column, high = low;
    for (const Ball &ball : balls) {
        rows.emplace(ball.row, 0);
        low = std::min(low, ball.column);
        high = std::max(high, ball.column);
    }
    // A grid many times emptier than its balls is no package's.
    const long long places = static_cast<long long>(rows.size()) * (high - low + 1);
    if (places > 4 * static_cast<long long>(balls.size()) + 64)
        return false;
    int index = 0;
    for (auto &[name, place] : rows) {
        place = index++;
        package.row_names.push_back(name);
    }
    for (size_t i = 0; i < balls.size(); i++) {
        package.pins[i].row = rows[balls[i].row];
        package.pins[i].column = static_cast<int>(balls[i].column - low);
    }
    package.first_column = static_cast<int>(low);
    package.columns = static_cast<int>(high - low + 1);
    // Row by row, column by column.
    std::stable_sort(package.pins.begin(), package.pins.end(), [](const PackagePin &a, const PackagePin &b) {
        return a.row != b.row ? a.row < b.row : a.column < b.column;
    });
    package.shape = PackageShape::grid;
    return true;
}

}  // namespace

bool is_tap_type(int32_t type) { return type >= OXEL_PIN_TMS && type <= OXEL_PIN_TRST; }

Package package_of(const ComponentReport &component) {
    Package package;
    for (const PinInfo &pin : component.pins) {
        if (pin.bus) {
            for (const BusElementInfo &element : pin.elements) {
                if (element.number)
                    package.pins.push_back({element.name, *element.number, pin.type});
                else
                    package.unnumbered++;
            }
            continue;
        }
        if (pin.number)
            package.pins.push_back({pin.name ? *pin.name : "-", *pin.number, pin.type});
        else
            package.unnumbered++;
    }
    if (package.pins.empty())
        return package;
    bool integers = true;
    for (const PackagePin &pin : package.pins)
        integers = integers && integer_number(pin.number).has_value();
    if (integers) {
        std::stable_sort(package.pins.begin(), package.pins.end(), [](const PackagePin &a, const PackagePin &b) {
            return *integer_number(a.number) < *integer_number(b.number);
        });
        package.shape = PackageShape::ring_by_number;
        return package;
    }
    if (!lay_out_grid(package))
        package.shape = PackageShape::ring_as_written;
    return package;
}

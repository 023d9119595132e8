// oxel draw: a component's boundary-scan register as a strip of cells from TDI to TDO
#include "draw_boundary_register.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <unordered_map>
#include <vector>

#include "cell_roles.h"
#include "picture_legend.h"

namespace {

constexpr int kCellWidth = 66;
constexpr int kCellHeight = 46;
constexpr int kCellGap = 6;
constexpr int kPerRow = 15;
constexpr int kLeft = 60;          // room for TDI and the links' labels
constexpr int kRight = 64;         // room for TDO and the links' labels
constexpr int kPositionFont = 11;
constexpr int kPinFont = 10;
constexpr int kLinkFont = 9;
constexpr int kLaneStart = 12;     // from a cell's foot to the first lane of links
constexpr int kLaneStep = 12;
constexpr int kRowGap = 16;
constexpr int kTitleFont = 14;
constexpr int kFactFont = 11;

int row_width(size_t cells) {
    const int columns = static_cast<int>(std::min<size_t>(std::max<size_t>(cells, 1), kPerRow));
    return columns * kCellWidth + (columns - 1) * kCellGap;
}

// The pin label of a cell in at most two lines of `room` characters: whole,
// broken before a bus index, or cut.
std::vector<std::string> pin_lines(const std::string &label, size_t room) {
    if (shown_length(label) <= room)
        return {label};
    const size_t paren = label.find('(');
    if (paren != std::string::npos && paren > 0 && shown_length(label.substr(0, paren)) <= room)
        return {label.substr(0, paren), fitted(label.substr(paren), room)};
    // The first line takes `room` characters whole, the rest goes on.
    const size_t cut = prefix_bytes(label, room);
    return {label.substr(0, cut), fitted(label.substr(cut), room)};
}

// The links of one control cell within one row: where its governed cells'
// ticks stand, where the control cell itself stands (if in this row), and
// whether it goes on past the row's left or right end.
struct RowLink {
    int32_t control;
    std::vector<int> ticks;   // x of each governed cell's centre
    int source = -1;          // x of the control cell's centre, -1 elsewhere
    bool left = false, right = false;
    bool label_left = false, label_right = false;   // name the control cell at that end
    int low = 0, high = 0;    // extent, after closing
    int lane = 0;
};

struct Layout {
    std::vector<size_t> order;        // indices of the cells from TDI to TDO
    std::vector<CellRole> roles;      // by index of the cell
    std::vector<std::map<int32_t, RowLink>> links;   // by row, by control position
    std::vector<int> lanes;           // by row
    std::vector<int> row_top;         // by row
    int height = 0;
};

int cell_x(size_t at) { return kLeft + static_cast<int>(at % kPerRow) * (kCellWidth + kCellGap); }

size_t row_of(size_t at) { return at / kPerRow; }

void gather_links(const std::vector<CellInfo> &cells, Layout &layout) {
    // The first cell at each position in drawing order: a control cell is
    // found by its position.
    std::unordered_map<int32_t, size_t> at_position;
    for (size_t at = 0; at < layout.order.size(); at++)
        at_position.emplace(cells[layout.order[at]].position, at);
    const int row_end = kLeft + row_width(cells.size());
    for (size_t at = 0; at < layout.order.size(); at++) {
        const CellInfo &cell = cells[layout.order[at]];
        if (cell.control < 0 || cell.control == cell.position)
            continue;
        auto source = at_position.find(cell.control);
        if (source == at_position.end())
            continue;
        const size_t row = row_of(at), source_row = row_of(source->second);
        RowLink &here = layout.links[row].try_emplace(cell.control, RowLink{cell.control, {}}).first->second;
        here.ticks.push_back(cell_x(at) + kCellWidth / 2);
        if (source_row == row) {
            here.source = cell_x(source->second) + kCellWidth / 2;
            continue;
        }
        // Across rows: each end goes to the row's edge that faces the other.
        RowLink &there =
            layout.links[source_row].try_emplace(cell.control, RowLink{cell.control, {}}).first->second;
        there.source = cell_x(source->second) + kCellWidth / 2;
        if (source_row < row) {
            here.left = here.label_left = true;
            there.right = true;
        } else {
            here.right = here.label_right = true;
            there.left = true;
        }
    }
    for (std::map<int32_t, RowLink> &row : layout.links) {
        // Lanes: each link takes the first whose last link ends a cell or more before it, so that
        // two links in a lane never read as one.
        std::vector<RowLink *> sorted;
        for (auto &[control, link] : row) {
            std::vector<int> xs = link.ticks;
            if (link.source >= 0)
                xs.push_back(link.source);
            link.low = link.left ? kLeft - 6 : *std::min_element(xs.begin(), xs.end());
            link.high = link.right ? row_end + 6 : *std::max_element(xs.begin(), xs.end());
            sorted.push_back(&link);
        }
        std::stable_sort(sorted.begin(), sorted.end(),
                         [](const RowLink *a, const RowLink *b) { return a->low < b->low; });
        std::vector<int> lane_ends;
        for (RowLink *link : sorted) {
            size_t lane = 0;
            while (lane < lane_ends.size() && lane_ends[lane] + kCellWidth + kCellGap >= link->low)
                lane++;
            if (lane == lane_ends.size())
                lane_ends.push_back(0);
            lane_ends[lane] = link->high;
            link->lane = static_cast<int>(lane);
        }
        layout.lanes.push_back(static_cast<int>(lane_ends.size()));
    }
}

Layout lay_out(const ComponentReport &component, int top) {
    Layout layout;
    const std::vector<CellInfo> &cells = component.cells;
    layout.roles = cell_roles(cells);
    // From TDI to TDO: the highest position first; cells of one position in
    // the order written.
    layout.order.resize(cells.size());
    std::iota(layout.order.begin(), layout.order.end(), size_t{0});
    std::stable_sort(layout.order.begin(), layout.order.end(),
                     [&cells](size_t a, size_t b) { return cells[a].position > cells[b].position; });
    const size_t rows = (cells.size() + kPerRow - 1) / kPerRow;
    layout.links.resize(rows);
    gather_links(cells, layout);
    int y = top;
    for (size_t row = 0; row < rows; row++) {
        layout.row_top.push_back(y);
        y += kCellHeight + kLaneStart + layout.lanes[row] * kLaneStep + kRowGap;
    }
    layout.height = y;
    return layout;
}

std::string cell_tooltip(const CellInfo &cell, CellRole role) {
    std::string tip = "cell " + std::to_string(cell.position) + ", " + (cell.name ? *cell.name : "-");
    tip += cell.pin ? ", pin " + *cell.pin : ", no pin";
    tip += ": ";
    tip += cell_role_word(role);
    for (const CellFunctionInfo &function : cell.functions) {
        tip += "; ";
        tip += cell_function_word(function.code);
        if (function.name)
            tip += " " + *function.name;
    }
    if (cell.control >= 0 && cell.control != cell.position) {
        tip += "; control cell " + std::to_string(cell.control);
        if (cell.disable)
            tip += ", disable value " + std::string(1, cell.disable);
    }
    return tip;
}

void draw_cell(SvgWriter &svg, const CellInfo &cell, CellRole role, int x, int y) {
    const char *word = cell_role_word(role);
    svg.begin_group(attribute("class", "bsr-cell") + attribute("data-position", std::to_string(cell.position)) +
                    attribute("data-role", word));
    svg.title(cell_tooltip(cell, role));
    svg.rect(x, y, kCellWidth, kCellHeight, std::string("cell role-") + word, 3);
    const int middle = x + kCellWidth / 2;
    svg.text(middle, y + 14, kPositionFont, std::to_string(cell.position), "heading", Anchor::middle);
    const size_t room = characters_in(kCellWidth - 6, kPinFont);
    if (cell.pin) {
        const std::vector<std::string> lines = pin_lines(*cell.pin, room);
        for (size_t i = 0; i < lines.size(); i++)
            svg.text(middle, y + 28 + static_cast<int>(i) * 12, kPinFont, lines[i], "", Anchor::middle);
    } else {
        svg.text(middle, y + 28, kPinFont, fitted(role == CellRole::control ? "control" : "no pin", room), "muted",
                 Anchor::middle);
    }
    svg.end_group();
}

void draw_links(SvgWriter &svg, const Layout &layout, size_t row, int row_end) {
    const int foot = layout.row_top[row] + kCellHeight;
    for (const auto &[control, link] : layout.links[row]) {
        const int lane_y = foot + kLaneStart + link.lane * kLaneStep;
        svg.begin_group(attribute("class", "control-link") + attribute("data-control", std::to_string(control)));
        svg.line(link.low, lane_y, link.high, lane_y, "link");
        for (int x : link.ticks) {
            svg.line(x, foot, x, lane_y, "link");
            svg.circle(x, lane_y, 2, "link-dot");
        }
        if (link.source >= 0) {
            svg.line(link.source, foot, link.source, lane_y, "link");
            svg.rect(link.source - 4, lane_y - 4, 8, 8, "link-source");
        }
        const std::string label = "ctl " + std::to_string(control);
        if (link.label_left)
            svg.text(kLeft - 9, lane_y + 3, kLinkFont, label, "muted", Anchor::end);
        if (link.label_right)
            svg.text(row_end + 9, lane_y + 3, kLinkFont, label, "muted");
        svg.end_group();
    }
}

std::string register_name(const ComponentReport &component) {
    for (const RegisterInfo &reg : component.registers)
        if (reg.kind == RegisterKind::boundary_scan && reg.name)
            return *reg.name;
    return "";
}

}  // namespace

Figure draw_boundary_register(const ComponentReport &component) {
    Figure figure;
    const std::vector<CellInfo> &cells = component.cells;
    figure.width = std::max(kLeft + row_width(cells.size()) + kRight, 480);
    SvgWriter svg(figure.body);
    const int text_room = figure.width - 16;
    const std::string name = register_name(component);
    std::string title = "Boundary-scan register" + (name.empty() ? "" : " " + name);
    svg.text(8, 18, kTitleFont, fitted(title, characters_in(text_room, kTitleFont)), "heading");
    std::string facts;
    if (!component.has_boundary_scan_register)
        facts = "no boundary-scan register";
    else
        facts = std::to_string(cells.size()) + (cells.size() == 1 ? " cell" : " cells") + ", length " +
                std::to_string(component.boundary_scan_register_length) +
                (cells.empty() ? "" : "; from TDI to TDO, row by row");
    svg.text(8, 36, kFactFont, fitted(facts, characters_in(text_room, kFactFont)), "muted");
    int y = 46;
    if (cells.empty()) {
        figure.height = y + 8;
        return figure;
    }
    const std::vector<CellRole> roles = cell_roles(cells);
    std::vector<LegendEntry> legend;
    for (CellRole role : kCellRoles) {
        const long count = std::count(roles.begin(), roles.end(), role);
        if (count)
            legend.push_back({std::string("cell role-") + cell_role_word(role),
                              std::string(cell_role_word(role)) + " " + std::to_string(count)});
    }
    legend.push_back({"link-source", "control cell, its cells linked below"});
    y += draw_legend(svg, 8, y, text_room, legend) + 10;

    const Layout layout = lay_out(component, y);
    const int row_end = kLeft + row_width(cells.size());
    for (size_t at = 0; at < layout.order.size(); at++) {
        const size_t index = layout.order[at];
        draw_cell(svg, cells[index], layout.roles[index], cell_x(at), layout.row_top[row_of(at)]);
    }
    for (size_t row = 0; row < layout.row_top.size(); row++)
        draw_links(svg, layout, row, row_end);
    // Where the data enter and leave.
    const int first_middle = layout.row_top.front() + kCellHeight / 2 + 4;
    svg.text(kLeft - 8, first_middle, kPositionFont, "TDI", "heading", Anchor::end);
    const size_t last = layout.order.size() - 1;
    svg.text(cell_x(last) + kCellWidth + 8, layout.row_top[row_of(last)] + kCellHeight / 2 + 4, kPositionFont,
             "TDO", "heading");
    figure.height = layout.height;
    return figure;
}

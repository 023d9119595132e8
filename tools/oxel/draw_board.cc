// oxel draw: a board's scan chains, each from its TDI net through its parts to its TDO net
#include "draw_board.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kBoxWidth = 160;
constexpr int kBoxHeight = 96;
constexpr int kGap = 44;          // between two boxes of a row: the arrow
constexpr int kPerRow = 5;
constexpr int kSide = 112;        // left and right: the TDI and TDO pins, the turns
constexpr int kPillWidth = 76;
constexpr int kPillHeight = 36;
constexpr int kPillGap = 26;
constexpr int kSignalStart = 14;  // from a box's foot to its first signal line
constexpr int kSignalStep = 13;
constexpr int kRowGap = 34;       // under the last signal line
constexpr int kTitleFont = 16;
constexpr int kChainFont = 14;
constexpr int kFactFont = 11;

// The IDCODE as eight hexadecimal digits, when its capture value is 32
// binary digits (blanks aside).
std::optional<std::string> idcode_hex(const Text &capture) {
    if (!capture)
        return std::nullopt;
    std::string bits;
    for (char c : *capture) {
        if (c == ' ' || c == '_')
            continue;
        if (c != '0' && c != '1')
            return std::nullopt;
        bits += c;
    }
    if (bits.size() != 32)
        return std::nullopt;
    static const char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    for (size_t i = 0; i < 32; i += 4)
        hex += kDigits[(bits[i] - '0') * 8 + (bits[i + 1] - '0') * 4 + (bits[i + 2] - '0') * 2 + (bits[i + 3] - '0')];
    return hex;
}

std::string shown_net(const Text &net) { return net ? *net : "-"; }

// The TAP signals drawn along the rows: those the TAP names a net for.
struct Signal {
    const char *word;        // "TMS"
    const char *css;         // "tms"
    Text TapInfo::*tap_net;
    Text PartInfo::*part_net;
};

constexpr Signal kSignals[] = {{"TMS", "tms", &TapInfo::tms, &PartInfo::tms},
                               {"TCK", "tck", &TapInfo::tck, &PartInfo::tck},
                               {"TRST", "trst", &TapInfo::trst, &PartInfo::trst}};

int row_width(size_t columns) {
    return static_cast<int>(columns) * kBoxWidth + static_cast<int>(columns - 1) * kGap;
}

// Where the part at `at` of the chain stands: rows run left to right, then
// right to left, and so on.
int box_x(size_t at) {
    const size_t row = at / kPerRow, column = at % kPerRow;
    const size_t slot = row % 2 == 0 ? column : kPerRow - 1 - column;
    return kSide + static_cast<int>(slot) * (kBoxWidth + kGap);
}

bool runs_right(size_t row) { return row % 2 == 0; }

std::string arrow_right(int x, int y) {
    return std::to_string(x) + "," + std::to_string(y) + " " + std::to_string(x - 8) + "," + std::to_string(y - 4) +
           " " + std::to_string(x - 8) + "," + std::to_string(y + 4);
}

std::string arrow_left(int x, int y) {
    return std::to_string(x) + "," + std::to_string(y) + " " + std::to_string(x + 8) + "," + std::to_string(y - 4) +
           " " + std::to_string(x + 8) + "," + std::to_string(y + 4);
}

std::string points(std::initializer_list<std::pair<int, int>> corners) {
    std::string out;
    for (const auto &[x, y] : corners)
        out += (out.empty() ? "" : " ") + std::to_string(x) + "," + std::to_string(y);
    return out;
}

// A TAP pin of the chain: its signal and its net.
void draw_pill(SvgWriter &svg, int x, int y, const char *signal, const Text &net) {
    svg.begin_group(attribute("class", "chain-end") + attribute("data-signal", signal));
    svg.title(std::string(signal) + " " + shown_net(net));
    svg.rect(x, y, kPillWidth, kPillHeight, "terminal", 8);
    svg.text(x + kPillWidth / 2, y + 14, 11, signal, "terminal-text", Anchor::middle);
    svg.text(x + kPillWidth / 2, y + 29, 10, fitted(shown_net(net), characters_in(kPillWidth - 8, 10)),
             "terminal-text", Anchor::middle);
    svg.end_group();
}

std::string part_tooltip(const ChainPartInfo &part, const PartInfo *nets) {
    std::string tip = shown_net(part.part) + ": " + shown_net(part.component) + ", position " +
                      std::to_string(part.position);
    if (!part.defined)
        tip += "; no component of that name is described";
    else
        tip += "; instruction register " +
               (part.instruction_length ? std::to_string(*part.instruction_length) + " bits" : "none") +
               ", boundary-scan register " +
               (part.boundary_length ? std::to_string(*part.boundary_length) + " cells" : "none");
    if (part.idcode)
        tip += "; IDCODE " + *part.idcode;
    if (nets)
        tip += "; TMS " + shown_net(nets->tms) + ", TCK " + shown_net(nets->tck) + ", TRST " + shown_net(nets->trst);
    return tip;
}

void draw_part(SvgWriter &svg, const TapInfo &tap, size_t at, int y) {
    const ChainPartInfo &part = tap.scan_chain.parts[at];
    const PartInfo *nets = at < tap.parts.size() ? &tap.parts[at] : nullptr;
    const int x = box_x(at);
    svg.begin_group(attribute("class", "chain-part") + attribute("data-part", shown_net(part.part)) +
                    attribute("data-position", std::to_string(part.position)));
    svg.title(part_tooltip(part, nets));
    svg.rect(x, y, kBoxWidth, kBoxHeight, part.defined ? "part" : "part unknown", 6);
    const std::string position = "#" + std::to_string(part.position);
    const int position_width = text_width(position, 10);
    svg.text(x + kBoxWidth - 8, y + 17, 10, position, "muted", Anchor::end);
    svg.text(x + 8, y + 18, 13,
             fitted(shown_net(part.part), characters_in(kBoxWidth - 22 - position_width, 13)), "heading");
    const size_t room11 = characters_in(kBoxWidth - 16, kFactFont);
    svg.text(x + 8, y + 36, 12, fitted(shown_net(part.component), characters_in(kBoxWidth - 16, 12)), "");
    if (!part.defined) {
        svg.text(x + 8, y + 53, kFactFont, fitted("not described", room11), "alert");
    } else {
        const std::string lengths =
            "IR " + (part.instruction_length ? std::to_string(*part.instruction_length) : std::string("-")) +
            " \xC2\xB7 BSR " + (part.boundary_length ? std::to_string(*part.boundary_length) : std::string("-"));
        svg.text(x + 8, y + 53, kFactFont, fitted(lengths, room11), "");
    }
    if (const std::optional<std::string> hex = idcode_hex(part.idcode))
        svg.text(x + 8, y + 69, kFactFont, fitted("IDCODE " + *hex, room11), "muted");
    // The signals this part takes from another net than the chain's.
    std::string other;
    for (const Signal &signal : kSignals) {
        const Text &mine = nets ? nets->*signal.part_net : std::nullopt;
        if (mine == tap.*signal.tap_net)
            continue;
        other += (other.empty() ? "" : ", ") + (mine ? std::string(signal.word) + " " + *mine
                                                     : "no " + std::string(signal.word));
    }
    if (!other.empty())
        svg.text(x + 8, y + 85, 10, fitted(other, characters_in(kBoxWidth - 16, 10)), "alert");
    svg.end_group();
}

// The signal lines under a row, and each part's taps on them.
int draw_signals(SvgWriter &svg, const TapInfo &tap, size_t first, size_t last, int y) {
    const int foot = y + kBoxHeight;
    int low = box_x(first), high = low;
    for (size_t at = first; at <= last; at++) {
        low = std::min(low, box_x(at));
        high = std::max(high, box_x(at));
    }
    int line = 0;
    for (const Signal &signal : kSignals) {
        const Text &net = tap.*signal.tap_net;
        if (!net)
            continue;
        const int line_y = foot + kSignalStart + line * kSignalStep;
        svg.begin_group(attribute("class", "chain-signal") + attribute("data-signal", signal.word));
        svg.title(std::string(signal.word) + " " + *net);
        svg.line(low - 6, line_y, high + kBoxWidth + 6, line_y, std::string("signal signal-") + signal.css);
        svg.text(low - 12, line_y + 3, 10, signal.word, "muted", Anchor::end);
        for (size_t at = first; at <= last; at++) {
            const PartInfo *nets = at < tap.parts.size() ? &tap.parts[at] : nullptr;
            if (!nets || nets->*signal.part_net != net)
                continue;
            const int x = box_x(at) + 16 + line * 12;
            svg.line(x, foot, x, line_y, std::string("signal signal-") + signal.css);
            svg.circle(x, line_y, 3, std::string("tap-dot dot-") + signal.css);
        }
        svg.end_group();
        line++;
    }
    return line;
}

std::string totals_text(const ScanChainInfo &chain) {
    const size_t count = chain.parts.size();
    std::string text = std::to_string(count) + (count == 1 ? " part" : " parts");
    if (count == 0)
        return text;
    text += "; in all: instruction registers ";
    text += chain.instruction_length ? std::to_string(*chain.instruction_length) + " bits" : "unknown";
    text += ", boundary-scan registers ";
    text += chain.boundary_length ? std::to_string(*chain.boundary_length) + " cells" : "unknown";
    if (!chain.instruction_length || !chain.boundary_length)
        text += " (a part's is unknown)";
    return text;
}

}  // namespace

Figure draw_chain(const TapInfo &tap) {
    const ScanChainInfo &chain = tap.scan_chain;
    const size_t count = chain.parts.size();
    const size_t columns = std::clamp<size_t>(count, 1, kPerRow);
    Figure figure;
    figure.width = std::max(2 * kSide + row_width(columns), 560);
    SvgWriter svg(figure.body);
    svg.begin_group(attribute("class", "scan-chain") + attribute("data-chain", shown_net(tap.name)) +
                    attribute("data-parts", std::to_string(count)));
    const int room = figure.width - 16;
    svg.text(8, 18, kChainFont, fitted("Chain " + shown_net(tap.name), characters_in(room, kChainFont)), "heading");
    svg.text(8, 36, kFactFont, fitted(totals_text(chain), characters_in(room, kFactFont)), "");
    std::string nets = "TDI " + shown_net(tap.tdi) + ", TDO " + shown_net(tap.tdo);
    for (const Signal &signal : kSignals)
        nets += ", " + std::string(signal.word) + " " + shown_net(tap.*signal.tap_net);
    svg.text(8, 52, kFactFont, fitted(nets, characters_in(room, kFactFont)), "muted");

    const int top = 66;
    const size_t rows = std::max<size_t>((count + kPerRow - 1) / kPerRow, 1);
    int signal_lines = 0;
    for (const Signal &signal : kSignals)
        signal_lines += (tap.*signal.tap_net).has_value();
    const int row_height = kBoxHeight + kSignalStart + std::max(signal_lines - 1, 0) * kSignalStep + kRowGap;
    const auto row_top = [&](size_t row) { return top + static_cast<int>(row) * row_height; };
    const int middle = kBoxHeight / 2;

    // TDI enters the first part from the left.
    draw_pill(svg, kSide - kPillGap - kPillWidth, row_top(0) + middle - kPillHeight / 2, "TDI", tap.tdi);
    int from_x = kSide - kPillGap, from_y = row_top(0) + middle;
    for (size_t at = 0; at < count; at++) {
        const size_t row = at / kPerRow;
        const int y = row_top(row), x = box_x(at), mid = y + middle;
        if (at > 0 && at % kPerRow == 0) {
            // A turn at the row's end, outside the signal lines' labels.
            const int turn = runs_right(row - 1) ? figure.width - 12 : 12;
            const int into = runs_right(row) ? x : x + kBoxWidth;
            svg.polyline(points({{from_x, from_y}, {turn, from_y}, {turn, mid}, {into, mid}}), "wire");
            svg.polygon(runs_right(row) ? arrow_right(into, mid) : arrow_left(into, mid), "arrow");
        } else {
            const int into = runs_right(row) ? x : x + kBoxWidth;
            svg.line(from_x, from_y, into, mid, "wire");
            svg.polygon(runs_right(row) ? arrow_right(into, mid) : arrow_left(into, mid), "arrow");
        }
        draw_part(svg, tap, at, y);
        from_x = runs_right(row) ? x + kBoxWidth : x;
        from_y = mid;
    }
    // TDO leaves the last part on the side it runs to.
    const size_t last_row = count ? (count - 1) / kPerRow : 0;
    const bool right = runs_right(last_row);
    const int pill_x = count == 0 ? kSide + kPillGap
                       : right    ? from_x + kPillGap
                                  : from_x - kPillGap - kPillWidth;
    const int into = right || count == 0 ? pill_x : pill_x + kPillWidth;
    svg.line(from_x, from_y, into, from_y, "wire");
    svg.polygon(right || count == 0 ? arrow_right(into, from_y) : arrow_left(into, from_y), "arrow");
    draw_pill(svg, pill_x, from_y - kPillHeight / 2, "TDO", tap.tdo);

    for (size_t row = 0; row * kPerRow < count; row++)
        draw_signals(svg, tap, row * kPerRow, std::min(count, (row + 1) * kPerRow) - 1, row_top(row));
    svg.end_group();
    figure.height = row_top(rows - 1) + (count ? row_height - kRowGap + 12 : kBoxHeight);
    return figure;
}

Figure draw_board(const BoardReport &board) {
    Figure figure;
    std::vector<Figure> chains;
    for (const TapInfo &tap : board.taps)
        chains.push_back(draw_chain(tap));
    figure.width = 560;
    for (const Figure &chain : chains)
        figure.width = std::max(figure.width, chain.width);
    SvgWriter svg(figure.body);
    svg.text(8, 22, kTitleFont,
             fitted("Board " + shown_net(board.name), characters_in(figure.width - 16, kTitleFont)), "heading");
    int y = 34;
    if (chains.empty()) {
        svg.text(8, 52, kFactFont, "no boundary-scan chain", "muted");
        y = 62;
    }
    for (const Figure &chain : chains) {
        svg.place(chain, 0, y);
        y += chain.height + 16;
    }
    figure.height = y;
    return figure;
}

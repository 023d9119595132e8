// oxel draw: SVG written by hand: texts escaped and measured, shapes one per line, numbers as integers
#include "svg_writer.h"

#include <cmath>

namespace {

constexpr char kReplacement[] = "\xEF\xBF\xBD";   // U+FFFD
constexpr char kEllipsis[] = "\xE2\x80\xA6";      // U+2026

// The length of the UTF-8 sequence at the start of `text` that XML 1.0 may
// hold, or 0 for a byte that starts none (a stray byte, an overlong form,
// a surrogate, a control character).
size_t sequence_length(std::string_view text) {
    const auto byte = [&text](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return lead >= 0x20 || lead == '\t' || lead == '\n' || lead == '\r' ? 1 : 0;
    size_t length;
    unsigned code;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (text.size() < length)
        return 0;
    for (size_t i = 1; i < length; i++) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
        code = code << 6 | (byte(i) & 0x3F);
    }
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    const bool outside = code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF) || code == 0xFFFE ||
                         code == 0xFFFF || (code >= 0x80 && code <= 0x9F);
    return overlong || outside ? 0 : length;
}

// Calls `each` with every shown character of the text as UTF-8 (a byte that
// cannot stand as U+FFFD).
template <typename Each>
void for_each_character(std::string_view text, Each each) {
    while (!text.empty()) {
        const size_t length = sequence_length(text);
        each(length ? text.substr(0, length) : std::string_view(kReplacement));
        text.remove_prefix(length ? length : 1);
    }
}

void append_number(std::string &out, int value) { out += std::to_string(value); }

void append_point_attributes(std::string &out, std::initializer_list<std::pair<const char *, int>> values) {
    for (const auto &[name, value] : values) {
        out += ' ';
        out += name;
        out += "=\"";
        append_number(out, value);
        out += '"';
    }
}

void append_class(std::string &out, std::string_view css_class) {
    if (!css_class.empty())
        out += attribute("class", css_class);
}

}  // namespace

std::string xml_escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for_each_character(text, [&out](std::string_view c) {
        switch (c[0]) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        // A line break or tab in an attribute would read as a blank.
        case '\t': out += "&#9;"; break;
        case '\n': out += "&#10;"; break;
        case '\r': out += "&#13;"; break;
        default: out += c;
        }
    });
    return out;
}

size_t shown_length(std::string_view text) {
    size_t count = 0;
    for_each_character(text, [&count](std::string_view) { count++; });
    return count;
}

int text_width(std::string_view text, int font_size) {
    return static_cast<int>(std::ceil(static_cast<double>(shown_length(text)) * kCharAdvance * font_size));
}

size_t characters_in(int width, int font_size) {
    if (width <= 0)
        return 0;
    return static_cast<size_t>(std::floor(width / (kCharAdvance * font_size)));
}

std::string fitted(std::string_view text, size_t room) {
    if (shown_length(text) <= room)
        return std::string(text);
    if (room == 0)
        return "";
    std::string out;
    size_t count = 0;
    for_each_character(text, [&](std::string_view c) {
        if (++count < room)
            out += c;
    });
    return out + kEllipsis;
}

size_t prefix_bytes(std::string_view text, size_t count) {
    size_t at = 0;
    for (; count && at < text.size(); count--) {
        const size_t length = sequence_length(text.substr(at));
        at += length ? length : 1;
    }
    return at;
}

std::string attribute(std::string_view name, std::string_view value) {
    std::string out = " ";
    out += name;
    out += "=\"";
    out += xml_escaped(value);
    out += '"';
    return out;
}

void SvgWriter::rect(int x, int y, int width, int height, std::string_view css_class, int radius) {
    out_ += "<rect";
    append_point_attributes(out_, {{"x", x}, {"y", y}, {"width", width}, {"height", height}});
    if (radius)
        append_point_attributes(out_, {{"rx", radius}});
    append_class(out_, css_class);
    out_ += "/>\n";
}

void SvgWriter::line(int x1, int y1, int x2, int y2, std::string_view css_class) {
    out_ += "<line";
    append_point_attributes(out_, {{"x1", x1}, {"y1", y1}, {"x2", x2}, {"y2", y2}});
    append_class(out_, css_class);
    out_ += "/>\n";
}

void SvgWriter::circle(int cx, int cy, int r, std::string_view css_class) {
    out_ += "<circle";
    append_point_attributes(out_, {{"cx", cx}, {"cy", cy}, {"r", r}});
    append_class(out_, css_class);
    out_ += "/>\n";
}

void SvgWriter::polygon(const std::string &points, std::string_view css_class) {
    out_ += "<polygon" + attribute("points", points);
    append_class(out_, css_class);
    out_ += "/>\n";
}

void SvgWriter::polyline(const std::string &points, std::string_view css_class) {
    out_ += "<polyline" + attribute("points", points);
    append_class(out_, css_class);
    out_ += "/>\n";
}

void SvgWriter::text(int x, int y, int font_size, std::string_view text, std::string_view css_class,
                     Anchor anchor, bool vertical) {
    out_ += "<text";
    append_point_attributes(out_, {{"x", x}, {"y", y}, {"font-size", font_size}});
    if (anchor != Anchor::start)
        out_ += anchor == Anchor::middle ? " text-anchor=\"middle\"" : " text-anchor=\"end\"";
    if (vertical)
        out_ += " transform=\"rotate(-90 " + std::to_string(x) + " " + std::to_string(y) + ")\"";
    append_class(out_, css_class);
    out_ += '>';
    out_ += xml_escaped(text);
    out_ += "</text>\n";
}

void SvgWriter::begin_group(const std::string &attributes) { out_ += "<g" + attributes + ">\n"; }

void SvgWriter::end_group() { out_ += "</g>\n"; }

void SvgWriter::title(std::string_view text) { out_ += "<title>" + xml_escaped(text) + "</title>\n"; }

void SvgWriter::place(const Figure &figure, int x, int y) {
    if (x == 0 && y == 0) {
        out_ += figure.body;
        return;
    }
    begin_group(" transform=\"translate(" + std::to_string(x) + " " + std::to_string(y) + ")\"");
    out_ += figure.body;
    end_group();
}

const char *picture_style() {
    return "text{fill:#1b1f27}\n"
           ".heading{font-weight:bold}\n"
           ".muted{fill:#5a6170}\n"
           ".alert{fill:#b3001b}\n"
           ".ground{fill:#ffffff}\n"
           ".part{fill:#f3f6fc;stroke:#34486e;stroke-width:1.5}\n"
           ".part.unknown{fill:#fff1f1;stroke:#b3001b;stroke-dasharray:5 3}\n"
           ".terminal{fill:#34486e}\n"
           ".terminal-text{fill:#ffffff;font-weight:bold}\n"
           ".wire{stroke:#34486e;stroke-width:1.6;fill:none}\n"
           ".arrow{fill:#34486e}\n"
           ".signal{stroke-width:1.2;fill:none}\n"
           ".signal-tms{stroke:#1b7f5b}\n.signal-tck{stroke:#9a6200}\n.signal-trst{stroke:#7a3d9e}\n"
           ".tap-dot{stroke:none}\n"
           ".dot-tms{fill:#1b7f5b}\n.dot-tck{fill:#9a6200}\n.dot-trst{fill:#7a3d9e}\n"
           ".cell{stroke-width:1.2}\n"
           ".role-input{fill:#d4e9f8;stroke:#1f6fb0}\n"
           ".role-output{fill:#fde2ad;stroke:#b86e00}\n"
           ".role-bidirectional{fill:#c6ead9;stroke:#0b7a52}\n"
           ".role-control{fill:#f8c7a9;stroke:#b84600}\n"
           ".role-internal{fill:#e4e6ea;stroke:#6b7280}\n"
           ".role-observe-only{fill:#efd0e3;stroke:#9c3f76}\n"
           ".link{stroke:#b84600;stroke-width:1.2;fill:none}\n"
           ".link-dot{fill:#b84600}\n"
           ".link-source{fill:#b84600;stroke:#ffffff;stroke-width:1}\n"
           ".body{fill:#e9ecf1;stroke:#4a5160;stroke-width:1.5}\n"
           ".pin1{fill:#4a5160}\n"
           ".pad{stroke:#4a5160;stroke-width:0.8}\n"
           ".pad.tap{stroke:#111111;stroke-width:2.2}\n"
           ".tap-label{font-weight:bold}\n"
           ".type-in{fill:#5aa9e6}\n.type-out{fill:#f0a23b}\n.type-outz{fill:#f7cf8d}\n"
           ".type-io{fill:#2fa57a}\n.type-ioz{fill:#8fd3b6}\n.type-nc{fill:#ffffff}\n"
           ".type-pwr{fill:#d64545}\n.type-gnd{fill:#3d3d3d}\n.type-tap{fill:#c77dba}\n"
           ".type-unknown{fill:#c9ccd3}\n"
           ".grid-line{stroke:#d5d9e0;stroke-width:1}\n";
}

namespace {

const char *const kFontFamily = "DejaVu Sans Mono, Menlo, Consolas, Liberation Mono, monospace";

std::string svg_open(const Figure &figure, std::string_view title) {
    const std::string w = std::to_string(figure.width), h = std::to_string(figure.height);
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + w + "\" height=\"" + h + "\" viewBox=\"0 0 " +
           w + " " + h + "\"" + attribute("font-family", kFontFamily) + " role=\"img\"" +
           attribute("aria-label", title) + ">\n";
}

}  // namespace

std::string svg_document(const Figure &figure, std::string_view title) {
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + svg_open(figure, title);
    out += "<title>" + xml_escaped(title) + "</title>\n";
    out += "<style>\n";
    out += picture_style();
    out += "</style>\n";
    out += "<rect x=\"0\" y=\"0\" width=\"" + std::to_string(figure.width) + "\" height=\"" +
           std::to_string(figure.height) + "\" class=\"ground\"/>\n";
    out += figure.body;
    out += "</svg>\n";
    return out;
}

std::string svg_element(const Figure &figure, std::string_view title) {
    return svg_open(figure, title) + figure.body + "</svg>\n";
}

// oxel draw: SVG written by hand: texts escaped and measured, shapes one per line, numbers as integers
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The pictures' texts are set in a monospace font whose characters are 0.6
// em wide (DejaVu Sans Mono, Liberation Mono, Menlo); a layout counts a
// little more, and a line of text is 1.17 em tall.
constexpr double kCharAdvance = 0.62;

// Text made safe for XML content and attribute values: & < > " ' as
// entities, and what no XML 1.0 document may hold (control characters,
// bytes that are no UTF-8) as U+FFFD.
std::string xml_escaped(std::string_view text);

// The characters a text shows (UTF-8 code points; a byte of no encoding
// counts as the one character it is shown as).
size_t shown_length(std::string_view text);

// The width of a text at a font size, in the pictures' units.
int text_width(std::string_view text, int font_size);

// The characters of that font size that fit in a width.
size_t characters_in(int width, int font_size);

// The text as it fits in `room` characters: whole, or cut with "…" as its
// last character.
std::string fitted(std::string_view text, size_t room);

// The bytes the first `count` characters of the text take (all of a
// shorter one).
size_t prefix_bytes(std::string_view text, size_t count);

// A picture, or a piece of one: its size and its elements.
struct Figure {
    int width = 0, height = 0;
    std::string body;
};

enum class Anchor { start, middle, end };

// Appends SVG elements to a figure's body, one per line.
class SvgWriter {
public:
    explicit SvgWriter(std::string &out) : out_(out) {}

    void rect(int x, int y, int width, int height, std::string_view css_class, int radius = 0);
    void line(int x1, int y1, int x2, int y2, std::string_view css_class);
    void circle(int cx, int cy, int r, std::string_view css_class);
    // `points` as "x,y x,y ...".
    void polygon(const std::string &points, std::string_view css_class);
    void polyline(const std::string &points, std::string_view css_class);
    // One line of text with its baseline at y; `vertical` turns it a
    // quarter to read upwards about (x, y).
    void text(int x, int y, int font_size, std::string_view text, std::string_view css_class,
              Anchor anchor = Anchor::start, bool vertical = false);
    // <g> with the attributes given (already written, " name=\"value\"").
    void begin_group(const std::string &attributes);
    void end_group();
    // The tooltip of the group it stands in.
    void title(std::string_view text);
    // A figure placed at (x, y).
    void place(const Figure &figure, int x, int y);

private:
    std::string &out_;
};

// ` name="value"`, the value escaped.
std::string attribute(std::string_view name, std::string_view value);

// The style every picture uses: the colours of cell roles and pin types,
// lines and texts.
const char *picture_style();

// A whole SVG file: the XML declaration, the style, a white ground and the
// figure, with `title` as its accessible name.
std::string svg_document(const Figure &figure, std::string_view title);

// An <svg> element for a page that holds the style already.
std::string svg_element(const Figure &figure, std::string_view title);

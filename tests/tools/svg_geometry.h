// Reads back a picture the oxel tool wrote: whether it is well formed, its groups, and its texts' boxes
#pragma once

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

// A text's box as the font draws it: 0.602 em a character (DejaVu Sans Mono and its kin), from 0.93 em above
// the baseline to 0.24 em below; a text turned a quarter reads upwards about its anchor.
struct TextBox {
    double x1, y1, x2, y2;
    std::string text;
};

struct SvgElement {
    std::string name;
    std::map<std::string, std::string> attributes;
};

struct SvgPicture {
    double width = 0, height = 0;
    std::vector<TextBox> texts;
    std::vector<SvgElement> groups;   // every <g>, in order
    std::vector<SvgElement> shapes;   // every rect, line, circle, polygon and polyline, in order
    std::string problem;              // what is not well formed; empty when it is
};

namespace svg_detail {

// The text with its entities read; `bad` set for an entity the tool never writes or a bare & or <.
inline std::string unescaped(const std::string &text, bool &bad) {
    static const std::map<std::string, std::string> kEntities = {
        {"amp", "&"}, {"lt", "<"}, {"gt", ">"}, {"quot", "\""}, {"#39", "'"}, {"#9", "\t"}, {"#10", "\n"},
        {"#13", "\r"}};
    std::string out;
    for (size_t i = 0; i < text.size(); i++) {
        if (text[i] == '<') {
            bad = true;
        } else if (text[i] == '&') {
            const size_t end = text.find(';', i);
            const auto found = end == std::string::npos ? kEntities.end() : kEntities.find(text.substr(i + 1, end - i - 1));
            if (found == kEntities.end()) {
                bad = true;
                continue;
            }
            out += found->second;
            i = end;
            continue;
        }
        out += text[i];
    }
    return out;
}

inline size_t characters(const std::string &text) {
    size_t count = 0;
    for (unsigned char c : text)
        count += (c & 0xC0) != 0x80;
    return count;
}

// Reads `name="value" ...` up to the end of a tag.
inline bool read_attributes(const std::string &tag, SvgElement &element) {
    size_t i = 0;
    while (i < tag.size() && tag[i] != ' ' && tag[i] != '\n')
        i++;
    element.name = tag.substr(0, i);
    bool bad = false;
    while (true) {
        while (i < tag.size() && (tag[i] == ' ' || tag[i] == '\n'))
            i++;
        if (i >= tag.size())
            return !bad;
        const size_t equals = tag.find("=\"", i);
        if (equals == std::string::npos)
            return false;
        const size_t close = tag.find('"', equals + 2);
        if (close == std::string::npos)
            return false;
        const std::string name = tag.substr(i, equals - i);
        if (element.attributes.count(name))
            return false;
        element.attributes[name] = unescaped(tag.substr(equals + 2, close - equals - 2), bad);
        i = close + 1;
    }
}

inline double number(const SvgElement &element, const char *name) {
    auto found = element.attributes.find(name);
    return found == element.attributes.end() ? 0.0 : std::atof(found->second.c_str());
}

}  // namespace svg_detail

inline SvgPicture read_svg(const std::string &svg) {
    using namespace svg_detail;
    SvgPicture picture;
    std::vector<std::string> open;
    std::vector<std::pair<double, double>> offsets{{0.0, 0.0}};
    size_t at = svg.find("<svg");
    if (at == std::string::npos) {
        picture.problem = "no <svg>";
        return picture;
    }
    while (at < svg.size()) {
        const size_t start = svg.find('<', at);
        if (start == std::string::npos)
            break;
        bool bad = false;
        unescaped(svg.substr(at, start - at), bad);
        if (bad) {
            picture.problem = "a bare & or < near " + svg.substr(at, 80);
            return picture;
        }
        const size_t end = svg.find('>', start);
        if (end == std::string::npos) {
            picture.problem = "an unclosed tag";
            return picture;
        }
        std::string tag = svg.substr(start + 1, end - start - 1);
        at = end + 1;
        if (tag[0] == '/') {
            const std::string name = tag.substr(1);
            if (open.empty() || open.back() != name) {
                picture.problem = "</" + name + "> closes " + (open.empty() ? "nothing" : open.back());
                return picture;
            }
            if (name == "g")
                offsets.pop_back();
            open.pop_back();
            continue;
        }
        const bool empty = tag.back() == '/';
        if (empty)
            tag.pop_back();
        SvgElement element;
        if (!read_attributes(tag, element)) {
            picture.problem = "a tag that does not read: <" + tag + ">";
            return picture;
        }
        if (element.name == "svg") {
            picture.width = number(element, "width");
            picture.height = number(element, "height");
        } else if (element.name == "g") {
            auto [dx, dy] = offsets.back();
            const std::string transform = element.attributes["transform"];
            if (transform.rfind("translate(", 0) == 0) {
                char *next = nullptr;
                dx += std::strtod(transform.c_str() + 10, &next);
                dy += std::strtod(next, nullptr);
            }
            offsets.push_back({dx, dy});
            picture.groups.push_back(element);
        } else if (element.name == "text") {
            const size_t close = svg.find("</text>", at);
            if (close == std::string::npos) {
                picture.problem = "an unclosed <text>";
                return picture;
            }
            const std::string text = unescaped(svg.substr(at, close - at), bad);
            if (bad) {
                picture.problem = "a bare & or < in a text";
                return picture;
            }
            at = close + 7;
            const double size = number(element, "font-size");
            const double x = number(element, "x") + offsets.back().first;
            const double y = number(element, "y") + offsets.back().second;
            const double length = static_cast<double>(characters(text)) * 0.602 * size;
            const std::string anchor = element.attributes["text-anchor"];
            const double before = anchor == "end" ? length : anchor == "middle" ? length / 2 : 0.0;
            if (element.attributes.count("transform"))   // a quarter turn: reads upwards
                picture.texts.push_back({x - 0.93 * size, y - (length - before), x + 0.24 * size, y + before, text});
            else
                picture.texts.push_back({x - before, y - 0.93 * size, x + length - before, y + 0.24 * size, text});
            continue;
        } else if (element.name == "title" || element.name == "style") {
            const size_t close = svg.find("</" + element.name + ">", at);
            if (close == std::string::npos) {
                picture.problem = "an unclosed <" + element.name + ">";
                return picture;
            }
            unescaped(svg.substr(at, close - at), bad);
            if (bad && element.name == "title") {
                picture.problem = "a bare & or < in a title";
                return picture;
            }
            at = close + element.name.size() + 3;
            continue;
        } else {
            picture.shapes.push_back(element);
        }
        if (!empty)
            open.push_back(element.name);
    }
    if (!open.empty())
        picture.problem = "<" + open.back() + "> is never closed";
    return picture;
}

// The first two texts whose boxes intersect, as "A" and "B"; empty when none do.
inline std::string overlapping_texts(std::vector<TextBox> texts) {
    std::sort(texts.begin(), texts.end(), [](const TextBox &a, const TextBox &b) { return a.y1 < b.y1; });
    const double slack = 0.5;
    for (size_t i = 0; i < texts.size(); i++)
        for (size_t j = i + 1; j < texts.size() && texts[j].y1 < texts[i].y2 - slack; j++)
            if (texts[j].x1 < texts[i].x2 - slack && texts[i].x1 < texts[j].x2 - slack)
                return "\"" + texts[i].text + "\" and \"" + texts[j].text + "\"";
    return "";
}

// The first text that reaches out of the picture; empty when none does.
inline std::string text_outside(const SvgPicture &picture) {
    for (const TextBox &box : picture.texts)
        if (box.x1 < -0.5 || box.y1 < -0.5 || box.x2 > picture.width + 0.5 || box.y2 > picture.height + 0.5)
            return "\"" + box.text + "\"";
    return "";
}

// The groups of a class, in order.
inline std::vector<SvgElement> groups_of(const SvgPicture &picture, const std::string &css_class) {
    std::vector<SvgElement> out;
    for (const SvgElement &group : picture.groups) {
        auto found = group.attributes.find("class");
        if (found != group.attributes.end() && found->second == css_class)
            out.push_back(group);
    }
    return out;
}

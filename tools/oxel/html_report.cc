// oxel report: one self-contained HTML page of a file: summary, findings, boards and components
#include "html_report.h"

#include <cstdio>
#include <string_view>

#include "draw_board.h"
#include "draw_boundary_register.h"
#include "draw_package.h"
#include "message_catalogue.h"
#include "svg_writer.h"

namespace {

const char *const kPageStyle =
    ":root{color-scheme:light}\n"
    "body{margin:0;background:#eef0f3;color:#1b1f27;"
    "font:15px/1.45 system-ui,-apple-system,\"Segoe UI\",Roboto,\"DejaVu Sans\",sans-serif}\n"
    "main{max-width:1240px;margin:0 auto;padding:24px 20px 48px;background:#ffffff;box-sizing:border-box}\n"
    "h1{font-size:24px;margin:0 0 4px;overflow-wrap:anywhere}\n"
    "h2{font-size:20px;margin:36px 0 10px;padding-top:10px;border-top:2px solid #e1e4ea;overflow-wrap:anywhere}\n"
    "h3{font-size:16px;margin:22px 0 8px;overflow-wrap:anywhere}\n"
    ".meta{color:#5a6170;margin:0 0 12px}\n"
    "nav ul{margin:4px 0 0;padding-left:20px}\n"
    "nav li{margin:2px 0}\n"
    "a{color:#1f4f9c}\n"
    "div.table{overflow-x:auto;margin:6px 0 16px}\n"
    "table{border-collapse:collapse;font-size:13px}\n"
    "th,td{border:1px solid #d8dce3;padding:3px 8px;text-align:left;vertical-align:top;"
    "overflow-wrap:break-word}\n"
    "thead th{background:#eef1f5;white-space:nowrap}\n"
    "td.bits{overflow-wrap:anywhere;font-family:\"DejaVu Sans Mono\",Menlo,Consolas,monospace;"
    "font-size:12.5px}\n"
    "tbody th{background:#f6f7f9;font-weight:600;white-space:nowrap}\n"
    "td.number{text-align:right;font-variant-numeric:tabular-nums}\n"
    "code,pre,.mono{font-family:\"DejaVu Sans Mono\",Menlo,Consolas,\"Liberation Mono\",monospace;"
    "font-size:12.5px}\n"
    ".badge{display:inline-block;padding:0 8px;border-radius:10px;font-size:12px;font-weight:600;"
    "color:#ffffff;background:#34486e}\n"
    ".badge.error{background:#b3001b}\n.badge.warning{background:#8a5800}\n"
    ".badge.clean{background:#1b7f5b}\n"
    ".finding{border-left:4px solid #34486e;padding:6px 12px;margin:10px 0;background:#f8f9fb;"
    "break-inside:avoid}\n"
    ".finding.error{border-color:#b3001b}\n.finding.warning{border-color:#8a5800}\n"
    ".finding p{margin:2px 0}\n"
    ".place{font-weight:600}\n"
    ".finding pre{margin:6px 0 2px;padding:6px 8px;background:#eceff3;overflow-x:auto}\n"
    ".finding details{margin-top:4px;font-size:13.5px}\n"
    ".gutter{color:#6b7280}\n"
    ".caret{color:#b3001b;font-weight:bold}\n"
    "figure.picture{margin:12px 0 24px;overflow-x:auto}\n"
    "figure.picture svg{display:block}\n"
    "@media print{\n"
    "body{background:#ffffff;font-size:10pt}\n"
    "main{max-width:none;padding:0}\n"
    "nav{display:none}\n"
    "section.board,section.component{break-before:page}\n"
    "figure.picture,div.table{overflow:visible}\n"
    "figure.picture svg{max-width:100%;height:auto}\n"
    "tr,figure.picture,.finding{break-inside:avoid}\n"
    "a{color:inherit;text-decoration:none}\n"
    "}\n";

std::string escaped(std::string_view text) { return xml_escaped(text); }

std::string shown_text(const Text &text) { return text ? *text : "-"; }

std::string counted(size_t count, const char *one, const char *many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

// A table of texts; `classes` gives a column's class ("number", "bits"; null for none).
class HtmlTable {
public:
    HtmlTable(std::string &out, std::initializer_list<const char *> headings,
              std::vector<const char *> classes = {})
        : out_(out), classes_(std::move(classes)) {
        out_ += "<div class=\"table\"><table>\n<thead><tr>";
        for (const char *heading : headings)
            out_ += std::string("<th>") + heading + "</th>";
        out_ += "</tr></thead>\n<tbody>\n";
    }
    ~HtmlTable() { out_ += "</tbody>\n</table></div>\n"; }
    HtmlTable(const HtmlTable &) = delete;
    HtmlTable &operator=(const HtmlTable &) = delete;

    void row(std::initializer_list<std::string> cells) {
        out_ += "<tr>";
        size_t column = 0;
        for (const std::string &cell : cells) {
            const char *css = column < classes_.size() ? classes_[column] : nullptr;
            out_ += css ? std::string("<td class=\"") + css + "\">" : std::string("<td>");
            out_ += escaped(cell);
            out_ += "</td>";
            column++;
        }
        out_ += "</tr>\n";
    }

private:
    std::string &out_;
    std::vector<const char *> classes_;
};

// Rows of a heading and a value, the value written already.
void fact(std::string &out, const char *heading, const std::string &html) {
    out += std::string("<tr><th>") + heading + "</th><td>" + html + "</td></tr>\n";
}

// A catalogue text with its `code` spans.
std::string catalogue_html(std::string_view text) {
    std::string out;
    bool code = false;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); i++) {
        if (i < text.size() && text[i] != '`')
            continue;
        out += escaped(text.substr(start, i - start));
        if (i < text.size())
            out += code ? "</code>" : "<code>";
        code = !code;
        start = i + 1;
    }
    if (!code)   // an unclosed span
        out += "</code>";
    return out;
}

std::string verdict_html(const ReportPage &page) {
    if (page.errors == 0 && page.warnings == 0)
        return "<span class=\"badge clean\">no errors or warnings</span>";
    std::string out;
    if (page.errors)
        out += "<span class=\"badge error\">" + counted(page.errors, "error", "errors") + "</span>";
    if (page.warnings)
        out += std::string(out.empty() ? "" : " ") + "<span class=\"badge warning\">" +
               counted(page.warnings, "warning", "warnings") + "</span>";
    return out;
}

template <typename Entry>
std::string linked_names(const std::vector<Entry> &entries, const char *prefix) {
    if (entries.empty())
        return "none";
    std::string out;
    for (size_t i = 0; i < entries.size(); i++)
        out += std::string(i ? ", " : "") + "<a href=\"#" + prefix + "-" + std::to_string(i + 1) + "\">" +
               escaped(shown_text(entries[i].name)) + "</a>";
    return out;
}

void write_contents(std::string &out, const ReportPage &page) {
    out += "<nav aria-label=\"Contents\"><ul>\n<li><a href=\"#summary\">Summary</a></li>\n";
    out += "<li><a href=\"#findings\">Findings (" + std::to_string(page.findings.size()) + ")</a></li>\n";
    if (page.description) {
        const DescriptionReport &d = *page.description;
        for (size_t i = 0; i < d.boards.size(); i++)
            out += "<li><a href=\"#board-" + std::to_string(i + 1) + "\">Board " +
                   escaped(shown_text(d.boards[i].name)) + "</a></li>\n";
        for (size_t i = 0; i < d.components.size(); i++)
            out += "<li><a href=\"#component-" + std::to_string(i + 1) + "\">Component " +
                   escaped(shown_text(d.components[i].name)) + "</a></li>\n";
    }
    out += "</ul></nav>\n";
}

void write_summary(std::string &out, const ReportPage &page) {
    out += "<section id=\"summary\">\n<h2>Summary</h2>\n<div class=\"table\"><table><tbody>\n";
    fact(out, "File", escaped(page.file));
    fact(out, "Check", verdict_html(page));
    if (!page.description) {
        fact(out, "Description", "not read: the parse stopped (see the findings)");
    } else {
        const DescriptionReport &d = *page.description;
        fact(out, "Boards", linked_names(d.boards, "board"));
        fact(out, "Components", linked_names(d.components, "component"));
        fact(out, "Pin families", std::to_string(d.pin_families.size()));
    }
    out += "</tbody></table></div>\n</section>\n";
}

// The source line under the finding, with a caret under its column.
void write_source(std::string &out, const Finding &finding) {
    const Diagnostic &m = finding.message;
    if (!finding.source_line)
        return;
    const std::string number = std::to_string(m.line);
    const std::string &line = *finding.source_line;
    out += "<pre class=\"source\"><span class=\"gutter\">" + number + " | </span>" + escaped(line) + "\n";
    if (m.column >= 1) {
        // Columns count bytes: tabs stay tabs, a character's further bytes take no place.
        std::string pad;
        for (size_t i = 0; i + 1 < static_cast<size_t>(m.column) && i < line.size(); i++) {
            const unsigned char c = static_cast<unsigned char>(line[i]);
            if (c == '\t')
                pad += '\t';
            else if ((c & 0xC0) != 0x80)
                pad += ' ';
        }
        out += "<span class=\"gutter\">" + std::string(number.size(), ' ') + " | </span>" + pad +
               "<span class=\"caret\">^</span>\n";
    }
    out += "</pre>\n";
}

void write_findings(std::string &out, const ReportPage &page) {
    out += "<section id=\"findings\">\n<h2>Findings</h2>\n";
    if (page.findings.empty())
        out += "<p>The check told nothing: no errors, warnings or notes.</p>\n";
    for (const Finding &finding : page.findings) {
        const Diagnostic &m = finding.message;
        const char *kind = kind_word(m.kind);
        const std::string place =
            m.file.empty() ? page.file
                           : m.file + ":" + std::to_string(m.line) + ":" + std::to_string(m.column);
        out += std::string("<article class=\"finding ") + kind + "\">\n<p><span class=\"badge " + kind + "\">" +
               kind + "</span> <span class=\"place mono\">" + escaped(place) + "</span>";
        if (!m.id.empty())
            out += " <code>" + escaped(m.id) + "</code>";
        out += "</p>\n<p>" + escaped(m.text) + "</p>\n";
        write_source(out, finding);
        if (const CatalogueEntry *entry = m.id.empty() ? nullptr : find_entry(message_catalogue(), m.id)) {
            out += "<details><summary>What it means</summary>\n<p>" + catalogue_html(entry->trigger) + "</p>\n";
            if (!entry->fix.empty())
                out += "<p><strong>Fix:</strong> " + catalogue_html(entry->fix) + "</p>\n";
            out += "</details>\n";
        }
        out += "</article>\n";
    }
    out += "</section>\n";
}

void write_picture(std::string &out, const Figure &figure, const std::string &title) {
    out += "<figure class=\"picture\">\n" + svg_element(figure, title) + "</figure>\n";
}

std::string length_text(const std::optional<int32_t> &length) {
    return length ? std::to_string(*length) : "-";
}

void write_board(std::string &out, const BoardReport &board, size_t index) {
    const std::string name = shown_text(board.name);
    out += "<section class=\"board\" id=\"board-" + std::to_string(index) + "\">\n<h2>Board " + escaped(name) +
           "</h2>\n<div class=\"table\"><table><tbody>\n";
    fact(out, "Source", escaped(shown_text(board.source)));
    fact(out, "Chains", std::to_string(board.taps.size()));
    fact(out, "Nets", std::to_string(board.net_count));
    size_t connectors = 0;
    for (const auto &list : board.pin_lists)
        connectors += list.size();
    fact(out, "Connector pins", std::to_string(connectors));
    out += "</tbody></table></div>\n";
    if (board.taps.empty())
        out += "<p>No boundary-scan chain.</p>\n";
    for (const TapInfo &tap : board.taps) {
        write_picture(out, draw_chain(tap), "Board " + name + ", chain " + shown_text(tap.name));
        HtmlTable table(out, {"Position", "Part", "Component", "IR bits", "BSR cells", "IDCODE", "TMS", "TCK", "TRST"},
                        {"number", nullptr, nullptr, "number", "number", "bits"});
        for (size_t i = 0; i < tap.scan_chain.parts.size(); i++) {
            const ChainPartInfo &part = tap.scan_chain.parts[i];
            const PartInfo *nets = i < tap.parts.size() ? &tap.parts[i] : nullptr;
            table.row({std::to_string(part.position), shown_text(part.part),
                       shown_text(part.component) + (part.defined ? "" : " (not described)"),
                       length_text(part.instruction_length), length_text(part.boundary_length),
                       shown_text(part.idcode), nets ? shown_text(nets->tms) : "-",
                       nets ? shown_text(nets->tck) : "-", nets ? shown_text(nets->trst) : "-"});
        }
    }
    out += "</section>\n";
}

std::string frequency_text(double frequency) {
    if (frequency < 0.0)
        return "-";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%g Hz", frequency);
    return buffer;
}

void write_component(std::string &out, const ComponentReport &c, size_t index) {
    const std::string name = shown_text(c.name);
    out += "<section class=\"component\" id=\"component-" + std::to_string(index) + "\">\n<h2>Component " +
           escaped(name) + "</h2>\n<div class=\"table\"><table><tbody>\n";
    fact(out, "Standard", escaped(standard_word(c.standard)));
    fact(out, "Source", escaped(shown_text(c.source)));
    fact(out, "BSDL file", escaped(shown_text(c.bsdl_file)));
    fact(out, "Highest frequency", escaped(frequency_text(c.highest_frequency)));
    fact(out, "Instruction register",
         c.has_instruction_register ? escaped(std::to_string(c.instruction_register_length) + " bits, capture " +
                                              shown_text(c.instruction_register_capture))
                                    : "none");
    fact(out, "IDCODE capture", "<span class=\"mono\">" + escaped(shown_text(c.idcode_capture)) + "</span>");
    fact(out, "USERCODE capture", "<span class=\"mono\">" + escaped(shown_text(c.usercode_capture)) + "</span>");
    std::string tap;
    for (const TapPinInfo &pin : c.tap_pins)
        tap += (tap.empty() ? "" : ", ") + std::string(pin.signal) + " " + shown_text(pin.name);
    fact(out, "TAP pins", escaped(tap));
    out += "</tbody></table></div>\n";

    out += "<h3>Pins (" + std::to_string(c.pins.size()) + ")</h3>\n";
    {
        HtmlTable table(out, {"Name", "Number", "Type", "Direction"});
        for (const PinInfo &pin : c.pins)
            table.row({shown_text(pin.name), shown_text(pin.number), pin_type_word(pin.type),
                       direction_word(pin.direction)});
    }
    out += "<h3>Instructions (" + std::to_string(c.instructions.size()) + ")</h3>\n";
    if (c.instructions.empty()) {
        out += "<p>None.</p>\n";
    } else {
        HtmlTable table(out, {"Instruction", "Opcode", "Register", "Register type"}, {nullptr, "bits"});
        for (const InstructionInfo &i : c.instructions)
            table.row({i.kind_text, shown_text(i.opcode), shown_text(i.register_name), shown_text(i.register_type)});
    }
    out += "<h3>Registers (" + std::to_string(c.registers.size()) + ")</h3>\n";
    if (c.registers.empty()) {
        out += "<p>None.</p>\n";
    } else {
        HtmlTable table(out, {"Kind", "Name", "Length", "Capture", "Purpose"}, {nullptr, nullptr, "number", "bits"});
        for (const RegisterInfo &r : c.registers)
            table.row({register_kind_word(r.kind), shown_text(r.name), std::to_string(r.length), shown_text(r.capture),
                       shown_text(r.purpose)});
    }
    write_picture(out, draw_boundary_register(c), "Component " + name + ", boundary-scan register");
    write_picture(out, draw_package(c), "Component " + name + ", package");
    out += "</section>\n";
}

}  // namespace

std::string html_report(const ReportPage &page) {
    std::string out = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n";
    out += "<title>" + escaped(page.file) + ": oxel report</title>\n<style>\n";
    out += kPageStyle;
    out += picture_style();
    out += "</style>\n</head>\n<body>\n<main>\n<header>\n<h1>" + escaped(page.file) + "</h1>\n";
    out += "<p class=\"meta\">Checked and drawn by oxel " + escaped(page.version) + "</p>\n</header>\n";
    write_contents(out, page);
    write_summary(out, page);
    write_findings(out, page);
    if (page.description) {
        const DescriptionReport &d = *page.description;
        for (size_t i = 0; i < d.boards.size(); i++)
            write_board(out, d.boards[i], i + 1);
        for (size_t i = 0; i < d.components.size(); i++)
            write_component(out, d.components[i], i + 1);
    }
    out += "</main>\n</body>\n</html>\n";
    return out;
}

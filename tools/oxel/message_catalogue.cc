// oxel: the catalogue of messages (doc/messages.md), read into entries, and each message's entry
#include "message_catalogue.h"

#include <cctype>
#include <cstring>

// The markdown, built in from doc/messages.md (NUL-terminated).
extern const unsigned char kMessageCatalogueText[];

namespace {

bool starts_with(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

std::vector<std::string_view> split_lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

// "# Title" to "###### Title", outside a fence.
bool is_heading(std::string_view line) {
    size_t hashes = 0;
    while (hashes < line.size() && line[hashes] == '#')
        hashes++;
    return hashes >= 1 && hashes <= 6 && hashes < line.size() && line[hashes] == ' ';
}

bool is_id(std::string_view id) {
    if (id.empty() || id.front() == '-' || id.back() == '-')
        return false;
    for (size_t i = 0; i < id.size(); i++) {
        char c = id[i];
        if (c == '-' ? id[i - 1] == '-' : !(std::islower(static_cast<unsigned char>(c)) || std::isdigit(static_cast<unsigned char>(c))))
            return false;
    }
    return true;
}

// The kinds of file an example may be: the fence's info names one.
struct ExampleLanguage {
    const char *name;
    const char *default_name;   // of the file, where the info gives none
};

constexpr ExampleLanguage kExampleLanguages[] = {
    {"oxel", "example.oxel"},   // an OXEL description
    {"bsdl", "example.bsd"},    // a BSDL file, which oxel reads through the importer
};

const ExampleLanguage *example_language(std::string_view name) {
    for (const ExampleLanguage &language : kExampleLanguages)
        if (name == language.name)
            return &language;
    return nullptr;
}

bool is_kind(std::string_view kind) {
    return kind == "error" || kind == "warning" || kind == "note" || kind == "progress" || kind == "status";
}

// A code span's text with the catalogue's one escape: \n is a line feed.
std::string unescaped(std::string_view span) {
    std::string text;
    for (size_t i = 0; i < span.size(); i++) {
        if (span[i] == '\\' && i + 1 < span.size() && span[i + 1] == 'n') {
            text += '\n';
            i++;
        } else {
            text += span[i];
        }
    }
    return text;
}

// The code spans of a field's value, in order; false when the value holds
// anything else than spans, commas and blanks.
bool code_spans(std::string_view value, std::vector<std::string> &spans) {
    size_t i = 0;
    while (i < value.size()) {
        char c = value[i];
        if (c == ' ' || c == ',') {
            i++;
            continue;
        }
        if (c != '`')
            return false;
        size_t end = value.find('`', i + 1);
        if (end == std::string_view::npos)
            return false;
        spans.push_back(unescaped(value.substr(i + 1, end - i - 1)));
        i = end + 1;
    }
    return !spans.empty();
}

struct Reader {
    Catalogue catalogue;
    CatalogueEntry *entry = nullptr;
    std::string *continued = nullptr;   // a field whose value may go on on the next line

    void problem(int line, const std::string &what) {
        catalogue.problems.push_back("line " + std::to_string(line) + ": " + what);
    }

    void field(int line, std::string_view name, std::string_view value) {
        continued = nullptr;
        std::vector<std::string> spans;
        if (name == "Kind") {
            entry->kind = value;
            if (!is_kind(value))
                problem(line, "unknown kind \"" + std::string(value) + "\"");
        } else if (name == "Sender") {
            entry->sender = value;
            if (value != "library" && value != "oxel")
                problem(line, "the sender is the library or oxel");
        } else if (name == "Message") {
            if (value == "(empty)")
                spans.emplace_back();
            else if (!code_spans(value, spans) || spans.size() != 1)
                problem(line, "a message is one code span");
            entry->formats.insert(entry->formats.end(), spans.begin(), spans.end());
        } else if (name == "Fills" || name == "Parts" || name == "Expected") {
            if (!code_spans(value, spans))
                problem(line, std::string(name) + " lists code spans");
            auto &list = name == "Fills" ? entry->fills : name == "Parts" ? entry->parts : entry->expected;
            list.insert(list.end(), spans.begin(), spans.end());
        } else if (name == "Trigger" || name == "Fix") {
            continued = name == "Trigger" ? &entry->trigger : &entry->fix;
            *continued = value;
        } else {
            problem(line, "unknown field \"" + std::string(name) + "\"");
        }
    }

    void finish_entry() {
        if (!entry)
            return;
        const std::string where = "entry " + entry->id + ": ";
        if (entry->kind.empty())
            problem(entry->line, where + "no kind");
        if (entry->formats.empty())
            problem(entry->line, where + "no message");
        if (entry->trigger.empty() || entry->fix.empty())
            problem(entry->line, where + "no trigger or no fix");
        if (entry->example_output.empty())
            problem(entry->line, where + "no example output");
        while (!entry->text.empty() && entry->text.back() == '\n')
            entry->text.pop_back();
        entry->text += '\n';
        while (entry->text.size() > 1 && entry->text[entry->text.size() - 2] == '\n')
            entry->text.pop_back();
        entry = nullptr;
        continued = nullptr;
    }
};

// "- **Name:** value": the name and the value.
bool field_line(std::string_view line, std::string_view &name, std::string_view &value) {
    if (!starts_with(line, "- **"))
        return false;
    size_t end = line.find(":**", 4);
    if (end == std::string_view::npos)
        return false;
    name = line.substr(4, end - 4);
    value = trimmed(line.substr(end + 3));
    return true;
}

}  // namespace

Catalogue read_catalogue(std::string_view markdown) {
    Reader r;
    const std::vector<std::string_view> lines = split_lines(markdown);
    bool in_fence = false;
    std::string fence_info;     // of the open fence
    int fence_line = 0;         // where it opened
    std::string fence_text;     // what it holds so far
    for (size_t i = 0; i < lines.size(); i++) {
        const std::string_view line = lines[i];
        const int number = static_cast<int>(i) + 1;
        if (!in_fence && is_heading(line)) {
            r.finish_entry();
            if (starts_with(line, "### ")) {
                std::string id(trimmed(line.substr(4)));
                if (!is_id(id))
                    r.problem(number, "\"" + id + "\" is no kebab-case id");
                if (find_entry(r.catalogue, id))
                    r.problem(number, "id " + id + " is given twice");
                r.catalogue.entries.push_back({});
                r.entry = &r.catalogue.entries.back();
                r.entry->id = id;
                r.entry->line = number;
            }
        }
        if (!r.entry)
            continue;
        r.entry->text.append(line.data(), line.size());
        r.entry->text += '\n';
        if (starts_with(line, "```")) {
            if (!in_fence) {
                in_fence = true;
                fence_info = trimmed(line.substr(3));
                fence_line = number;
                fence_text.clear();
                continue;
            }
            in_fence = false;
            // The info: the fence's language, then (for a file) the file's name.
            std::string_view info = fence_info;
            const std::string_view language = info.substr(0, info.find(' '));
            const ExampleLanguage *file = example_language(language);
            if (file) {
                if (!r.entry->example_input.empty())
                    r.problem(fence_line, "entry " + r.entry->id + ": a second example file");
                std::string_view name = trimmed(info.substr(language.size()));
                r.entry->example_language = language;
                r.entry->example_name = name.empty() ? file->default_name : std::string(name);
                r.entry->example_input = fence_text;
            } else if (info == "text") {
                for (std::string_view output : split_lines(fence_text))
                    if (!trimmed(output).empty())
                        r.entry->example_output.emplace_back(output);
            } else {
                // A slip in the info would leave an example unrun.
                r.problem(fence_line, "entry " + r.entry->id + ": a fence is oxel, bsdl or text, not \"" +
                                      std::string(info) + "\"");
            }
            continue;
        }
        if (in_fence) {
            fence_text.append(line.data(), line.size());
            fence_text += '\n';
            continue;
        }
        std::string_view name, value;
        if (field_line(line, name, value)) {
            r.field(number, name, value);
        } else if (r.continued && starts_with(line, "  ") && !trimmed(line).empty()) {
            *r.continued += ' ';
            *r.continued += trimmed(line);
        } else {
            r.continued = nullptr;
        }
    }
    if (in_fence)
        r.problem(static_cast<int>(lines.size()), "a fence is left open");
    r.finish_entry();
    return std::move(r.catalogue);
}

const Catalogue &message_catalogue() {
    static const Catalogue catalogue = read_catalogue(reinterpret_cast<const char *>(kMessageCatalogueText));
    return catalogue;
}

const CatalogueEntry *find_entry(const Catalogue &catalogue, std::string_view id) {
    for (const CatalogueEntry &entry : catalogue.entries)
        if (entry.id == id)
            return &entry;
    return nullptr;
}

namespace {

// The length of the placeholder at format[i] (a '%'), its conversion in
// *conversion: 's', 'd' (any integer), 'c' (one character), 'x' (a number
// in hexadecimal) or '%'; 0 when it is none.
size_t placeholder(std::string_view format, size_t i, char *conversion) {
    size_t j = i + 1;
    while (j < format.size() && (format[j] == '*' || format[j] == '-' || std::isdigit(static_cast<unsigned char>(format[j]))))
        j++;
    while (j < format.size() && (format[j] == 'l' || format[j] == 'h' || format[j] == 'z'))
        j++;
    if (j >= format.size())
        return 0;
    switch (format[j]) {
    case 's': *conversion = 's'; break;
    case 'd': case 'i': case 'u': *conversion = 'd'; break;
    case 'c': *conversion = 'c'; break;
    case 'x': case 'X': *conversion = 'x'; break;
    case '%': *conversion = j == i + 1 ? '%' : 0; break;
    default: *conversion = 0; break;
    }
    return *conversion ? j - i + 1 : 0;
}

bool matches_from(std::string_view format, size_t f, std::string_view text, size_t t) {
    while (f < format.size()) {
        char conversion = 0;
        size_t length = format[f] == '%' ? placeholder(format, f, &conversion) : 0;
        if (conversion == 's') {
            // Any text, shortest first.
            for (size_t end = t; end <= text.size(); end++)
                if (matches_from(format, f + length, text, end))
                    return true;
            return false;
        }
        if (conversion == 'c')
            return t < text.size() && matches_from(format, f + length, text, t + 1);
        if (conversion == 'd' || conversion == 'x') {
            auto is_digit = [conversion](char c) {
                return conversion == 'd' ? std::isdigit(static_cast<unsigned char>(c)) != 0
                                         : std::isxdigit(static_cast<unsigned char>(c)) != 0;
            };
            size_t end = t;
            if (conversion == 'd' && end < text.size() && text[end] == '-')
                end++;
            size_t digits = end;
            while (end < text.size() && is_digit(text[end]))
                end++;
            for (; end > digits; end--)
                if (matches_from(format, f + length, text, end))
                    return true;
            return false;
        }
        char wanted = conversion == '%' ? '%' : format[f];
        if (t >= text.size() || text[t] != wanted)
            return false;
        f += conversion == '%' ? 2 : 1;
        t++;
    }
    return t == text.size();
}

}  // namespace

bool format_matches(std::string_view format, std::string_view text) { return matches_from(format, 0, text, 0); }

size_t fixed_length(std::string_view format) {
    size_t fixed = 0;
    for (size_t i = 0; i < format.size();) {
        char conversion = 0;
        size_t length = format[i] == '%' ? placeholder(format, i, &conversion) : 0;
        if (length && conversion != '%') {
            i += length;
            continue;
        }
        fixed++;
        i += length ? length : 1;
    }
    return fixed;
}

std::string printed_format(std::string_view format) {
    std::string printed;
    for (std::string_view line : split_lines(format)) {
        while (starts_with(line, " ") || starts_with(line, "%*s"))
            line.remove_prefix(line[0] == ' ' ? 1 : 3);
        if (!line.empty() && !printed.empty())
            printed += ": ";
        printed += line;
    }
    return printed;
}

const CatalogueEntry *identify_message(const Catalogue &catalogue, std::string_view kind, std::string_view text) {
    const CatalogueEntry *best = nullptr;
    size_t best_fixed = 0;
    for (const CatalogueEntry &entry : catalogue.entries) {
        if (entry.kind != kind || entry.sender != "library")
            continue;
        for (const std::string &format : entry.formats) {
            // Most formats begin with fixed text: a first character that
            // differs settles it at once.
            if (!format.empty() && format[0] != '%' && (text.empty() || text[0] != format[0]))
                continue;
            size_t fixed = fixed_length(format);
            if ((!best || fixed > best_fixed) && format_matches(format, text)) {
                best = &entry;
                best_fixed = fixed;
            }
        }
    }
    return best;
}

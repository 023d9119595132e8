// BSDL tests: the facts a BSDL test file states, read with patterns of the tests' own, and imports into the library
#include "bsdl/import_support.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr auto kIcase = std::regex::icase | std::regex::ECMAScript;

std::string upper(std::string text) {
    for (char &c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::string joined_strings(const std::string &value) {
    std::string joined;
    static const std::regex string_literal("\"([^\"]*)\"");
    for (std::sregex_iterator it(value.begin(), value.end(), string_literal), end; it != end; ++it)
        joined += (*it)[1];
    return joined;
}

std::string first_match(const std::string &text, const std::regex &pattern) {
    std::smatch match;
    return std::regex_search(text, match, pattern) ? match[1].str() : "";
}

// What stands between the parenthesis that ends `opening` and the one that closes it.
std::string parenthesised(const std::string &text, const std::regex &opening) {
    std::smatch match;
    if (!std::regex_search(text, match, opening))
        return "";
    size_t start = match.position(0) + match.length(0), at = start;
    for (int depth = 1; at < text.size() && depth > 0; at++)
        depth += text[at] == '(' ? 1 : text[at] == ')' ? -1 : 0;
    return text.substr(start, at - start);
}

std::vector<std::string> split_list(const std::string &text) {
    std::vector<std::string> items;
    static const std::regex word("\\w+");
    for (std::sregex_iterator it(text.begin(), text.end(), word), end; it != end; ++it)
        items.push_back(it->str());
    return items;
}

}  // namespace

std::string BsdlFacts::attribute(const std::string &name) const {
    return joined_strings(first_match(text, std::regex("attribute\\s+" + name + "\\s+of\\s+\\w+\\s*:\\s*\\w+\\s+is\\s+([^;]*);", kIcase)));
}

std::string BsdlFacts::constant(const std::string &name) const {
    return joined_strings(first_match(text, std::regex("constant\\s+" + name + "\\s*:\\s*PIN_MAP_STRING\\s*:=\\s*([^;]*);", kIcase)));
}

BsdlFacts read_bsdl_facts(const std::string &path) {
    BsdlFacts facts;
    facts.text = std::regex_replace(read_file(path), std::regex("--[^\\n]*"), "");
    facts.entity = first_match(facts.text, std::regex("entity\\s+(\\w+)\\s+is", kIcase));
    const std::string port_clause = parenthesised(facts.text, std::regex("\\bport\\s*\\(", kIcase));
    static const std::regex declaration("(\\w+(?:\\s*,\\s*\\w+)*)\\s*:\\s*(\\w+)\\s+(?:bit_vector\\s*\\(\\s*(\\d+)\\s+(to|downto)\\s+(\\d+)\\s*\\)|bit)", kIcase);
    for (std::sregex_iterator it(port_clause.begin(), port_clause.end(), declaration), end; it != end; ++it) {
        BsdlPortFact port;
        port.mode = upper((*it)[2]);
        port.vector = (*it)[3].matched;
        if (port.vector) {
            port.left = std::stoi((*it)[3]);
            port.right = std::stoi((*it)[5]);
        }
        for (const std::string &name : split_list((*it)[1]))
            facts.ports[name] = port;
    }
    static const std::regex constant_name("constant\\s+(\\w+)\\s*:\\s*PIN_MAP_STRING", kIcase);
    for (std::sregex_iterator it(facts.text.begin(), facts.text.end(), constant_name), end; it != end; ++it) {
        const std::string pins = facts.constant((*it)[1]);
        static const std::regex mapping("(\\w+)\\s*:\\s*(\\(([^)]*)\\)|\\w+)");
        auto &ports = facts.packages[(*it)[1]];
        for (std::sregex_iterator m(pins.begin(), pins.end(), mapping), stop; m != stop; ++m)
            ports.push_back({(*m)[1], split_list((*m)[2])});
    }
    const std::string opcodes = facts.attribute("INSTRUCTION_OPCODE");
    static const std::regex opcode("(\\w+)\\s*\\(([^)]*)\\)");
    for (std::sregex_iterator it(opcodes.begin(), opcodes.end(), opcode), end; it != end; ++it)
        facts.opcodes.push_back({(*it)[1], split_list((*it)[2])});
    const std::string access = facts.attribute("REGISTER_ACCESS");
    static const std::regex association("(\\w+)\\s*(\\[\\s*(\\d+)\\s*\\])?\\s*\\(([^)]*)\\)");
    for (std::sregex_iterator it(access.begin(), access.end(), association), end; it != end; ++it) {
        if ((*it)[3].matched)
            facts.register_lengths[(*it)[1]] = std::stoi((*it)[3]);
        static const std::regex instruction("(\\w+)(\\s+CAPTURES\\s+\\w+)?", kIcase);
        const std::string list = (*it)[4];
        for (std::sregex_iterator i(list.begin(), list.end(), instruction), stop; i != stop; ++i)
            facts.registers[upper((*i)[1])] = (*it)[1];
    }
    facts.instruction_length = std::stoi("0" + first_match(facts.text, std::regex("INSTRUCTION_LENGTH\\s+of\\s+\\w+\\s*:\\s*entity\\s+is\\s+(\\d+)", kIcase)));
    facts.boundary_length = std::stoi("0" + first_match(facts.text, std::regex("BOUNDARY_LENGTH\\s+of\\s+\\w+\\s*:\\s*entity\\s+is\\s+(\\d+)", kIcase)));
    facts.instruction_capture = upper(facts.attribute("INSTRUCTION_CAPTURE"));
    const std::string cells = facts.attribute("BOUNDARY_REGISTER");
    static const std::regex entry("(\\d+)\\s*\\(\\s*(\\w+)\\s*,\\s*(\\*|\\w+(?:\\s*\\(\\s*\\d+\\s*\\))?)\\s*,\\s*(\\w+)\\s*,"
                                  "\\s*(\\w)\\s*(?:,\\s*(\\d+)\\s*,\\s*(\\w)\\s*(?:,\\s*(\\w+)\\s*)?)?\\)");
    for (std::sregex_iterator it(cells.begin(), cells.end(), entry), end; it != end; ++it) {
        BsdlCellFact cell;
        cell.number = std::stoi((*it)[1]);
        cell.cell = upper((*it)[2]);
        cell.port = std::regex_replace((*it)[3].str(), std::regex("\\s"), "");
        cell.function = upper((*it)[4]);
        cell.safe = upper((*it)[5]);
        if ((*it)[6].matched) {
            cell.control = std::stoi((*it)[6]);
            cell.disable = (*it)[7];
        }
        cell.result = upper((*it)[8]);
        facts.cells.push_back(cell);
    }
    return facts;
}

std::string pin_of(const BsdlFacts &facts, const std::string &package, const std::string &port, int bit) {
    const auto ports = facts.packages.find(package);
    const auto declared = facts.ports.find(port);
    if (ports == facts.packages.end() || declared == facts.ports.end())
        return "";
    for (const auto &[name, pins] : ports->second)
        if (upper(name) == upper(port)) {
            const BsdlPortFact &p = declared->second;
            const size_t at = !p.vector ? 0 : p.left <= p.right ? bit - p.left : p.left - bit;
            return at < pins.size() ? pins[at] : "";
        }
    return "";
}

std::string bsdl_path(const std::string &name) { return std::string(OXEL_SOURCE_DIR) + "/tests/bsdl/" + name; }

void ImportTest::TearDown() {
    OxelDestroy(host.host());
    OxelInitialize(host.host());
}

int32_t ImportTest::import_file(const std::string &path, const char *package) {
    OxelDestroy(host.host());
    host.clear();
    OxelInitialize(host.host());
    return OxelImportBsdl(host.host(), path.c_str(), package);
}

int32_t ImportTest::import_text(const std::string &text, const char *package) {
    written = write_temp_file("import.bsd", text);
    return import_file(written, package);
}

Texts ImportTest::located_errors() const {
    Texts errors;
    for (const RecordedMessage &m : host.messages)
        if (m.kind == OXEL_KIND_ERROR) {
            // The file's own name is the same in every place: only the line and column are kept.
            const std::string::size_type colon = m.where.find(':', m.where.rfind('/') + 1);
            errors.push_back((m.where.empty() ? std::string("-") : m.where.substr(colon + 1)) + ": " + m.text);
        }
    return errors;
}

// The catalogue of messages, doc/messages.md, against the texts of the code and against what its examples draw
//
// How the code's messages are found. Every source of src/ (and, for the tool's own entries, of tools/oxel) is
// read as C: comments, character literals and preprocessor lines are skipped, string literals are decoded and
// adjacent ones joined, whatever lines they stand on, and the literals inside static_assert(...) are left out.
// A literal is a message text of the library when
//   - it stands in the argument list of a call to a reporter, and has a letter outside its printf placeholders:
//     a reporter is any function whose name begins with report_ or that src/ declares OXEL_PRINTF (the
//     reporters and every wrapper the code grows, such as the BSDL importer's import_error); or
//   - it reads like a sentence anywhere (a letter outside its placeholders, and a blank or a placeholder): so a
//     message kept in a table and sent through "%s", or one built from a label, is found too.
// A few such literals are no messages but texts the BSDL importer writes into the records it builds (a
// register's purpose); they are listed, each with its file and the record field it fills, below.
// Such a literal is covered by the catalogue when it is an entry's format, fill or part, when it is a
// piece of a format standing between placeholders, line feeds or the format's ends, or behind any text when
// it begins with a blank (the code builds the rest, or a wrapper adds it),
// or when, its placeholders standing for any text, it prints a whole format (a wrapper's head). Each format of
// an entry is covered the other way round by some literal of the code, unless the entry lists the parts it is
// built from; its fills and parts must each be a literal of the code. The tool's own entries are checked
// against tools/oxel, which must name each by its id (a format of placeholders only, such as the system's
// reason for a file it cannot read, stands for no literal).
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <cstring>
#include <optional>
#include <regex>
#include <set>
#include <sstream>

#include "json_value.h"
#include "message_catalogue.h"
#include "oxel32.h"
#include "support/description_walk.h"
#include "tool_runner.h"

namespace {

namespace fs = std::filesystem;

std::string read_text(const fs::path &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

const Catalogue &catalogue() {
    static const Catalogue read = read_catalogue(read_text(fs::path(OXEL_SOURCE_DIR) / "doc/messages.md"));
    return read;
}

struct CodeText {
    std::string text;
    std::string file;    // from the source folder
    std::string where;   // file:line
    bool in_report_call;
};

// Record texts: literals that read like sentences but are values the BSDL importer writes into the component it
// builds, never sent: the purpose of each register and the head of the source reference ("BSDL <path>"). Each
// stands for itself in its own file only (the same words anywhere else are a message to catalogue), must still
// be there, and must be found in that field of what an import builds: a message put on this list fails.
struct RecordText {
    const char *file;
    const char *field;   // as tests/support's dump of the records names it
    const char *text;    // the field's value, or its head
};

constexpr RecordText kRecordTexts[] = {
    {"src/bsdl/component_builder.cc", "purpose", "Instruction register"},
    {"src/bsdl/component_builder.cc", "purpose", "Boundary-scan register"},
    {"src/bsdl/component_builder.cc", "purpose", "Bypass register"},
    {"src/bsdl/component_builder.cc", "purpose", "Device identification register"},
    {"src/bsdl/component_builder.cc", "purpose", "Usercode register"},
    {"src/bsdl/component_builder.cc", "purpose", "Data register"},
    {"src/bsdl/component_builder.cc", "source_ref", "BSDL "},
};

bool is_record_text(const CodeText &code) {
    return std::any_of(std::begin(kRecordTexts), std::end(kRecordTexts), [&](const RecordText &record) {
        return code.file == record.file && code.text == record.text;
    });
}

// The escapes of a C string literal.
std::string decoded(const std::string &body) {
    std::string text;
    for (size_t i = 0; i < body.size(); i++) {
        if (body[i] != '\\' || i + 1 == body.size()) {
            text += body[i];
            continue;
        }
        char c = body[++i];
        switch (c) {
        case 'n': text += '\n'; break;
        case 't': text += '\t'; break;
        case 'r': text += '\r'; break;
        case 'v': text += '\v'; break;
        case 'f': text += '\f'; break;
        case 'a': text += '\a'; break;
        case 'b': text += '\b'; break;
        case '0': case '1': case '2': case '3': case '4': case '5': case '6': case '7': {
            int value = 0;
            for (int k = 0; k < 3 && i < body.size() && body[i] >= '0' && body[i] <= '7'; k++, i++)
                value = value * 8 + (body[i] - '0');
            i--;
            text += static_cast<char>(value);
            break;
        }
        case 'x': {
            int value = 0;
            while (i + 1 < body.size() && std::isxdigit(static_cast<unsigned char>(body[i + 1])))
                value = value * 16 + std::stoi(std::string(1, body[++i]), nullptr, 16);
            text += static_cast<char>(value);
            break;
        }
        default: text += c; break;
        }
    }
    return text;
}

// The functions src/ declares OXEL_PRINTF: the reporters and the wrappers that pass a format on to them.
const std::set<std::string> &printf_functions() {
    static const std::set<std::string> names = [] {
        std::set<std::string> found;
        const std::regex declaration(R"((\w+)\s*\([^()]*\)\s*OXEL_PRINTF\s*\()");
        for (const auto &item : fs::recursive_directory_iterator(fs::path(OXEL_SOURCE_DIR) / "src")) {
            if (!item.is_regular_file())
                continue;
            const std::string text = read_text(item.path());
            for (std::sregex_iterator it(text.begin(), text.end(), declaration), end; it != end; ++it)
                found.insert((*it)[1]);
        }
        return found;
    }();
    return names;
}

bool is_reporter(const std::string &function) {
    return function.rfind("report_", 0) == 0 || printf_functions().count(function) > 0;
}

// The string literals of one C or C++ source (or a Bison grammar, whose actions are C++), adjacent ones joined.
std::vector<CodeText> literals_of(const fs::path &path, const std::string &shown) {
    const std::string src = read_text(path);
    std::vector<CodeText> found;
    // The calls and static_asserts the reader is inside: their names and the depth of parentheses at which each
    // began.
    std::vector<std::pair<std::string, int>> open_calls;
    int depth = 0;
    int line = 1;
    bool line_start = true;   // only blanks so far on this line
    std::string last_word;
    std::optional<CodeText> pending;   // a literal that may go on with an adjacent one
    auto flush = [&] {
        if (pending)
            found.push_back(*pending);
        pending.reset();
    };
    auto inside = [&](auto is_call) {
        return std::any_of(open_calls.begin(), open_calls.end(), [&](const auto &call) { return is_call(call.first); });
    };
    auto is_static_assert = [](const std::string &name) { return name == "static_assert"; };
    for (size_t i = 0; i < src.size();) {
        char c = src[i];
        if (c == '\n') {
            line++;
            line_start = true;
            i++;
            continue;
        }
        if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
            i++;
            continue;
        }
        if (src.compare(i, 2, "//") == 0) {
            i = src.find('\n', i);
            if (i == std::string::npos)
                break;
            continue;
        }
        if (src.compare(i, 2, "/*") == 0) {
            size_t end = src.find("*/", i + 2);
            end = end == std::string::npos ? src.size() : end + 2;
            line += static_cast<int>(std::count(src.begin() + static_cast<long>(i), src.begin() + static_cast<long>(end), '\n'));
            i = end;
            continue;
        }
        if (c == '#' && line_start && src.compare(i, 7, "#define") == 0) {
            // A macro's body is read as code: a table of texts may stand in one (X-macro rows).
            i += 7;
            continue;
        }
        if (c == '\\' && i + 1 < src.size() && src[i + 1] == '\n') {
            i++;
            continue;
        }
        if (c == '#' && line_start) {
            // Any other preprocessor line, with its continuations.
            while (i < src.size() && !(src[i] == '\n' && src[i - 1] != '\\'))
                i++;
            continue;
        }
        line_start = false;
        if (c == '"') {
            size_t j = i + 1;
            while (j < src.size() && src[j] != '"') {
                if (src[j] == '\n')
                    line++;
                j += src[j] == '\\' ? 2 : 1;
            }
            std::string text = decoded(src.substr(i + 1, j - i - 1));
            if (pending) {
                pending->text += text;
            } else if (!inside(is_static_assert)) {
                pending = CodeText{text, shown, shown + ":" + std::to_string(line), inside(is_reporter)};
            }
            i = j + 1;
            continue;
        }
        flush();
        if (c == '\'') {
            // A digit separator, or a character literal.
            if (i > 0 && std::isdigit(static_cast<unsigned char>(src[i - 1]))) {
                i++;
                continue;
            }
            size_t j = i + 1;
            while (j < src.size() && src[j] != '\'' && src[j] != '\n')
                j += src[j] == '\\' ? 2 : 1;
            i = j + 1;
            last_word.clear();
            continue;
        }
        if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
            size_t j = i;
            while (j < src.size() && (std::isalnum(static_cast<unsigned char>(src[j])) || src[j] == '_'))
                j++;
            last_word = src.substr(i, j - i);
            i = j;
            continue;
        }
        if (c == '(') {
            depth++;
            if (!last_word.empty())
                open_calls.emplace_back(last_word, depth);
        } else if (c == ')') {
            while (!open_calls.empty() && open_calls.back().second >= depth)
                open_calls.pop_back();
            depth--;
        }
        last_word.clear();
        i++;
    }
    flush();
    return found;
}

std::vector<CodeText> literals_under(const std::string &folder) {
    std::vector<CodeText> all;
    std::vector<fs::path> files;
    for (const auto &item : fs::recursive_directory_iterator(fs::path(OXEL_SOURCE_DIR) / folder)) {
        const std::string extension = item.path().extension().string();
        if (extension == ".cc" || extension == ".h" || extension == ".y")
            files.push_back(item.path());
    }
    std::sort(files.begin(), files.end());
    for (const fs::path &file : files) {
        std::vector<CodeText> found =
            literals_of(file, fs::relative(file, OXEL_SOURCE_DIR).generic_string());
        all.insert(all.end(), found.begin(), found.end());
    }
    return all;
}

// What a format's placeholders leave of it.
std::string without_placeholders(const std::string &text) {
    std::string rest;
    for (size_t i = 0; i < text.size(); i++) {
        if (text[i] != '%') {
            rest += text[i];
            continue;
        }
        size_t j = i + 1;
        while (j < text.size() && std::strchr("*-0123456789lhz", text[j]))
            j++;
        if (j < text.size() && std::strchr("sdiucxX%", text[j]))
            i = j;
        else
            rest += text[i];
    }
    return rest;
}

bool has_letter(const std::string &text) {
    const std::string rest = without_placeholders(text);
    return std::any_of(rest.begin(), rest.end(), [](char c) { return std::isalpha(static_cast<unsigned char>(c)); });
}

bool reads_like_a_sentence(const std::string &text) {
    return has_letter(text) && (without_placeholders(text).find(' ') != std::string::npos ||
                                without_placeholders(text).size() != text.size());
}

// Where a piece of a format may begin or end: at its ends, a line feed or a placeholder.
bool is_boundary_before(const std::string &format, size_t at) {
    if (at == 0 || format[at - 1] == '\n')
        return true;
    for (const char *conversion : {"%s", "%d", "%*s"})
        if (at >= std::strlen(conversion) && format.compare(at - std::strlen(conversion), std::strlen(conversion), conversion) == 0)
            return true;
    return false;
}

bool is_boundary_after(const std::string &format, size_t at) {
    return at == format.size() || format[at] == '\n' || format[at] == '%';
}

// The literal's placeholders, each made "any text".
std::string as_template(const std::string &literal) {
    std::string pattern;
    for (size_t i = 0; i < literal.size(); i++) {
        if (literal[i] == '%') {
            size_t j = i + 1;
            while (j < literal.size() && std::strchr("*-0123456789lhz", literal[j]))
                j++;
            if (j < literal.size() && std::strchr("sdiucxX", literal[j])) {
                pattern += "%s";
                i = j;
                continue;
            }
        }
        pattern += literal[i];
    }
    return pattern;
}

// Whether a literal of the code stands for (part of) a format of the catalogue.
bool literal_covers(const std::string &literal, const std::string &format) {
    if (literal == format)
        return true;
    if (!has_letter(literal))
        return false;
    // A piece that begins with a blank is appended to what stands before it.
    for (size_t at = format.find(literal); at != std::string::npos; at = format.find(literal, at + 1))
        if ((literal[0] == ' ' || is_boundary_before(format, at)) && is_boundary_after(format, at + literal.size()))
            return true;
    return format_matches(as_template(literal), format);
}

const std::vector<CodeText> &library_texts() {
    static const std::vector<CodeText> texts = literals_under("src");
    return texts;
}

}  // namespace

TEST(MessageCatalogue, ReadsCleanlyWithUniqueIdsAndCompleteEntries) {
    const Catalogue &read = catalogue();
    EXPECT_EQ(read.problems, std::vector<std::string>{});
    EXPECT_GT(read.entries.size(), 100u);
    // The tool reads the copy built into it the same way.
    EXPECT_EQ(message_catalogue().entries.size(), read.entries.size());
    EXPECT_EQ(message_catalogue().problems, std::vector<std::string>{});
}

TEST(MessageCatalogue, EveryMessageOfTheLibraryHasAnEntry) {
    std::vector<std::string> uncovered;
    size_t messages = 0;
    for (const CodeText &code : library_texts()) {
        if (!(code.in_report_call ? has_letter(code.text) : reads_like_a_sentence(code.text)) || is_record_text(code))
            continue;
        messages++;
        bool covered = false;
        for (const CatalogueEntry &entry : catalogue().entries) {
            if (entry.sender != "library")
                continue;
            for (const auto *texts : {&entry.fills, &entry.parts})
                covered = covered || std::find(texts->begin(), texts->end(), code.text) != texts->end();
            for (const std::string &format : entry.formats)
                covered = covered || literal_covers(code.text, format);
        }
        if (!covered)
            uncovered.push_back(code.where + ": \"" + code.text + "\"");
    }
    // The reader finds the messages at all: well over the catalogue's hundred-odd entries; and the reporters
    // beside report_*.
    EXPECT_GT(messages, 200u);
    EXPECT_GT(printf_functions().size(), 5u);
    EXPECT_EQ(uncovered, std::vector<std::string>{}) << "these texts of the code have no entry in doc/messages.md";
}

// The record texts the test passes over are still in their files, and an import of the BSDL test files writes
// each into the field it names.
TEST(MessageCatalogue, RecordTextsAreWhatTheImporterWritesIntoItsRecords) {
    for (const RecordText &record : kRecordTexts) {
        const bool in_file = std::any_of(library_texts().begin(), library_texts().end(), [&](const CodeText &code) {
            return code.file == record.file && code.text == record.text;
        });
        EXPECT_TRUE(in_file) << "\"" << record.text << "\" is no longer in " << record.file;
    }
    Recorder host(1);
    for (const char *file : {"bridge_1994.bsd", "fpga_2001.bsd", "sensor_1990.bsd", "serdes_2013.bsd"}) {
        const std::string path = std::string(OXEL_SOURCE_DIR) + "/tests/bsdl/" + file;
        ASSERT_EQ(OxelImportBsdl(host.host(), path.c_str(), nullptr), OXEL_OK) << host.dump();
    }
    const std::string records = dump_records(OxelGetInfo());
    OxelDestroy(host.host());
    for (const RecordText &record : kRecordTexts)
        EXPECT_NE(records.find(std::string(" ") + record.field + "=\"" + record.text), std::string::npos)
            << "no " << record.field << " of an imported component is \"" << record.text << "\"";
}

TEST(MessageCatalogue, EveryEntryNamesAMessageTheCodeSends) {
    const std::vector<CodeText> tool = literals_under("tools/oxel");
    std::vector<std::string> stale;
    for (const CatalogueEntry &entry : catalogue().entries) {
        const std::vector<CodeText> &code = entry.sender == "library" ? library_texts() : tool;
        auto in_code = [&](const std::string &text) {
            return std::any_of(code.begin(), code.end(), [&](const CodeText &c) { return c.text == text; });
        };
        for (const auto *texts : {&entry.fills, &entry.parts})
            for (const std::string &text : *texts)
                if (!in_code(text))
                    stale.push_back(entry.id + ": \"" + text + "\" is not in the code");
        // A message built from parts is checked through them.
        if (!entry.parts.empty())
            continue;
        // The tool knows its own messages by their ids, written in its code.
        if (entry.sender == "oxel" && !in_code(entry.id))
            stale.push_back(entry.id + ": the tool never names it");
        for (const std::string &format : entry.formats)
            if ((entry.sender == "library" || has_letter(format)) &&
                std::none_of(code.begin(), code.end(), [&](const CodeText &c) { return literal_covers(c.text, format); }))
                stale.push_back(entry.id + ": \"" + format + "\"");
    }
    EXPECT_EQ(stale, std::vector<std::string>{}) << "these entries of doc/messages.md name no text of the code";
}

// The other way round: every id the tool's code gives a message of its own (a literal in kebab case with a
// hyphen, such as "tap-connector-in-no-netlist") has its entry, so that explain and SARIF know it.
TEST(MessageCatalogue, EveryIdTheToolNamesHasAnEntry) {
    const std::regex id("[a-z]+(-[a-z0-9]+)+");
    const std::set<std::string> not_ids = {"is-oxel", "import-bsdl"};   // the commands' names
    // The pictures' and the page's own words (style classes, data attributes, cell roles) are
    // written so too.
    auto picture_code = [](const std::string &where) {
        for (const char *file : {"tools/oxel/draw", "tools/oxel/svg_writer", "tools/oxel/html_report",
                                 "tools/oxel/picture_legend", "tools/oxel/cell_roles"})
            if (where.rfind(file, 0) == 0)
                return true;
        return false;
    };
    std::vector<std::string> unknown;
    size_t ids = 0;
    for (const CodeText &code : literals_under("tools/oxel"))
        if (std::regex_match(code.text, id) && !not_ids.count(code.text) && !picture_code(code.where)) {
            ids++;
            if (!find_entry(catalogue(), code.text))
                unknown.push_back(code.where + ": \"" + code.text + "\"");
        }
    EXPECT_GT(ids, 5u);
    EXPECT_EQ(unknown, std::vector<std::string>{}) << "these ids of tools/oxel have no entry in doc/messages.md";
}

namespace {

struct ToolMessage {
    std::string line;   // "kind: text"
    std::string id;
};

// The messages oxel reports, as its JSON document gives them, for a command run in a folder.
std::vector<ToolMessage> reported_messages(const std::string &folder, const std::string &arguments) {
    const std::string text = run_tool(arguments, "", folder).out;
    std::string error;
    const JsonValue document = JsonReader(text).read(error);
    EXPECT_EQ(error, "") << text;
    std::vector<ToolMessage> messages;
    const JsonValue *files = document.get("files");
    for (size_t i = 0; files && i < files->items.size(); i++)
        if (const JsonValue *list = files->items[i].get("messages"))
            for (const JsonValue &message : list->items)
                messages.push_back({message.text("kind") + ": " + message.text("text"), message.text("id")});
    return messages;
}

// "kind: text" as its kind and text; false for a line of another shape.
bool split_kind(const std::string &line, std::string &kind, std::string &text) {
    for (const char *word : {"error", "warning", "note", "progress", "status"}) {
        const std::string prefix = std::string(word) + ": ";
        if (line.rfind(prefix, 0) == 0) {
            kind = word;
            text = line.substr(prefix.size());
            return true;
        }
    }
    return false;
}

// Blanks at a line's end are not told apart in the catalogue's examples.
std::string right_trimmed(std::string text) {
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

// Whether a format prints a line as the tool shows it (its lines joined).
bool prints_as(const std::string &format, const std::string &printed) {
    return format_matches(right_trimmed(printed_format(format)), right_trimmed(printed));
}

}  // namespace

// Each example's printed lines are the entry's own: its format prints them and the tool, which knows a message
// by the most specific format that prints it, takes them for this entry and no other.
TEST(MessageCatalogue, EachExampleLineIsItsEntrysMessage) {
    for (const CatalogueEntry &entry : catalogue().entries) {
        SCOPED_TRACE(entry.id);
        bool own = false;
        for (const std::string &line : entry.example_output) {
            std::string kind, text;
            if (!split_kind(line, kind, text)) {
                // The tool's own "oxel: FILE: reason".
                EXPECT_EQ(entry.sender, "oxel") << line;
                kind.clear();
                text = line;
            }
            const bool printed_by_entry =
                std::any_of(entry.formats.begin(), entry.formats.end(), [&](const std::string &format) {
                    return prints_as(format, text);
                });
            own = own || (printed_by_entry && (kind.empty() || kind == entry.kind));
            if (printed_by_entry && entry.sender == "library") {
                // The tool sees the text before it joins the lines: that text is what it identifies.
                // Of one line and no indent, the text sent is the line, with the blanks its format ends in.
                for (const std::string &format : entry.formats)
                    if (prints_as(format, text) && format.find('\n') == std::string::npos &&
                        format.rfind("%*s", 0) != 0) {
                        const std::string sent = format.substr(0, format.find_first_not_of(' ')) + text +
                                                 format.substr(right_trimmed(format).size());
                        const CatalogueEntry *identified = identify_message(catalogue(), kind, sent);
                        EXPECT_EQ(identified ? identified->id : "(none)", entry.id) << line;
                    }
            }
        }
        EXPECT_TRUE(own) << "no line of the example is this entry's message";
    }
}

// Every example that gives a file (an OXEL description, or a BSDL file that oxel reads through the importer)
// draws, when oxel checks it at level 4 (a strict rule's with --strict), each line the entry shows, and oxel
// knows one of them by the entry's id.
TEST(MessageCatalogue, EachExampleFileDrawsTheLinesItShows) {
    const fs::path root = fs::path(write_temp_file("catalogue.txt", "")).parent_path() / "catalogue_examples";
    size_t run = 0, bsdl_run = 0;
    for (const CatalogueEntry &entry : catalogue().entries) {
        if (entry.example_input.empty())
            continue;
        SCOPED_TRACE(entry.id);
        const fs::path folder = root / entry.id;
        fs::create_directories(folder);
        std::ofstream(folder / entry.example_name, std::ios::binary) << entry.example_input;
        const std::vector<ToolMessage> reported =
            reported_messages(folder.generic_string(), std::string("--level 4 check --json ") +
                                                           (entry.id.rfind("strict-", 0) == 0 ? "--strict " : "") +
                                                           quoted(entry.example_name));
        std::string all;
        for (const ToolMessage &message : reported)
            all += "  " + message.line + "  [" + message.id + "]\n";
        bool own = false;
        for (const std::string &line : entry.example_output) {
            auto is_line = [&](const ToolMessage &message) {
                return right_trimmed(message.line) == right_trimmed(line);
            };
            auto found = std::find_if(reported.begin(), reported.end(), is_line);
            EXPECT_NE(found, reported.end()) << line << "\nis not among what oxel reported:\n" << all;
            for (; found != reported.end(); ++found)
                own = own || (is_line(*found) && found->id == entry.id);
        }
        EXPECT_TRUE(own) << "oxel knows no line of the example as " << entry.id << ":\n" << all;
        run++;
        bsdl_run += entry.example_language == "bsdl";
    }
    EXPECT_GT(run, 100u);
    EXPECT_GT(bsdl_run, 50u);
}

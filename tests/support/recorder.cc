// The tests' one fixture: a recording host, temporary files, parses and readers of records
#include "support/recorder.h"

#include "base/memory.h"
#include "support/description_walk.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#ifdef _WIN32
#include <io.h>
#endif
#include <unistd.h>

namespace {

int32_t OXEL_CALLBACK record_message(void *user_data, const MessageRecord *message) {
    const char *file = nullptr;
    int32_t line = 0, column = 0;
    std::string where;
    if (oxel_message_location(&file, &line, &column))
        where = std::string(file) + ":" + std::to_string(line) + ":" + std::to_string(column);
    static_cast<Recorder *>(user_data)->messages.push_back(
        {message->kind, message->level, message->zero, message->one, message->text, where});
    return 0;
}

DescriptionRoot *parsed(int32_t result, const Recorder &host) {
    EXPECT_EQ(result, OXEL_OK) << host.dump();
    return result == OXEL_OK ? OxelGetInfo() : nullptr;
}

}  // namespace

Recorder::Recorder(int32_t level) {
    context.callback = record_message;
    context.counters = &counters;
    context.user_data = this;
    context.message_level = level;
}

Texts Recorder::texts(int32_t kind) const {
    Texts out;
    for (const RecordedMessage &m : messages)
        if (m.kind == kind)
            out.push_back(m.text);
    return out;
}

std::string Recorder::dump() const {
    static const char *const kinds[] = {"error", "warning", "note", "progress", "status"};
    std::string out;
    for (const RecordedMessage &m : messages)
        out += (m.kind >= 0 && m.kind < 5 ? kinds[m.kind] : std::to_string(m.kind)) + ": " + m.text + "\n";
    return out;
}

void Recorder::clear() {
    messages.clear();
    counters = MessageCounters{};
}

std::string write_temp_file(const std::string &name, const std::string &contents) {
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("oxel32-tests-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / name, std::ios::binary) << contents;
    // Forward slashes everywhere: the tests build include directives and expected messages from it.
    return (dir / name).generic_string();
}

std::string read_file(const std::string &path) {
    std::ostringstream out;
    out << std::ifstream(path, std::ios::binary).rdbuf();
    return out.str();
}

std::string example_path(const std::string &name) {
    return std::string(OXEL_SOURCE_DIR) + "/examples/" + name;
}

Texts oxel_files(const std::string &folder) {
    Texts files;
    for (const auto &entry : std::filesystem::directory_iterator(std::string(OXEL_SOURCE_DIR) + "/" + folder))
        if (entry.path().extension() == ".oxel")
            files.push_back(folder + "/" + entry.path().filename().string());
    std::sort(files.begin(), files.end());
    EXPECT_FALSE(files.empty()) << folder;
    return files;
}

std::set<std::string> header_exports() {
    // Comments and preprocessor lines left out, each OXEL_API word must give one name.
    std::string code = read_file(std::string(OXEL_SOURCE_DIR) + "/include/oxel32.h");
    code = std::regex_replace(code, std::regex(R"(/\*[\s\S]*?\*/|//[^\n]*)"), " ");
    code = std::regex_replace(code, std::regex(R"((^|\n)[ \t]*#[^\n]*)"), "\n");
    size_t declarations = 0;
    for (size_t at = code.find("OXEL_API"); at != std::string::npos; at = code.find("OXEL_API", at + 1))
        declarations++;
    std::set<std::string> names;
    const std::regex declaration(R"(\bOXEL_API\b[^;(]*?(\w+)\s*\()");
    for (std::sregex_iterator it(code.begin(), code.end(), declaration), end; it != end; ++it)
        names.insert((*it)[1]);
    EXPECT_EQ(names.size(), declarations);
    return names;
}

void expect_golden(const std::string &path, const std::string &actual) {
    const std::string full = std::string(OXEL_SOURCE_DIR) + "/" + path;
    if (std::getenv("OXEL_UPDATE_GOLDEN")) {
        std::ofstream(full, std::ios::binary) << actual;
    } else {
        EXPECT_TRUE(std::filesystem::exists(full)) << full;
        EXPECT_EQ(actual, read_file(full)) << full;
    }
}

bool no_description() {
    DescriptionRoot *root = OxelGetInfo();
    return !root->header && !root->boards && !root->components && !root->pin_families;
}

int open_descriptors() {
    int count = 0;
#ifdef _WIN32
    // The runtime's descriptors: it answers -1 for one that is not open.
    for (int descriptor = 0; descriptor < _getmaxstdio(); descriptor++)
        count += _get_osfhandle(descriptor) != -1;
#else
    for ([[maybe_unused]] const auto &entry : std::filesystem::directory_iterator("/proc/self/fd"))
        ++count;
#endif
    return count;
}

Texts texts_of(const ItemList *list) {
    Texts out;
    for (char *text : items_of<char>(list))
        out.push_back(shown(text));
    return out;
}

Session run_session(Recorder &host, const std::string &file) {
    Session s;
    const char *path = file.c_str();
    OxelInitialize(host.host());
    s.parsed = OxelParse(host.host(), path);
    s.parse_messages = host.dump();
    EXPECT_TRUE(s.parsed == OXEL_OK || no_description());
    s.ends[Session::kParse] = memory_allocations();
    s.walks = walk_records(OxelGetInfo()) + walk_queries(host.host());
    s.ends[Session::kQueries] = memory_allocations();
    s.checked = s.parsed == OXEL_OK ? OxelCheck(host.host()) : OXEL_FAILED;
    s.ends[Session::kCheck] = memory_allocations();
    s.walks += walk_records(OxelGetInfo()) + walk_queries(host.host());
    s.ends[Session::kQueriesAgain] = memory_allocations();
    OxelDestroy(host.host());
    s.is_oxel = FileIsOxel(host.host(), path);
    s.ends[Session::kIsOxel] = memory_allocations();
    s.is_flash = file_is_flash(host.host(), path);
    s.ends[Session::kIsFlash] = memory_allocations();
    char *first = oxel_fast_parse(host.host(), path);
    s.first = shown(first);
    oxel_free_fast_parse_component_name(host.host(), first);
    s.ends[Session::kFirstName] = memory_allocations();
    char **names = nullptr;
    int32_t count = oxel_fast_parse_info(host.host(), path, &names);
    for (int32_t i = 0; i < count; i++)
        s.listing.push_back(shown(names[i]));
    oxel_free_fast_parse_component_names(host.host(), count, names);
    s.ends[Session::kListing] = memory_allocations();
    return s;
}

void ParseTest::TearDown() {
    OxelDestroy(host.host());
    OxelInitialize(host.host());
}

int32_t ParseTest::parse_file(const std::string &path) {
    OxelDestroy(host.host());
    host.clear();
    OxelInitialize(host.host());
    return OxelParse(host.host(), path.c_str());
}

int32_t ParseTest::parse(const std::string &body) {
    return parse_file(write_temp_file("description.oxel", "OXEL\n" + body + "\nEND OXEL\n"));
}

DescriptionRoot *ParseTest::parse_ok(const std::string &body) { return parsed(parse(body), host); }

DescriptionRoot *ParseTest::parse_example(const std::string &name) {
    return parsed(parse_file(std::string(OXEL_SOURCE_DIR) + "/examples/" + name), host);
}

std::string ParseTest::detail_of(const std::string &body) {
    EXPECT_EQ(parse(body), OXEL_FAILED) << host.dump();
    EXPECT_TRUE(no_description());
    Texts errors = host.texts(OXEL_KIND_ERROR), notes = host.texts(OXEL_KIND_NOTE);
    const std::string indent(12, ' ');
    if (errors.size() == 1 && notes.size() == 1 && errors[0].rfind("syntax error", 0) == 0 &&
        notes[0].rfind(indent, 0) == 0)
        return notes[0].substr(indent.size());
    ADD_FAILURE() << host.dump();
    return "";
}

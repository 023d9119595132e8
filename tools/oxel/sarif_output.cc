// oxel check --format=sarif: the findings of a run as one SARIF 2.1.0 log
#include "sarif_output.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <utility>

#include "json_writer.h"
#include "message_catalogue.h"
#include "oxel32.h"

namespace {

namespace fs = std::filesystem;

const char *const kBaseId = "%SRCROOT%";

// Percent-encodes what may not stand in a URI's path as it is.
std::string uri_path(const std::string &path, bool absolute) {
    static const char *const kHex = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : path) {
        if (std::isalnum(c) || c == '-' || c == '.' || c == '_' || c == '~' || c == '/' || (absolute && c == ':')) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    return out;
}

std::string file_uri(const fs::path &absolute) {
    std::string path = absolute.generic_string();
    return "file://" + std::string(path.empty() || path[0] != '/' ? "/" : "") + uri_path(path, true);
}

const char *sarif_level(int32_t kind) {
    switch (kind) {
    case OXEL_KIND_ERROR: return "error";
    case OXEL_KIND_WARNING: return "warning";
    case OXEL_KIND_NOTE: return "note";
    default: return "none";
    }
}

bool is_result(const Diagnostic &message) { return message.kind <= OXEL_KIND_NOTE; }

void text_object(JsonWriter &json, const char *name, const std::string &text) {
    json.key(name);
    json.begin_object();
    json.member("text", text);
    json.end_object();
}

// The descriptors the run refers to, by id, in the order first used.
struct Descriptors {
    std::vector<const CatalogueEntry *> entries;
    std::map<std::string, long long> index;

    long long add(const std::string &id) {
        auto found = index.find(id);
        if (found != index.end())
            return found->second;
        const CatalogueEntry *entry = find_entry(message_catalogue(), id);
        if (!entry)
            return -1;
        entries.push_back(entry);
        return index[id] = static_cast<long long>(entries.size()) - 1;
    }
};

void write_descriptor(JsonWriter &json, const CatalogueEntry &entry) {
    json.begin_object();
    json.member("id", entry.id);
    text_object(json, "shortDescription", entry.formats.empty() ? entry.id : printed_format(entry.formats[0]));
    text_object(json, "fullDescription", entry.trigger);
    json.key("help");
    json.begin_object();
    json.member("text", entry.trigger + "\n\nFix: " + entry.fix);
    json.member("markdown", entry.text);
    json.end_object();
    json.key("defaultConfiguration");
    json.begin_object();
    json.member("level", std::string(entry.kind == "error" ? "error" : entry.kind == "warning" ? "warning" : "note"));
    json.end_object();
    json.end_object();
}

void write_artifact_location(JsonWriter &json, const std::string &path, const std::string &working_directory) {
    json.key("artifactLocation");
    json.begin_object();
    bool base = false;
    std::string uri = artifact_uri(path, working_directory, &base);
    if (uri.empty()) {
        text_object(json, "description", path);
    } else {
        json.member("uri", uri);
        if (base)
            json.member("uriBaseId", std::string(kBaseId));
    }
    json.end_object();
}

// Where a message points, or else the file it is about.
void write_location(JsonWriter &json, const Diagnostic &message, const std::string &file_name,
                    const std::string &working_directory) {
    json.key("locations");
    json.begin_array();
    json.begin_object();
    json.key("physicalLocation");
    json.begin_object();
    write_artifact_location(json, message.file.empty() ? file_name : message.file, working_directory);
    if (!message.file.empty() && message.line >= 1) {
        json.key("region");
        json.begin_object();
        json.member("startLine", static_cast<long long>(message.line));
        if (message.column >= 1)
            json.member("startColumn", static_cast<long long>(message.column));
        json.end_object();
    }
    json.end_object();
    json.end_object();
    json.end_array();
}

void write_message(JsonWriter &json, const Diagnostic &message, long long index, const std::string &file_name,
                   const std::string &working_directory) {
    json.begin_object();
    if (index >= 0) {
        json.member("ruleId", message.id);
        json.member("ruleIndex", index);
    }
    json.member("level", std::string(sarif_level(message.kind)));
    text_object(json, "message", message.text);
    write_location(json, message, file_name, working_directory);
    json.end_object();
}

}  // namespace

void sarif_add_file(SarifRun &run, DiagnosticSink &sink) { run.files.push_back({sink.name, std::move(sink.kept)}); }

std::string artifact_uri(const std::string &path, const std::string &working_directory, bool *base) {
    *base = false;
    if (path == "<stdin>" || path.empty())
        return "";
    const fs::path cwd = fs::path(working_directory).lexically_normal();
    fs::path absolute = fs::path(path).is_absolute() ? fs::path(path) : cwd / path;
    absolute = absolute.lexically_normal();
    fs::path relative = absolute.lexically_relative(cwd);
    if (!relative.empty() && relative.native() != fs::path(".").native() && *relative.begin() != "..") {
        *base = true;
        return uri_path(relative.generic_string(), false);
    }
    return file_uri(absolute);
}

void write_sarif(FILE *out, const SarifRun &run, int exit_status) {
    std::error_code error;
    std::string working_directory = fs::current_path(error).generic_string();
    Descriptors rules, notifications;
    std::vector<long long> rule_index, notification_index;
    for (const SarifFile &file : run.files)
        for (const Diagnostic &message : file.messages) {
            Descriptors &descriptors = is_result(message) ? rules : notifications;
            (is_result(message) ? rule_index : notification_index)
                .push_back(message.id.empty() ? -1 : descriptors.add(message.id));
        }

    JsonWriter json(out);
    json.begin_object();
    json.member("$schema", std::string("https://json.schemastore.org/sarif-2.1.0.json"));
    json.member("version", std::string("2.1.0"));
    json.key("runs");
    json.begin_array();
    json.begin_object();

    json.key("tool");
    json.begin_object();
    json.key("driver");
    json.begin_object();
    json.member("name", std::string("oxel"));
    json.member("version", std::string(oxel_version()));
    json.key("rules");
    json.begin_array();
    for (const CatalogueEntry *entry : rules.entries)
        write_descriptor(json, *entry);
    json.end_array();
    if (!notifications.entries.empty()) {
        json.key("notifications");
        json.begin_array();
        for (const CatalogueEntry *entry : notifications.entries)
            write_descriptor(json, *entry);
        json.end_array();
    }
    json.end_object();
    json.end_object();

    if (!working_directory.empty()) {
        json.key("originalUriBaseIds");
        json.begin_object();
        json.key(kBaseId);
        json.begin_object();
        json.member("uri", file_uri(fs::path(working_directory)) + (working_directory.back() == '/' ? "" : "/"));
        json.end_object();
        json.end_object();
    }

    json.key("results");
    json.begin_array();
    size_t r = 0;
    for (const SarifFile &file : run.files)
        for (const Diagnostic &message : file.messages)
            if (is_result(message))
                write_message(json, message, rule_index[r++], file.name, working_directory);
    json.end_array();

    json.key("invocations");
    json.begin_array();
    json.begin_object();
    json.key("executionSuccessful");
    json.boolean(true);
    json.member("exitCode", static_cast<long long>(exit_status));
    json.key("toolExecutionNotifications");
    json.begin_array();
    size_t n = 0;
    for (const SarifFile &file : run.files)
        for (const Diagnostic &message : file.messages) {
            if (is_result(message))
                continue;
            long long index = notification_index[n++];
            // The blank line before a status block is layout, nothing to tell.
            if (message.text.empty())
                continue;
            json.begin_object();
            if (index >= 0) {
                json.key("descriptor");
                json.begin_object();
                json.member("id", message.id);
                json.member("index", index);
                json.end_object();
            }
            json.member("level", std::string("note"));
            text_object(json, "message", message.text);
            write_location(json, message, file.name, working_directory);
            json.end_object();
        }
    json.end_array();
    json.end_object();
    json.end_array();

    json.end_object();
    json.end_array();
    json.end_object();
    json.finish();
}

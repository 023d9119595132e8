// Test support: a host context that records every message it receives
#include "support/recorder.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

namespace {

int32_t OXEL_CALLBACK record_message(void *user_data, const MessageRecord *message) {
    auto *recorder = static_cast<Recorder *>(user_data);
    const char *file = nullptr;
    int32_t line = 0, column = 0;
    std::string where;
    if (oxel_message_location(&file, &line, &column))
        where = std::string(file) + ":" + std::to_string(line) + ":" + std::to_string(column);
    recorder->messages.push_back(
        {message->kind, message->level, message->zero, message->one, message->text, where});
    return 0;
}

}  // namespace

Recorder::Recorder(int32_t level) {
    context.callback = record_message;
    context.counters = &counters;
    context.user_data = this;
    context.message_level = level;
}

std::vector<std::string> Recorder::texts(int32_t kind) const {
    std::vector<std::string> out;
    for (const RecordedMessage &m : messages)
        if (m.kind == kind)
            out.push_back(m.text);
    return out;
}

std::string Recorder::dump() const {
    std::ostringstream out;
    for (const RecordedMessage &m : messages)
        out << m.kind << ":" << m.text << "\n";
    return out.str();
}

void Recorder::clear() {
    messages.clear();
    counters = MessageCounters{};
}

std::string write_temp_file(const std::string &name, const std::string &contents) {
    std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                 ("oxel32-tests-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    std::filesystem::path path = dir / name;
    std::ofstream out(path, std::ios::binary);
    out << contents;
    // With forward slashes on every platform: the tests build include
    // directives and expected messages from it.
    return path.generic_string();
}

std::string example_path(const std::string &name) {
    return std::string(OXEL_SOURCE_DIR) + "/examples/" + name;
}

std::string read_file(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

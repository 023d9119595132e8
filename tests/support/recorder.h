// Test support: a host context that records every message it receives
#pragma once

#include <string>
#include <vector>

#include "oxel32.h"

struct RecordedMessage {
    int32_t kind;
    int32_t level;
    int32_t zero;
    int32_t one;
    std::string text;
    std::string where;   // "file:line:column" as oxel_message_location tells it; empty for nowhere
};

// A host as the tests drive the library: a recording callback, its own
// counters and a message level (4, everything, unless changed).
struct Recorder {
    HostContext context{};
    MessageCounters counters{};
    std::vector<RecordedMessage> messages;

    explicit Recorder(int32_t level = 4);
    Recorder(const Recorder &) = delete;
    Recorder &operator=(const Recorder &) = delete;

    HostContext *host() { return &context; }
    // Texts of the messages of one kind, in order.
    std::vector<std::string> texts(int32_t kind) const;
    // Every message as "kind:text" lines, for readable failure output.
    std::string dump() const;
    void clear();
};

// Writes `contents` to a fresh file under the test's temporary folder and
// returns its path.
std::string write_temp_file(const std::string &name, const std::string &contents);
// The path of a file under examples/.
std::string example_path(const std::string &name);
// The whole contents of a file.
std::string read_file(const std::string &path);

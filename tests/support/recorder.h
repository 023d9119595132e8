// The tests' one fixture: a recording host, temporary files, parses and readers of records
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "oxel32.h"

using Texts = std::vector<std::string>;

struct RecordedMessage {
    int32_t kind, level, zero, one;
    std::string text;
    std::string where;   // "file:line:column" as oxel_message_location tells it; empty for nowhere
};

// A host as the tests drive the library: a recording callback, its own counters, a level (4 unless given).
struct Recorder {
    HostContext context{};
    MessageCounters counters{};
    std::vector<RecordedMessage> messages;

    explicit Recorder(int32_t level = 4);
    Recorder(const Recorder &) = delete;
    Recorder &operator=(const Recorder &) = delete;

    HostContext *host() { return &context; }
    // Texts of the messages of one kind, in order.
    Texts texts(int32_t kind) const;
    // Every message as a "kind: text" line, the kind a word ("error", "note", ...).
    std::string dump() const;
    void clear();
};

// Writes `contents` to a file of that name in a temporary folder; its path.
std::string write_temp_file(const std::string &name, const std::string &contents);
std::string read_file(const std::string &path);
// The path of a file under examples/.
std::string example_path(const std::string &name);
// The .oxel files of a folder of the source tree, sorted, as paths from the source folder.
Texts oxel_files(const std::string &folder);
// The name of every function the public header declares with OXEL_API.
std::set<std::string> header_exports();
// Compares `actual` with the golden file at `path` under the source folder (rewritten if OXEL_UPDATE_GOLDEN).
void expect_golden(const std::string &path, const std::string &actual);
// True when the library holds no description.
bool no_description();
// How many files the process has open.
int open_descriptors();

// Texts and numbers of records as strings; a null text reads "(null)".
inline std::string shown(const char *text) { return text ? text : "(null)"; }
inline std::string shown(const std::string &text) { return text; }
inline std::string shown(int64_t number) { return std::to_string(number); }
// Fields joined by "|", to check a record in one expectation. Their order of evaluation is unspecified:
// fields with side effects belong in statements of their own.
template <typename... Field>
std::string row(const Field &...fields) {
    std::string out;
    ((out += shown(fields) + "|"), ...);
    return out.substr(0, out.size() - 1);
}

// The items of a list, typed; empty for a null list.
template <typename Record>
std::vector<Record *> items_of(const ItemList *list) {
    std::vector<Record *> out;
    for (int32_t i = 0; list && i < list->count; i++)
        out.push_back(static_cast<Record *>(list->items[i]));
    return out;
}
// The texts of a list of texts; a null item reads "(null)".
Texts texts_of(const ItemList *list);

// One session over a file: a parse (its messages kept), every record read and query asked, a check, all
// again, the quick scans. `ends` holds the allocation count after each step, to tell a failed allocation's.
struct Session {
    enum Step { kParse, kQueries, kCheck, kQueriesAgain, kIsOxel, kIsFlash, kFirstName, kListing, kSteps };
    int32_t parsed = -1, checked = -1, is_oxel = -1, is_flash = -1;
    std::string parse_messages, first;
    Texts listing;
    uint64_t walks = 0;
    long ends[kSteps] = {};
};

Session run_session(Recorder &host, const std::string &file);

// Parses into the library's one description, released at the end with the query cursors.
class ParseTest : public ::testing::Test {
protected:
    void TearDown() override;
    // Parses a file afresh: the description before is released, the messages forgotten.
    int32_t parse_file(const std::string &path);
    // Parses `body` framed by OXEL ... END OXEL.
    int32_t parse(const std::string &body);
    // The description of a body, or of a bundled example, that must parse.
    DescriptionRoot *parse_ok(const std::string &body);
    DescriptionRoot *parse_example(const std::string &name);
    // The detail line of a body that must fail with one syntax message and one detail line, leaving nothing.
    std::string detail_of(const std::string &body);

    Recorder host;
};

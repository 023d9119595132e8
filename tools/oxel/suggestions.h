// oxel: "did you mean" notes after a syntax error or a missing mandatory instruction
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct CatalogueEntry;

// The candidates closest to `word`, compared without regard to case, when
// they are near enough to be a slip of the pen (an edit is an insertion, a
// deletion, a substitution or a swap of neighbours): one edit for a candidate of
// up to four characters, two for a longer one. Of candidates equally near,
// all are given; a look-alike slip makes a candidate nearer. Empty when none
// is near, or when `word` is a candidate itself.
std::vector<std::string> near_misses(std::string_view word, const std::vector<std::string> &candidates);

// "A", "A or B", "A, B or C".
std::string alternatives(const std::vector<std::string> &words);

// A note of the tool's own, to follow the message it is about.
struct Suggestion {
    std::string id;      // the catalogue's id of the note
    std::string text;
    std::string file;    // the file as the library opened it; empty for nowhere
    int32_t line = 0, column = 0;
};

// What the suggestions remember of the messages about one file.
struct SuggestionState {
    // The syntax error that waits for its detail line: the word it stopped
    // at and where it points.
    bool syntax_pending = false;
    std::string near_word, file;
    int32_t line = 0, column = 0;
    // The component being checked: its index in the description's list.
    int32_t component = -1;
};

void suggestions_start_file(SuggestionState &state);

// Reads one message of the library, whether it is shown or not, and
// returns the note that should follow it, if any. `entry` is the message's
// entry in the catalogue (null when it has none); `file`, `line` and
// `column` are where it points (the file as the library opened it, empty
// for nowhere). Called from inside the message callback: a missing
// mandatory instruction is looked up in the description being checked.
std::optional<Suggestion> suggest_after(SuggestionState &state, const CatalogueEntry *entry, std::string_view text,
                                        const std::string &file, int32_t line, int32_t column);

// oxel: every library message as one diagnostic line, printed or kept for JSON
#pragma once

#include <string>
#include <vector>

#include "oxel32.h"
#include "suggestions.h"
#include "terminal.h"

struct Diagnostic {
    int32_t kind;
    int32_t level;
    std::string text;   // one line: a detail joined to its first line
    // Where it points, the file as the user is to open it; empty for nowhere.
    std::string file;
    int32_t line, column;
    std::string id;     // the message's id in the catalogue; empty when it has none
};

// Where the messages about one file go.
struct DiagnosticSink {
    std::string name;          // the file as the user named it, "<stdin>" for standard input
    std::string opened_path;   // the path the library reads, shown as `name` in texts
    int32_t shown_level = 3;   // messages above it are counted, not shown
    bool keep = false;         // keep the lines for a JSON document instead of printing them
    Palette colours;
    const ProgressLine *progress = nullptr;
    std::vector<Diagnostic> kept;
    // Errors and warnings told, shown or not, and those the tool found the
    // check counting without a message.
    int32_t errors = 0, warnings = 0;
    SuggestionState suggestions;
};

// The message callback: its user data is a DiagnosticSink.
int32_t OXEL_CALLBACK receive_message(void *sink, const MessageRecord *message);

// Starts the sink over for another file.
void sink_start_file(DiagnosticSink &sink, const std::string &name, const std::string &opened_path);

// The tool's own finding about the file ("No such file or directory"):
// "oxel: NAME: reason", or kept as an error. `id` names it in the catalogue.
void sink_file_error(DiagnosticSink &sink, const std::string &reason,
                     const char *id = "file-cannot-be-read");

// A note of the tool's own, shown as a library note is (at level 3 and
// above): pointing at `file` (as the library names it) and its line and
// column, or nowhere for a null file; `id` is its entry in the catalogue.
void sink_note(DiagnosticSink &sink, const char *file, int32_t line, int32_t column, const std::string &text,
               const char *id);

// "NAME: 2 errors, 1 warning" under the file's messages.
void sink_summary(DiagnosticSink &sink);

// A message's lines as one: each further line, its indent dropped, joins
// the one before behind ": ". A lone detail line loses its indent too.
std::string single_line(const char *text);

// "error", "warning", "note", "progress", "status".
const char *kind_word(int32_t kind);

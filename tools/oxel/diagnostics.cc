// oxel: one line per library message, "FILE:LINE:COL: error: text", and the summary of a file
#include "diagnostics.h"

#include <cstdio>
#include <cstring>
#include <utility>

#include "message_catalogue.h"

namespace {

const char *skip_blanks(const char *text) {
    while (*text == ' ' || *text == '\t')
        text++;
    return text;
}

// The library names the temporary copy of standard input by its path: the
// user knows it as "<stdin>".
std::string shown_text(const DiagnosticSink &sink, std::string text) {
    if (sink.opened_path.empty() || sink.opened_path == sink.name)
        return text;
    for (size_t at = text.find(sink.opened_path); at != std::string::npos;
         at = text.find(sink.opened_path, at + sink.name.size()))
        text.replace(at, sink.opened_path.size(), sink.name);
    return text;
}

// Include files are opened by their names as written, from the working
// directory, so that name is the path to open; only the main file may be a
// copy of standard input.
std::string shown_file(const DiagnosticSink &sink, const char *file) {
    return sink.opened_path == file ? sink.name : file;
}

// "FILE:LINE:COL" where the message points, the file's name otherwise.
std::string message_place(const DiagnosticSink &sink, const Diagnostic &message) {
    if (message.file.empty())
        return sink.name;
    return message.file + ":" + std::to_string(message.line) + ":" + std::to_string(message.column);
}

const char *kind_colour(const Palette &colours, int32_t kind) {
    switch (kind) {
    case OXEL_KIND_ERROR: return colours.red;
    case OXEL_KIND_WARNING: return colours.yellow;
    case OXEL_KIND_NOTE: return colours.cyan;
    default: return "";
    }
}

// Prints one line to standard error, out of the progress line's way.
void print_line(const DiagnosticSink &sink, const std::string &line) {
    if (sink.progress)
        progress_hide(*sink.progress);
    std::fprintf(stderr, "%s\n", line.c_str());
    if (sink.progress)
        progress_redraw(*sink.progress);
}

// Keeps the message for the document, or prints its line.
void show_diagnostic(DiagnosticSink &sink, Diagnostic diagnostic) {
    if (sink.keep) {
        sink.kept.push_back(std::move(diagnostic));
        return;
    }
    const Palette &c = sink.colours;
    print_line(sink, std::string(c.bold) + message_place(sink, diagnostic) + ":" + c.reset + " " +
                         kind_colour(c, diagnostic.kind) + kind_word(diagnostic.kind) + ":" + c.reset + " " +
                         diagnostic.text);
}

std::string counted(int32_t count, const char *word) {
    return std::to_string(count) + " " + word + (count == 1 ? "" : "s");
}

}  // namespace

std::string single_line(const char *text) {
    std::string line;
    for (const char *start = text;;) {
        start = skip_blanks(start);
        const char *end = std::strchr(start, '\n');
        size_t length = end ? static_cast<size_t>(end - start) : std::strlen(start);
        if (length && !line.empty())
            line += ": ";
        line.append(start, length);
        if (!end)
            return line;
        start = end + 1;
    }
}

const char *kind_word(int32_t kind) {
    switch (kind) {
    case OXEL_KIND_ERROR: return "error";
    case OXEL_KIND_WARNING: return "warning";
    case OXEL_KIND_NOTE: return "note";
    case OXEL_KIND_PROGRESS: return "progress";
    default: return "status";
    }
}

int32_t OXEL_CALLBACK receive_message(void *user, const MessageRecord *message) {
    auto &sink = *static_cast<DiagnosticSink *>(user);
    if (message->kind == OXEL_KIND_ERROR)
        sink.errors++;
    else if (message->kind == OXEL_KIND_WARNING)
        sink.warnings++;
    const char *file = nullptr;
    int32_t line = 0, column = 0;
    if (!oxel_message_location(&file, &line, &column))
        file = nullptr;
    // Every message is known by its entry, shown or not: the notes that
    // follow some messages need those before them.
    const CatalogueEntry *entry = identify_message(message_catalogue(), kind_word(message->kind), message->text);
    std::optional<Suggestion> note =
        suggest_after(sink.suggestions, entry, message->text, file ? file : "", line, column);
    if (message->level > sink.shown_level)
        return 0;
    std::string text = shown_text(sink, single_line(message->text));
    Diagnostic diagnostic{message->kind, message->level, std::move(text), "", line, column, entry ? entry->id : ""};
    if (file)
        diagnostic.file = shown_file(sink, file);
    else
        diagnostic.line = diagnostic.column = 0;
    show_diagnostic(sink, std::move(diagnostic));
    // The tool's note, a note of level 3 like the detail lines it follows.
    if (note && sink.shown_level >= 3)
        show_diagnostic(sink, {OXEL_KIND_NOTE, 3, shown_text(sink, note->text),
                               note->file.empty() ? "" : shown_file(sink, note->file.c_str()), note->line,
                               note->column, note->id});
    return 0;
}

void sink_note(DiagnosticSink &sink, const char *file, int32_t line, int32_t column, const std::string &text,
               const char *id) {
    if (sink.shown_level < 3)
        return;
    Diagnostic note{OXEL_KIND_NOTE, 3, text, file ? shown_file(sink, file) : "", file ? line : 0,
                    file ? column : 0, id};
    show_diagnostic(sink, std::move(note));
}

void sink_start_file(DiagnosticSink &sink, const std::string &name, const std::string &opened_path) {
    sink.name = name;
    sink.opened_path = opened_path;
    sink.kept.clear();
    sink.errors = sink.warnings = 0;
    suggestions_start_file(sink.suggestions);
}

void sink_file_error(DiagnosticSink &sink, const std::string &reason, const char *id) {
    sink.errors++;
    if (sink.keep)
        sink.kept.push_back({OXEL_KIND_ERROR, 1, reason, "", 0, 0, id});
    else
        print_line(sink, "oxel: " + sink.name + ": " + reason);
}

void sink_summary(DiagnosticSink &sink) {
    std::string found;
    if (sink.errors)
        found = counted(sink.errors, "error");
    if (sink.warnings)
        found += (found.empty() ? "" : ", ") + counted(sink.warnings, "warning");
    if (found.empty())
        found = "no errors or warnings";
    print_line(sink, std::string(sink.colours.bold) + sink.name + ":" + sink.colours.reset + " " + found);
}

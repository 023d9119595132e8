// Include directives: the directive reader and the stack of sources being read
#include "lexer/include_stack.h"

#include <cstring>

#include "base/memory.h"
#include "base/messages.h"
#include "base/text_input.h"
#include "lexer/lexer_state.h"

namespace {

// The longest directive word and include file name; longer ones are cut.
constexpr int kDirectiveWordLength = 80;
constexpr int kIncludeNameLength = 80;

bool is_blank(int c) { return c == ' ' || c == '\t'; }

// Releases a chain of entries linked through `below`.
void release_entries(SourceEntry *entry) {
    while (entry) {
        SourceEntry *below = entry->below;
        mem_free(g_lexer.host, entry->path);
        mem_free(g_lexer.host, entry);
        entry = below;
    }
}

// Opens an including file again where its reading stopped; null when it
// cannot be opened or no longer reaches that far (it has changed).
FILE *reopen_at(const char *path, long offset) {
    FILE *file = open_source_file(path);
    if (file && (std::fseek(file, 0, SEEK_END) != 0 || std::ftell(file) < offset ||
                 std::fseek(file, offset, SEEK_SET) != 0)) {
        std::fclose(file);
        file = nullptr;
    }
    return file;
}

// Each trouble with an include directive is followed by this line.
void report_ignored() { report_source_error(g_lexer.host, g_lexer.line, "Ignoring #include directive"); }

}  // namespace

int read_directive() {
    // The number sign opened the line.
    const SourceLocation directive = {g_lexer.file, g_lexer.file_line, 1};
    int c = lexer_read_char();
    while (is_blank(c))
        c = lexer_read_char();

    char word[kDirectiveWordLength + 1];
    int length = 0;
    for (; length < kDirectiveWordLength && is_letter(c); c = lexer_read_char())
        word[length++] = static_cast<char>(c);
    word[length] = '\0';
    while (is_blank(c))
        c = lexer_read_char();

    // The file name: quoted up to the closing quote, else up to a blank;
    // a backslash takes the next character into the name whatever it is.
    char name[kIncludeNameLength + 1];
    length = 0;
    bool quoted = c == '"';
    if (quoted)
        c = lexer_read_char();
    while (length < kIncludeNameLength && c != 0 && c != '\n' && (quoted ? c != '"' : !is_blank(c))) {
        if (c == '\\') {
            c = lexer_read_char();
            if (c == 0)
                break;
        }
        name[length++] = static_cast<char>(c);
        c = lexer_read_char();
    }
    name[length] = '\0';

    // The rest of the line goes, its line feed with it.
    while (c != '\n' && c != 0)
        c = lexer_read_char();

    if (std::strcmp(word, "include") == 0)
        return include_open(name, directive);
    PointMessagesAt here(directive);
    report_source_error(g_lexer.host, g_lexer.line, "Illegal directive #%s - Ignoring", word);
    return 1;
}

int include_open(const char *name, const SourceLocation &directive) {
    HostContext *context = g_lexer.host;
    include_state &includes = g_lexer.includes;
    PointMessagesAt here(directive);
    if (includes.depth > includes.nesting_limit) {
        report_source_error(context, g_lexer.line, "File nesting limit (%d) exceeded",
                            includes.nesting_limit);
        report_ignored();
        return 1;
    }
    // Messages and places name the file by the path it was found at.
    char *path = nullptr;
    bool failed = false;
    FILE *file = open_include_file(context, name, g_lexer.file, !includes.top, &path, &failed);
    if (failed)
        return -1;
    if (!file) {
        report_source_error(context, g_lexer.line, "Couldn't open #include file %s", name);
        report_ignored();
        return 1;
    }
    if (includes.files_opened >= include_state::kIncludeFileBudget) {
        std::fclose(file);
        mem_free(context, path);
        report_source_error(context, g_lexer.line, "Too many #include files (%d)",
                            include_state::kIncludeFileBudget);
        includes.ended_early = true;
        end_source();
        return -1;
    }
    auto *entry = static_cast<SourceEntry *>(mem_alloc(context, sizeof(SourceEntry)));
    if (!entry) {
        mem_free(context, path);
        std::fclose(file);
        return -1;
    }
    entry->path = path;
    entry->directive = directive;

    if (!includes.top) {
        // The main file stays open; the one below an include is remembered
        // by name and position and closed, so at most two files are open.
        includes.main_stream = g_lexer.stream;
        includes.main_ended = g_lexer.stream_ended;
    } else {
        includes.top->resume_offset = source_offset();
        includes.top->ended = g_lexer.stream_ended;
        entry->below = includes.top;
        std::fclose(g_lexer.stream);
    }
    includes.top = entry;
    includes.files_opened++;
    g_lexer.stream = file;
    start_include_read_ahead();
    g_lexer.stream_ended = false;
    g_lexer.file = entry->path;
    g_lexer.file_line = 1;
    includes.depth++;
    g_lexer.line++;
    g_lexer.column = 1;
    return 1;
}

bool leave_source() {
    include_state &includes = g_lexer.includes;
    if (!includes.top || includes.ended_early)
        return false;

    SourceEntry *finished = includes.top;
    if (g_lexer.stream)
        std::fclose(g_lexer.stream);
    includes.top = finished->below;
    finished->below = includes.finished;
    includes.finished = finished;
    // The including file goes on at the line after the directive.
    g_lexer.file = finished->directive.file;
    g_lexer.file_line = finished->directive.line + 1;

    bool resumed = true;
    if (!includes.top) {
        g_lexer.stream = includes.main_stream;
        g_lexer.stream_ended = includes.main_ended;
        includes.main_stream = nullptr;
        resume_main_read_ahead();
    } else {
        SourceEntry *including = includes.top;
        g_lexer.stream = reopen_at(including->path, including->resume_offset);
        start_include_read_ahead();
        if (!g_lexer.stream) {
            PointMessagesAt here(finished->directive);
            report_source_error(g_lexer.host, g_lexer.line, "#include file %s has changed", including->path);
            // The input ends here, whatever is still on the stack.
            includes.ended_early = true;
            resumed = false;
        }
        g_lexer.stream_ended = !resumed || including->ended;
    }
    includes.depth--;
    g_lexer.line++;
    g_lexer.column = 1;
    return resumed;
}

void lexer_close_includes() {
    include_state &includes = g_lexer.includes;
    if (includes.top) {
        if (g_lexer.stream)
            std::fclose(g_lexer.stream);
        g_lexer.stream = includes.main_stream;
        g_lexer.stream_ended = includes.main_ended;
        resume_main_read_ahead();
        // The main file goes on after the directive of the bottom entry.
        const SourceEntry *bottom = includes.top;
        while (bottom->below)
            bottom = bottom->below;
        g_lexer.file = bottom->directive.file;
        g_lexer.file_line = bottom->directive.line + 1;
    }
    release_entries(includes.top);
    release_entries(includes.finished);
    includes.top = includes.finished = nullptr;
    includes.main_stream = nullptr;
    includes.main_ended = false;
    includes.depth = 0;
    includes.ended_early = false;
}

void include_reset() {
    lexer_close_includes();
    g_lexer.includes.nesting_limit = include_state::kIncludeNestingLimit;
    g_lexer.includes.files_opened = 0;
}

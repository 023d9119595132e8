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
void release_entries(lexer_state &lx, SourceEntry *entry) {
    while (entry) {
        SourceEntry *below = entry->below;
        mem_free(lx.host, entry->path);
        mem_free(lx.host, entry);
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
void report_ignored(lexer_state &lx, const SourceLocation &directive) {
    report_source_error(lx.host, at(directive), lx.line, "Ignoring #include directive");
}

}  // namespace

int read_directive(lexer_state &lx) {
    // The number sign opened the line.
    const SourceLocation directive = {lx.file, lx.file_line, 1};
    int c = lexer_read_char(lx);
    while (is_blank(c))
        c = lexer_read_char(lx);

    char word[kDirectiveWordLength + 1];
    int length = 0;
    for (; length < kDirectiveWordLength && is_letter(c); c = lexer_read_char(lx))
        word[length++] = static_cast<char>(c);
    word[length] = '\0';
    while (is_blank(c))
        c = lexer_read_char(lx);

    // The file name: quoted up to the closing quote, else up to a blank;
    // a backslash takes the next character into the name whatever it is.
    char name[kIncludeNameLength + 1];
    length = 0;
    bool quoted = c == '"';
    if (quoted)
        c = lexer_read_char(lx);
    while (length < kIncludeNameLength && c != 0 && c != '\n' && (quoted ? c != '"' : !is_blank(c))) {
        if (c == '\\') {
            c = lexer_read_char(lx);
            if (c == 0)
                break;
        }
        name[length++] = static_cast<char>(c);
        c = lexer_read_char(lx);
    }
    name[length] = '\0';

    // The rest of the line goes, its line feed with it.
    while (c != '\n' && c != 0)
        c = lexer_read_char(lx);

    if (std::strcmp(word, "include") == 0)
        return include_open(lx, name, directive);
    report_source_error(lx.host, at(directive), lx.line, "Illegal directive #%s - Ignoring", word);
    return 1;
}

int include_open(lexer_state &lx, const char *name, const SourceLocation &directive) {
    HostContext *context = lx.host;
    include_state &includes = lx.includes;
    if (includes.depth > includes.nesting_limit) {
        report_source_error(context, at(directive), lx.line, "File nesting limit (%d) exceeded",
                            includes.nesting_limit);
        report_ignored(lx, directive);
        return 1;
    }
    // Messages and places name the file by the path it was found at.
    char *path = nullptr;
    bool failed = false;
    FILE *file = open_include_file(includes.search, context, name, lx.file, !includes.top, &path, &failed);
    if (failed)
        return -1;
    if (!file) {
        report_source_error(context, at(directive), lx.line, "Couldn't open #include file %s", name);
        report_ignored(lx, directive);
        return 1;
    }
    if (includes.files_opened >= include_state::kIncludeFileBudget) {
        std::fclose(file);
        mem_free(context, path);
        report_source_error(context, at(directive), lx.line, "Too many #include files (%d)",
                            include_state::kIncludeFileBudget);
        includes.ended_early = true;
        end_source(lx);
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
        includes.main_stream = lx.stream;
        includes.main_ended = lx.stream_ended;
    } else {
        includes.top->resume_offset = source_offset(lx);
        includes.top->ended = lx.stream_ended;
        entry->below = includes.top;
        std::fclose(lx.stream);
    }
    includes.top = entry;
    includes.files_opened++;
    lx.stream = file;
    start_include_read_ahead(lx);
    lx.stream_ended = false;
    lx.file = entry->path;
    lx.file_line = 1;
    includes.depth++;
    lx.line++;
    lx.column = 1;
    return 1;
}

bool leave_source(lexer_state &lx) {
    include_state &includes = lx.includes;
    if (!includes.top || includes.ended_early)
        return false;

    SourceEntry *finished = includes.top;
    if (lx.stream)
        std::fclose(lx.stream);
    includes.top = finished->below;
    finished->below = includes.finished;
    includes.finished = finished;
    // The including file goes on at the line after the directive.
    lx.file = finished->directive.file;
    lx.file_line = finished->directive.line + 1;

    bool resumed = true;
    if (!includes.top) {
        lx.stream = includes.main_stream;
        lx.stream_ended = includes.main_ended;
        includes.main_stream = nullptr;
        resume_main_read_ahead(lx);
    } else {
        SourceEntry *including = includes.top;
        lx.stream = reopen_at(including->path, including->resume_offset);
        start_include_read_ahead(lx);
        if (!lx.stream) {
            report_source_error(lx.host, at(finished->directive), lx.line, "#include file %s has changed",
                                including->path);
            // The input ends here, whatever is still on the stack.
            includes.ended_early = true;
            resumed = false;
        }
        lx.stream_ended = !resumed || including->ended;
    }
    includes.depth--;
    lx.line++;
    lx.column = 1;
    return resumed;
}

void lexer_close_includes(lexer_state &lx) {
    include_state &includes = lx.includes;
    if (includes.top) {
        if (lx.stream)
            std::fclose(lx.stream);
        lx.stream = includes.main_stream;
        lx.stream_ended = includes.main_ended;
        resume_main_read_ahead(lx);
        // The main file goes on after the directive of the bottom entry.
        const SourceEntry *bottom = includes.top;
        while (bottom->below)
            bottom = bottom->below;
        lx.file = bottom->directive.file;
        lx.file_line = bottom->directive.line + 1;
    }
    release_entries(lx, includes.top);
    release_entries(lx, includes.finished);
    includes.top = includes.finished = nullptr;
    includes.main_stream = nullptr;
    includes.main_ended = false;
    includes.depth = 0;
    includes.ended_early = false;
}

void include_reset(lexer_state &lx) {
    lexer_close_includes(lx);
    lx.includes.nesting_limit = include_state::kIncludeNestingLimit;
    lx.includes.files_opened = 0;
}

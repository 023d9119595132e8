// Test support for the lexer: read a small file token by token
#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#ifdef _WIN32
#include <io.h>
#endif

#include "base/text_input.h"
#include "lexer/keywords.h"
#include "lexer/lexer.h"
#include "support/recorder.h"

// One token as the lexer returned it, its value copied out and released.
// `what` shows it in a few characters: an identifier VALUE, a string
// "value", an integer #text=value/kind, a real ~text=value, a keyword [TEXT]
// (?token when its number is not its spelling's), a single character 'c'
// (?code when the code is not the text's), the end $ and a failure !. Then
// /written where the text as written is not the identifier's value (or is
// there at all for others), |text where an identifier's or integer's token
// text differs from its value, and ?value where a value is missing or
// unexpected.
struct LexedToken {
    int token = 0;
    std::string text, value, written, what;  // value: identifier (upper case), string or integer text
    int32_t line = 0;                        // the line number right after it was read
};

// Reads `contents`, written to a temporary file and opened as the library
// opens a source, through the lexer, with every message going to `host`.
class LexerReader {
public:
    LexerReader(Recorder &host, const std::string &name, const std::string &contents)
        : stream_(std::fopen(write_temp_file(name, contents).c_str(), kTextReadMode)) {
        lexer_reset(host.host());
        lexer_set_stream(stream_);
        lexer_set_name_mode(false);
    }
    ~LexerReader() {
        lexer_close_includes();
        lexer_set_stream(nullptr);
        if (stream_)
            std::fclose(stream_);
    }

    LexedToken next() {
        LexedToken t;
        t.token = lexer_next_token();
        TokenValue value = lexer_take_value();
        t.text = lexer_token_text();
        t.line = lexer_line();
        bool valued = t.token >= LEX_IDENTIFIER && t.token <= LEX_REAL;
        std::string what = t.token == 0 ? "$" : t.token < 0 ? "!" : t.token < 256 ? "'" + t.text + "'" : "[" + t.text + "]";
        if (t.token > 0 && t.token < 256 && (t.text.size() != 1 || t.token != static_cast<unsigned char>(t.text[0])))
            what += "?" + std::to_string(t.token);
        if (t.token > 256 && !valued && keyword_lookup(t.text.c_str()) != t.token)
            what += "?" + std::to_string(t.token);
        bool has_value = value.text || value.integer || value.real;
        if (has_value != valued)
            what += "?value";
        if ((t.token == LEX_IDENTIFIER || t.token == LEX_STRING) && value.text) {
            t.value = value.text;
            what = t.token == LEX_STRING ? '"' + t.value + '"' : t.value;
        } else if (t.token == LEX_INTEGER && value.integer) {
            t.value = value.integer->text;
            what = "#" + t.value + "=" + std::to_string(value.integer->value) + "/" +
                   std::to_string(value.integer->kind);
        } else if (t.token == LEX_REAL && value.real) {
            char real[32];
            std::snprintf(real, sizeof real, "%g", *value.real);
            what = "~" + t.text + "=" + real;
        }
        std::free(value.text);
        if (value.integer)
            std::free(value.integer->text);
        std::free(value.integer);
        std::free(value.real);
        char *written = lexer_take_written_text();
        t.written = written ? written : "";
        std::free(written);
        if (t.written != (t.token == LEX_IDENTIFIER ? t.value : ""))
            what += "/" + t.written;
        if ((t.token == LEX_IDENTIFIER || t.token == LEX_INTEGER) && t.text != t.value)
            what += "|" + t.text;
        t.what = what;
        return t;
    }
    // Every token up to and including the end (0) or a failure (-1).
    std::vector<LexedToken> all() {
        std::vector<LexedToken> tokens;
        do
            tokens.push_back(next());
        while (tokens.back().token > 0 && tokens.size() < 100000);
        return tokens;
    }

private:
    FILE *stream_;
};

// Each token's `what`, then @line from line 2 on where lines are wanted.
inline std::vector<std::string> describe(const std::vector<LexedToken> &tokens, bool with_lines = true) {
    std::vector<std::string> out;
    for (const LexedToken &t : tokens)
        out.push_back(t.line == 1 || !with_lines ? t.what : t.what + "@" + std::to_string(t.line));
    return out;
}

// A syntax message with its detail line, as the lexer reports it.
inline std::string at_line(int line, const std::string &detail) {
    return "syntax error >> line " + std::to_string(line) + "\n" + std::string(12, ' ') + detail;
}

// How many files the process has open: on Windows the runtime's descriptors
// (it answers -1 for one that is not open), elsewhere those under /proc.
inline int open_descriptors() {
    int count = 0;
#ifdef _WIN32
    for (int descriptor = 0; descriptor < _getmaxstdio(); descriptor++)
        count += _get_osfhandle(descriptor) != -1;
#else
    for ([[maybe_unused]] const auto &entry : std::filesystem::directory_iterator("/proc/self/fd"))
        ++count;
#endif
    return count;
}

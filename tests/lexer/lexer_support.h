// Test support for the lexer: read a small file token by token
#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "grammar/parser_state.h"
#include "lexer/keywords.h"
#include "lexer/lexer.h"
#include "oxel_parser.hh"
#include "support/recorder.h"

// One token as yylex returned it, its value copied out and released.
struct LexedToken {
    int token = 0;
    std::string text, value, written;  // token text; identifier (upper case), string or integer text; as written
    int32_t line = 0;                  // the line number right after it was read
    bool has_value = false;            // yylval held a value (keywords leave null)
    int32_t integer = 0, kind = 0;
    double real = 0;
};

// Reads `contents`, written to a temporary file, through the lexer, with
// every message going to `host`.
class LexerReader {
public:
    LexerReader(Recorder &host, const std::string &name, const std::string &contents)
        : stream_(std::fopen(write_temp_file(name, contents).c_str(), "r")) {
        lexer_reset();
        lexer_set_stream(stream_);
        reset_parse_context(host.host());
    }
    ~LexerReader() {
        lexer_close_includes();
        lexer_set_stream(nullptr);
        if (stream_)
            std::fclose(stream_);
    }
    LexerReader(const LexerReader &) = delete;
    LexerReader &operator=(const LexerReader &) = delete;

    LexedToken next() {
        LexedToken out;
        out.token = yylex();
        out.text = lexer_token_text();
        out.line = lexer_line();
        out.has_value = out.token > 256 && yylval.text != nullptr;
        if (out.token == TK_IDENTIFIER || out.token == TK_STRING) {
            out.value = yylval.text ? yylval.text : "";
            std::free(yylval.text);
        } else if (out.token == TK_INTEGER) {
            out.value = yylval.integer->text;
            out.integer = yylval.integer->value;
            out.kind = yylval.integer->kind;
            std::free(yylval.integer->text);
            std::free(yylval.integer);
        } else if (out.token == TK_REAL) {
            out.real = *yylval.real;
            std::free(yylval.real);
        }
        char *written = lexer_take_written_text();
        out.written = written ? written : "";
        std::free(written);
        yylval.text = nullptr;  // what was released must not be seen behind a later token
        return out;
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

// A token in a few characters: an identifier VALUE, a string "value", an
// integer #text=value/kind, a real ~text=value, a keyword [TEXT], a single
// character 'c', the end $ and a failure !; ?token where a keyword's
// number is not its spelling's. Then /written where the text as
// written is not the identifier's value (or is there at all for others),
// |text where an identifier's or integer's token text differs from its
// value, ?value where the value is missing or unexpected, and @line from
// line 2 on.
inline std::string describe(const LexedToken &t, bool with_line = true) {
    std::string s = t.token == 0 ? "$" : t.token < 0 ? "!" : t.token < 256 ? "'" + t.text + "'" : "[" + t.text + "]";
    if (t.token > 256 && t.token < TK_IDENTIFIER && keyword_lookup(t.text.c_str()) != t.token)
        s += "?" + std::to_string(t.token);
    if (t.token == TK_IDENTIFIER)
        s = t.value;
    else if (t.token == TK_STRING)
        s = '"' + t.value + '"';
    else if (t.token == TK_INTEGER)
        s = "#" + t.value + "=" + std::to_string(t.integer) + "/" + std::to_string(t.kind);
    else if (t.token == TK_REAL) {
        char real[32];
        std::snprintf(real, sizeof real, "%g", t.real);
        s = "~" + t.text + "=" + real;
    }
    else if (t.token > 0 && t.token < 256 && (t.text.size() != 1 || t.token != static_cast<unsigned char>(t.text[0])))
        s += "?" + std::to_string(t.token);
    if (t.written != (t.token == TK_IDENTIFIER ? t.value : ""))
        s += "/" + t.written;
    if ((t.token == TK_IDENTIFIER || t.token == TK_INTEGER) && t.text != t.value)
        s += "|" + t.text;
    if (t.has_value != (t.token >= TK_IDENTIFIER && t.token <= TK_REAL))
        s += "?value";
    return t.line == 1 || !with_line ? s : s + "@" + std::to_string(t.line);
}

inline std::vector<std::string> describe(const std::vector<LexedToken> &tokens, bool with_lines = true) {
    std::vector<std::string> out;
    for (const LexedToken &t : tokens)
        out.push_back(describe(t, with_lines));
    return out;
}

// A syntax message with its detail line, as the lexer reports it.
inline std::string at_line(int line, const std::string &detail) {
    return "syntax error >> line " + std::to_string(line) + "\n" + std::string(12, ' ') + detail;
}

// How many files the process has open.
inline int open_descriptors() {
    int count = 0;
    for ([[maybe_unused]] const auto &entry : std::filesystem::directory_iterator("/proc/self/fd"))
        ++count;
    return count;
}

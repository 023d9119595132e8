// Test support for the lexer: read a small file token by token
#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "grammar/parser_state.h"
#include "lexer/lexer.h"
#include "oxel_parser.hh"
#include "support/recorder.h"

// One token as yylex returned it, its value copied out and released.
struct LexedToken {
    int token = 0;
    std::string text;          // the token text
    int32_t line = 0;          // the line number right after it was read
    std::string value;         // identifier (upper case), string, integer text
    std::string written;       // identifier as written
    bool has_value = false;    // yylval held a value (keywords leave null)
    int32_t integer_value = 0;
    int32_t integer_kind = 0;
    double real = 0;
};

// The next token from the lexer's current source; its value is released.
inline LexedToken next_token() {
    LexedToken out;
    out.token = yylex();
    out.text = lexer_token_text();
    out.line = lexer_line();
    switch (out.token) {
    case TK_IDENTIFIER:
    case TK_STRING:
        out.has_value = yylval.text != nullptr;
        out.value = yylval.text ? yylval.text : "";
        std::free(yylval.text);
        break;
    case TK_INTEGER:
        out.has_value = yylval.integer != nullptr;
        out.value = yylval.integer->text;
        out.integer_value = yylval.integer->value;
        out.integer_kind = yylval.integer->kind;
        std::free(yylval.integer->text);
        std::free(yylval.integer);
        break;
    case TK_REAL:
        out.has_value = yylval.real != nullptr;
        out.real = *yylval.real;
        std::free(yylval.real);
        break;
    default:
        if (out.token > 256)
            out.has_value = yylval.text != nullptr;
        break;
    }
    char *written = lexer_take_written_text();
    if (written)
        out.written = written;
    std::free(written);
    // What was released must not be seen again behind a later token.
    yylval.text = nullptr;
    return out;
}

// Reads `contents`, written to a temporary file, through the lexer, with
// every message of the lexer going to `host`.
class LexerReader {
public:
    LexerReader(Recorder &host, const std::string &name, const std::string &contents)
        : path_(write_temp_file(name, contents)) {
        stream_ = std::fopen(path_.c_str(), "r");
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

    const std::string &path() const { return path_; }
    LexedToken next() { return next_token(); }
    // Every token up to and including the end (0) or a failure (-1).
    std::vector<LexedToken> all() {
        std::vector<LexedToken> tokens;
        do
            tokens.push_back(next_token());
        while (tokens.back().token > 0 && tokens.size() < 100000);
        return tokens;
    }

private:
    std::string path_;
    FILE *stream_ = nullptr;
};

inline std::vector<int> token_numbers(const std::vector<LexedToken> &tokens) {
    std::vector<int> numbers;
    for (const LexedToken &t : tokens)
        numbers.push_back(t.token);
    return numbers;
}

// How many files the process has open.
inline int open_descriptors() {
    int count = 0;
    for ([[maybe_unused]] const auto &entry : std::filesystem::directory_iterator("/proc/self/fd"))
        ++count;
    return count;
}

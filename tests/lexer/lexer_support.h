// Lexer tests: read a small file token by token, each token written out in a few characters
#pragma once

#include <cstdio>
#include <memory>

#include "base/memory.h"
#include "base/text_input.h"
#include "lexer/keywords.h"
#include "lexer/lexer.h"
#include "lexer/lexer_state.h"
#include "support/recorder.h"

// One token as the lexer returned it, its value copied out and released. `what` shows it: an identifier
// VALUE, a string "value", an integer #text=value/kind, a real ~text=value, a keyword [TEXT] (?token when
// its number is not its spelling's), a single character 'c' (?code when the code is not the text's), the
// end $ and a failure ! (with its number unless it is -1). Then /written where an identifier's value, its
// text as written, is not its upper-cased token text, |text where an integer's token text differs from its
// value, and ?value where a value is missing or unexpected.
struct LexedToken {
    int token = 0;
    std::string value, what;  // value: identifier (upper case), string or integer text
    int32_t line = 0;         // the line number right after it was read
};

// Reads `contents`, written to a temporary file opened as the library opens a source, through a lexer of
// its own or the one given (which a new file resets).
class LexerReader {
public:
    LexerReader(Recorder &host, const std::string &contents, const std::string &name = "tokens.oxel",
                lexer_state *shared = nullptr)
        : own_(shared ? nullptr : std::make_unique<lexer_state>()), lexer_(shared ? *shared : *own_),
          stream_(std::fopen(write_temp_file(name, contents).c_str(), kTextReadMode)) {
        lexer_reset(lexer_, host.host());
        lexer_set_stream(lexer_, stream_);
        lexer_set_name_mode(lexer_, false);
    }
    ~LexerReader() {
        lexer_close_includes(lexer_);
        lexer_set_stream(lexer_, nullptr);
        std::fclose(stream_);
    }

    lexer_state &lexer() { return lexer_; }

    LexedToken next() {
        LexedToken t;
        t.token = lexer_next_token(lexer_);
        TokenValue value = lexer_take_value(lexer_);
        const std::string text = lexer_token_text(lexer_);
        t.line = lexer_line(lexer_);
        const bool valued = t.token >= LEX_IDENTIFIER && t.token <= LEX_REAL;
        t.what = t.token == 0    ? "$"
                 : t.token == -1 ? "!"
                 : t.token < 0   ? "!" + std::to_string(t.token)
                 : t.token < 256 ? "'" + text + "'"
                                 : "[" + text + "]";
        if ((t.token > 0 && t.token < 256 &&
             (text.size() != 1 || t.token != static_cast<unsigned char>(text[0]))) ||
            (t.token > 256 && !valued && keyword_lookup(text.c_str()) != t.token))
            t.what += "?" + std::to_string(t.token);
        if ((value.text || value.integer.text || value.real) != valued)
            t.what += "?value";
        // An identifier's value is its text as written; the token text holds
        // it upper-cased.
        std::string written = "(null)";
        if (t.token == LEX_IDENTIFIER && value.text) {
            t.value = text;
            t.what = t.value;
            written = value.text;
        } else if (t.token == LEX_STRING && value.text) {
            t.value = value.text;
            t.what = '"' + t.value + '"';
        } else if (t.token == LEX_INTEGER && value.integer.text) {
            t.value = value.integer.text;
            t.what = "#" + t.value + "=" + std::to_string(value.integer.value) + "/" +
                     std::to_string(value.integer.kind);
        } else if (t.token == LEX_REAL && value.real) {
            char real[32];
            std::snprintf(real, sizeof real, "%g", *value.real);
            t.what = "~" + text + "=" + real;
        }
        mem_free(nullptr, value.text);
        mem_free(nullptr, value.integer.text);
        mem_free(nullptr, value.real);
        if (written != (t.token == LEX_IDENTIFIER ? t.value : "(null)"))
            t.what += "/" + written;
        if ((t.token == LEX_IDENTIFIER || t.token == LEX_INTEGER) && text != t.value)
            t.what += "|" + text;
        return t;
    }
    // Every token up to and including the end (0) or a failure (-1), as
    // `what`, then @line from line 2 on where lines are wanted.
    Texts all(bool with_lines = true) {
        Texts out;
        LexedToken t;
        do {
            t = next();
            out.push_back(t.line == 1 || !with_lines ? t.what : t.what + "@" + std::to_string(t.line));
        } while (t.token > 0 && out.size() < 100000);
        return out;
    }

private:
    std::unique_ptr<lexer_state> own_;
    lexer_state &lexer_;
    FILE *stream_;
};

// A syntax message with its detail line, as the lexer reports it.
inline std::string at_line(int line, const std::string &detail) {
    return "syntax error >> line " + std::to_string(line) + "\n" + std::string(12, ' ') + detail;
}

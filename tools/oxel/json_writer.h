// oxel show: a small writer of well-formed, indented JSON
#pragma once

#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

class JsonWriter {
public:
    explicit JsonWriter(FILE *out) : out_(out) {}

    void begin_object() { open('{'); }
    void end_object() { close('}'); }
    void begin_array() { open('['); }
    void end_array() { close(']'); }

    // The name of the next member of an object.
    void key(const char *name) {
        separate();
        write_string(name);
        std::fputs(": ", out_);
        after_key_ = true;
    }
    void string(const std::optional<std::string> &value) {
        separate();
        if (value)
            write_string(*value);
        else
            std::fputs("null", out_);
    }
    void number(long long value) {
        separate();
        std::fprintf(out_, "%lld", value);
    }
    // A number JSON cannot hold (infinite, not a number) is written null.
    void number(double value) {
        separate();
        if (std::isfinite(value))
            std::fprintf(out_, "%.15g", value);
        else
            std::fputs("null", out_);
    }
    void boolean(bool value) {
        separate();
        std::fputs(value ? "true" : "false", out_);
    }
    void null() {
        separate();
        std::fputs("null", out_);
    }
    void finish() { std::fputc('\n', out_); }

    // A member and its value in one.
    void member(const char *name, const std::optional<std::string> &value) {
        key(name);
        string(value);
    }
    void member(const char *name, long long value) {
        key(name);
        number(value);
    }

private:
    // Quotes and escapes a text. Valid UTF-8 passes as it is; any other byte
    // is written as the code point of the same number, so that the document
    // stays valid whatever the file held.
    void write_string(const std::string &text) {
        std::fputc('"', out_);
        for (size_t i = 0; i < text.size();) {
            // A run of printable ASCII goes out in one write.
            size_t run = i;
            while (run < text.size() && text[run] >= 0x20 && text[run] < 0x7f && text[run] != '"' &&
                   text[run] != '\\')
                run++;
            if (run > i) {
                std::fwrite(text.data() + i, 1, run - i, out_);
                i = run;
                continue;
            }
            unsigned char c = static_cast<unsigned char>(text[i]);
            size_t length = utf8_length(text, i);
            if (c == '"' || c == '\\') {
                std::fprintf(out_, "\\%c", c);
            } else if (c < 0x20 || (c >= 0x80 && length == 0)) {
                std::fprintf(out_, "\\u%04x", c);
            } else if (c >= 0x80) {
                std::fwrite(text.data() + i, 1, length, out_);
                i += length;
                continue;
            } else {
                std::fputc(c, out_);
            }
            i++;
        }
        std::fputc('"', out_);
    }

    // The length of the well-formed UTF-8 sequence at `i`, 0 when there is
    // none there.
    static size_t utf8_length(const std::string &text, size_t i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        size_t length = c >= 0xf0 && c <= 0xf4 ? 4 : c >= 0xe0 ? 3 : c >= 0xc2 && c < 0xe0 ? 2 : 0;
        if (c >= 0xf5 || length == 0 || i + length > text.size())
            return 0;
        for (size_t k = 1; k < length; k++)
            if ((static_cast<unsigned char>(text[i + k]) & 0xc0) != 0x80)
                return 0;
        unsigned char next = static_cast<unsigned char>(text[i + 1]);
        // Overlong forms, surrogates and code points above U+10FFFF.
        if ((c == 0xe0 && next < 0xa0) || (c == 0xed && next >= 0xa0) ||
            (c == 0xf0 && next < 0x90) || (c == 0xf4 && next >= 0x90))
            return 0;
        return length;
    }

    void open(char bracket) {
        separate();
        std::fputc(bracket, out_);
        first_.push_back(true);
    }
    void close(char bracket) {
        bool empty = first_.back();
        first_.pop_back();
        if (!empty)
            newline();
        std::fputc(bracket, out_);
    }
    // The comma and the line break before a value or a key.
    void separate() {
        if (after_key_) {
            after_key_ = false;
            return;
        }
        if (first_.empty())
            return;
        if (!first_.back())
            std::fputc(',', out_);
        first_.back() = false;
        newline();
    }
    void newline() { std::fprintf(out_, "\n%*s", static_cast<int>(2 * first_.size()), ""); }

    FILE *out_;
    std::vector<bool> first_;   // per open bracket: nothing written in it yet
    bool after_key_ = false;
};

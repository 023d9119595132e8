// Tool tests: a strict little JSON reader, to read the tool's output back
#pragma once

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

// A JSON value; an object's members and an array's items are both kept in
// `items`, in order, with an object's keys beside them in `keys`.
struct JsonValue {
    enum Kind { kNull, kBool, kNumber, kString, kArray, kObject } kind = kNull;
    double number = 0;
    std::string text;
    std::vector<std::string> keys;
    std::vector<JsonValue> items;

    const JsonValue &operator[](const std::string &key) const {  // null when absent
        static const JsonValue none;
        for (size_t i = 0; kind == kObject && i < keys.size(); i++)
            if (keys[i] == key)
                return items[i];
        return none;
    }
    const JsonValue &operator[](size_t index) const { return items.at(index); }
    bool is_null() const { return kind == kNull; }
};

// Reads one JSON document (UTF-8, no trailing commas, nothing after the
// value but white space); false on any syntax error.
struct JsonReader {
    const std::string &s;
    size_t at = 0;

    static bool read(const std::string &text, JsonValue *value) {
        JsonReader reader{text};
        return reader.value(value) && (reader.space(), reader.at == text.size());
    }
    char peek() const { return at < s.size() ? s[at] : '\0'; }
    void space() { at = std::min(s.find_first_not_of(" \t\n\r", at), s.size()); }
    bool take(char c) { return space(), peek() == c && ++at; }

    bool value(JsonValue *v) {
        if (take('[') || take('{'))
            return list(v, s[at - 1]);
        if (peek() == '"')
            return v->kind = JsonValue::kString, string(&v->text);
        for (const char *word : {"true", "false", "null"})
            if (s.compare(at, std::strlen(word), word) == 0) {
                v->kind = *word == 'n' ? JsonValue::kNull : JsonValue::kBool;
                return at += std::strlen(word), true;
            }
        const size_t start = at;
        at += peek() == '-';
        if (!(peek() == '0' ? ++at : digits()) || (peek() == '.' && (++at, !digits())))
            return false;
        if (peek() == 'e' || peek() == 'E') {
            at += 1 + (s[at + 1] == '+' || s[at + 1] == '-');
            if (!digits())
                return false;
        }
        v->kind = JsonValue::kNumber;
        v->number = std::strtod(s.substr(start, at - start).c_str(), nullptr);
        return true;
    }
    bool digits() {
        const size_t start = at;
        while (peek() >= '0' && peek() <= '9')
            at++;
        return at > start;
    }

    bool list(JsonValue *v, char open) {
        v->kind = open == '{' ? JsonValue::kObject : JsonValue::kArray;
        const char close = open == '{' ? '}' : ']';
        if (take(close))
            return true;
        do {
            std::string &key = v->keys.emplace_back();
            JsonValue &item = v->items.emplace_back();
            if ((open == '{' && !(space(), string(&key) && take(':'))) || !value(&item))
                return false;
        } while (take(','));
        return take(close);
    }

    // A string; raw bytes must be printable ASCII or well-formed UTF-8.
    bool string(std::string *out) {
        const char *escapes = "\"\\/bfnrt", *meant = "\"\\/\b\f\n\r\t";
        if (peek() != '"')
            return false;
        for (at++; at < s.size();) {
            unsigned char c = s[at++];
            // Continuation bytes of a UTF-8 sequence; -1 for a byte no sequence starts with.
            int more = c < 0x80 ? 0 : c < 0xc2 || c >= 0xf5 ? -1 : c < 0xe0 ? 1 : c < 0xf0 ? 2 : 3;
            if (c == '"')
                return true;
            if (c < 0x20 || more < 0)
                return false;
            if (c == '\\' && peek() && std::strchr(escapes, peek())) {
                out->push_back(meant[std::strchr(escapes, s[at++]) - escapes]);
            } else if (c == '\\') {
                size_t hex_end = s.find_first_not_of("0123456789abcdefABCDEF", at + 1);
                if (peek() != 'u' || std::min(hex_end, s.size()) < at + 5)
                    return false;
                unsigned long code = std::stoul(s.substr(at + 1, 4), nullptr, 16);
                at += 5;
                int n = code < 0x80 ? 0 : code < 0x800 ? 1 : 2;  // UTF-8 continuation bytes
                out->push_back(char(n == 0 ? code : (n == 1 ? 0xc0 : 0xe0) | code >> 6 * n));
                for (; n > 0; n--)
                    out->push_back(char(0x80 | (code >> 6 * (n - 1) & 0x3f)));
            } else {
                for (out->push_back(c); more > 0; more--, out->push_back(s[at++]))
                    if ((peek() & 0xc0) != 0x80)
                        return false;
            }
        }
        return false;
    }
};

// Tool tests: a strict little JSON reader, to read the tool's output back
#pragma once

#include <cstdlib>
#include <string>
#include <vector>

struct JsonValue {
    enum Kind { kNull, kBool, kNumber, kString, kArray, kObject } kind = kNull;
    bool boolean = false;
    double number = 0;
    std::string text;
    std::vector<JsonValue> items;        // an array's items, an object's values
    std::vector<std::string> keys;       // an object's keys, beside its values

    // A member of an object; a null value when there is none.
    const JsonValue &operator[](const std::string &key) const {
        static const JsonValue none;
        for (size_t i = 0; kind == kObject && i < keys.size(); i++)
            if (keys[i] == key)
                return items[i];
        return none;
    }
    const JsonValue &operator[](size_t index) const { return items.at(index); }
    bool is_null() const { return kind == kNull; }
};

// Reads one JSON document (RFC 8259: UTF-8, no trailing commas, nothing
// after the value but white space). False on any syntax error.
class JsonReader {
public:
    static bool read(const std::string &text, JsonValue *value) {
        JsonReader reader(text);
        return reader.value(value) && (reader.skip_space(), reader.at_ == text.size());
    }

private:
    explicit JsonReader(const std::string &text) : text_(text) {}

    void skip_space() {
        while (at_ < text_.size() &&
               (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n' || text_[at_] == '\r'))
            at_++;
    }
    bool take(char c) {
        skip_space();
        if (at_ < text_.size() && text_[at_] == c) {
            at_++;
            return true;
        }
        return false;
    }
    bool word(const char *w, JsonValue *value, JsonValue::Kind kind, bool flag) {
        size_t n = std::string(w).size();
        if (text_.compare(at_, n, w) != 0)
            return false;
        at_ += n;
        value->kind = kind;
        value->boolean = flag;
        return true;
    }

    bool value(JsonValue *value) {
        skip_space();
        if (at_ >= text_.size())
            return false;
        char c = text_[at_];
        if (c == '{')
            return object(value);
        if (c == '[')
            return array(value);
        if (c == '"') {
            value->kind = JsonValue::kString;
            return string(&value->text);
        }
        if (c == 't')
            return word("true", value, JsonValue::kBool, true);
        if (c == 'f')
            return word("false", value, JsonValue::kBool, false);
        if (c == 'n')
            return word("null", value, JsonValue::kNull, false);
        return number(value);
    }

    bool object(JsonValue *value) {
        value->kind = JsonValue::kObject;
        at_++;
        if (take('}'))
            return true;
        do {
            std::string key;
            JsonValue member;
            skip_space();
            if (!string(&key) || !take(':') || !this->value(&member))
                return false;
            value->keys.push_back(key);
            value->items.push_back(member);
        } while (take(','));
        return take('}');
    }

    bool array(JsonValue *value) {
        value->kind = JsonValue::kArray;
        at_++;
        if (take(']'))
            return true;
        do {
            JsonValue item;
            if (!this->value(&item))
                return false;
            value->items.push_back(item);
        } while (take(','));
        return take(']');
    }

    static bool digit(char c) { return c >= '0' && c <= '9'; }

    bool number(JsonValue *value) {
        size_t start = at_;
        if (at_ < text_.size() && text_[at_] == '-')
            at_++;
        if (at_ < text_.size() && text_[at_] == '0')
            at_++;
        else if (at_ < text_.size() && digit(text_[at_]))
            while (at_ < text_.size() && digit(text_[at_]))
                at_++;
        else
            return false;
        if (at_ < text_.size() && text_[at_] == '.') {
            if (++at_ >= text_.size() || !digit(text_[at_]))
                return false;
            while (at_ < text_.size() && digit(text_[at_]))
                at_++;
        }
        if (at_ < text_.size() && (text_[at_] == 'e' || text_[at_] == 'E')) {
            at_++;
            if (at_ < text_.size() && (text_[at_] == '+' || text_[at_] == '-'))
                at_++;
            if (at_ >= text_.size() || !digit(text_[at_]))
                return false;
            while (at_ < text_.size() && digit(text_[at_]))
                at_++;
        }
        value->kind = JsonValue::kNumber;
        value->number = std::strtod(text_.substr(start, at_ - start).c_str(), nullptr);
        return true;
    }

    static void append_utf8(std::string *out, unsigned code) {
        if (code < 0x80) {
            *out += static_cast<char>(code);
        } else if (code < 0x800) {
            *out += static_cast<char>(0xc0 | (code >> 6));
            *out += static_cast<char>(0x80 | (code & 0x3f));
        } else {
            *out += static_cast<char>(0xe0 | (code >> 12));
            *out += static_cast<char>(0x80 | ((code >> 6) & 0x3f));
            *out += static_cast<char>(0x80 | (code & 0x3f));
        }
    }

    // A string; raw bytes must be printable ASCII or well-formed UTF-8.
    bool string(std::string *out) {
        if (at_ >= text_.size() || text_[at_] != '"')
            return false;
        for (at_++; at_ < text_.size();) {
            unsigned char c = static_cast<unsigned char>(text_[at_++]);
            if (c == '"')
                return true;
            if (c < 0x20)
                return false;
            if (c == '\\') {
                if (at_ >= text_.size())
                    return false;
                char e = text_[at_++];
                const std::string simple = "\"\\/bfnrt";
                const std::string meant = "\"\\/\b\f\n\r\t";
                size_t k = simple.find(e);
                if (k != std::string::npos) {
                    *out += meant[k];
                } else if (e == 'u' && at_ + 4 <= text_.size()) {
                    std::string hex = text_.substr(at_, 4);
                    if (hex.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
                        return false;
                    append_utf8(out, static_cast<unsigned>(std::strtoul(hex.c_str(), nullptr, 16)));
                    at_ += 4;
                } else {
                    return false;
                }
            } else if (c >= 0x80) {
                size_t length = c >= 0xf0 && c <= 0xf4 ? 4 : c >= 0xe0 ? 3 : c >= 0xc2 && c < 0xe0 ? 2 : 0;
                if (length == 0 || at_ - 1 + length > text_.size())
                    return false;
                *out += static_cast<char>(c);
                for (size_t k = 1; k < length; k++) {
                    unsigned char next = static_cast<unsigned char>(text_[at_++]);
                    if ((next & 0xc0) != 0x80)
                        return false;
                    *out += static_cast<char>(next);
                }
            } else {
                *out += static_cast<char>(c);
            }
        }
        return false;
    }

    const std::string &text_;
    size_t at_ = 0;
};

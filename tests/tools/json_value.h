// A JSON document read into a tree, strictly: what the tool writes must be well-formed JSON
#pragma once

#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

struct JsonMember;

struct JsonValue {
    enum Type { kNull, kBool, kNumber, kString, kArray, kObject } type = kNull;
    bool boolean = false;
    double number = 0;
    bool integral = false;   // written without fraction or exponent
    std::string string;
    std::vector<JsonValue> items;
    std::vector<JsonMember> members;   // in document order

    bool is(Type t) const { return type == t; }
    // The member of that name, or null when there is none (or this is no object).
    const JsonValue *get(const std::string &name) const;
    // The text of a string member; empty for any other.
    std::string text(const std::string &name) const;
};

struct JsonMember {
    std::string key;
    JsonValue value;
};

inline const JsonValue *JsonValue::get(const std::string &name) const {
    for (const JsonMember &member : members)
        if (member.key == name)
            return &member.value;
    return nullptr;
}

inline std::string JsonValue::text(const std::string &name) const {
    const JsonValue *value = get(name);
    return value && value->is(kString) ? value->string : "";
}

// Reads a whole document; on a fault `error` says where and what, and the result is null.
class JsonReader {
public:
    explicit JsonReader(const std::string &text) : text_(text) {}

    JsonValue read(std::string &error) {
        JsonValue value;
        if (!value_at(value) || (blanks(), at_ != text_.size() && fail("text after the document"))) {
            error = error_;
            return {};
        }
        if (!error_.empty()) {
            error = error_;
            return {};
        }
        return value;
    }

private:
    bool fail(const std::string &what) {
        if (error_.empty())
            error_ = "at byte " + std::to_string(at_) + ": " + what;
        return false;
    }
    void blanks() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\n' || text_[at_] == '\t' || text_[at_] == '\r'))
            at_++;
    }
    bool word(const char *w, JsonValue &value, JsonValue::Type type, bool boolean) {
        std::string expected(w);
        if (text_.compare(at_, expected.size(), expected) != 0)
            return fail("unknown word");
        at_ += expected.size();
        value.type = type;
        value.boolean = boolean;
        return true;
    }
    bool value_at(JsonValue &value) {
        if (++depth_ > 200)
            return fail("nested too deep");
        blanks();
        if (at_ >= text_.size())
            return fail("unexpected end");
        bool ok = false;
        switch (text_[at_]) {
        case '{': ok = object(value); break;
        case '[': ok = array(value); break;
        case '"': value.type = JsonValue::kString; ok = string(value.string); break;
        case 't': ok = word("true", value, JsonValue::kBool, true); break;
        case 'f': ok = word("false", value, JsonValue::kBool, false); break;
        case 'n': ok = word("null", value, JsonValue::kNull, false); break;
        default: ok = number(value); break;
        }
        depth_--;
        return ok;
    }
    bool object(JsonValue &value) {
        value.type = JsonValue::kObject;
        at_++;
        blanks();
        if (at_ < text_.size() && text_[at_] == '}') {
            at_++;
            return true;
        }
        for (;;) {
            blanks();
            std::string key;
            if (at_ >= text_.size() || text_[at_] != '"' || !string(key))
                return fail("a member's name expected");
            for (const JsonMember &member : value.members)
                if (member.key == key)
                    return fail("member \"" + key + "\" given twice");
            blanks();
            if (at_ >= text_.size() || text_[at_++] != ':')
                return fail("':' expected");
            JsonValue member;
            if (!value_at(member))
                return false;
            value.members.push_back({key, std::move(member)});
            blanks();
            if (at_ < text_.size() && text_[at_] == ',') {
                at_++;
                continue;
            }
            if (at_ < text_.size() && text_[at_] == '}') {
                at_++;
                return true;
            }
            return fail("',' or '}' expected");
        }
    }
    bool array(JsonValue &value) {
        value.type = JsonValue::kArray;
        at_++;
        blanks();
        if (at_ < text_.size() && text_[at_] == ']') {
            at_++;
            return true;
        }
        for (;;) {
            JsonValue item;
            if (!value_at(item))
                return false;
            value.items.push_back(std::move(item));
            blanks();
            if (at_ < text_.size() && text_[at_] == ',') {
                at_++;
                continue;
            }
            if (at_ < text_.size() && text_[at_] == ']') {
                at_++;
                return true;
            }
            return fail("',' or ']' expected");
        }
    }
    static void append_utf8(std::string &out, unsigned code) {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xc0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3f));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xe0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3f));
            out += static_cast<char>(0x80 | (code & 0x3f));
        } else {
            out += static_cast<char>(0xf0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3f));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3f));
            out += static_cast<char>(0x80 | (code & 0x3f));
        }
    }
    bool hex4(unsigned &code) {
        if (at_ + 4 > text_.size())
            return fail("short \\u escape");
        code = 0;
        for (int i = 0; i < 4; i++) {
            char c = text_[at_++];
            int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
            if (digit < 0)
                return fail("bad \\u escape");
            code = code * 16 + static_cast<unsigned>(digit);
        }
        return true;
    }
    bool string(std::string &out) {
        at_++;
        while (at_ < text_.size() && text_[at_] != '"') {
            unsigned char c = static_cast<unsigned char>(text_[at_]);
            if (c < 0x20)
                return fail("a control character in a string");
            if (c != '\\') {
                out += static_cast<char>(c);
                at_++;
                continue;
            }
            if (++at_ >= text_.size())
                return fail("unexpected end");
            char e = text_[at_++];
            switch (e) {
            case '"': out += '"'; break;
            case '\\': out += '\\'; break;
            case '/': out += '/'; break;
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case 'u': {
                unsigned code = 0;
                if (!hex4(code))
                    return false;
                if (code >= 0xd800 && code < 0xdc00) {
                    unsigned low = 0;
                    if (text_.compare(at_, 2, "\\u") != 0 || (at_ += 2, !hex4(low)) || low < 0xdc00 || low >= 0xe000)
                        return fail("a lone surrogate");
                    code = 0x10000 + ((code - 0xd800) << 10) + (low - 0xdc00);
                }
                append_utf8(out, code);
                break;
            }
            default: return fail("unknown escape");
            }
        }
        if (at_ >= text_.size())
            return fail("unterminated string");
        at_++;
        return true;
    }
    bool number(JsonValue &value) {
        size_t start = at_;
        if (at_ < text_.size() && text_[at_] == '-')
            at_++;
        auto digits = [&] {
            size_t from = at_;
            while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9')
                at_++;
            return at_ - from;
        };
        size_t whole = digits();
        if (whole == 0 || (whole > 1 && text_[at_ - whole] == '0'))
            return fail("bad number");
        value.integral = true;
        if (at_ < text_.size() && text_[at_] == '.') {
            at_++;
            value.integral = false;
            if (digits() == 0)
                return fail("bad fraction");
        }
        if (at_ < text_.size() && (text_[at_] == 'e' || text_[at_] == 'E')) {
            at_++;
            value.integral = false;
            if (at_ < text_.size() && (text_[at_] == '+' || text_[at_] == '-'))
                at_++;
            if (digits() == 0)
                return fail("bad exponent");
        }
        value.type = JsonValue::kNumber;
        value.number = std::strtod(text_.substr(start, at_ - start).c_str(), nullptr);
        return true;
    }

    const std::string &text_;
    size_t at_ = 0;
    int depth_ = 0;
    std::string error_;
};

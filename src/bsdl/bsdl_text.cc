// BSDL text: slices of the text read, their places, and names compared as VHDL compares them
#include "bsdl/bsdl_text.h"

#include <cstring>

#include "base/memory.h"

namespace {

// The classic locale's upper case, whatever the host has set.
char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

bool same_name(BsdlSlice a, BsdlSlice b) {
    if (a.length != b.length)
        return false;
    for (int32_t i = 0; i < a.length; i++)
        if (upper(a.text[i]) != upper(b.text[i]))
            return false;
    return true;
}

bool is_name(BsdlSlice slice, const char *word) {
    return same_name(slice, BsdlSlice{word, static_cast<int32_t>(std::strlen(word))});
}

uint32_t name_hash(BsdlSlice name) {
    uint32_t hash = 2166136261u;
    for (int32_t i = 0; i < name.length; i++)
        hash = (hash ^ static_cast<unsigned char>(upper(name.text[i]))) * 16777619u;
    return hash ^ hash >> 15;
}

char *copy_slice(HostContext *context, BsdlSlice slice) {
    return str_copy(context, slice.text, static_cast<size_t>(slice.length));
}

bool slice_number(BsdlSlice slice, int32_t *value) {
    if (slice.length < 1 || slice.length > 10)
        return false;
    int64_t number = 0;
    for (int32_t i = 0; i < slice.length; i++) {
        char c = slice.text[i];
        if (c < '0' || c > '9')
            return false;
        number = number * 10 + (c - '0');
    }
    if (number > INT32_MAX)
        return false;
    *value = static_cast<int32_t>(number);
    return true;
}

void upper_case(char *text, int32_t length) {
    for (int32_t i = 0; i < length; i++)
        text[i] = upper(text[i]);
}

const char *shown_slice(ShownSlice &buffer, BsdlSlice slice) {
    int32_t length = slice.length < kShownLength ? slice.length : kShownLength;
    std::memcpy(buffer.text, slice.text, static_cast<size_t>(length));
    if (length < slice.length) {
        std::memcpy(buffer.text + length, "...", 3);
        length += 3;
    }
    buffer.text[length] = '\0';
    // A message is one line of text: control characters show as '?'.
    for (int32_t i = 0; i < length; i++)
        if (static_cast<unsigned char>(buffer.text[i]) < ' ')
            buffer.text[i] = '?';
    return buffer.text;
}

// Component queries: writing a text into a host's buffer
#pragma once

#include <cstring>

#include "oxel32.h"

// Copies `text` into a buffer of `size` bytes, cut to fit and always
// terminated; the result is the whole text's length, so a result of `size`
// or more tells the host that the text was cut.
inline int32_t copy_to_buffer(char *buffer, int32_t size, const char *text) {
    size_t length = std::strlen(text);
    size_t kept = length < static_cast<size_t>(size) ? length : static_cast<size_t>(size) - 1;
    std::memcpy(buffer, text, kept);
    buffer[kept] = '\0';
    return static_cast<int32_t>(length);
}

// Test support for one check family: its messages, without those of the others
#pragma once

#include <algorithm>
#include <initializer_list>
#include <string>

#include "grammar/description_support.h"

// The "kind:text" lines whose text starts with one of `starts`, in order.
inline Texts messages_starting(const Texts &received, std::initializer_list<std::string> starts) {
    Texts out;
    for (const std::string &line : received)
        if (std::any_of(starts.begin(), starts.end(), [&](const std::string &s) { return line.find(s, 2) == 2; }))
            out.push_back(line);
    return out;
}

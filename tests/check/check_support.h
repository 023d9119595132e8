// Test support for the checks: parse a description, check it, read what the host received
#pragma once

#include <algorithm>
#include <initializer_list>
#include <string>

#include "support/recorder.h"

// A component section of `items`.
inline std::string component(const std::string &name, const std::string &items) {
    return "COMPONENT " + name + "\n" + items + "END COMPONENT\n";
}

// An instruction register (with `ir_items`) and the bypass register its one
// instruction connects: all a component without a standard needs.
inline std::string good_registers(const std::string &ir_items = "PURPOSE \"instructions\" CAPTURE \"01\"") {
    return "INSTRUCTION_REGISTER IR LENGTH 2 " + ir_items +
           "\n  INSTRUCTION_LIST BYPASS \"11\" BPR SAMPLE - END INSTRUCTION_LIST\nEND INSTRUCTION_REGISTER\n"
           "BYPASS_REGISTER BPR PURPOSE \"bypass\" LENGTH 1 CAPTURE \"0\" END BYPASS_REGISTER\n";
}

class CheckTest : public ParseTest {
protected:
    // Checks what was parsed; only the check's own messages are kept.
    int32_t check() {
        host.clear();
        return OxelCheck(host.host());
    }
    // Every message the host received, each "kind:text" with the kind as
    // E, W, N, P or S; the leading progress line of the run is left out.
    Texts received() const {
        Texts out;
        for (const RecordedMessage &m : host.messages)
            if (m.text != "OXEL global semantic check")
                out.push_back(std::string(1, "EWNPS"[m.kind]) + ":" + m.text);
        return out;
    }
};

inline bool all_roots_null() {
    DescriptionRoot *root = OxelGetInfo();
    return !root->header && !root->boards && !root->components && !root->pin_families;
}

// The "kind:text" lines whose text starts with one of `starts`, in order: one check family's messages.
inline Texts messages_starting(const Texts &received, std::initializer_list<std::string> starts) {
    Texts out;
    for (const std::string &line : received)
        if (std::any_of(starts.begin(), starts.end(), [&](const std::string &s) { return line.find(s, 2) == 2; }))
            out.push_back(line);
    return out;
}

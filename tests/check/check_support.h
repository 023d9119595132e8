// Test support for the checks: parse a description, check it, read what the host received
#pragma once

#include <algorithm>
#include <initializer_list>
#include <string>
#include <utility>

#include "base/memory.h"
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
    ComponentRecord *first_component() { return items_of<ComponentRecord>(OxelGetInfo()->components)[0]; }
    // Takes a text out of a parsed record: what the grammar cannot write, a host's own records may hold.
    void drop(char *&text) { mem_free(host.host(), std::exchange(text, nullptr)); }
};

inline bool all_roots_null() {
    DescriptionRoot *root = OxelGetInfo();
    return !root->header && !root->boards && !root->components && !root->pin_families;
}

// The "kind:text" lines whose text starts with (or, `anywhere`, holds) one of `marks`, in order: one
// check family's messages.
inline Texts messages_starting(const Texts &received, std::initializer_list<std::string> marks,
                               bool anywhere = false) {
    Texts out;
    for (const std::string &line : received)
        if (std::any_of(marks.begin(), marks.end(), [&](const std::string &mark) {
                size_t at = line.find(mark, 2);
                return anywhere ? at != line.npos : at == 2;
            }))
            out.push_back(line);
    return out;
}

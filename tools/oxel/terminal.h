// oxel: what a terminal gets beyond plain lines: colour and a progress counter
#pragma once

#include <cstdio>
#include <string>

// Colour is for a person at a terminal: never in a pipe or a file, and not
// when NO_COLOR is set at all (even empty).
bool colour_wanted(bool stream_is_terminal, const char *no_color_variable);
// The decision for a stream of this process.
bool stream_wants_colour(FILE *stream);
bool stream_is_terminal(FILE *stream);

// The escape sequences of the colours used; empty without colour.
struct Palette {
    const char *bold = "", *red = "", *yellow = "", *cyan = "", *reset = "";
};
Palette palette(bool colour);

// One line on a terminal, "[3/40] file.oxel", rewritten in place. A line
// printed meanwhile first clears it and then draws it anew below itself.
struct ProgressLine {
    FILE *stream = nullptr;   // null: no progress shown
    int index = 0, total = 0;
    std::string name;
};
void progress_show(ProgressLine &progress, int index, int total, const std::string &name);
// Clears the line before other output, and draws it again after.
void progress_hide(const ProgressLine &progress);
void progress_redraw(const ProgressLine &progress);
// Clears it for good.
void progress_finish(ProgressLine &progress);

// Section frame: the opening line of a section, its closing END line, and its name
#include "write/section_frame.h"

bool open_section(TextOut &out, const char *keyword, const char *name, const char *label) {
    begin_line(out);
    put_token(out, keyword);
    if (!put_name(out, name, NameSpot::name)) {
        cannot_write(out, label, name);
        return false;
    }
    out.depth++;
    return true;
}

void open_block(TextOut &out, const char *keyword) {
    begin_line(out);
    put_token(out, keyword);
    out.depth++;
}

void close_section(TextOut &out, const char *keyword) {
    out.depth--;
    begin_line(out);
    put_token(out, "END");
    put_token(out, keyword);
}

void open_statement(TextOut &out, const char *keyword) {
    begin_line(out);
    put_token(out, keyword);
    put_closing(out, ':');
}

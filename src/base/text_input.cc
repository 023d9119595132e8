// Text input: source files read alike on every platform
#include "base/text_input.h"

int read_text_char(FILE *stream) {
    int c = std::getc(stream);
    if (c == '\r') {
        int after = std::getc(stream);
        if (after == '\n')
            c = '\n';
        else if (after != EOF)
            std::ungetc(after, stream);
    }
    return c == kTextEndMark ? EOF : c;
}

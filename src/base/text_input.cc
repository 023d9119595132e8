// Text input: source files read alike on every platform
#include "base/text_input.h"

namespace {

// The library serves one caller on one thread: where the runtime offers it,
// a character is read without taking the stream's lock each time.
inline int next_char(FILE *stream) {
#if defined(__GLIBC__)
    return getc_unlocked(stream);
#else
    return std::getc(stream);
#endif
}

}  // namespace

int read_text_char(FILE *stream) {
    int c = next_char(stream);
    if (c == '\r') {
        int after = next_char(stream);
        if (after == '\n')
            c = '\n';
        else if (after != EOF)
            std::ungetc(after, stream);
    }
    return c == kTextEndMark ? EOF : c;
}

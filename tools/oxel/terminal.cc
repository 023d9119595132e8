// oxel: colour and the progress counter, both only for a terminal
#include "terminal.h"

#include <cstdlib>
#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

namespace {

// Back to the start of the line and erase it.
const char *const kClearLine = "\r\033[K";

// A longer name is cut from the front, so that the line never wraps.
constexpr size_t kNameRoom = 60;

}  // namespace

bool colour_wanted(bool stream_is_terminal, const char *no_color_variable) {
    return stream_is_terminal && !no_color_variable;
}

bool stream_is_terminal(FILE *stream) { return isatty(fileno(stream)) != 0; }

bool stream_wants_colour(FILE *stream) {
    return colour_wanted(stream_is_terminal(stream), std::getenv("NO_COLOR"));
}

Palette palette(bool colour) {
    if (!colour)
        return {};
    return {"\033[1m", "\033[31m", "\033[33m", "\033[36m", "\033[0m"};
}

void progress_show(ProgressLine &progress, int index, int total, const std::string &name) {
    progress.index = index;
    progress.total = total;
    progress.name = name;
    progress_redraw(progress);
}

void progress_hide(const ProgressLine &progress) {
    if (progress.stream && progress.total)
        std::fputs(kClearLine, progress.stream);
}

void progress_redraw(const ProgressLine &progress) {
    if (!progress.stream || !progress.total)
        return;
    const std::string &name = progress.name;
    std::string shown = name.size() > kNameRoom ? "..." + name.substr(name.size() - kNameRoom + 3) : name;
    std::fprintf(progress.stream, "%s[%d/%d] %s", kClearLine, progress.index, progress.total, shown.c_str());
    std::fflush(progress.stream);
}

void progress_finish(ProgressLine &progress) {
    progress_hide(progress);
    progress.total = 0;
}

// oxel draw and report: what they make, written whole to a file or to standard output
#include "output_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

std::string write_output(const char *path, const std::string &content) {
    if (!path) {
        const bool written = std::fwrite(content.data(), 1, content.size(), stdout) == content.size();
        if (std::fflush(stdout) != 0 || !written)
            return std::strerror(errno);
        return "";
    }
    std::FILE *file = std::fopen(path, "wb");
    if (!file)
        return std::strerror(errno);
    const bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size();
    const int saved = errno;
    if (std::fclose(file) != 0 || !written) {
        const std::string reason = std::strerror(written ? errno : saved);
        std::remove(path);
        return reason;
    }
    return "";
}

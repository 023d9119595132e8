// Text input: source files read alike on every platform
#include "base/text_input.h"

#include <sys/stat.h>

#if defined(_WIN32)

FILE *open_source_file(const char *path) {
    struct stat info;
    if (stat(path, &info) != 0 || (info.st_mode & S_IFMT) != S_IFREG)
        return nullptr;
    return std::fopen(path, kTextReadMode);
}

#else
#include <fcntl.h>
#include <unistd.h>

// The type is read from the file opened, not from its name, so that nothing
// can be put in its place in between. Opening does not wait for the writer
// of a pipe; on a regular file the flag changes nothing.
FILE *open_source_file(const char *path) {
    int descriptor = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return nullptr;
    struct stat info;
    if (fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(descriptor);
        return nullptr;
    }
    FILE *stream = fdopen(descriptor, kTextReadMode);
    if (!stream)
        close(descriptor);
    return stream;
}

#endif

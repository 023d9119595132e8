// oxel: standard input as a temporary file, and why a file cannot be read
#include "input_files.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

const char *temporary_folder() {
#ifdef _WIN32
    const char *folder = std::getenv("TEMP");
    return folder && *folder ? folder : ".";
#else
    const char *folder = std::getenv("TMPDIR");
    return folder && *folder ? folder : "/tmp";
#endif
}

// The library reads a file by its path: standard input is copied to one.
std::string copy_standard_input(InputFile &file) {
    std::string pattern = std::string(temporary_folder()) + "/oxel-stdin-XXXXXX";
    std::vector<char> path(pattern.begin(), pattern.end());
    path.push_back('\0');
    int descriptor = mkstemp(path.data());
    if (descriptor < 0)
        return std::strerror(errno);
    file.path = path.data();
    file.temporary = true;
    FILE *copy = fdopen(descriptor, "wb");
    if (!copy) {
        int error = errno;
        close(descriptor);
        return std::strerror(error);
    }
    char buffer[4096];
    size_t length;
    bool written = true;
    while ((length = std::fread(buffer, 1, sizeof buffer, stdin)) > 0)
        written = written && std::fwrite(buffer, 1, length, copy) == length;
    int error = std::ferror(stdin) || !written ? errno : 0;
    if (std::fclose(copy) != 0 && !error)
        error = errno;
    return error ? std::strerror(error) : "";
}

// Whether the file may be read, asked without opening it.
bool readable(const std::string &path) {
#ifdef _WIN32
    return _access(path.c_str(), 4) == 0;
#else
    return access(path.c_str(), R_OK) == 0;
#endif
}

}  // namespace

InputFile input_file(const char *argument) {
    if (std::strcmp(argument, "-") == 0)
        return {"<stdin>", "", true, false};
    return {argument, argument, false, false};
}

std::string prepare_input(InputFile &file) {
    if (file.standard_input && !file.temporary)
        return copy_standard_input(file);
    // Only the file's status is read: opening a named pipe for reading
    // would wait for a writer, and a device may never end.
    struct stat status;
    if (stat(file.path.c_str(), &status) != 0)
        return std::strerror(errno);
    if (!S_ISREG(status.st_mode))
        return "not a regular file";
    if (!readable(file.path))
        return std::strerror(errno);
    return "";
}

void release_input(InputFile &file) {
    if (file.temporary)
        std::remove(file.path.c_str());
    file.temporary = false;
}

// oxel show --oxel and import-bsdl: the description held, written as OXEL text
#include "oxel_text.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "output_file.h"

namespace {

void OXEL_CALLBACK append_text(void *user, const char *bytes, int32_t length) {
    static_cast<std::string *>(user)->append(bytes, static_cast<size_t>(length));
}

}  // namespace

int32_t write_oxel_text(HostContext *context, std::string &text) {
    return oxel_write_description(context, append_text, &text);
}

int32_t print_oxel_text(HostContext *context) {
    std::string text;
    int32_t result = write_oxel_text(context, text);
    if (result != OXEL_OK)
        return result;
    const std::string reason = write_output(nullptr, text);
    if (!reason.empty()) {
        std::fprintf(stderr, "oxel: standard output: %s\n", reason.c_str());
        return OXEL_FAILED;
    }
    return OXEL_OK;
}

std::string replace_file(const char *path, const std::string &content) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    // A name of our own beside the target: the rename then stays within one
    // file system.
    fs::path temporary;
    std::FILE *file = nullptr;
    for (int attempt = 0; attempt < 100 && !file; attempt++) {
        temporary = target;
        temporary += ".tmp" + std::to_string(static_cast<long long>(std::time(nullptr)) % 100000) + "-" +
                     std::to_string(attempt);
        std::error_code exists_error;
        if (!fs::exists(temporary, exists_error) && !exists_error)
            file = std::fopen(temporary.string().c_str(), "wb");
        else if (exists_error)
            break;
    }
    if (!file)
        return std::strerror(errno ? errno : EEXIST);
    const bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size();
    const int saved = errno;
    if (std::fclose(file) != 0 || !written) {
        const std::string reason = std::strerror(written ? errno : saved);
        std::remove(temporary.string().c_str());
        return reason;
    }
    std::error_code error;
    fs::rename(temporary, target, error);
    if (error) {
        std::remove(temporary.string().c_str());
        return error.message();
    }
    return "";
}

// Include search: where an include file is looked for when its name alone does not open
#include "lexer/include_search.h"

#include <cstring>

#include "base/memory.h"
#include "base/text_input.h"
#include "lexer/lexer_state.h"

namespace {

bool is_separator(char c) {
#ifdef _WIN32
    return c == '/' || c == '\\';
#else
    return c == '/';
#endif
}

// A name that says where it is from the root is opened as written only.
bool is_absolute(const char *name) {
#ifdef _WIN32
    if (is_letter(name[0]) && name[1] == ':')
        return true;
#endif
    return is_separator(name[0]);
}

// The length of the folder part of a path, its last separator included; 0
// for a path with none (the working directory's).
size_t folder_length(const char *path) {
    size_t length = 0;
    for (size_t i = 0; path[i]; i++)
        if (is_separator(path[i]))
            length = i + 1;
    return length;
}

void release_folders(HostContext *context, include_search &search) {
    for (int32_t i = 0; i < search.count; i++)
        mem_free(context, search.folders[i]);
    mem_free(context, search.folders);
    search = include_search{};
}

// The first `length` bytes of `folder` and the name, a slash between them
// unless the folder ends with a separator. Null after a reported failure.
char *joined_path(HostContext *context, const char *folder, size_t length, const char *name) {
    bool slash = !is_separator(folder[length - 1]);
    size_t name_length = std::strlen(name);
    auto *path = static_cast<char *>(mem_alloc(context, length + slash + name_length + 1));
    if (!path)
        return nullptr;
    std::memcpy(path, folder, length);
    if (slash)
        path[length] = '/';
    std::memcpy(path + length + slash, name, name_length + 1);
    return path;
}

// Opens the candidate made of a folder and the name; its path goes to *path
// when it opens, and is released otherwise.
FILE *open_candidate(HostContext *context, const char *folder, size_t length, const char *name, char **path,
                     bool *failed) {
    if (length == 0)
        return nullptr;
    char *candidate = joined_path(context, folder, length, name);
    if (!candidate) {
        *failed = true;
        return nullptr;
    }
    FILE *file = open_source_file(candidate);
    if (file)
        *path = candidate;
    else
        mem_free(context, candidate);
    return file;
}

}  // namespace

bool set_include_search(include_search &search, HostContext *context, int32_t beside, const char *const *folders,
                        int32_t count) {
    release_folders(context, search);
    search.beside = beside & (OXEL_INCLUDE_BESIDE_MAIN | OXEL_INCLUDE_BESIDE_INCLUDES);
    if (!folders || count < 1)
        return true;
    search.folders = static_cast<char **>(mem_alloc(context, sizeof(char *) * static_cast<size_t>(count)));
    if (!search.folders) {
        search = include_search{};
        return false;
    }
    for (int32_t i = 0; i < count; i++) {
        if (!folders[i] || !*folders[i])
            continue;
        char *copy = str_duplicate(context, folders[i]);
        if (!copy) {
            release_folders(context, search);
            return false;
        }
        search.folders[search.count++] = copy;
    }
    return true;
}

FILE *open_include_file(const include_search &search, HostContext *context, const char *name, const char *including, bool including_is_main,
                        char **path, bool *failed) {
    *path = nullptr;
    *failed = false;
    FILE *file = open_source_file(name);
    if (file) {
        if (!(*path = str_duplicate(context, name))) {
            std::fclose(file);
            *failed = true;
            return nullptr;
        }
        return file;
    }
    if (!*name || is_absolute(name))
        return nullptr;
    const int32_t beside_flag = including_is_main ? OXEL_INCLUDE_BESIDE_MAIN : OXEL_INCLUDE_BESIDE_INCLUDES;
    if (including && (search.beside & beside_flag))
        file = open_candidate(context, including, folder_length(including), name, path, failed);
    for (int32_t i = 0; !file && !*failed && i < search.count; i++)
        file = open_candidate(context, search.folders[i], std::strlen(search.folders[i]), name, path, failed);
    return file;
}

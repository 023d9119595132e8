// oxel: what kind of description a file holds, and reading it as its kind asks
#include "input_kind.h"

#include <cctype>
#include <cstdio>
#include <cstring>

bool file_is_bsdl(const std::string &path) {
    FILE *file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    int c = std::fgetc(file);
    // A byte-order mark.
    if (c == 0xEF && std::fgetc(file) == 0xBB && std::fgetc(file) == 0xBF)
        c = std::fgetc(file);
    for (;;) {
        while (c != EOF && std::isspace(c))
            c = std::fgetc(file);
        if (c != '-')
            break;
        if ((c = std::fgetc(file)) != '-')
            break;
        while (c != EOF && c != '\n' && c != '\r')
            c = std::fgetc(file);
    }
    const char *word = "entity";
    size_t matched = 0;
    while (c != EOF && matched < std::strlen(word) && std::tolower(c) == word[matched]) {
        matched++;
        c = std::fgetc(file);
    }
    std::fclose(file);
    // The whole word: no letter, digit or underscore follows it.
    return matched == std::strlen(word) && (c == EOF || !(std::isalnum(c) || c == '_'));
}

int32_t read_description(HostContext *context, const InputFile &file, const char *package) {
    if (file.bsdl)
        return OxelImportBsdl(context, file.path.c_str(), package);
    return OxelParse(context, file.path.c_str());
}

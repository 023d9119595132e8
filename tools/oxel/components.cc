// oxel components: component names through the quick scanner
#include <cstdio>

#include "commands.h"

namespace {

bool readable(const char *path) {
    FILE *file = std::fopen(path, "r");
    if (!file)
        return false;
    std::fclose(file);
    return true;
}

}  // namespace

int run_components(HostContext *context, const std::vector<const char *> &files) {
    int status = OXEL_OK;
    for (const char *file : files) {
        if (!readable(file)) {
            std::fprintf(stderr, "oxel: cannot open '%s'\n", file);
            status = OXEL_FAILED;
            continue;
        }
        char **names = nullptr;
        int32_t count = oxel_fast_parse_info(context, file, &names);
        // With several files each list stands under its file's name.
        const char *indent = files.size() > 1 ? "  " : "";
        if (files.size() > 1)
            std::printf("%s:\n", file);
        for (int32_t i = 0; i < count; i++)
            std::printf("%s%s\n", indent, names[i] ? names[i] : "(unnamed)");
        oxel_free_fast_parse_component_names(context, count, names);
    }
    return status;
}

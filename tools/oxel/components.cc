// oxel components and oxel is-oxel: the quick scanner's answers, without a parse
#include <cstdio>

#include <algorithm>

#include "commands.h"
#include "exit_status.h"
#include "tool_host.h"

int run_components(const Options &options) {
    Host host(options.level, false);
    host.include_folders = options.include_folders;
    // The probe is the one reading of the file through the library's lexer.
    host.tell_probe = true;
    int status = OXEL_OK;
    // With several files each list stands under its file's name.
    const bool several = options.files.size() > 1;
    for (const char *argument : options.files) {
        if (!host_begin_file(host, argument, true)) {
            status = OXEL_FAILED;
            host_end_file(host);
            continue;
        }
        char **names = nullptr;
        int32_t count = oxel_fast_parse_info(&host.context, host.file.path.c_str(), &names);
        if (several)
            std::printf("%s:\n", host.file.name.c_str());
        for (int32_t i = 0; i < count; i++)
            std::printf("%s%s\n", several ? "  " : "", names[i] ? names[i] : "(unnamed)");
        oxel_free_fast_parse_component_names(&host.context, count, names);
        status = std::max(status, file_status(OXEL_OK, host.sink, false));
        host_end_file(host);
    }
    return status;
}

int run_is_oxel(const Options &options) {
    Host host(options.level, false);
    host.include_folders = options.include_folders;
    // The answer alone, unless a level asks for the messages of reading the
    // first word (a directive it skips, say).
    if (!options.level_given)
        host.context.message_level = 0;
    // Not OXEL is the answer here, not a failure; a file that cannot be read is one.
    if (!host_begin_file(host, options.files[0], false)) {
        host_end_file(host);
        return OXEL_FAILED;
    }
    int32_t yes = FileIsOxel(&host.context, host.file.path.c_str());
    std::printf("%s\n", yes ? "yes" : "no");
    host_end_file(host);
    return yes ? 0 : 1;
}

// oxel components and oxel is-oxel: component names by the quick scanner or the BSDL importer
#include <cstdio>
#include <string>
#include <vector>

#include <algorithm>

#include "commands.h"
#include "exit_status.h"
#include "input_kind.h"
#include "tool_host.h"

namespace {

// A BSDL file's one component is its entity: the importer reads it (its
// messages shown as any file's) and the name is listed; none when the file
// does not import.
std::vector<std::string> bsdl_components(Host &host, const char *package) {
    std::vector<std::string> names;
    OxelInitialize(&host.context);
    if (read_description(&host.context, host.file, package) == OXEL_OK && oxel_get_first_component()) {
        const char *name = oxel_get_current_component_name();
        names.push_back(name ? name : "(unnamed)");
    }
    OxelDestroy(&host.context);
    OxelInitialize(&host.context);
    return names;
}

std::vector<std::string> listed_components(Host &host) {
    std::vector<std::string> listed;
    char **names = nullptr;
    int32_t count = oxel_fast_parse_info(&host.context, host.file.path.c_str(), &names);
    for (int32_t i = 0; i < count; i++)
        listed.push_back(names[i] ? names[i] : "(unnamed)");
    oxel_free_fast_parse_component_names(&host.context, count, names);
    return listed;
}

}  // namespace

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
        std::vector<std::string> names = host.file.bsdl ? bsdl_components(host, options.package) : listed_components(host);
        if (host.file.bsdl && names.empty())
            status = OXEL_FAILED;
        if (several)
            std::printf("%s:\n", host.file.name.c_str());
        for (const std::string &name : names)
            std::printf("%s%s\n", several ? "  " : "", name.c_str());
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

// oxel import-bsdl: a vendor's BSDL file, written out as the OXEL description it imports as
#include <cstdio>
#include <string>

#include "commands.h"
#include "exit_status.h"
#include "input_kind.h"
#include "oxel_text.h"
#include "output_file.h"
#include "tool_host.h"

int run_import_bsdl(const Options &options) {
    Host host(options.level, false);
    host.include_folders = options.include_folders;
    if (!host_begin_file(host, options.files[0], false)) {
        host_end_file(host);
        return OXEL_FAILED;
    }
    if (!file_is_bsdl(host.file.path)) {
        std::fprintf(stderr, "oxel: %s: not a BSDL file (its first word is not entity)\n", host.file.name.c_str());
        host_end_file(host);
        return OXEL_FAILED;
    }
    HostContext *context = &host.context;
    OxelInitialize(context);
    if (options.prog_name)
        OxelSetProgName(context, options.prog_name);
    int32_t result = OxelImportBsdl(context, host.file.path.c_str(), options.package);
    std::string text;
    if (result == OXEL_OK)
        result = write_oxel_text(context, text);
    OxelDestroy(context);
    OxelInitialize(context);
    int status = file_status(result, host.sink, false);
    if (status == 0) {
        const std::string reason = options.output ? replace_file(options.output, text) : write_output(nullptr, text);
        if (!reason.empty()) {
            std::fprintf(stderr, "oxel: %s: %s\n", options.output ? options.output : "standard output",
                         reason.c_str());
            status = OXEL_FAILED;
        }
    }
    host_end_file(host);
    return status;
}

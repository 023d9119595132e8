// oxel draw and report: a file read into the facts its pictures and pages show
#include "description_input.h"

#include "input_kind.h"

int32_t gather_description(Host &host, const Options &options, DescriptionReport &description) {
    HostContext *context = &host.context;
    OxelInitialize(context);
    if (options.prog_name)
        OxelSetProgName(context, options.prog_name);
    const int32_t result = read_description(context, host.file, options.package);
    if (result == OXEL_OK)
        description = collect_description(context);
    OxelDestroy(context);
    return result;
}

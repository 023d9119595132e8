// BSDL entry point: a vendor's BSDL file imported into the description as one component
#include <cstring>

#include "base/messages.h"
#include "bsdl/bsdl_import.h"
#include "interface/entry_points.h"
#include "model/description.h"
#include "model/item_list.h"
#include "model/record_locations.h"
#include "model/release.h"

extern "C" {

OXEL_API int32_t OXEL_STDCALL OxelImportBsdl(HostContext *context, const char *path, const char *package) {
    if (!context)
        return OXEL_NO_CONTEXT;
    if (!path || std::strcmp(path, "stdin") == 0) {
        report_error(context, kNoPlace, "Unspecified %s file name", "BSDL");
        return OXEL_FAILED;
    }
    // The records built now are remembered at places in this file.
    description_state &description = g_library.description;
    start_locations_of_parse(description.locations);
    report_progress(context, "Reading file '%s'", path);
    BsdlImport import{context, path, 0, false};
    ComponentRecord *component = import_bsdl(import, description, package);
    ItemList *&components = description.root.components;
    if (component)
        components = components ? list_append_with(context, components, component, release_component)
                                : list_create_with(context, component, 1, release_component);
    // The findings in the file stand where a parse's syntax errors do: a
    // check refuses to run on a description they broke.
    g_library.syntax_errors = import.errors;
    if (!component || !components) {
        OxelDestroy(context);
        return OXEL_FAILED;
    }
    return OXEL_OK;
}

OXEL_API int32_t oxel_import_bsdl(HostContext *context, const char *path, const char *package) {
    return OxelImportBsdl(context, path, package);
}

}  // extern "C"

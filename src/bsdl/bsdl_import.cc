// BSDL import: a BSDL file read, checked and built into a component, stage by stage
#include "bsdl/bsdl_import.h"

#include "base/memory.h"
#include "bsdl/boundary_values.h"
#include "bsdl/component_builder.h"
#include "bsdl/entity_reader.h"
#include "bsdl/instruction_values.h"
#include "bsdl/other_values.h"
#include "bsdl/pin_map_values.h"
#include "bsdl/pin_types.h"

namespace {

// The stages after the text is read: false when the document must not be
// built (a finding, or the import stopped).
bool read_document(BsdlImport &import, BsdlDocument &document, const char *package) {
    if (!read_entity(import, document) || !read_pin_map(import, document, package) ||
        !read_instruction_values(import, document) || !read_boundary_values(import, document) ||
        !read_other_values(import, document))
        return false;
    if (import.errors > 0)
        return false;
    if (!settle_pin_types(import.host, document)) {
        import_out_of_memory(import);
        return false;
    }
    return true;
}

}  // namespace

ComponentRecord *import_bsdl(BsdlImport &import, description_state &description, const char *package) {
    BsdlDocument document;
    start_document(document);
    switch (read_source_text(import.host, import.path, &document.source)) {
    case SourceRead::kCannotOpen:
        import_error(import, BsdlPlace{0, 0}, "Unable to open %s file '%s'", "BSDL", import.path);
        return nullptr;
    case SourceRead::kFailed:
        import.stopped = true;
        return nullptr;
    case SourceRead::kRead:
        break;
    }
    ComponentRecord *component = nullptr;
    if (read_document(import, document, package)) {
        // What the import builds lives in the description's arena, as a parse's does.
        memory_arena_open();
        component = build_component(import.host, description, document, import.path);
        memory_arena_close();
    }
    release_document(import.host, document);
    return component;
}

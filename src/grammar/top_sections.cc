// Top-level sections: a completed header, component, board or pin family filed into the description
#include "grammar/top_sections.h"

#include "model/description.h"
#include "model/item_list.h"
#include "model/release.h"

namespace {

template <typename Record>
bool file_record(parser_state *parse, ItemList **root_list, Record *record,
                 void (*release)(HostContext *, Record *)) {
    if (!*root_list)
        *root_list = list_create_with(parse->host, record, 1, release);
    else
        *root_list = list_append_with(parse->host, *root_list, record, release);
    return *root_list != nullptr;
}

}  // namespace

void file_header(parser_state *parse, HeaderRecord *header) {
    release_header(parse->host, parse->description->root.header);
    parse->description->root.header = header;
    // The old header is gone, so the reference never outlives it.
    parse->source_ref = header && header->creation_log ? header->creation_log->reason : nullptr;
}

bool file_component(parser_state *parse, ComponentRecord *component) {
    return file_record(parse, &parse->description->root.components, component, release_component);
}

bool file_board(parser_state *parse, BoardRecord *board) {
    return file_record(parse, &parse->description->root.boards, board, release_board);
}

bool file_pin_family(parser_state *parse, PinFamilyRecord *family) {
    return file_record(parse, &parse->description->root.pin_families, family, release_pin_family);
}

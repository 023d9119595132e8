// Section statements: the {tag, value} items of component, register and cell sections
#include "base/memory.h"
#include "model/component_records.h"
#include "model/item_list.h"
#include "model/register_kinds.h"
#include "model/release.h"
#include "model/tagged_item.h"

namespace {

template <typename Record>
Record *as(intptr_t value) {
    return reinterpret_cast<Record *>(value);
}

// Releases what a statement of `tag` carries. The statements components
// share with boards go by the board's routine; integer values (standard,
// length, parallel outputs) own nothing.
void release_statement_value(HostContext *context, int32_t tag, intptr_t value) {
    if (const RegisterKindRow *row = register_kind_of_tag(tag)) {
        row->release(context, as<void>(value));
        return;
    }
    switch (tag) {
    case TAG_CELL: release_cell(context, as<CellRecord>(value)); break;
    case TAG_MODE_LIST: list_release_with(context, as<ItemList>(value), release_cell_mode); break;
    case TAG_CAPTURE: release_capture(context, as<CaptureRecord>(value)); break;
    case TAG_INSTRUCTION_LIST: list_release_with(context, as<ItemList>(value), release_instruction); break;
    case TAG_CHAIN_LIST: list_release_with(context, as<ItemList>(value), release_chain_element); break;
    case TAG_PRELOAD: release_preload(context, as<PreloadRecord>(value)); break;
    case TAG_CLOCK: release_pin_ref(context, as<PinRefRecord>(value)); break;
    case TAG_DATA_INPUTS:
    case TAG_DATA_OUTPUTS:
    case TAG_DATA_SELECT:
    case TAG_CONCATENATION:
    case TAG_ALTERED_REGISTERS: list_release(context, as<ItemList>(value)); break;
    case TAG_INIT_UPDATE:
    case TAG_PURPOSE:
    case TAG_MANUFACTURER_IDCODE:
    case TAG_PARTNUMBER_IDCODE:
    case TAG_VERSION_IDCODE:
    case TAG_COVERAGE:
    case TAG_MIN_DURATION: mem_free(context, as<void>(value)); break;
    default:
        // Pin lists, sequences, families, headers, and the board's own
        // chains and netlists (never in these sections, but still
        // released); the board's routine leaves integers and unknown tags
        // alone.
        release_board_value(context, tag, value);
        break;
    }
}

}  // namespace

TaggedItem *mkstatement(HostContext *context, int32_t tag, intptr_t value) {
    TaggedItem *statement = item_make(context, tag, value);
    if (!statement)
        release_statement_value(context, tag, value);
    return statement;
}

void release_statement(HostContext *context, TaggedItem *statement) {
    if (!statement)
        return;
    release_statement_value(context, statement->tag, statement->value);
    mem_free(context, statement);
}

void release_statements(HostContext *context, ItemList *statements) {
    list_release_with(context, statements, release_statement);
}

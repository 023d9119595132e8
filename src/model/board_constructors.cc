// Board records: boards, board-level chains, part chains and nets
#include "interface/host_messages.h"
#include "interface/library_state.h"
#include "interface/memory.h"
#include "model/board_records.h"
#include "model/item_list.h"
#include "model/release.h"
#include "model/tagged_item.h"

namespace {

// Appends a record to a list field, creating the list at the first. On
// failure the record and the list are gone and the field is null.
template <typename Record>
bool append_to(HostContext *context, ItemList **field, Record *record,
               void (*release_item)(HostContext *, Record *)) {
    if (!*field)
        *field = list_create_with(context, record, 1, release_item);
    else
        *field = list_append_with(context, *field, record, release_item);
    return *field != nullptr;
}

// Moves one statement's value into the board; false when a list could not
// be made or grown.
bool route_statement(HostContext *context, BoardRecord *board, int32_t tag, intptr_t value) {
    switch (tag) {
    case TAG_PIN_LIST:
        return append_to(context, &board->pin_lists, reinterpret_cast<ItemList *>(value),
                         release_pin_list);
    case TAG_BOARD_CHAIN:
        return append_to(context, &board->chains, reinterpret_cast<BoardChainRecord *>(value),
                         release_board_chain);
    case TAG_TEST_SEQUENCE:
        return append_to(context, &board->test_sequences,
                         reinterpret_cast<SequenceRecord *>(value), release_sequence);
    case TAG_ILLEGAL_VECTORS:
        return append_to(context, &board->illegal_sequences,
                         reinterpret_cast<SequenceRecord *>(value), release_sequence);
    case TAG_GLOBAL_FAMILY:
        return append_to(context, &board->global_performances,
                         reinterpret_cast<GlobalPerformanceRecord *>(value),
                         release_global_performance);
    case TAG_NETLIST:
        return append_to(context, &board->netlists, reinterpret_cast<ItemList *>(value),
                         release_netlist);
    case TAG_PIN_FAMILY:
        // Pin families belong to the description, not to the board.
        return append_to(context, &g_library.root.pin_families,
                         reinterpret_cast<PinFamilyRecord *>(value), release_pin_family);
    case TAG_HEADER:
        // The last header given wins; the one it replaces is released.
        release_header(context, board->header);
        board->header = reinterpret_cast<HeaderRecord *>(value);
        return true;
    default:
        return true;
    }
}

}  // namespace

TaggedItem *mkboardstatement(HostContext *context, int32_t tag, void *value) {
    TaggedItem *statement = item_make(context, tag, reinterpret_cast<intptr_t>(value));
    if (!statement)
        release_board_value(context, tag, reinterpret_cast<intptr_t>(value));
    return statement;
}

BoardRecord *mkboard(HostContext *context, char *name, const char *source_ref, ItemList *items) {
    if (!items) {
        mem_free(context, name);
        return nullptr;
    }
    BoardRecord *board = static_cast<BoardRecord *>(mem_alloc(context, sizeof(BoardRecord)));
    if (!board) {
        mem_free(context, name);
        list_release_with(context, items, release_board_statement);
        return nullptr;
    }
    board->name = name;
    if (source_ref) {
        board->source_ref = str_duplicate(context, source_ref);
        if (!board->source_ref) {
            release_board(context, board);
            list_release_with(context, items, release_board_statement);
            return nullptr;
        }
    }
    for (int32_t i = 0; i < items->count; i++) {
        TaggedItem *statement = static_cast<TaggedItem *>(items->items[i]);
        if (!statement)
            continue;
        intptr_t value = statement->value;
        // The value changes hands now, whether routing succeeds or not: a
        // failed append has already released it.
        statement->value = 0;
        if (!route_statement(context, board, statement->tag, value)) {
            release_board(context, board);
            list_release_with(context, items, release_board_statement);
            return nullptr;
        }
    }
    list_release(context, items);
    return board;
}

TaggedItem *mktapmap(HostContext *context, int32_t signal, char *net) {
    TaggedItem *tap_map = item_make(context, signal, reinterpret_cast<intptr_t>(net));
    if (!tap_map)
        mem_free(context, net);
    return tap_map;
}

BoardChainRecord *mkboardchain(HostContext *context, char *name, ItemList *signals,
                               ItemList *parts) {
    BoardChainRecord *chain =
        static_cast<BoardChainRecord *>(mem_alloc(context, sizeof(BoardChainRecord)));
    if (!chain) {
        mem_free(context, name);
        list_release_with(context, signals, release_tap_map);
        list_release_with(context, parts, release_part_chain);
        return nullptr;
    }
    chain->name = name;
    chain->parts = parts;
    for (int32_t i = 0; signals && i < signals->count; i++) {
        TaggedItem *tap_map = static_cast<TaggedItem *>(signals->items[i]);
        if (!tap_map)
            continue;
        char **net = nullptr;
        switch (tap_map->tag) {
        case TAP_TMS: net = &chain->tms_net; break;
        case TAP_TDI: net = &chain->tdi_net; break;
        case TAP_TDO: net = &chain->tdo_net; break;
        case TAP_TCK: net = &chain->tck_net; break;
        case TAP_TRST: net = &chain->trst_net; break;
        default:
            report_error(context, "Invalid pintype in boardtap");
            release_board_chain(context, chain);
            list_release_with(context, signals, release_tap_map);
            return nullptr;
        }
        // A signal given again names the net that counts.
        mem_free(context, *net);
        *net = reinterpret_cast<char *>(tap_map->value);
        tap_map->value = 0;
    }
    list_release_with(context, signals, release_tap_map);
    return chain;
}

PartChainRecord *mkpartchain(HostContext *context, int32_t position, char *part_name,
                             char *component_name, char *tms_net, char *tck_net,
                             char *trst_net) {
    PartChainRecord *part =
        static_cast<PartChainRecord *>(mem_alloc(context, sizeof(PartChainRecord)));
    if (!part) {
        mem_free(context, part_name);
        mem_free(context, component_name);
        mem_free(context, tms_net);
        mem_free(context, tck_net);
        mem_free(context, trst_net);
        return nullptr;
    }
    part->component_name = component_name;
    part->part_name = part_name;
    part->position = position;
    part->tms_net = tms_net;
    part->tck_net = tck_net;
    part->trst_net = trst_net;
    return part;
}

NetRecord *mknet(HostContext *context, char *component_name, PinRefRecord *pin, ItemList *nets) {
    NetRecord *net = static_cast<NetRecord *>(mem_alloc(context, sizeof(NetRecord)));
    if (!net) {
        mem_free(context, component_name);
        release_pin_ref(context, pin);
        list_release(context, nets);
        return nullptr;
    }
    net->component_name = component_name;
    net->pin = pin;
    net->nets = nets;
    return net;
}

// Board records: boards, board-level chains, part chains and nets
#include "model/board_records.h"
#include "model/new_record.h"
#include "model/shared_values.h"
#include "model/statement_routing.h"

namespace {

// A failed board takes everything with it: the record with what was
// already routed into it, and the statements not yet routed.
void release_board_statements(HostContext *context, ItemList *items) {
    list_release_with(context, items, release_board_statement);
}

// Moves one statement's value into the board; false when a list could not
// be made or grown.
bool route_statement(HostContext *context, BoardRecord *board, TaggedItem *s) {
    switch (s->tag) {
    case TAG_BOARD_CHAIN:
        return append_record(context, &board->chains, take_value<BoardChainRecord>(s), release_board_chain);
    case TAG_NETLIST:
        return append_record(context, &board->netlists, take_value<ItemList>(s), release_netlist);
    default:
        // A statement no board takes is skipped silently.
        return route_shared_statement(context, board, s) != Routed::failed;
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
    return build_holder(context, name, source_ref, items, route_statement, release_board,
                        release_board_statements);
}

TaggedItem *mktapmap(HostContext *context, int32_t signal, char *net) {
    TaggedItem *tap_map = item_make(context, signal, reinterpret_cast<intptr_t>(net));
    if (!tap_map)
        mem_free(context, net);
    return tap_map;
}

BoardChainRecord *mkboardchain(HostContext *context, char *name, ItemList *signals,
                               ItemList *parts) {
    BoardChainRecord *chain = new_record<BoardChainRecord>(context);
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
    PartChainRecord *part = new_record<PartChainRecord>(context);
    if (!part) {
        free_blocks(context, {part_name, component_name, tms_net, tck_net, trst_net});
        return nullptr;
    }
    part->component_name = share_text(context, component_name);
    part->part_name = share_text(context, part_name);
    part->position = position;
    part->tms_net = share_text(context, tms_net);
    part->tck_net = share_text(context, tck_net);
    part->trst_net = share_text(context, trst_net);
    return part;
}

NetRecord *mknet(HostContext *context, char *component_name, PinRefRecord *pin, ItemList *nets) {
    NetRecord *net = new_record<NetRecord>(context);
    if (!net) {
        mem_free(context, component_name);
        release_pin_ref(context, pin);
        list_release(context, nets);
        return nullptr;
    }
    net->component_name = share_text(context, component_name);
    net->pin = pin;
    if (pin)
        pin->name = share_text(context, pin->name);
    net->nets = share_text_list(context, nets);
    return net;
}

// Board constructors: boards, board-level chains, part chains and nets
#include "model/board_constructors.h"

#include "model/new_record.h"
#include "model/shared_values.h"
#include "model/statement_routing.h"

namespace {

// A statement no board holds is skipped silently.
bool skip_statement(HostContext *, const SourceLocation &, const TaggedItem *) { return true; }

}  // namespace

BoardRecord *make_board(HostContext *context, DescriptionRoot *root, char *name, const char *source_ref,
                        ItemList *items) {
    if (!items) {
        mem_free(context, name);
        return nullptr;
    }
    return build_holder(context, kNowhere, root, name, source_ref, items, skip_statement, release_board);
}

TapMap *make_tap_map(HostContext *context, int32_t signal, char *net) {
    return new_record_of(context, TapMap{signal, net}, [&] { mem_free(context, net); });
}

BoardChainRecord *make_board_chain(HostContext *context, const SourceLocation &where, char *name,
                                   ItemList *signals, ItemList *parts) {
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
        auto *tap_map = static_cast<TapMap *>(signals->items[i]);
        if (!tap_map)
            continue;
        char **net = nullptr;
        switch (tap_map->signal) {
        case TAP_TMS: net = &chain->tms_net; break;
        case TAP_TDI: net = &chain->tdi_net; break;
        case TAP_TDO: net = &chain->tdo_net; break;
        case TAP_TCK: net = &chain->tck_net; break;
        case TAP_TRST: net = &chain->trst_net; break;
        default:
            report_error(context, at(where), "Invalid pintype in boardtap");
            release_board_chain(context, chain);
            list_release_with(context, signals, release_tap_map);
            return nullptr;
        }
        // A signal given again names the net that counts.
        mem_free(context, *net);
        *net = tap_map->net;
        tap_map->net = nullptr;
    }
    list_release_with(context, signals, release_tap_map);
    return chain;
}

PartChainRecord *make_part_chain(HostContext *context, int32_t position, char *part_name,
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

NetRecord *make_net(HostContext *context, char *component_name, PinRefRecord *pin, ItemList *nets) {
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

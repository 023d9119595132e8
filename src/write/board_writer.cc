// Board writer: board-level chains with their TAP and part chain, and netlist entries
#include "write/board_writer.h"

#include <initializer_list>

#include "write/oxel_words.h"
#include "write/pin_writer.h"
#include "write/section_frame.h"

namespace {

bool put_part_line(TextOut &out, const PartChainRecord *part) {
    put_integer(out, part->position);
    for (const char *name : {part->part_name, part->component_name, part->tms_net, part->tck_net})
        if (!put_name(out, name, NameSpot::name))
            return false;
    if (!part->trst_net) {
        put_token(out, "-");
        return true;
    }
    return put_name(out, part->trst_net, NameSpot::name);
}

bool put_net_line(TextOut &out, const NetRecord *net) {
    if (!put_name(out, net->component_name, NameSpot::keyword) || !put_pin_ref(out, net->pin, NameSpot::name))
        return false;
    const ItemList *nets = net->nets;
    if (nets && nets->count == 1)
        return put_name(out, static_cast<const char *>(nets->items[0]), NameSpot::name);
    return put_name_list(out, nets);
}

}  // namespace

void write_board_chain(TextOut &out, const char *keyword, const BoardChainRecord *chain) {
    if (!open_section(out, keyword, chain->name, "Chain"))
        return;
    struct Signal {
        const char *keyword;
        const char *net;
    };
    const Signal signals[] = {{"TDI", chain->tdi_net}, {"TDO", chain->tdo_net}, {"TMS", chain->tms_net},
                              {"TCK", chain->tck_net}, {"TRST", chain->trst_net}};
    bool any = false;
    for (const Signal &signal : signals)
        any = any || signal.net;
    if (!any || !chain->parts || chain->parts->count < 1)
        return cannot_write(out, "Chain", chain->name);
    open_block(out, "BOARD_LEVEL_TAP");
    for (const Signal &signal : signals) {
        if (!signal.net)
            continue;
        begin_line(out);
        put_token(out, signal.keyword);
        if (!put_name(out, signal.net, NameSpot::name))
            return cannot_write(out, "Chain", chain->name);
    }
    close_section(out, "BOARD_LEVEL_TAP");
    open_block(out, "PART_CHAIN");
    for (int32_t i = 0; i < chain->parts->count; i++) {
        const auto *part = static_cast<const PartChainRecord *>(chain->parts->items[i]);
        if (!part)
            continue;
        begin_line(out);
        if (!put_part_line(out, part))
            return cannot_write(out, "Part", part->part_name);
    }
    close_section(out, "PART_CHAIN");
    close_section(out, keyword);
}

void write_net(TextOut &out, const NetRecord *net) {
    begin_line(out);
    if (!put_net_line(out, net))
        cannot_write(out, "Net", net->component_name);
}

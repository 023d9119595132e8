// Board checks: the boards of the description
#include "check/board_checks.h"

#include <cstring>

#include "base/messages.h"
#include "check/check_state.h"
#include "check/device_name_registry.h"
#include "check/device_tables.h"
#include "check/message_subject.h"
#include "check/name_lists.h"
#include "check/performance_log_checks.h"
#include "check/pin_list_checks.h"
#include "check/pin_reference.h"
#include "check/sequence_checks.h"
#include "check/tap_net_map.h"

namespace {

template <typename Record>
const Record *item_at(const ItemList *list, int32_t i) {
    return static_cast<const Record *>(list->items[i]);
}

// A board connector: a pin of the board's own pin lists, by name or number.
bool is_board_connector(const char *name) {
    return name_table_lookup(g_check.pin_names, name) || name_table_lookup(g_check.pin_numbers, name);
}

// ---- Netlists ----

Severity check_net_component(HostContext *context, const char *component) {
    if (!component) {
        report_error(context, "Cannot reference a component without name");
        return kError;
    }
    if (!g_check.component_names) {
        report_error(context, "No Component table, cannot compare componentnames");
        return kError;
    }
    if (!name_list_contains(&g_check.component_index, component)) {
        report_error(context, "Component \"%s\" in net description is not defined", component);
        return kError;
    }
    return kClean;
}

// The pin of a net is resolved against the board's own pin tables.
Severity check_net_pin(HostContext *context, const NetRecord *net) {
    if (!net->pin || !net->pin->name) {
        report_error(context, "Unspecified piname in net description with component \"%s\"",
                     net->component_name ? net->component_name : "\"Unspecified component\"");
        return kError;
    }
    const char *reason = nullptr;
    if (resolve_pin_reference(context, net->pin, &reason) == kPinRefValid)
        return kClean;
    report_error(context, "Invalid pin reference (%s) in net, Reason: %s", net->pin->name,
                 reason ? reason : "unknown error");
    return kError;
}

// Every net a netlist names joins the run's net name list: the TAPs and part
// chains of this board and of the boards after it may name it.
Severity check_net(HostContext *context, const NetRecord *net) {
    MessageSubject about(net);
    if (!net) {
        report_error(context, "Missing Net description");
        return kError;
    }
    Severity result = check_net_component(context, net->component_name);
    result |= check_net_pin(context, net);
    if (!net->nets) {
        report_error(context, "Missing net names in Netdescription");
        return kError;
    }
    for (int32_t i = 0; i < net->nets->count; i++)
        if (!record_net_name(context, item_at<char>(net->nets, i)))
            result |= kError;
    return result;
}

Severity check_netlists(HostContext *context, const ItemList *netlists) {
    Severity result = kClean;
    for (int32_t i = 0; netlists && i < netlists->count; i++) {
        const auto *netlist = item_at<ItemList>(netlists, i);
        if (!netlist || netlist->count < 1) {
            report_error(context, "Missing Netlist or netlist elements");
            result |= kError;
            continue;
        }
        // Room for a net name of each entry at once, not step by step.
        if (!lookup_reserve(context, &g_check.net_index, static_cast<uint32_t>(netlist->count)))
            result |= kError;
        for (int32_t j = 0; j < netlist->count; j++)
            result |= check_net(context, item_at<NetRecord>(netlist, j));
    }
    return result;
}

// ---- Part chains ----

// A net of a part: a net of some netlist or a board connector.
bool is_net_or_connector(const char *name) {
    return name_list_contains(&g_check.net_index, name) || is_board_connector(name);
}

// The clock and mode nets a part must name, and the reset net it may name.
struct PartNet {
    char *PartChainRecord::*net;
    const char *missing;     // null: the net is optional
    const char *unknown;     // the net's name
};
constexpr PartNet kPartNets[] = {
    {&PartChainRecord::tms_net, "TMS net not defined in component/part chain",
     "TMS name \"%s\" in part chain not defined as net or connector"},
    {&PartChainRecord::tck_net, "TCK net not defined in component/part chain",
     "TCK name \"%s\" in part chain not defined as net or connector"},
    {&PartChainRecord::trst_net, nullptr, "TRST name \"%s\" in part chain not defined as net or connector"},
};

Severity check_part(HostContext *context, const PartChainRecord *part) {
    MessageSubject about(part);
    if (!part) {
        report_error(context, "Missing component/part reference");
        return kError;
    }
    if (!part->component_name) {
        report_error(context, "Cannot reference a component without name");
        return kError;
    }
    if (!g_check.component_names) {
        report_error(context, "No Reference table, cannot compare componentnames");
        return kError;
    }
    Severity result = kClean;
    if (!name_list_contains(&g_check.component_index, part->component_name)) {
        report_error(context, "Referenced component \"%s\" not defined", part->component_name);
        result |= kError;
    }
    for (const PartNet &net : kPartNets) {
        const char *name = part->*net.net;
        if (!name && net.missing) {
            report_warning(context, "%s", net.missing);
            result |= kWarning;
        } else if (name && !is_net_or_connector(name)) {
            report_error(context, net.unknown, name);
            result |= kError;
        }
    }
    return result;
}

Severity check_parts(HostContext *context, const ItemList *parts) {
    if (parts->count < 1) {
        report_error(context, "Missing component/part reference list");
        return kError;
    }
    Severity result = kClean;
    for (int32_t i = 0; i < parts->count; i++)
        result |= check_part(context, item_at<PartChainRecord>(parts, i));
    return result;
}

// ---- Board TAPs ----

// The signals of a TAP in the order they are checked and recorded. A TAP
// may do without TRST.
struct TapSignal {
    const char *name;
    char *BoardChainRecord::*net;
    const char *missing;
};
constexpr TapSignal kTapSignals[] = {
    {"TDI", &BoardChainRecord::tdi_net, "Missing TDI connector in board TAP"},
    {"TDO", &BoardChainRecord::tdo_net, "Missing TDO connector in board TAP"},
    {"TMS", &BoardChainRecord::tms_net, "Missing TMS connector in board TAP"},
    {"TCK", &BoardChainRecord::tck_net, "Missing TCK connector in board TAP"},
    {"TRST", &BoardChainRecord::trst_net, nullptr},
};

// A net of a netlist is what a TAP should name. A board connector that no
// netlist names passes with the warning bit alone: no message is sent for it.
Severity check_tap_net(HostContext *context, const char *net) {
    if (name_list_contains(&g_check.net_index, net))
        return kClean;
    if (is_board_connector(net))
        return kWarning;
    report_error(context, "Net \"%s\" is not a valid net or connector name", net);
    return kWarning | kError;
}

Severity check_tap(HostContext *context, const BoardChainRecord *tap, TapNetMap *map) {
    MessageSubject about(tap);
    if (!tap) {
        report_error(context, "Missing TAP entry");
        return kError;
    }
    Severity result = kClean;
    for (const TapSignal &signal : kTapSignals) {
        const char *net = tap->*signal.net;
        if (net) {
            result |= check_tap_net(context, net);
        } else if (signal.missing) {
            report_error(context, "%s", signal.missing);
            result |= kError;
        }
    }
    if (tap->parts)
        result |= check_parts(context, tap->parts);
    for (const TapSignal &signal : kTapSignals) {
        const char *net = tap->*signal.net;
        if (net && !tap_net_map_record(context, map, net, tap->name, signal.name))
            result |= kError;
    }
    return result;
}

bool same_name(const char *a, const char *b) { return a == b || (a && b && std::strcmp(a, b) == 0); }

Severity check_board_taps(HostContext *context, const ItemList *taps, TapNetMap *map) {
    if (!taps || taps->count < 1) {
        report_error(context, "Missing BoardTAP list or TAPelements");
        return kError;
    }
    // Two TAPs without a name count as two of one name.
    Severity result = kClean;
    for (int32_t i = 1; i < taps->count; i++) {
        const auto *tap = item_at<BoardChainRecord>(taps, i);
        for (int32_t j = 0; tap && j < i; j++) {
            const auto *earlier = item_at<BoardChainRecord>(taps, j);
            if (earlier && same_name(earlier->name, tap->name)) {
                report_error(context, "Board tap %s multiple defined", show_name(tap->name));
                result |= kError;
                break;
            }
        }
    }
    for (int32_t i = 0; i < taps->count; i++)
        result |= check_tap(context, item_at<BoardChainRecord>(taps, i), map);
    return result;
}

// ---- Shared nets ----

// A net that serves more than one TAP signal is an error that only the
// notes describe.
Severity report_shared_nets(HostContext *context, TapNetMap *map) {
    Severity result = kClean;
    tap_net_map_sort(map);
    for (int32_t i = 0; i < map->count; i++) {
        const TapNet *net = map->nets[i];
        if (net->uses < 2)
            continue;
        if (result == kClean)
            report_note(context, "Pins used in several tap definitions :");
        result = kError;
        report_note(context, "pin \"%s\" in taps ", net->name);
        for (const TapNetUse *use = net->first_use; use; use = use->next)
            report_note(context, "\"%s\", ", show_name(use->tap));
    }
    return result;
}

// ---- One board ----

Severity check_board(HostContext *context, const BoardRecord *board, bool first, TapNetMap *map) {
    MessageSubject about(board);
    // Without its tables a board cannot be checked; the allocator has said why.
    if (create_device_tables(context) != kClean)
        return kError;
    if (!board) {
        report_error(context, "Missing Board in boardlist");
        return kError;
    }
    Severity result = kClean;
    if (!board->name) {
        report_error(context, "Checking unknown OXEL board");
        result |= kError;
    } else {
        report_status(context, "Checking OXEL board: %s", board->name);
    }
    RegistryResult registered =
        register_device_name(context, board->name, first ? kRegistryStart : kRegistryAdd);
    if (registered == kNameKnown)
        report_error(context, "Board \"%s\" is multiple defined", board->name);
    if (registered != kNameRegistered)
        result |= kError;
    if (board->header)
        result |= check_logs(context, board->header);
    result |= check_global_performances(context, board->global_performances);
    // The pin lists fill the tables and the netlists record the nets that
    // the TAPs and the sequences read.
    result |= check_pin_lists(context, board->pin_lists, nullptr);
    result |= check_netlists(context, board->netlists);
    result |= check_board_taps(context, board->chains, map);
    result |= check_sequences(context, board->test_sequences, kTestSequences);
    result |= check_sequences(context, board->illegal_sequences, kIllegalVectors);
    result |= report_shared_nets(context, map);
    report_status(context, "Done");
    free_device_tables(context);
    return result;
}

}  // namespace

Severity check_boards(HostContext *context, ItemList *boards) {
    g_check.pin_list_counter = 0;
    if (!boards || boards->count < 1)
        return kClean;
    Severity result = kClean;
    for (int32_t i = 0; i < boards->count; i++) {
        TapNetMap *map = tap_net_map_create(context);
        if (!map) {
            result = kError;
            break;
        }
        result |= check_board(context, item_at<BoardRecord>(boards, i), i == 0, map);
        tap_net_map_free(context, map);
        // The count belongs to the board just checked: a later board or
        // component without pin lists must not inherit it.
        g_check.pin_list_counter = 0;
    }
    register_device_name(context, nullptr, kRegistryRelease);
    return result;
}

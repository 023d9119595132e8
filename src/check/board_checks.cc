// Board checks: the boards of the description
#include "check/board_checks.h"

#include <cstring>

#include "check/device_name_registry.h"
#include "check/performance_log_checks.h"
#include "check/pin_list_checks.h"
#include "check/pin_reference.h"
#include "check/sequence_checks.h"
#include "check/tap_net_map.h"
#include "model/item_list.h"

namespace {

// A board connector: a pin of the board's own pin lists, by name or number.
bool is_board_connector(const DeviceTables &tables, const char *name) {
    return name_table_lookup(tables.pin_names, name) || name_table_lookup(tables.pin_numbers, name);
}

// ---- Netlists ----

Severity check_net_component(const Subject &at, const NameLists &names, const char *component) {
    if (!component)
        return at.error("Cannot reference a component without name");
    if (!names.component_names)
        return at.error("No Component table, cannot compare componentnames");
    if (!name_list_contains(&names.component_index, component))
        return at.error("Component \"%s\" in net description is not defined", component);
    return kClean;
}

// The pin of a net is resolved against the board's own pin tables.
Severity check_net_pin(const Subject &at, const DeviceTables &tables, const NetRecord *net) {
    if (!net->pin || !net->pin->name)
        return at.error("Unspecified piname in net description with component \"%s\"",
                        net->component_name ? net->component_name : "\"Unspecified component\"");
    const char *reason = nullptr;
    if (resolve_pin_reference(tables, net->pin, &reason) == kPinRefValid)
        return kClean;
    return at.error("Invalid pin reference (%s) in net, Reason: %s", net->pin->name,
                    reason ? reason : "unknown error");
}

// One net, about itself (nowhere for an absent one). Every net a netlist
// names joins the run's net names: the TAPs and part chains of this board
// and of the boards after it may name it.
Severity check_net(const Subject &at, const DeviceChecks &device, const NetRecord *net) {
    if (!net)
        return at.error("Missing Net description");
    Severity result = check_net_component(at, device.names, net->component_name);
    result |= check_net_pin(at, device.tables, net);
    if (!net->nets)
        return at.error("Missing net names in Netdescription");
    for (int32_t i = 0; i < net->nets->count; i++)
        if (!record_net_name(at.host, device.names, list_item<const char>(net->nets, i)))
            result |= kError;
    return result;
}

Severity check_netlists(const Subject &at, const DeviceChecks &device, const ItemList *netlists) {
    Severity result = kClean;
    for (int32_t i = 0; netlists && i < netlists->count; i++) {
        const auto *netlist = list_item<const ItemList>(netlists, i);
        if (!netlist || netlist->count < 1) {
            result |= at.error("Missing Netlist or netlist elements");
            continue;
        }
        // Room for a net name of each entry at once, not step by step.
        if (!lookup_reserve(at.host, &device.names.net_index, static_cast<uint32_t>(netlist->count)))
            result |= kError;
        for (int32_t j = 0; j < netlist->count; j++) {
            const auto *net = list_item<const NetRecord>(netlist, j);
            result |= check_net(at.about(net), device, net);
        }
    }
    return result;
}

// ---- Part chains ----

// A net of a part: a net of some netlist or a board connector.
bool is_net_or_connector(const DeviceChecks &device, const char *name) {
    return name_list_contains(&device.names.net_index, name) || is_board_connector(device.tables, name);
}

// One part, about itself (nowhere for an absent one): its component, then
// the clock and mode nets it must name and the reset net it may name.
Severity check_part(const Subject &at, const DeviceChecks &device, const PartChainRecord *part) {
    if (!part)
        return at.error("Missing component/part reference");
    if (!part->component_name)
        return at.error("Cannot reference a component without name");
    if (!device.names.component_names)
        return at.error("No Reference table, cannot compare componentnames");
    Severity result = kClean;
    if (!name_list_contains(&device.names.component_index, part->component_name))
        result |= at.error("Referenced component \"%s\" not defined", part->component_name);
    if (!part->tms_net)
        result |= at.warning("TMS net not defined in component/part chain");
    else if (!is_net_or_connector(device, part->tms_net))
        result |= at.error("TMS name \"%s\" in part chain not defined as net or connector", part->tms_net);
    if (!part->tck_net)
        result |= at.warning("TCK net not defined in component/part chain");
    else if (!is_net_or_connector(device, part->tck_net))
        result |= at.error("TCK name \"%s\" in part chain not defined as net or connector", part->tck_net);
    if (part->trst_net && !is_net_or_connector(device, part->trst_net))
        result |= at.error("TRST name \"%s\" in part chain not defined as net or connector", part->trst_net);
    return result;
}

Severity check_parts(const Subject &at, const DeviceChecks &device, const ItemList *parts) {
    if (parts->count < 1)
        return at.error("Missing component/part reference list");
    Severity result = kClean;
    for (int32_t i = 0; i < parts->count; i++) {
        const auto *part = list_item<const PartChainRecord>(parts, i);
        result |= check_part(at.about(part), device, part);
    }
    return result;
}

// ---- Board TAPs ----

// A net of a netlist is what a TAP should name. A board connector that no
// netlist names passes with the warning bit alone: no message is sent for it.
Severity check_tap_net(const Subject &at, const DeviceChecks &device, const char *net) {
    if (name_list_contains(&device.names.net_index, net))
        return kClean;
    if (is_board_connector(device.tables, net))
        return kWarning;
    return kWarning | at.error("Net \"%s\" is not a valid net or connector name", net);
}

// The signals of a TAP in the order they are recorded.
struct TapSignalNet {
    const char *signal;
    char *BoardChainRecord::*net;
};
constexpr TapSignalNet kTapSignals[] = {
    {"TDI", &BoardChainRecord::tdi_net}, {"TDO", &BoardChainRecord::tdo_net}, {"TMS", &BoardChainRecord::tms_net},
    {"TCK", &BoardChainRecord::tck_net}, {"TRST", &BoardChainRecord::trst_net},
};

// One TAP, about itself (nowhere for an absent one): its nets, then its
// parts; the nets it uses are recorded in the board's map.
Severity check_tap(const Subject &at, const DeviceChecks &device, const BoardChainRecord *tap, TapNetMap *map) {
    if (!tap)
        return at.error("Missing TAP entry");
    // A TAP may do without TRST.
    Severity result = tap->tdi_net ? check_tap_net(at, device, tap->tdi_net) : at.error("Missing TDI connector in board TAP");
    result |= tap->tdo_net ? check_tap_net(at, device, tap->tdo_net) : at.error("Missing TDO connector in board TAP");
    result |= tap->tms_net ? check_tap_net(at, device, tap->tms_net) : at.error("Missing TMS connector in board TAP");
    result |= tap->tck_net ? check_tap_net(at, device, tap->tck_net) : at.error("Missing TCK connector in board TAP");
    result |= tap->trst_net ? check_tap_net(at, device, tap->trst_net) : kClean;
    if (tap->parts)
        result |= check_parts(at, device, tap->parts);
    for (const TapSignalNet &signal : kTapSignals) {
        const char *net = tap->*signal.net;
        if (net && !tap_net_map_record(at.host, map, net, tap->name, signal.signal))
            result |= kError;
    }
    return result;
}

bool same_name(const char *a, const char *b) { return a == b || (a && b && std::strcmp(a, b) == 0); }

Severity check_board_taps(const Subject &at, const DeviceChecks &device, const ItemList *taps, TapNetMap *map) {
    if (!taps || taps->count < 1)
        return at.error("Missing BoardTAP list or TAPelements");
    // Two TAPs without a name count as two of one name.
    Severity result = kClean;
    for (int32_t i = 1; i < taps->count; i++) {
        const auto *tap = list_item<const BoardChainRecord>(taps, i);
        for (int32_t j = 0; tap && j < i; j++) {
            const auto *earlier = list_item<const BoardChainRecord>(taps, j);
            if (earlier && same_name(earlier->name, tap->name)) {
                result |= at.about(tap).error("Board tap %s multiple defined", show_name(tap->name));
                break;
            }
        }
    }
    for (int32_t i = 0; i < taps->count; i++) {
        const auto *tap = list_item<const BoardChainRecord>(taps, i);
        result |= check_tap(at.about(tap), device, tap, map);
    }
    return result;
}

// ---- Shared nets ----

// A net that serves more than one TAP signal is an error that only the
// notes describe.
Severity report_shared_nets(const Subject &at, TapNetMap *map) {
    Severity result = kClean;
    tap_net_map_sort(map);
    for (int32_t i = 0; i < map->count; i++) {
        const TapNet *net = map->nets[i];
        if (net->uses < 2)
            continue;
        if (result == kClean)
            at.note("Pins used in several tap definitions :");
        result = kError;
        at.note("pin \"%s\" in taps ", net->name);
        for (const TapNetUse *use = net->first_use; use; use = use->next)
            at.note("\"%s\", ", show_name(use->tap));
    }
    return result;
}

// ---- One board ----

// The status message that opens a board's check, or the error for a
// nameless board.
Severity announce_board(const Subject &at, const BoardRecord *board) {
    if (!board->name)
        return at.error("Checking unknown OXEL board");
    report_status(at.host, "Checking OXEL board: %s", board->name);
    return kClean;
}

// One board, about itself (nowhere for an absent one).
Severity check_board(const Subject &at, const DeviceChecks &device, NameTable *&registry, const BoardRecord *board,
                     bool first, TapNetMap *map) {
    // Without its tables a board cannot be checked; the allocator has said why.
    if (create_device_tables(at.host, device.tables) != kClean)
        return kError;
    if (!board)
        return at.error("Missing Board in boardlist");
    Severity result = announce_board(at, board);
    result |= register_device(at, registry, board->name, first, "Board \"%s\" is multiple defined");
    result |= check_logs(at, board->header);
    result |= check_global_families(at, board->global_performances);
    // The pin lists fill the tables and the netlists record the nets that
    // the TAPs and the sequences read.
    result |= check_pin_lists(at, device, board->pin_lists, nullptr, false);
    bool has_pin_lists = list_holds_items(board->pin_lists);
    result |= check_netlists(at, device, board->netlists);
    result |= check_board_taps(at, device, board->chains, map);
    result |= check_sequences(at, device.tables, has_pin_lists, board->test_sequences, kTestSequences);
    result |= check_sequences(at, device.tables, has_pin_lists, board->illegal_sequences, kIllegalVectors);
    result |= report_shared_nets(at, map);
    report_status(at.host, "Done");
    free_device_tables(at.host, device.tables);
    return result;
}

}  // namespace

Severity check_boards(const Subject &at, const DeviceChecks &device, const ItemList *boards) {
    return check_each_device<const BoardRecord>(
        at, boards, [&](const Subject &about, NameTable *&registry, const BoardRecord *board, bool first, bool &stop) {
            // Without its map of TAP nets no board is checked.
            TapNetMap *map = tap_net_map_create(at.host);
            stop = !map;
            if (!map)
                return kError;
            Severity result = check_board(about, device, registry, board, first, map);
            tap_net_map_free(at.host, map);
            return result;
        });
}

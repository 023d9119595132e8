// oxel check: what the check counts without a message of its own, told by the tool
#include "silent_findings.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>

#include "record_text.h"

namespace {

using Names = std::set<std::string>;

// The board check enters no pin numbers of a bus wider than this.
constexpr int64_t kMaxBusWidth = 65536;

struct ValueSpan {
    int64_t low, high;
};

ValueSpan values_of(const IndexRecord *entry) {
    if (entry && entry->kind == OXEL_INDEX_NUMBER)
        return {entry->first, entry->first};
    if (entry && entry->kind == OXEL_INDEX_RANGE)
        return {entry->first, entry->last};
    return {0, -1};
}

// How many values the entries of a list stand for, counted as the pin list
// check counts them when it measures a bus.
int64_t values_in(const ItemList *list, bool count_texts) {
    int64_t values = 0;
    for (const IndexRecord *entry : items_of<IndexRecord>(list)) {
        ValueSpan span = values_of(entry);
        values += span.high - span.low + 1;
        if (count_texts && entry && entry->kind == OXEL_INDEX_NAME)
            values++;
    }
    return values;
}

bool is_empty_text(const char *text) { return !text || !*text || std::string(text) == "-"; }

// The pin numbers of a bus as the pin list check enters them: its text
// entries as written, and each number of its numbers and ranges in decimal.
void add_bus_numbers(const PinRecord &bus, Names &connectors) {
    const ItemList *numbers = bus.numbering->numbers;
    if (!numbers || numbers->count < 1)
        return;
    if (std::max(values_in(numbers, true), values_in(bus.numbering->indices, false)) > kMaxBusWidth)
        return;
    for (const IndexRecord *entry : items_of<IndexRecord>(numbers)) {
        if (entry && entry->kind == OXEL_INDEX_NAME)
            connectors.insert(reinterpret_cast<const char *>(entry->first));
        for (ValueSpan span = values_of(entry); span.low <= span.high; span.low++) {
            char digits[12];
            std::snprintf(digits, sizeof digits, "%d", static_cast<int>(span.low));
            connectors.insert(digits);
        }
    }
}

// The board's connectors: the names and numbers of its pin lists' pins.
Names board_connectors(const BoardRecord &board) {
    Names connectors;
    for (const ItemList *pins : items_of<ItemList>(board.pin_lists))
        for (const PinRecord *pin : items_of<PinRecord>(pins)) {
            if (!pin)
                continue;
            if (pin->name)
                connectors.insert(pin->name);
            if (!pin->numbering)
                continue;
            if (pin->form == OXEL_FORM_SINGLE && !is_empty_text(pin->numbering->number))
                connectors.insert(pin->numbering->number);
            if (pin->form == OXEL_FORM_BUS)
                add_bus_numbers(*pin, connectors);
        }
    return connectors;
}

// Every net the board's netlists name joins the nets of the run.
void add_netlist_nets(const BoardRecord &board, Names &nets) {
    for (const ItemList *netlist : items_of<ItemList>(board.netlists))
        for (const NetRecord *entry : items_of<NetRecord>(netlist))
            if (entry)
                for (const char *net : items_of<char>(entry->nets))
                    if (net)
                        nets.insert(net);
}

struct TapSignal {
    const char *name;
    char *BoardChainRecord::*net;
};
constexpr TapSignal kTapSignals[] = {
    {"TDI", &BoardChainRecord::tdi_net}, {"TDO", &BoardChainRecord::tdo_net},
    {"TMS", &BoardChainRecord::tms_net}, {"TCK", &BoardChainRecord::tck_net},
    {"TRST", &BoardChainRecord::trst_net},
};

SilentFinding finding_at(const void *record, int32_t kind, std::string note) {
    const char *file = nullptr;
    int32_t line = 0, column = 0;
    oxel_record_location(record, &file, &line, &column);
    return {kind, file ? file : "", line, column, std::move(note)};
}

void find_in_board(const BoardRecord &board, Names &nets, std::vector<SilentFinding> &findings) {
    add_netlist_nets(board, nets);
    const Names connectors = board_connectors(board);
    std::map<std::string, int> uses;
    for (const BoardChainRecord *tap : items_of<BoardChainRecord>(board.chains)) {
        if (!tap)
            continue;
        for (const TapSignal &signal : kTapSignals) {
            const char *net = tap->*signal.net;
            if (!net)
                continue;
            uses[net]++;
            if (!nets.count(net) && connectors.count(net))
                findings.push_back(finding_at(tap, OXEL_KIND_WARNING,
                                              std::string("the check counts a warning for ") + net + ", the " +
                                                  signal.name + " of TAP " + (tap->name ? tap->name : "(noname)") +
                                                  ": a board connector that no NETLIST_MAP names"));
        }
    }
    for (const auto &[net, count] : uses)
        if (count > 1)
            findings.push_back(finding_at(&board, OXEL_KIND_ERROR, ""));
}

}  // namespace

std::vector<SilentFinding> find_silent_findings(const DescriptionRoot *root) {
    std::vector<SilentFinding> findings;
    // The nets of every board's netlists count for the boards after it.
    Names nets;
    for (const BoardRecord *board : items_of<BoardRecord>(root ? root->boards : nullptr))
        if (board)
            find_in_board(*board, nets, findings);
    return findings;
}

void tell_silent_findings(DiagnosticSink &sink, const std::vector<SilentFinding> &findings, int32_t result) {
    for (const SilentFinding &finding : findings) {
        (finding.kind == OXEL_KIND_ERROR ? sink.errors : sink.warnings)++;
        if (!finding.note.empty())
            sink_note(sink, finding.file.empty() ? nullptr : finding.file.c_str(), finding.line, finding.column,
                      finding.note, "tap-connector-in-no-netlist");
    }
    if (result >= OXEL_FAILED && sink.errors == 0) {
        sink.errors++;
        sink_note(sink, nullptr, 0, 0, "the check failed without an error message", "check-failed-without-error");
    } else if (result == OXEL_WARNINGS && sink.errors == 0 && sink.warnings == 0) {
        sink.warnings++;
        sink_note(sink, nullptr, 0, 0, "the check found warnings without a warning message",
                  "check-warned-without-warning");
    }
}

// oxel show: boards, pin families and test sequences, as a report or as JSON
#include "board_output.h"

#include <cstdio>

#include "component_report.h"
#include "text_table.h"

namespace {

std::string length_text(const std::optional<long long> &length, bool known) {
    if (!known)
        return "?";
    return length ? std::to_string(*length) : "-";
}

std::string joined(const std::vector<Text> &texts, const char *separator) {
    std::string out;
    for (size_t i = 0; i < texts.size(); i++)
        out += (i ? separator : "") + shown(texts[i]);
    return out;
}

// Rows are made twice rather than held: a board may have a pin list of
// hundreds of thousands of connectors.
void print_pin_list(const std::vector<BoardPinInfo> &pins) {
    std::printf("\n  Pin list (%zu)\n", pins.size());
    Table table;
    std::vector<std::string> row(4);
    auto make_row = [&row](const BoardPinInfo &pin) {
        row[0] = shown(pin.name);
        row[1] = shown(pin.number);
        row[2] = pin_type_word(pin.type);
        row[3] = shown(pin.family);
    };
    const std::vector<std::string> heading = {"NAME", "NUMBER", "TYPE", "FAMILY"};
    table.widen(heading);
    for (const BoardPinInfo &pin : pins) {
        make_row(pin);
        table.widen(row);
    }
    table.print_row("    ", heading);
    for (const BoardPinInfo &pin : pins) {
        make_row(pin);
        table.print_row("    ", row);
    }
}

void print_scan_chain(const ScanChainInfo &chain) {
    std::printf("    Scan chain from %s to %s\n", shown(chain.tdi).c_str(), shown(chain.tdo).c_str());
    Table table;
    table.add({"POS", "PART", "COMPONENT", "IR", "BSR", "IDCODE"});
    for (const ChainPartInfo &part : chain.parts) {
        auto widen = [](const std::optional<int32_t> &length) {
            return length ? std::optional<long long>(*length) : std::nullopt;
        };
        table.add({std::to_string(part.position), shown(part.part), shown(part.component),
                   length_text(widen(part.instruction_length), part.defined),
                   length_text(widen(part.boundary_length), part.defined),
                   part.defined ? shown(part.idcode) : "?"});
    }
    table.add({"", "", "total", chain.instruction_length ? std::to_string(*chain.instruction_length) : "?",
               chain.boundary_length ? std::to_string(*chain.boundary_length) : "?"});
    table.print("      ");
}

void print_tap(const TapInfo &tap) {
    std::printf("\n  TAP %s\n", shown(tap.name).c_str());
    Table nets;
    for (const auto &[signal, net] : {std::pair{"TDI", tap.tdi}, std::pair{"TDO", tap.tdo},
                                      std::pair{"TMS", tap.tms}, std::pair{"TCK", tap.tck},
                                      std::pair{"TRST", tap.trst}})
        nets.add({signal, shown(net)});
    nets.print("    ");
    std::printf("    Part chain (%zu)\n", tap.parts.size());
    if (tap.parts.empty())
        return;
    Table parts;
    parts.add({"POS", "PART", "COMPONENT", "TMS", "TCK", "TRST"});
    for (const PartInfo &part : tap.parts)
        parts.add({std::to_string(part.position), shown(part.part), shown(part.component), shown(part.tms),
                   shown(part.tck), shown(part.trst)});
    parts.print("      ");
    print_scan_chain(tap.scan_chain);
}

// A board may join hundreds of thousands of pins: each row is made twice
// (to widen the columns, then to print) rather than held.
void print_nets(const BoardReport &board) {
    std::printf("\n  Nets (%zu)\n", board.nets.size());
    if (board.nets.empty())
        return;
    Table table;
    std::vector<std::string> row(2);
    auto make_row = [&](const NetInfo &net) {
        row[0] = net.name;
        row[1].clear();
        for (size_t index : net.entries) {
            const NetlistEntryInfo &entry = board.netlist[index];
            (row[1] += row[1].empty() ? "" : ", ") += shown(entry.component);
            (row[1] += " ") += shown(entry.pin);
        }
    };
    const std::vector<std::string> heading = {"NET", "NODES"};
    table.widen(heading);
    for (const NetInfo &net : board.nets) {
        make_row(net);
        table.widen(row);
    }
    table.print_row("    ", heading);
    for (const NetInfo &net : board.nets) {
        make_row(net);
        table.print_row("    ", row);
    }
}

void write_operand_json(JsonWriter &json, const VrakOperandInfo &operand) {
    json.begin_object();
    json.member("target", operand.target);
    json.member("count", static_cast<long long>(operand.count));
    json.member("value", operand.value);
    json.end_object();
}

void write_step_json(JsonWriter &json, const VrakStepInfo &step) {
    json.begin_object();
    json.member("instruction", std::string(vrak_mnemonic(step.kind)));
    if (step.kind == OXEL_VRAK_CMT) {
        json.member("comment", step.comment);
    } else if (step.kind == OXEL_VRAK_PPA) {
        json.key("serial_groups");
        json.begin_array();
        for (const PpaSerialInfo &group : step.serial_groups) {
            json.begin_object();
            json.member("name", group.name);
            for (const auto &[signal, names] : group.signals) {
                json.key(signal);
                json.begin_array();
                for (const Text &name : names)
                    json.string(name);
                json.end_array();
            }
            json.end_object();
        }
        json.end_array();
        json.key("parallel_groups");
        json.begin_array();
        for (const PpaParallelInfo &group : step.parallel_groups) {
            json.begin_object();
            json.member("name", group.name);
            json.key("pins");
            json.begin_array();
            for (const Text &pin : group.pins)
                json.string(pin);
            json.end_array();
            json.end_object();
        }
        json.end_array();
    } else {
        json.key("operands");
        json.begin_array();
        for (const VrakOperandInfo &operand : step.operands)
            write_operand_json(json, operand);
        json.end_array();
    }
    json.end_object();
}

void write_scan_chain_json(JsonWriter &json, const ScanChainInfo &chain) {
    auto length = [&json](const char *name, const std::optional<long long> &value) {
        json.key(name);
        if (value)
            json.number(*value);
        else
            json.null();
    };
    json.begin_object();
    json.member("from", chain.tdi);
    json.member("to", chain.tdo);
    json.key("parts");
    json.begin_array();
    for (const ChainPartInfo &part : chain.parts) {
        json.begin_object();
        json.member("position", static_cast<long long>(part.position));
        json.member("part", part.part);
        json.member("component", part.component);
        json.key("defined");
        json.boolean(part.defined);
        auto widen = [](const std::optional<int32_t> &value) {
            return value ? std::optional<long long>(*value) : std::nullopt;
        };
        length("instruction_register_length", widen(part.instruction_length));
        length("boundary_scan_register_length", widen(part.boundary_length));
        json.member("idcode", part.idcode);
        json.end_object();
    }
    json.end_array();
    length("instruction_length", chain.instruction_length);
    length("boundary_length", chain.boundary_length);
    json.end_object();
}

}  // namespace

std::string vrak_step_text(const VrakStepInfo &step) {
    std::string out = std::string(vrak_mnemonic(step.kind)) + "(";
    if (step.kind == OXEL_VRAK_CMT)
        return out + "\"" + shown(step.comment) + "\")";
    std::vector<std::string> entries;
    if (step.kind == OXEL_VRAK_PPA) {
        for (const PpaSerialInfo &group : step.serial_groups) {
            std::string entry = "T, " + shown(group.name);
            for (const auto &[signal, names] : group.signals)
                entry += std::string(" (") + signal + ": " + joined(names, " ") + ")";
            entries.push_back(entry);
        }
        for (const PpaParallelInfo &group : step.parallel_groups)
            entries.push_back("P, " + shown(group.name) + ", " + joined(group.pins, ", "));
    }
    for (const VrakOperandInfo &operand : step.operands) {
        std::string entry = shown(operand.target);
        if (step.kind == OXEL_VRAK_WTN)
            entry += ", " + shown(operand.value);
        else if (step.kind != OXEL_VRAK_RST)
            entry += ", " + std::to_string(operand.count) + ", " + shown(operand.value);
        entries.push_back(entry);
    }
    for (size_t i = 0; i < entries.size(); i++)
        out += (i ? "; " : "") + entries[i];
    return out + ")";
}

void print_sequences(const char *indent, const std::vector<SequenceInfo> &test_sequences,
                     const std::vector<SequenceInfo> &illegal_vectors) {
    for (const auto &[heading, sequences] : {std::pair{"Test sequence", &test_sequences},
                                             std::pair{"Illegal vectors", &illegal_vectors}})
        for (const SequenceInfo &sequence : *sequences) {
            std::printf("\n%s%s %s (%zu)\n", indent, heading, shown(sequence.name).c_str(), sequence.steps.size());
            for (const VrakStepInfo &step : sequence.steps)
                std::printf("%s  %s\n", indent, vrak_step_text(step).c_str());
        }
}

void print_board(const BoardReport &board) {
    std::printf("Board %s\n", shown(board.name).c_str());
    Table facts;
    facts.add({"source", shown(board.source)});
    facts.add({"nets", std::to_string(board.net_count)});
    facts.print("  ");
    for (const std::vector<BoardPinInfo> &pins : board.pin_lists)
        print_pin_list(pins);
    for (const TapInfo &tap : board.taps)
        print_tap(tap);
    print_nets(board);
    print_sequences("  ", board.test_sequences, board.illegal_vectors);
}

void write_board_json(JsonWriter &json, const BoardReport &board) {
    json.begin_object();
    json.member("name", board.name);
    json.member("source", board.source);
    json.key("pin_lists");
    json.begin_array();
    for (const std::vector<BoardPinInfo> &pins : board.pin_lists) {
        json.begin_array();
        for (const BoardPinInfo &pin : pins) {
            json.begin_object();
            json.member("name", pin.name);
            json.member("number", pin.number);
            json.key("bus");
            json.boolean(pin.bus);
            json.member("type", std::string(pin_type_word(pin.type)));
            json.member("family", pin.family);
            json.end_object();
        }
        json.end_array();
    }
    json.end_array();
    json.key("taps");
    json.begin_array();
    for (const TapInfo &tap : board.taps) {
        json.begin_object();
        json.member("name", tap.name);
        json.key("nets");
        json.begin_object();
        json.member("TDI", tap.tdi);
        json.member("TDO", tap.tdo);
        json.member("TMS", tap.tms);
        json.member("TCK", tap.tck);
        json.member("TRST", tap.trst);
        json.end_object();
        json.key("part_chain");
        json.begin_array();
        for (const PartInfo &part : tap.parts) {
            json.begin_object();
            json.member("position", static_cast<long long>(part.position));
            json.member("part", part.part);
            json.member("component", part.component);
            json.member("tms", part.tms);
            json.member("tck", part.tck);
            json.member("trst", part.trst);
            json.end_object();
        }
        json.end_array();
        json.key("scan_chain");
        write_scan_chain_json(json, tap.scan_chain);
        json.end_object();
    }
    json.end_array();
    json.member("net_count", static_cast<long long>(board.net_count));
    json.key("netlist");
    json.begin_array();
    for (const NetlistEntryInfo &entry : board.netlist) {
        json.begin_object();
        json.member("component", entry.component);
        json.member("pin", entry.pin);
        json.key("nets");
        json.begin_array();
        for (const Text &net : entry.nets)
            json.string(net);
        json.end_array();
        json.end_object();
    }
    json.end_array();
    json.key("nets");
    json.begin_array();
    for (const NetInfo &net : board.nets) {
        json.begin_object();
        json.member("name", net.name);
        json.key("nodes");
        json.begin_array();
        for (size_t index : net.entries) {
            json.begin_object();
            json.member("component", board.netlist[index].component);
            json.member("pin", board.netlist[index].pin);
            json.end_object();
        }
        json.end_array();
        json.end_object();
    }
    json.end_array();
    write_sequences_json(json, board.test_sequences, board.illegal_vectors);
    json.end_object();
}

void write_pin_family_json(JsonWriter &json, const PinFamilyReport &family) {
    json.begin_object();
    json.member("name", family.name);
    json.key("values");
    json.begin_object();
    for (const FamilyValue &value : family.values) {
        json.key(value.name);
        json.number(value.value);
    }
    json.end_object();
    json.end_object();
}

void write_sequences_json(JsonWriter &json, const std::vector<SequenceInfo> &test_sequences,
                          const std::vector<SequenceInfo> &illegal_vectors) {
    for (const auto &[key, sequences] : {std::pair{"test_sequences", &test_sequences},
                                         std::pair{"illegal_vectors", &illegal_vectors}}) {
        json.key(key);
        json.begin_array();
        for (const SequenceInfo &sequence : *sequences) {
            json.begin_object();
            json.member("name", sequence.name);
            json.key("instructions");
            json.begin_array();
            for (const VrakStepInfo &step : sequence.steps)
                json.string(std::string(vrak_mnemonic(step.kind)));
            json.end_array();
            json.key("steps");
            json.begin_array();
            for (const VrakStepInfo &step : sequence.steps)
                write_step_json(json, step);
            json.end_array();
            json.end_object();
        }
        json.end_array();
    }
}

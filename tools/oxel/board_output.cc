// oxel show: boards, pin families and test sequences, as a report or as JSON
#include "board_output.h"

#include <cstdio>

#include "text_table.h"

void print_board(const BoardReport &board) {
    std::printf("Board %s\n", shown(board.name).c_str());
    Table facts;
    facts.add({"source", shown(board.source)});
    facts.add({"nets", std::to_string(board.net_count)});
    facts.print("  ");
    for (const TapInfo &tap : board.taps) {
        std::printf("\n  TAP %s\n", shown(tap.name).c_str());
        Table nets;
        for (const auto &[signal, net] : {std::pair{"TDI", tap.tdi}, std::pair{"TDO", tap.tdo},
                                          std::pair{"TMS", tap.tms}, std::pair{"TCK", tap.tck},
                                          std::pair{"TRST", tap.trst}})
            nets.add({signal, shown(net)});
        nets.print("    ");
        std::printf("    Part chain (%zu)\n", tap.parts.size());
        if (tap.parts.empty())
            continue;
        Table parts;
        parts.add({"POS", "PART", "COMPONENT", "TMS", "TCK", "TRST"});
        for (const PartInfo &part : tap.parts)
            parts.add({std::to_string(part.position), shown(part.part), shown(part.component),
                       shown(part.tms), shown(part.tck), shown(part.trst)});
        parts.print("      ");
    }
}

void write_board_json(JsonWriter &json, const BoardReport &board) {
    json.begin_object();
    json.member("name", board.name);
    json.member("source", board.source);
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
            for (const std::string &mnemonic : sequence.mnemonics)
                json.string(mnemonic);
            json.end_array();
            json.end_object();
        }
        json.end_array();
    }
}

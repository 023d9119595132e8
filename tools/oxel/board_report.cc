// oxel show: gathering boards, pin families and test sequences from the records
#include "board_report.h"

#include <set>

namespace {

TapInfo collect_tap(const BoardChainRecord &chain) {
    TapInfo tap{text(chain.name),    text(chain.tdi_net), text(chain.tdo_net), text(chain.tms_net),
                text(chain.tck_net), text(chain.trst_net), {}};
    for (const PartChainRecord *part : items_of<PartChainRecord>(chain.parts))
        tap.parts.push_back({part->position, text(part->part_name), text(part->component_name),
                             text(part->tms_net), text(part->tck_net), text(part->trst_net)});
    return tap;
}

BoardReport collect_board(const BoardRecord &board) {
    BoardReport report{text(board.name), text(board.source_ref), {}, {}, 0, {}, {}};
    for (const BoardChainRecord *chain : items_of<BoardChainRecord>(board.chains))
        report.taps.push_back(collect_tap(*chain));
    std::set<std::string> nets;
    for (const ItemList *netlist : items_of<ItemList>(board.netlists))
        for (const NetRecord *entry : items_of<NetRecord>(netlist)) {
            NetlistEntryInfo info{text(entry->component_name), pin_reference_text(entry->pin), {}};
            for (const char *net : items_of<char>(entry->nets)) {
                info.nets.push_back(text(net));
                if (net)
                    nets.insert(net);
            }
            report.netlist.push_back(std::move(info));
        }
    report.net_count = nets.size();
    report.test_sequences = collect_sequences(board.test_sequences);
    report.illegal_vectors = collect_sequences(board.illegal_sequences);
    return report;
}

}  // namespace

std::vector<SequenceInfo> collect_sequences(const ItemList *sequences) {
    std::vector<SequenceInfo> infos;
    for (const SequenceRecord *sequence : items_of<SequenceRecord>(sequences)) {
        SequenceInfo info{text(sequence->name), {}};
        for (const VrakInstructionRecord *instruction :
             items_of<VrakInstructionRecord>(sequence->instructions))
            info.mnemonics.push_back(vrak_mnemonic(instruction->kind));
        infos.push_back(std::move(info));
    }
    return infos;
}

std::vector<BoardReport> collect_boards(const DescriptionRoot *root) {
    std::vector<BoardReport> reports;
    for (const BoardRecord *board : items_of<BoardRecord>(root->boards))
        reports.push_back(collect_board(*board));
    return reports;
}

std::vector<PinFamilyReport> collect_pin_families(const DescriptionRoot *root) {
    static const struct {
        const char *name;
        double *PinFamilyRecord::*field;
    } kFigures[] = {
        {"setup_time", &PinFamilyRecord::setup_time}, {"hold_time", &PinFamilyRecord::hold_time},
        {"tplh_min", &PinFamilyRecord::tplh_min},     {"tplh_typ", &PinFamilyRecord::tplh_typ},
        {"tplh_max", &PinFamilyRecord::tplh_max},     {"tphl_min", &PinFamilyRecord::tphl_min},
        {"tphl_typ", &PinFamilyRecord::tphl_typ},     {"tphl_max", &PinFamilyRecord::tphl_max},
        {"iil", &PinFamilyRecord::iil},               {"iih", &PinFamilyRecord::iih},
        {"vil", &PinFamilyRecord::vil},               {"vih", &PinFamilyRecord::vih},
        {"iol", &PinFamilyRecord::iol},               {"ioh", &PinFamilyRecord::ioh},
        {"vol", &PinFamilyRecord::vol},               {"voh", &PinFamilyRecord::voh},
        {"vcc_min", &PinFamilyRecord::vcc_min},       {"vcc_typ", &PinFamilyRecord::vcc_typ},
        {"vcc_max", &PinFamilyRecord::vcc_max},
    };
    std::vector<PinFamilyReport> reports;
    for (const PinFamilyRecord *family : items_of<PinFamilyRecord>(root->pin_families)) {
        PinFamilyReport report{text(family->name), {}};
        for (const auto &figure : kFigures)
            if (const double *value = family->*figure.field)
                report.values.push_back({figure.name, *value});
        reports.push_back(report);
    }
    return reports;
}

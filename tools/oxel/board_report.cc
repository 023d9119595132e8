// oxel show: gathering boards, pin families and test sequences from the records
#include "board_report.h"

#include <string_view>
#include <unordered_map>

namespace {

TapInfo collect_tap(const BoardChainRecord &chain) {
    TapInfo tap{text(chain.name),    text(chain.tdi_net), text(chain.tdo_net), text(chain.tms_net),
                text(chain.tck_net), text(chain.trst_net), {}, {}};
    for (const PartChainRecord *part : items_of<PartChainRecord>(chain.parts))
        if (part)
            tap.parts.push_back({part->position, text(part->part_name), text(part->component_name),
                                 text(part->tms_net), text(part->tck_net), text(part->trst_net)});
    return tap;
}

BoardPinInfo collect_pin(const PinRecord &pin) {
    BoardPinInfo info{text(pin.name), text(pin.numbering ? pin.numbering->number : nullptr),
                      pin.form == OXEL_FORM_BUS, pin.type, text(pin.family)};
    if (info.bus && pin.numbering) {
        info.number = index_list_text(pin.numbering->numbers);
        if (info.name)
            *info.name += index_list_text(pin.numbering->indices);
    }
    return info;
}

// Each net once, in the order the netlists first name it, with the entries
// that join a pin to it. The names are looked up as the records hold them.
void add_nets(BoardReport &report, const NetRecord &entry, size_t index,
              std::unordered_map<std::string_view, size_t> &nets) {
    for (const char *net : items_of<char>(entry.nets)) {
        if (!net)
            continue;
        auto [place, added] = nets.try_emplace(net, report.nets.size());
        if (added)
            report.nets.push_back({net, {}});
        std::vector<size_t> &entries = report.nets[place->second].entries;
        if (entries.empty() || entries.back() != index)
            entries.push_back(index);
    }
}

BoardReport collect_board(const BoardRecord &board) {
    BoardReport report{text(board.name), text(board.source_ref), {}, {}, {}, {}, 0, {}, {}};
    for (const ItemList *pins : items_of<ItemList>(board.pin_lists)) {
        std::vector<BoardPinInfo> list;
        list.reserve(pins ? static_cast<size_t>(pins->count) : 0);
        for (const PinRecord *pin : items_of<PinRecord>(pins))
            if (pin)
                list.push_back(collect_pin(*pin));
        report.pin_lists.push_back(std::move(list));
    }
    for (const BoardChainRecord *chain : items_of<BoardChainRecord>(board.chains))
        if (chain)
            report.taps.push_back(collect_tap(*chain));
    size_t entries = 0;
    for (const ItemList *netlist : items_of<ItemList>(board.netlists))
        entries += netlist ? static_cast<size_t>(netlist->count) : 0;
    report.netlist.reserve(entries);
    std::unordered_map<std::string_view, size_t> nets;
    nets.reserve(entries);
    for (const ItemList *netlist : items_of<ItemList>(board.netlists))
        for (const NetRecord *entry : items_of<NetRecord>(netlist)) {
            if (!entry)
                continue;
            NetlistEntryInfo info{text(entry->component_name), pin_reference_text(entry->pin), {}};
            for (const char *net : items_of<char>(entry->nets))
                info.nets.push_back(text(net));
            add_nets(report, *entry, report.netlist.size(), nets);
            report.netlist.push_back(std::move(info));
        }
    report.net_count = report.nets.size();
    report.test_sequences = collect_sequences(board.test_sequences);
    report.illegal_vectors = collect_sequences(board.illegal_sequences);
    return report;
}

std::vector<Text> texts_of(const ItemList *list) {
    std::vector<Text> texts;
    for (const char *item : items_of<char>(list))
        texts.push_back(text(item));
    return texts;
}

PpaSerialInfo collect_serial_group(const PpaSerialGroupRecord &group) {
    PpaSerialInfo info{text(group.name), {}};
    for (const auto &[signal, list] : {std::pair{"TDI", group.tdi}, std::pair{"TDO", group.tdo},
                                       std::pair{"TMS", group.tms}, std::pair{"TCK", group.tck},
                                       std::pair{"TRST", group.trst}})
        if (list)
            info.signals.push_back({signal, texts_of(list)});
    return info;
}

VrakStepInfo collect_step(const VrakInstructionRecord &instruction) {
    VrakStepInfo step{instruction.kind, {}, {}, {}, {}};
    if (instruction.kind == OXEL_VRAK_CMT) {
        step.comment = text(static_cast<const char *>(instruction.operand));
    } else if (instruction.kind == OXEL_VRAK_PPA) {
        if (const auto *ppa = static_cast<const PpaRecord *>(instruction.operand)) {
            for (const PpaSerialGroupRecord *group : items_of<PpaSerialGroupRecord>(ppa->serial_groups))
                if (group)
                    step.serial_groups.push_back(collect_serial_group(*group));
            for (const PpaParallelGroupRecord *group : items_of<PpaParallelGroupRecord>(ppa->parallel_groups)) {
                if (!group)
                    continue;
                PpaParallelInfo info{text(group->name), {}};
                for (const PinRefRecord *pin : items_of<PinRefRecord>(group->pins))
                    info.pins.push_back(pin_reference_text(pin));
                step.parallel_groups.push_back(std::move(info));
            }
        }
    } else {
        for (const VrakOperandRecord *operand :
             items_of<VrakOperandRecord>(static_cast<const ItemList *>(instruction.operand)))
            if (operand)
                step.operands.push_back({text(operand->target), operand->count, text(operand->value)});
    }
    return step;
}

}  // namespace

std::vector<SequenceInfo> collect_sequences(const ItemList *sequences) {
    std::vector<SequenceInfo> infos;
    for (const SequenceRecord *sequence : items_of<SequenceRecord>(sequences)) {
        if (!sequence)
            continue;
        SequenceInfo info{text(sequence->name), {}};
        for (const VrakInstructionRecord *instruction :
             items_of<VrakInstructionRecord>(sequence->instructions))
            if (instruction)
                info.steps.push_back(collect_step(*instruction));
        infos.push_back(std::move(info));
    }
    return infos;
}

std::vector<BoardReport> collect_boards(const DescriptionRoot *root) {
    std::vector<BoardReport> reports;
    for (const BoardRecord *board : items_of<BoardRecord>(root->boards))
        if (board)
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

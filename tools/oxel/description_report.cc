// oxel show: every fact show tells about the description, gathered once for any way of showing it
#include "description_report.h"

#include "scan_chain_report.h"

DescriptionReport collect_description(HostContext *context) {
    const DescriptionRoot *root = OxelGetInfo();
    DescriptionReport report{collect_boards(root), collect_pin_families(root), collect_components(context)};
    for (BoardReport &board : report.boards)
        for (TapInfo &tap : board.taps)
            tap.scan_chain = scan_chain_of(tap, report.components);
    return report;
}

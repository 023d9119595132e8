// Pin types: what kind of pin each port becomes, from its mode, the TAP attributes and its cells
#include "bsdl/pin_types.h"

#include <cstring>

#include "oxel32.h"

namespace {

// What the cells serving one port do, over all its bits.
struct PortCells {
    bool served;
    bool reads;             // some cell captures the pin
    bool writes;            // some cell drives it
    bool all_controlled;    // every cell names a control cell
    bool controls;          // some cell is another's control cell
};

// Supply and ground pins by the words their names hold.
const char *const kGroundWords[] = {"GND", "VSS", "GROUND"};
const char *const kPowerWords[] = {"VCC", "VDD", "VPP", "VEE", "VBAT", "VREF", "POWER", "SUPPLY"};

bool name_holds(BsdlSlice name, const char *word) {
    const int32_t length = static_cast<int32_t>(std::strlen(word));
    for (int32_t start = 0; start + length <= name.length; start++)
        if (same_name(BsdlSlice{name.text + start, length}, BsdlSlice{word, length}))
            return true;
    return false;
}

int32_t linkage_type(BsdlSlice name) {
    for (const char *word : kGroundWords)
        if (name_holds(name, word))
            return OXEL_PIN_GND;
    for (const char *word : kPowerWords)
        if (name_holds(name, word))
            return OXEL_PIN_PWR;
    return OXEL_PIN_NC;
}

int32_t served_type(const BsdlPort &port, const PortCells &cells) {
    int32_t mode_type = port.mode == PortMode::kIn      ? OXEL_PIN_IN
                        : port.mode == PortMode::kInout ? OXEL_PIN_IO
                                                        : OXEL_PIN_OUT;
    if (!cells.served || (mode_type == OXEL_PIN_IN && !cells.writes))
        return mode_type;
    const bool output = mode_type == OXEL_PIN_OUT && !cells.reads && !cells.controls;
    if (output)
        return cells.all_controlled ? OXEL_PIN_OUTZ : OXEL_PIN_OUT;
    return cells.all_controlled ? OXEL_PIN_IOZ : OXEL_PIN_IO;
}

}  // namespace

bool settle_pin_types(HostContext *context, BsdlDocument &d) {
    BsdlArray<PortCells> summary;
    for (int32_t i = 0; i < d.ports.count; i++) {
        PortCells *cells = array_add(context, summary);
        if (!cells) {
            array_release(context, summary);
            return false;
        }
        cells->all_controlled = true;
    }
    for (int32_t i = 0; i < d.cells.count; i++) {
        const BsdlCell &cell = d.cells.items[i];
        if (cell.port < 0)
            continue;
        PortCells &cells = summary.items[cell.port];
        cells.served = true;
        cells.reads = cells.reads || cell.captures;
        cells.writes = cells.writes || cell.drives;
        cells.all_controlled = cells.all_controlled && cell.has_control;
        cells.controls = cells.controls || cell.controls;
    }
    for (int32_t i = 0; i < d.ports.count; i++) {
        BsdlPort &port = d.ports.items[i];
        if (port.tap)
            port.type = port.tap;
        else if (port.mode == PortMode::kLinkage)
            port.type = linkage_type(port.name);
        else
            port.type = served_type(port, summary.items[i]);
    }
    array_release(context, summary);
    return true;
}

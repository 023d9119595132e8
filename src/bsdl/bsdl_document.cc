// BSDL document: what the importer reads of a BSDL file, as plain values
#include "bsdl/bsdl_document.h"

namespace {

void release_string(HostContext *context, BsdlString &value) {
    mem_free(context, value.text);
    array_release(context, value.segments);
    value = BsdlString{};
}

}  // namespace

BsdlPlace string_place(BsdlString &value, int32_t offset) {
    const BsdlArray<BsdlSegment> &segments = value.segments;
    if (segments.count == 0)
        return BsdlPlace{0, 0};
    auto holds = [&segments](int32_t i, int32_t at) {
        return segments.items[i].offset <= at && (i + 1 == segments.count || segments.items[i + 1].offset > at);
    };
    int32_t found = value.last_segment;
    if (found >= segments.count || !holds(found, offset)) {
        if (found + 1 < segments.count && holds(found + 1, offset)) {
            found++;
        } else {
            // The last segment starting at or before the offset.
            int32_t low = 0, high = segments.count - 1;
            while (low < high) {
                int32_t middle = (low + high + 1) / 2;
                if (segments.items[middle].offset <= offset)
                    low = middle;
                else
                    high = middle - 1;
            }
            found = low;
        }
    }
    value.last_segment = found;
    const BsdlSegment &segment = segments.items[found];
    return BsdlPlace{segment.place.line, segment.place.column + (offset - segment.offset)};
}

const char *attribute_name(AttributeId id) {
    static const char *const kNames[kAttributeCount] = {
        "COMPONENT_CONFORMANCE", "PIN_MAP",          "INSTRUCTION_LENGTH", "INSTRUCTION_OPCODE",
        "INSTRUCTION_CAPTURE",   "INSTRUCTION_PRIVATE", "IDCODE_REGISTER", "USERCODE_REGISTER",
        "REGISTER_ACCESS",       "BOUNDARY_LENGTH",  "BOUNDARY_REGISTER",  "COMPLIANCE_PATTERNS",
        "DESIGN_WARNING",
    };
    return kNames[id];
}

int32_t port_low(const BsdlPort &port) { return port.left < port.right ? port.left : port.right; }

int32_t port_high(const BsdlPort &port) { return port.left < port.right ? port.right : port.left; }

int32_t port_width(const BsdlPort &port) {
    return port.vector ? static_cast<int32_t>(static_cast<int64_t>(port_high(port)) - port_low(port) + 1) : 1;
}

int32_t pin_of_bit(const BsdlPort &port, int32_t index) {
    if (!port.vector)
        return port.first_pin;
    // The pin map lists a vector's pins from the left end of its range.
    int32_t from_left = port.left <= port.right ? index - port.left : port.left - index;
    return port.first_pin + from_left;
}

const char *cell_function_name(BsdlCellFunction function) {
    static const char *const kNames[] = {"INPUT",    "OUTPUT2", "OUTPUT3", "CONTROL",     "CONTROLR",
                                         "INTERNAL", "CLOCK",   "BIDIR",   "OBSERVE_ONLY"};
    return kNames[static_cast<int>(function)];
}

const char *disable_result_name(DisableResult result) {
    static const char *const kNames[] = {nullptr, "Z", "WEAK0", "WEAK1", "PULL0", "PULL1", "KEEPER"};
    return kNames[static_cast<int>(result)];
}

bool function_captures(BsdlCellFunction function) {
    return function == BsdlCellFunction::kInput || function == BsdlCellFunction::kClock ||
           function == BsdlCellFunction::kBidir || function == BsdlCellFunction::kObserveOnly;
}

bool function_drives(BsdlCellFunction function) {
    return function == BsdlCellFunction::kOutput2 || function == BsdlCellFunction::kOutput3 ||
           function == BsdlCellFunction::kBidir;
}

void start_document(BsdlDocument &document) {
    document = BsdlDocument{};
    document.package = -1;
}

void release_document(HostContext *context, BsdlDocument &document) {
    release_source_text(context, &document.source);
    array_release(context, document.ports);
    name_index_release(context, document.port_index);
    for (int32_t i = 0; i < document.constants.count; i++)
        release_string(context, document.constants.items[i].value);
    array_release(context, document.constants);
    name_index_release(context, document.constant_index);
    array_release(context, document.taps);
    for (BsdlAttribute &attribute : document.attributes)
        release_string(context, attribute.text);
    array_release(context, document.pins);
    array_release(context, document.opcodes);
    array_release(context, document.instructions);
    name_index_release(context, document.instruction_index);
    array_release(context, document.registers);
    name_index_release(context, document.register_index);
    array_release(context, document.entries);
    array_release(context, document.cells);
    array_release(context, document.cell_kinds);
    start_document(document);
}

int32_t find_port(const BsdlDocument &document, BsdlSlice name) {
    return name_index_find(document.port_index, name,
                           [&document](int32_t i) { return document.ports.items[i].name; });
}

int32_t find_instruction(const BsdlDocument &document, BsdlSlice name) {
    return name_index_find(document.instruction_index, name,
                           [&document](int32_t i) { return document.instructions.items[i].name; });
}

int32_t find_register(const BsdlDocument &document, BsdlSlice name) {
    return name_index_find(document.register_index, name,
                           [&document](int32_t i) { return document.registers.items[i].name; });
}

int32_t find_constant(const BsdlDocument &document, BsdlSlice name) {
    return name_index_find(document.constant_index, name,
                           [&document](int32_t i) { return document.constants.items[i].name; });
}

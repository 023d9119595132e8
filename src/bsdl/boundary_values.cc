// Boundary values: the boundary register's cells read from BOUNDARY_LENGTH and BOUNDARY_REGISTER
#include "bsdl/boundary_values.h"

#include "bsdl/pin_map_values.h"
#include "bsdl/value_reader.h"

namespace {

constexpr struct {
    const char *name;
    BsdlCellFunction function;
} kFunctions[] = {
    {"INPUT", BsdlCellFunction::kInput},       {"OUTPUT2", BsdlCellFunction::kOutput2},
    {"OUTPUT3", BsdlCellFunction::kOutput3},   {"CONTROL", BsdlCellFunction::kControl},
    {"CONTROLR", BsdlCellFunction::kControlr}, {"INTERNAL", BsdlCellFunction::kInternal},
    {"CLOCK", BsdlCellFunction::kClock},       {"BIDIR", BsdlCellFunction::kBidir},
    {"OBSERVE_ONLY", BsdlCellFunction::kObserveOnly},
};

// ---- One entry ----

// The port of an entry: * or NAME or NAME(index), checked against the ports.
bool read_entry_port(ValueReader &r, BsdlDocument &d, BsdlCellEntry &entry) {
    entry.port = -1;
    BsdlPlace place = value_place(r, r.token);
    if (is_symbol(r.token, '*'))
        return value_advance(r);
    ValueToken name{};
    if (!value_take_word(r, "a port name or '*'", &name))
        return false;
    bool indexed = is_symbol(r.token, '(');
    if (indexed && (!value_advance(r) || !value_take_number(r, "a bit index", &entry.bit, nullptr) ||
                    !value_take_symbol(r, ')', "')'")))
        return false;
    ShownSlice shown{}, package{};
    const char *shown_name = shown_slice(shown, token_slice(name));
    int32_t found = find_port(d, token_slice(name));
    if (found < 0) {
        import_error(r.import, place, "Cell %d names port %s, which is not declared", entry.number, shown_name);
        return true;
    }
    BsdlPort &port = d.ports.items[found];
    if (port.vector && !indexed) {
        import_error(r.import, place, "Cell %d names bit_vector port %s without a bit", entry.number, shown_name);
    } else if (!port.vector && indexed) {
        import_error(r.import, place, "Cell %d names bit %d of port %s, which is a bit", entry.number, entry.bit,
                     shown_name);
    } else if (port.vector && (entry.bit < port_low(port) || entry.bit > port_high(port))) {
        import_error(r.import, place, "Cell %d names bit %d of port %s, whose range is %d %s %d", entry.number,
                     entry.bit, shown_name, port.left, port.left <= port.right ? "to" : "downto", port.right);
    } else if (port.first_pin < 0) {
        // A port the pin map gave the wrong number of pins has been told,
        // and so has a pin map that could not be chosen.
        if (!port.told_unmapped && port.pin_count == 0 && d.pin_map_read)
            import_error(r.import, place, "Port %s is not in pin map %s", shown_name, package_name(d, package));
        port.told_unmapped = true;
    } else {
        entry.port = found;
    }
    return true;
}

bool read_function(ValueReader &r, BsdlCellEntry &entry) {
    ValueToken word{};
    if (!value_take_word(r, "a cell function", &word))
        return false;
    for (const auto &known : kFunctions)
        if (is_name(token_slice(word), known.name)) {
            entry.function = known.function;
            return true;
        }
    ShownSlice shown;
    import_error(r.import, value_place(r, word), "Cell %d has an unknown function %s", entry.number,
                 shown_slice(shown, token_slice(word)));
    return true;
}

// One bit of 0 and 1, or X where `x_allowed`; upper-cased; '\0' when it is none.
char read_bit(const ValueToken &word, bool x_allowed) {
    char c = word.length == 1 ? word.text[0] : '\0';
    if (c == 'x')
        c = 'X';
    return c == '0' || c == '1' || (x_allowed && c == 'X') ? c : '\0';
}

// The optional part: , ccell, disval [, rslt]
bool read_control(ValueReader &r, BsdlCellEntry &entry) {
    ShownSlice shown;
    BsdlPlace place{};
    ValueToken disable{};
    if (!value_take_number(r, "a control cell number", &entry.control, &place) || !value_take_symbol(r, ',', "','") ||
        !value_take_word(r, "a disable value", &disable))
        return false;
    entry.disable = read_bit(disable, false);
    if (!entry.disable)
        import_error(r.import, value_place(r, disable), "Cell %d has disable value %s: only 0 or 1 is allowed",
                     entry.number, shown_slice(shown, token_slice(disable)));
    if (!is_symbol(r.token, ','))
        return true;
    ValueToken result{};
    if (!value_advance(r) || !value_take_word(r, "a disable result", &result))
        return false;
    for (auto known = DisableResult::kZ; known <= DisableResult::kKeeper;
         known = static_cast<DisableResult>(static_cast<int>(known) + 1))
        if (is_name(token_slice(result), disable_result_name(known))) {
            entry.result = known;
            return true;
        }
    import_error(r.import, value_place(r, result), "Cell %d has an unknown disable result %s", entry.number,
                 shown_slice(shown, token_slice(result)));
    return true;
}

// The cell kind's place in the document's list, entered at its first use.
bool find_kind(BsdlImport &import, BsdlDocument &d, BsdlSlice name, int32_t *kind) {
    for (int32_t i = 0; i < d.cell_kinds.count; i++)
        if (same_name(d.cell_kinds.items[i], name)) {
            *kind = i;
            return true;
        }
    BsdlSlice *added = array_add(import.host, d.cell_kinds);
    if (!added) {
        import_out_of_memory(import);
        return false;
    }
    *added = name;
    *kind = d.cell_kinds.count - 1;
    return true;
}

// num ( cell, port, function, safe [, ccell, disval [, rslt]] )
bool read_entry(ValueReader &r, BsdlDocument &d) {
    BsdlCellEntry entry{};
    entry.control = -1;
    entry.next_merged = -1;
    entry.place = value_place(r, r.token);
    ValueToken cell{}, safe{};
    if (!value_take_number(r, "a cell number", &entry.number, nullptr) || !value_take_symbol(r, '(', "'('") ||
        !value_take_word(r, "a cell name", &cell) || !value_take_symbol(r, ',', "','") ||
        !read_entry_port(r, d, entry) || !value_take_symbol(r, ',', "','") || !read_function(r, entry) ||
        !value_take_symbol(r, ',', "','") || !value_take_word(r, "a safe value", &safe))
        return false;
    upper_case(cell.text, cell.length);
    if (!find_kind(r.import, d, token_slice(cell), &entry.kind))
        return false;
    entry.safe = read_bit(safe, true);
    if (!entry.safe) {
        ShownSlice shown;
        import_error(r.import, value_place(r, safe), "Cell %d has safe value %s: only 0, 1 or X is allowed",
                     entry.number, shown_slice(shown, token_slice(safe)));
    }
    if (is_symbol(r.token, ',') && (!value_advance(r) || !read_control(r, entry)))
        return false;
    if (!value_take_symbol(r, ')', "')'"))
        return false;
    BsdlCellEntry *added = array_add(r.import.host, d.entries);
    if (!added) {
        import_out_of_memory(r.import);
        return false;
    }
    *added = entry;
    return true;
}

// ---- The cells ----

int32_t read_length(BsdlImport &import, BsdlDocument &d) {
    const BsdlAttribute *length = given_attribute(import, d, kBoundaryLength);
    if (length && length->number < 1)
        import_error(import, length->value_place, "BOUNDARY_LENGTH %d is less than 1", length->number);
    return length && length->number >= 1 ? length->number : 0;
}

// The entry joins the cell of its number: the first makes it, a later one
// is merged into it (one kind, one port).
void merge_entry(BsdlImport &import, BsdlDocument &d, int32_t index) {
    BsdlCellEntry &entry = d.entries.items[index];
    BsdlCell &cell = d.cells.items[entry.number];
    ShownSlice first, second;
    if (cell.first_entry < 0) {
        cell.first_entry = index;
    } else {
        int32_t last = cell.first_entry;
        while (d.entries.items[last].next_merged >= 0)
            last = d.entries.items[last].next_merged;
        d.entries.items[last].next_merged = index;
        const BsdlCellEntry &head = d.entries.items[cell.first_entry];
        if (head.kind != entry.kind)
            import_error(import, entry.place, "Cell %d is described as %s and as %s", entry.number,
                         shown_slice(first, d.cell_kinds.items[head.kind]),
                         shown_slice(second, d.cell_kinds.items[entry.kind]));
        if (cell.port >= 0 && entry.port >= 0 && (cell.port != entry.port || cell.bit != entry.bit))
            import_error(import, entry.place, "Cell %d serves two ports, %s and %s", entry.number,
                         shown_slice(first, d.ports.items[cell.port].name),
                         shown_slice(second, d.ports.items[entry.port].name));
    }
    if (entry.port >= 0 && cell.port < 0) {
        cell.port = entry.port;
        cell.bit = entry.bit;
    }
    cell.kind = d.entries.items[cell.first_entry].kind;
    cell.captures = cell.captures || (entry.port >= 0 && function_captures(entry.function));
    cell.drives = cell.drives || (entry.port >= 0 && function_drives(entry.function));
    cell.has_control = cell.has_control || entry.control >= 0;
}

bool settle_cells(BsdlImport &import, BsdlDocument &d, int32_t length) {
    const BsdlAttribute &attribute = d.attributes[kBoundaryLength];
    // Every cell has an entry: a length beyond the entries cannot hold.
    if (length > d.entries.count) {
        import_error(import, attribute.value_place, "BOUNDARY_LENGTH is %d but BOUNDARY_REGISTER describes %d cells",
                     length, d.entries.count);
        return true;
    }
    for (int32_t i = 0; i < length; i++) {
        BsdlCell *cell = array_add(import.host, d.cells);
        if (!cell) {
            import_out_of_memory(import);
            return false;
        }
        *cell = BsdlCell{-1, -1, 0, false, false, false, false, 0};
    }
    for (int32_t i = 0; i < d.entries.count; i++) {
        const BsdlCellEntry &entry = d.entries.items[i];
        if (entry.number >= length)
            import_error(import, entry.place, "Cell %d is outside the boundary register of length %d", entry.number,
                         length);
        else
            merge_entry(import, d, i);
        if (entry.control >= length)
            import_error(import, entry.place, "Cell %d names control cell %d, outside the boundary register of length %d",
                         entry.number, entry.control, length);
        else if (entry.control >= 0)
            d.cells.items[entry.control].controls = true;
    }
    int32_t described = 0, missing = -1;
    for (int32_t i = 0; i < length; i++) {
        if (d.cells.items[i].first_entry >= 0)
            described++;
        else if (missing < 0)
            missing = i;
    }
    if (missing >= 0)
        import_error(import, attribute.value_place,
                     "BOUNDARY_LENGTH is %d but BOUNDARY_REGISTER describes %d cells (cell %d is missing)", length,
                     described, missing);
    return true;
}

}  // namespace

bool read_boundary_values(BsdlImport &import, BsdlDocument &d) {
    int32_t length = read_length(import, d);
    BsdlAttribute *entries = given_attribute(import, d, kBoundaryRegister);
    if (!entries)
        return true;
    ValueReader r{import, "BOUNDARY_REGISTER", {}, {}};
    if (!value_start(r, entries->text))
        return false;
    if (!value_at_end(r))
        while (read_entry(r, d) && value_list_goes_on(r, 0)) {
        }
    if (import.stopped)
        return false;
    return length == 0 || settle_cells(import, d, length);
}

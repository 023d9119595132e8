// Pin map values: the package chosen, its pins given to the ports, the TAP ports found
#include "bsdl/pin_map_values.h"

#include <cstring>

#include "bsdl/value_reader.h"

namespace {

// ---- The package ----

// The names of the file's packages, for a message: "A, B, C".
struct PackageList {
    char text[512];
};

const char *package_list(const BsdlDocument &d, PackageList &list) {
    size_t length = 0;
    list.text[0] = '\0';
    for (int32_t i = 0; i < d.constants.count; i++) {
        ShownSlice shown;
        const char *name = shown_slice(shown, d.constants.items[i].name);
        size_t needed = std::strlen(name) + (i ? 2 : 0);
        if (length + needed + 4 >= sizeof list.text) {
            std::memcpy(list.text + length, ", ...", 6);
            break;
        }
        if (i) {
            std::memcpy(list.text + length, ", ", 2);
            length += 2;
        }
        std::memcpy(list.text + length, name, needed - (i ? 2 : 0) + 1);
        length += needed - (i ? 2 : 0);
    }
    return list.text;
}

// The constant of the package asked for; -1 after a reported finding.
int32_t choose_package(BsdlImport &import, const BsdlDocument &d, BsdlSlice wanted, BsdlPlace place) {
    int32_t found = find_constant(d, wanted);
    if (found >= 0)
        return found;
    ShownSlice shown;
    PackageList list;
    if (d.constants.count == 0)
        import_error(import, place, "Package %s is not in the file, which has no PIN_MAP_STRING constant",
                     shown_slice(shown, wanted));
    else
        import_error(import, place, "Package %s is not in the file; its packages are %s", shown_slice(shown, wanted),
                     package_list(d, list));
    return -1;
}

// The value of the pin map to read, or null after a reported finding.
BsdlString *chosen_pin_map(BsdlImport &import, BsdlDocument &d, const char *package) {
    BsdlAttribute *given = given_attribute(import, d, kPinMap);
    if (!given)
        return nullptr;
    BsdlAttribute &pin_map = *given;
    BsdlSlice wanted = pin_map.word;
    BsdlPlace place = pin_map.value_place;
    if (package) {
        wanted = BsdlSlice{package, static_cast<int32_t>(std::strlen(package))};
        place = BsdlPlace{0, 0};
    } else if (!pin_map.word.text) {
        // A pin map given as a string of its own.
        return &pin_map.text;
    } else if (is_name(pin_map.word, "PHYSICAL_PIN_MAP")) {
        // The package the generic gives by default, or else the only one;
        // a default that names no package of a file that has one only is
        // taken for a slip.
        if (d.default_package.text && (find_constant(d, d.default_package) >= 0 || d.constants.count != 1)) {
            wanted = d.default_package;
            place = d.default_package_place;
        } else if (d.constants.count == 1) {
            if (d.default_package.text) {
                ShownSlice named, only;
                import_note(import, d.default_package_place,
                            "Package %s named by default is not in the file: its one package %s is taken",
                            shown_slice(named, d.default_package), shown_slice(only, d.constants.items[0].name));
            }
            wanted = d.constants.items[0].name;
        } else {
            PackageList list;
            import_error(import, place, "No package chosen and none given by default: the file's packages are %s",
                         d.constants.count ? package_list(d, list) : "none");
            return nullptr;
        }
    }
    d.package = choose_package(import, d, wanted, place);
    return d.package >= 0 ? &d.constants.items[d.package].value : nullptr;
}

// ---- The pins ----

struct PinMapReader {
    ValueReader &r;
    BsdlDocument &d;
    NameIndex pin_index;    // the pins by name
};

// Enters one pin of the port (-1: a port not declared, whose pins are only read).
bool add_pin(PinMapReader &m, const ValueToken &id, int32_t port) {
    BsdlImport &import = m.r.import;
    BsdlDocument &d = m.d;
    BsdlSlice name = token_slice(id);
    BsdlPlace place = value_place(m.r, id);
    if (port < 0)
        return true;
    int32_t earlier = name_index_find(m.pin_index, name, [&d](int32_t i) { return d.pins.items[i].id; });
    if (earlier >= 0) {
        ShownSlice pin, first, second;
        const BsdlPin &other = d.pins.items[earlier];
        import_error(import, place, "Pin %s is mapped twice, to ports %s and %s", shown_slice(pin, name),
                     shown_slice(first, d.ports.items[other.port].name),
                     shown_slice(second, d.ports.items[port].name));
    }
    BsdlPin *pin = array_add(import.host, d.pins);
    if (!pin || (earlier < 0 && !name_index_add(import.host, m.pin_index, name, d.pins.count - 1))) {
        if (pin)
            d.pins.count--;
        import_out_of_memory(import);
        return false;
    }
    *pin = BsdlPin{name, place, port};
    return true;
}

// PORT : pin   or   PORT : ( pin, pin, ... )
bool read_mapping(PinMapReader &m) {
    ValueReader &r = m.r;
    BsdlDocument &d = m.d;
    ValueToken port_name{};
    if (!value_take_word(r, "a port name", &port_name) || !value_take_symbol(r, ':', "':'"))
        return false;
    BsdlPlace place = value_place(r, port_name);
    ShownSlice shown;
    int32_t port = find_port(d, token_slice(port_name));
    if (port < 0)
        import_error(r.import, place, "Port %s in the pin map is not declared", shown_slice(shown, token_slice(port_name)));
    else if (d.ports.items[port].first_pin >= 0 || d.ports.items[port].pin_count > 0) {
        import_error(r.import, place, "Port %s is mapped twice", shown_slice(shown, token_slice(port_name)));
        port = -1;
    }
    const int32_t first = d.pins.count;
    bool listed = is_symbol(r.token, '(');
    if (listed && !value_advance(r))
        return false;
    for (;;) {
        ValueToken id{};
        if (!value_take_word(r, "a pin", &id) || !add_pin(m, id, port))
            return false;
        if (!listed || !value_list_goes_on(r, ')'))
            break;
    }
    if (r.import.stopped || (listed && !value_take_symbol(r, ')', "',' or ')'")))
        return false;
    if (port < 0)
        return true;
    BsdlPort &mapped = d.ports.items[port];
    mapped.first_pin = first;
    mapped.pin_count = d.pins.count - first;
    // Supply pins are often given one linkage bit with all their pins: it is
    // taken as a bus of them, indexed from 0.
    if (mapped.mode == PortMode::kLinkage && !mapped.vector && mapped.pin_count > 1) {
        import_note(r.import, place, "Linkage port %s is a bit with %d pins: taken as %s(0 to %d)",
                    shown_slice(shown, mapped.name), mapped.pin_count, shown.text, mapped.pin_count - 1);
        mapped.vector = true;
        mapped.left = 0;
        mapped.right = mapped.pin_count - 1;
    }
    if (mapped.pin_count != port_width(mapped)) {
        import_error(r.import, place, "Port %s has %d bits but %d pins in the pin map",
                     shown_slice(shown, mapped.name), port_width(mapped), mapped.pin_count);
        // Its bits cannot be told their pins: it is taken as unmapped.
        mapped.first_pin = -1;
    }
    return true;
}

bool read_pins(BsdlImport &import, BsdlDocument &d, BsdlString &value) {
    ValueReader r{import, "PIN_MAP_STRING", {}, {}};
    PinMapReader m{r, d, {}};
    if (value_start(r, value) && !value_at_end(r))
        while (read_mapping(m) && value_list_goes_on(r, 0)) {
        }
    name_index_release(import.host, m.pin_index);
    return !import.stopped;
}

// ---- The TAP ----

const char *tap_attribute(int32_t signal) {
    switch (signal) {
    case OXEL_PIN_TDI: return "TAP_SCAN_IN";
    case OXEL_PIN_TDO: return "TAP_SCAN_OUT";
    case OXEL_PIN_TMS: return "TAP_SCAN_MODE";
    case OXEL_PIN_TCK: return "TAP_SCAN_CLOCK";
    default: return "TAP_SCAN_RESET";
    }
}

void settle_taps(BsdlImport &import, BsdlDocument &d) {
    for (int32_t i = 0; i < d.taps.count; i++) {
        const BsdlTapAttribute &tap = d.taps.items[i];
        ShownSlice shown, other;
        int32_t port = find_port(d, tap.port);
        if (port < 0) {
            import_error(import, tap.place, "%s names %s, which is not a declared port", tap_attribute(tap.signal),
                         shown_slice(shown, tap.port));
            continue;
        }
        BsdlPort &p = d.ports.items[port];
        if (p.vector) {
            import_error(import, tap.place, "%s names %s, which is a bit_vector port", tap_attribute(tap.signal),
                         shown_slice(shown, p.name));
        } else if (p.tap) {
            import_error(import, tap.place, "Port %s is named by %s and %s", shown_slice(shown, p.name),
                         tap_attribute(p.tap), tap_attribute(tap.signal));
        } else if (p.first_pin < 0) {
            if (p.pin_count == 0 && d.pin_map_read)
                import_error(import, tap.place, "Port %s is not in pin map %s", shown_slice(shown, p.name),
                             package_name(d, other));
        } else {
            for (int32_t j = 0; j < d.ports.count; j++)
                if (d.ports.items[j].tap == tap.signal) {
                    import_error(import, tap.place, "%s names two ports, %s and %s", tap_attribute(tap.signal),
                                 shown_slice(other, d.ports.items[j].name), shown_slice(shown, p.name));
                    break;
                }
            p.tap = tap.signal;
        }
    }
}

}  // namespace

const char *package_name(const BsdlDocument &d, ShownSlice &buffer) {
    if (d.package < 0)
        return "PIN_MAP";
    return shown_slice(buffer, d.constants.items[d.package].name);
}

bool read_pin_map(BsdlImport &import, BsdlDocument &d, const char *package) {
    BsdlString *value = chosen_pin_map(import, d, package);
    d.pin_map_read = value != nullptr;
    if (value && !read_pins(import, d, *value))
        return false;
    settle_taps(import, d);
    return !import.stopped;
}

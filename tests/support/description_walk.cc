// Walks of a held description for the sweeps and the fuzzers: every record read, every query asked
#include "support/description_walk.h"

#include <cstring>
#include <string>
#include <vector>

#include "support/record_visit.h"

namespace {

// What has been read, folded into one number: a visitor of record_visit.h.
struct Walk {
    uint64_t sum = 0;

    void number(int64_t value) { sum = sum * 31 + static_cast<uint64_t>(value); }
    void text(const char *value) { number(value ? static_cast<int64_t>(std::strlen(value)) + 1 : 0); }
    // A double by its bits: any value, infinities and NaN too, is read safely.
    void real(double value) {
        int64_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        number(bits);
    }

    Walk &line(const char *) { return *this; }
    void down() {}
    void up() {}
    void list(const char *, const ItemList *list) { number(list->count); }
    Walk &operator()(const char *, const char *value) {
        text(value);
        return *this;
    }
    Walk &operator()(const char *, int64_t value) {
        number(value);
        return *this;
    }
    Walk &operator()(const char *, std::initializer_list<const double *> values) {
        for (const double *value : values)
            value ? real(*value) : number(-1);
        return *this;
    }
    Walk &operator()(const char *, const ItemList *texts) {
        for (int32_t i = 0; texts && i < texts->count; i++)
            text(static_cast<const char *>(texts->items[i]));
        return *this;
    }
    Walk &indices(const char *, const ItemList *list) {
        for (int32_t i = 0; list && i < list->count; i++) {
            const auto *index = static_cast<const IndexRecord *>(list->items[i]);
            if (!index)
                continue;
            number(index->kind);
            if (index->kind == OXEL_INDEX_NAME)
                text(reinterpret_cast<const char *>(index->first));
            else
                number(index->first);
            number(index->last);
        }
        return *this;
    }
    Walk &pin(const char *, const PinRefRecord *ref) {
        if (!ref)
            return *this;
        number(ref->kind);
        text(ref->name);
        if (ref->kind == OXEL_PINREF_ELEMENTS)
            indices("", reinterpret_cast<const ItemList *>(ref->selector));
        else
            number(ref->selector);
        return *this;
    }
    Walk &mode(const char *, const ModeSpecRecord *spec) {
        if (spec) {
            number(spec->code + spec->reserved * 16);
            text(spec->name);
        }
        return *this;
    }
    // Outputs written "-" within brackets are null items.
    Walk &modes(const char *, const ItemList *list) {
        for (int32_t i = 0; list && i < list->count; i++)
            mode("", static_cast<const ModeSpecRecord *>(list->items[i]));
        return *this;
    }
};

// ---- Queries ----

// Every name a component's registers are known by, and one it has not.
std::vector<std::string> register_names(const ComponentRecord *c) {
    std::vector<std::string> names{"NO_SUCH_REGISTER", ""};
    auto add = [&](const ItemList *list, auto *record) {
        for (int32_t i = 0; list && i < list->count; i++) {
            const auto *r = static_cast<decltype(record)>(list->items[i]);
            if (r && r->name)
                names.push_back(r->name);
        }
    };
    add(c->instruction_registers, static_cast<const InstructionRegisterRecord *>(nullptr));
    add(c->boundary_scan_registers, static_cast<const BoundaryScanRegisterRecord *>(nullptr));
    add(c->bypass_registers, static_cast<const BypassRegisterRecord *>(nullptr));
    add(c->identification_registers, static_cast<const IdRegisterRecord *>(nullptr));
    add(c->usercode_registers, static_cast<const IdRegisterRecord *>(nullptr));
    add(c->bist_registers, static_cast<const BistRegisterRecord *>(nullptr));
    add(c->data_registers, static_cast<const DataRegisterRecord *>(nullptr));
    return names;
}

// The names and numbers of the first pin list's entries, and two that no pin has.
std::vector<std::string> pin_texts(const ComponentRecord *c) {
    std::vector<std::string> texts{"NO_SUCH_PIN", ""};
    const ItemList *lists = c->pin_lists;
    const auto *pins = lists && lists->count > 0 ? static_cast<const ItemList *>(lists->items[0]) : nullptr;
    for (int32_t i = 0; pins && i < pins->count; i++) {
        const auto *pin = static_cast<const PinRecord *>(pins->items[i]);
        if (pin && pin->name)
            texts.push_back(pin->name);
        if (pin && pin->numbering && pin->numbering->number)
            texts.push_back(pin->numbering->number);
    }
    return texts;
}

void ask_instructions(Walk &w, HostContext *context) {
    using Getter = const char *(*)();
    for (Getter named : {oxel_get_current_component_extest_instruction,
                         oxel_get_current_component_bypass_instruction,
                         oxel_get_current_component_sample_preload_instruction,
                         oxel_get_current_component_ident_instruction,
                         oxel_get_current_component_clamp_instruction,
                         oxel_get_current_component_highz_instruction})
        w.text(named());
    // Large enough for any name the lexer reads, for the unbounded forms.
    std::vector<char> buffer(8192);
    char small[4];
    for (int32_t kind = oxel_get_current_component_first_instruction(); kind != -1;
         kind = oxel_get_current_component_next_instruction()) {
        w.number(kind);
        w.text(oxel_get_current_component_current_instruction_name());
        w.text(oxel_get_current_component_current_instruction_code());
        w.text(oxel_get_current_component_register_selected());
        w.number(oxel_current_component_instruction2text(context, kind, buffer.data()));
        w.number(oxel_current_component_instruction2text_n(context, kind, small, sizeof small));
        oxel_get_current_component_register_type_selected(context, buffer.data());
        w.text(buffer.data());
        w.number(oxel_get_current_component_register_type_selected_n(context, small, sizeof small));
    }
    for (int32_t kind = -1; kind <= 11; kind++)
        w.number(oxel_current_component_instruction2text_n(context, kind, buffer.data(), 64));
}

void ask_registers(Walk &w, HostContext *context, const ComponentRecord *c) {
    w.number(oxel_open_current_component_boundary_scan_register(context));
    w.number(oxel_get_current_component_boundary_scan_register_length());
    w.number(oxel_get_current_component_instruction_register_length());
    w.text(oxel_get_current_component_instruction_register_capture_code());
    w.text(oxel_get_current_component_idcode_register_capture_code());
    w.text(oxel_get_current_component_usercode_register_capture_code());
    for (const std::string &name : register_names(c)) {
        w.number(oxel_get_current_component_register_length(context, name.c_str()));
        w.text(oxel_get_current_component_register_capture_code(context, name.c_str()));
    }
}

void ask_pins(Walk &w, HostContext *context, const ComponentRecord *c) {
    for (int32_t type = 0; type <= 14; type++) {
        w.text(oxel_get_current_component_tap_pin_name(context, type));
        w.text(oxel_get_current_component_pin_id(context, type));
        w.text(oxel_get_current_component_pin_id_special(context, type));
    }
    w.number(oxel_get_current_component_trst_available(context));
    w.number(oxel_nr_current_component_pins());
    for (const char *name = oxel_get_current_component_first_pin_name(); name;
         name = oxel_get_current_component_next_pin_name()) {
        w.text(name);
        w.text(oxel_get_current_component_current_pin_nr());
        w.number(oxel_get_current_component_current_pin_direction(context));
    }
    // The walk by numbers goes past buses, which answer null: it ends when
    // the current pin name and number are both gone.
    const char *number = oxel_get_current_component_first_pin_nr();
    for (int32_t steps = 0; steps <= oxel_nr_current_component_pins(); steps++) {
        w.text(number);
        w.text(oxel_get_current_component_current_pin_name());
        w.number(oxel_get_current_component_current_pin_direction(context));
        number = oxel_get_current_component_next_pin_nr();
    }
    for (const std::string &text : pin_texts(c)) {
        w.number(oxel_get_current_component_pin_type(context, text.c_str()));
        w.text(oxel_get_current_component_pin_nr(context, text.c_str()));
        w.text(oxel_find_current_component_pin_name(context, text.c_str()));
        w.number(oxel_find_current_component_pin(context, text.c_str()));
    }
}

void ask_cells(Walk &w, HostContext *context) {
    const char *names[12];
    int32_t codes[12];
    std::vector<int32_t> positions{-1};
    for (int32_t more = oxel_get_current_component_first_cell(context); more;
         more = oxel_get_current_component_next_cell(context)) {
        int32_t position = oxel_get_current_component_current_cell_position();
        positions.push_back(position);
        w.number(position);
        w.text(oxel_get_current_component_current_cell_name());
        int32_t written = oxel_get_current_component_current_cell_function_list(context, names, codes, 12);
        for (int32_t i = 0; i < written && i < 12; i++) {
            w.text(names[i]);
            w.number(codes[i]);
        }
        w.number(oxel_get_current_component_current_cell_CD_output(context));
        w.number(oxel_get_current_component_current_cell_CD_value(context));
    }
    // Asked after the walk: the search by position moves the chain cursor,
    // and on a chain that gives a position twice the walk would start over.
    for (int32_t position : positions)
        w.text(oxel_get_current_component_pin_name_by_position(context, position));
}

}  // namespace

uint64_t walk_records(const DescriptionRoot *root) {
    Walk w;
    visit_description(w, root);
    return w.sum;
}

uint64_t walk_queries(HostContext *context) {
    Walk w;
    w.number(oxel_nr_components());
    for (int32_t more = oxel_get_first_component(); more; more = oxel_get_next_component()) {
        const ComponentRecord *c = oxel_get_current_component_entry();
        w.text(oxel_get_current_component_name());
        if (!c)
            continue;
        w.text(oxel_get_current_component_bsd_ref());
        w.real(oxel_get_current_component_highest_frequency());
        w.number(oxel_get_current_component_standard(context));
        ask_instructions(w, context);
        ask_registers(w, context, c);
        ask_pins(w, context, c);
        ask_cells(w, context);
    }
    // Opened by name, which may be shared: a walk by the cursor ends first.
    const ItemList *components = OxelGetInfo()->components;
    for (int32_t i = 0; components && i < components->count; i++) {
        const auto *c = static_cast<const ComponentRecord *>(components->items[i]);
        w.number(oxel_open_component(context, c && c->name ? c->name : ""));
        w.text(oxel_get_current_component_name());
    }
    return w.sum;
}

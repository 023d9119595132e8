// Walks of a held description for the tests, the sweeps and the fuzzers: every record read, every query asked
#include "support/description_walk.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <sstream>
#include <type_traits>
#include <vector>

#include "model/statements.h"

namespace {

std::string shown(const char *text) { return text ? text : "(null)"; }

// Index records as "n", "name" or "a:b", spaced; a number's stray `last` shows.
std::string indices_of(const ItemList *list) {
    std::string out;
    for (int32_t i = 0; list && i < list->count; i++) {
        const auto *index = static_cast<const IndexRecord *>(list->items[i]);
        out += out.empty() ? "" : " ";
        if (!index)
            out += "null";
        else if (index->kind == OXEL_INDEX_NAME)
            out += shown(reinterpret_cast<const char *>(index->first));
        else if (index->kind == OXEL_INDEX_RANGE)
            out += std::to_string(index->first) + ":" + std::to_string(index->last);
        else
            out += std::to_string(index->first) + (index->last ? "!" + std::to_string(index->last) : "");
    }
    return out;
}

std::string mode_spec(const ModeSpecRecord *m) {
    if (!m)
        return "null";
    return std::to_string(m->code) + (m->name ? ":" + std::string(m->name) : "") +
           (m->reserved ? "?" + std::to_string(m->reserved) : "");
}

// The records as lines of text, each field as name=value.
struct Dump {
    std::string text;
    int depth = 0;

    Dump &line(const std::string &word) {
        text += "\n" + std::string(2 * depth, ' ') + word;
        return *this;
    }
    Dump &field(const char *name, const std::string &value) {
        text += " " + std::string(name) + "=" + value;
        return *this;
    }
    Dump &operator()(const char *name, const char *value) {
        return value ? field(name, "\"" + std::string(value) + "\"") : *this;
    }
    Dump &operator()(const char *name, int64_t value) {
        return value ? field(name, std::to_string(value)) : *this;
    }
    Dump &operator()(const char *name, std::initializer_list<const double *> values) {
        std::ostringstream out;
        out.precision(15);
        for (const double *value : values)
            (out << (out.tellp() > 0 ? "," : "")), value ? out << *value : out << "-";
        const bool any = std::any_of(values.begin(), values.end(), [](const double *v) { return v; });
        return any ? field(name, out.str()) : *this;
    }
    // A list of texts, quoted.
    Dump &operator()(const char *name, const ItemList *texts) {
        std::string joined;
        for (int32_t i = 0; texts && i < texts->count; i++)
            joined += (i ? " \"" : "\"") + shown(static_cast<const char *>(texts->items[i])) + "\"";
        return texts ? field(name, "[" + joined + "]") : *this;
    }
    Dump &indices(const char *name, const ItemList *list) {
        return list ? field(name, "[" + indices_of(list) + "]") : *this;
    }
    // A pin reference as NAME, NAME(index) or NAME[indices]; "-" for no name.
    Dump &pin(const char *name, const PinRefRecord *ref) {
        if (!ref)
            return *this;
        const std::string pin = ref->name ? ref->name : "-", index = std::to_string(ref->selector);
        if (ref->kind == OXEL_PINREF_ELEMENTS)
            return field(name, pin + "[" + indices_of(reinterpret_cast<const ItemList *>(ref->selector)) + "]");
        return field(name, ref->kind == OXEL_PINREF_ELEMENT ? pin + "(" + index + ")"
                                                            : pin + (ref->selector ? "?" + index : ""));
    }
    Dump &mode(const char *name, const ModeSpecRecord *m) { return m ? field(name, mode_spec(m)) : *this; }
    // Outputs written "-" within brackets are null items, shown as "null".
    Dump &modes(const char *name, const ItemList *list) {
        std::string joined;
        for (int32_t i = 0; list && i < list->count; i++)
            joined += (i ? " " : "") + mode_spec(static_cast<const ModeSpecRecord *>(list->items[i]));
        return list ? field(name, "[" + joined + "]") : *this;
    }
    // The records of a list one level down; null items are passed over.
    template <typename Record>
    void items(const ItemList *list) {
        depth++;
        for (int32_t i = 0; list && i < list->count; i++)
            if (list->items[i])
                write(*this, static_cast<const Record *>(list->items[i]));
        depth--;
    }
    // A list one level down by name, its records below it; "NAME []" when empty.
    template <typename Record>
    void below(const char *name, const ItemList *list) {
        if (!list)
            return;
        depth++;
        line(std::string(name) + (list->count ? "" : " []"));
        items<Record>(list);
        depth--;
    }
};

void write(Dump &d, const char *word, const LogRecord *l) {
    d.line(word)("date", l->date)("creator", l->creator)("tool", l->tool)("reason", l->reason);
}
void write(Dump &d, const LogRecord *l) { write(d, "log", l); }
void write(Dump &d, const HeaderRecord *h) {
    if (!h)
        return;
    d.line("header");
    d.depth++;
    if (h->creation_log)
        write(d, "creation_log", h->creation_log);
    d.depth--;
    d.below<LogRecord>("change_logs", h->change_logs);
}
void write(Dump &d, const ListOf<PinRecord> *pins) {
    d.line("pin_list").items<PinRecord>(reinterpret_cast<const ItemList *>(pins));
}
void write(Dump &d, const ListOf<NetRecord> *nets) {
    d.line("netlist").items<NetRecord>(reinterpret_cast<const ItemList *>(nets));
}
void write(Dump &d, const PinRecord *p) {
    d.line("pin")("name", p->name)("form", p->form)("type", p->type)("reserved", p->reserved);
    d("family", p->family);
    if (const PinNumberingRecord *n = p->numbering)
        d("number", n->number).indices("numbers", n->numbers).indices("indices", n->indices);
}
void write(Dump &d, const CaptureStatusRecord *s) {
    d.line("status")("value", s->value)("description", s->description);
}
void write(Dump &d, const InstructionRecord *i) {
    d.line("instruction")("kind", i->kind)("name", i->name)("reserved", i->reserved)("code", i->code);
    d("register", i->register_name)("mode", i->mode)("mode_name", i->mode_name)("registers", i->registers);
}
void write(Dump &d, const CellModeRecord *m) {
    d.line("mode")("mode", m->mode)("name", m->mode_name)("select", m->select);
    d.mode("capture", m->capture).modes("outputs", m->outputs);
}
void write(Dump &d, const ChainElementRecord *e) {
    d.line("element")("position", e->position)("cell", e->cell_name).pin("pin", e->pin);
    d("in", e->input_params)("out", e->output_params)("third", e->third_params);
    d("control", e->control_cells)("disable", e->disable_values);
}
void write(Dump &d, const SequenceRecord *s) {
    d.line("sequence")("name", s->name)("step", s->instructions ? s->instructions->grow_step : 0);
    d.below<VrakInstructionRecord>("instructions", s->instructions);
}
void write(Dump &d, const VrakInstructionRecord *i) {
    d.line("vrak")("kind", i->kind);
    if (i->kind == OXEL_VRAK_CMT) {
        d("comment", static_cast<const char *>(i->operand));
    } else if (i->kind != OXEL_VRAK_PPA) {
        d.below<VrakOperandRecord>("operands", static_cast<const ItemList *>(i->operand));
    } else if (const auto *ppa = static_cast<const PpaRecord *>(i->operand)) {
        d.below<PpaSerialGroupRecord>("serial_groups", ppa->serial_groups);
        d.below<PpaParallelGroupRecord>("parallel_groups", ppa->parallel_groups);
    }
}
void write(Dump &d, const VrakOperandRecord *o) {
    d.line("operand")("reserved", o->reserved)("target", o->target)("count", o->count)("value", o->value);
}
void write(Dump &d, const PpaSerialGroupRecord *g) {
    d.line("serial")("name", g->name)("tdi", g->tdi)("tdo", g->tdo)("tms", g->tms)("tck", g->tck);
    d("trst", g->trst);
}
void write(Dump &d, const PpaParallelGroupRecord *g) {
    d.line("parallel")("name", g->name);
    d.below<PinRefRecord>("pins", g->pins);
}
void write(Dump &d, const PinRefRecord *p) { d.line("ref").pin("pin", p); }
void write(Dump &d, const GlobalPerformanceRecord *g) {
    d.line("global_family")("name", g->name);
    d("test_freq", {g->test_freq_min, g->test_freq_typ, g->test_freq_max});
    d("clock_freq", {g->clock_freq_min, g->clock_freq_typ, g->clock_freq_max});
    d("temperature", {g->temperature_min, g->temperature_typ, g->temperature_max});
    d("tck_stop_at_one", g->tck_stop_at_one)("given", g->tck_stop_at_one_given)("reserved", g->reserved);
}
void write(Dump &d, const BoardChainRecord *c) {
    d.line("chain")("name", c->name)("tdi", c->tdi_net)("tdo", c->tdo_net)("tms", c->tms_net);
    d("tck", c->tck_net)("trst", c->trst_net);
    d.below<PartChainRecord>("parts", c->parts);
}
void write(Dump &d, const PartChainRecord *p) {
    d.line("part")("position", p->position)("part", p->part_name)("component", p->component_name);
    d("tms", p->tms_net)("tck", p->tck_net)("trst", p->trst_net);
}
void write(Dump &d, const NetRecord *n) {
    d.line("net")("component", n->component_name).pin("pin", n->pin)("nets", n->nets);
}
void write(Dump &d, const PinFamilyRecord *f) {
    d.line("pin_family")("name", f->name)("setup_time", {f->setup_time})("hold_time", {f->hold_time});
    d("tplh", {f->tplh_min, f->tplh_typ, f->tplh_max})("tphl", {f->tphl_min, f->tphl_typ, f->tphl_max});
    d("input_current", {f->iil, f->iih})("input_voltage", {f->vil, f->vih});
    d("output_current", {f->iol, f->ioh})("output_voltage", {f->vol, f->voh});
    d("vcc", {f->vcc_min, f->vcc_typ, f->vcc_max});
}
// The statements a record holds, as the statement table gives them in its order: the fields that stand on
// the record's line (integers, texts, numbers, name lists, a pin, a preload, a capture's value) first, then
// the sections below it.
template <typename Value, typename Taken, typename Field>
void write_inline(Dump &d, const char *label, const Field &field) {
    if constexpr (std::is_same_v<Value, Integer>)
        d(label, static_cast<int64_t>(field));
    else if constexpr (std::is_same_v<Value, Text>)
        d(label, static_cast<const char *>(field));
    else if constexpr (std::is_same_v<Value, Number>)
        d(label, {field});
    else if constexpr (std::is_same_v<Value, ListOf<char>>)
        d(label, static_cast<const ItemList *>(field));
    else if constexpr (std::is_same_v<Value, PinRefRecord>)
        d.pin(label, field);
    else if constexpr (std::is_same_v<Value, PreloadRecord>) {
        if (field)
            d(label, field->register_name)("reserved", field->reserved)("value", field->value);
    } else if constexpr (std::is_same_v<Taken, Captured>)
        d(label, static_cast<const char *>(field));
}
template <typename Value, typename Taken, typename Holder, typename Field>
void write_below(Dump &d, const char *label, const Holder *h, const Field &field) {
    if constexpr (std::is_same_v<Value, HeaderRecord>) {
        d.depth++;
        write(d, field);
        d.depth--;
    } else if constexpr (std::is_same_v<Taken, Captured>) {
        d.below<CaptureStatusRecord>("capture_status", h->capture_status);
    } else if constexpr (std::is_same_v<Taken, Appended>) {
        d.below<Value>(label, field);
    } else if constexpr (requires { typename ListItem<Value>::type; }) {
        if constexpr (!std::is_same_v<typename ListItem<Value>::type, char>)
            d.below<typename ListItem<Value>::type>(label, field);
    }
}
template <typename Holder>
void write_statements(Dump &d, const Holder *h) {
#define WRITE_INLINE(name, tag, token, form, value, field, taken, holders) \
    if constexpr (((holders) & kHolderBit<Holder>) != 0 && !std::is_same_v<taken, IntoDescription>) \
        write_inline<value, taken>(d, #field, h->field);
    OXEL_STATEMENTS(WRITE_INLINE)
#undef WRITE_INLINE
#define WRITE_BELOW(name, tag, token, form, value, field, taken, holders) \
    if constexpr (((holders) & kHolderBit<Holder>) != 0 && !std::is_same_v<taken, IntoDescription>) \
        write_below<value, taken>(d, #field, h, h->field);
    OXEL_STATEMENTS(WRITE_BELOW)
#undef WRITE_BELOW
}
void write(Dump &d, const ComponentRecord *c) {
    d.line("component")("name", c->name)("source_ref", c->source_ref);
    write_statements(d, c);
}
void write(Dump &d, const BoardRecord *b) {
    d.line("board")("name", b->name)("source_ref", b->source_ref);
    write_statements(d, b);
}
void write(Dump &d, const InstructionRegisterRecord *r) {
    d.line("instruction_register")("name", r->name);
    write_statements(d, r);
}
void write(Dump &d, const BoundaryScanRegisterRecord *r) {
    d.line("boundary_scan_register")("name", r->name);
    write_statements(d, r);
}
void write(Dump &d, const BypassRegisterRecord *r) {
    d.line("bypass_register")("name", r->name);
    write_statements(d, r);
}
void write(Dump &d, const IdRegisterRecord *r) {
    d.line("register")("name", r->name);
    write_statements(d, r);
}
void write(Dump &d, const BistRegisterRecord *r) {
    d.line("bist_register")("name", r->name);
    write_statements(d, r);
}
void write(Dump &d, const DataRegisterRecord *r) {
    d.line("data_register")("name", r->name);
    write_statements(d, r);
}
void write(Dump &d, const CellRecord *c) {
    d.line("cell")("name", c->name);
    write_statements(d, c);
}
// What the queries answer, folded into one number.
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
};

// What the queries by name are asked: every name and number the component's
// records give, and two that none gives.
std::vector<std::string> names_in(const ComponentRecord *c) {
    Dump d;
    write(d, c);
    std::vector<std::string> names{"NO_SUCH_NAME", ""};
    for (const std::string key : {" name=\"", " number=\""})
        for (size_t at = d.text.find(key); at != std::string::npos; at = d.text.find(key, at + 1)) {
            const size_t start = at + key.size();
            names.push_back(d.text.substr(start, d.text.find('"', start) - start));
        }
    return names;
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

void ask_registers(Walk &w, HostContext *context, const std::vector<std::string> &names) {
    w.number(oxel_open_current_component_boundary_scan_register(context));
    w.number(oxel_get_current_component_boundary_scan_register_length());
    w.number(oxel_get_current_component_instruction_register_length());
    w.text(oxel_get_current_component_instruction_register_capture_code());
    w.text(oxel_get_current_component_idcode_register_capture_code());
    w.text(oxel_get_current_component_usercode_register_capture_code());
    for (const std::string &name : names) {
        w.number(oxel_get_current_component_register_length(context, name.c_str()));
        w.text(oxel_get_current_component_register_capture_code(context, name.c_str()));
    }
}

void ask_pins(Walk &w, HostContext *context, const std::vector<std::string> &names) {
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
    for (const std::string &text : names) {
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

std::string dump_records(const DescriptionRoot *root) {
    Dump d;
    write(d, root->header);
    d.depth = -1;
    d.below<BoardRecord>("boards", root->boards);
    d.below<ComponentRecord>("components", root->components);
    d.below<PinFamilyRecord>("pin_families", root->pin_families);
    return d.text;
}

uint64_t walk_records(const DescriptionRoot *root) { return std::hash<std::string>{}(dump_records(root)); }

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
        const std::vector<std::string> names = names_in(c);
        ask_registers(w, context, names);
        ask_pins(w, context, names);
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

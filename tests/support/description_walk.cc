// Walks of a held description for the sweeps and the fuzzers: every record read, every query asked
#include "support/description_walk.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

// What has been read, folded into one number.
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
    void real(const double *value) {
        if (value)
            real(*value);
        else
            number(-1);
    }
    void texts(const ItemList *list) {
        for (int32_t i = 0; list && i < list->count; i++)
            text(static_cast<const char *>(list->items[i]));
    }
    // Each item of a list, read by `read` (items may be null).
    template <typename Record>
    void each(const ItemList *list, void (*read)(Walk &, const Record *)) {
        if (!list)
            return;
        number(list->count);
        for (int32_t i = 0; i < list->count; i++)
            if (list->items[i])
                read(*this, static_cast<const Record *>(list->items[i]));
    }
};

void read_index(Walk &w, const IndexRecord *index) {
    w.number(index->kind);
    if (index->kind == OXEL_INDEX_NAME)
        w.text(reinterpret_cast<const char *>(index->first));
    else
        w.number(index->first);
    w.number(index->last);
}

void read_pin_ref(Walk &w, const PinRefRecord *ref) {
    w.number(ref->kind);
    w.text(ref->name);
    if (ref->kind == OXEL_PINREF_ELEMENTS)
        w.each(reinterpret_cast<const ItemList *>(ref->selector), read_index);
    else
        w.number(ref->selector);
}

void read_log(Walk &w, const LogRecord *log) {
    w.text(log->date);
    w.text(log->creator);
    w.text(log->tool);
    w.text(log->reason);
}

void read_header(Walk &w, const HeaderRecord *header) {
    if (!header)
        return;
    if (header->creation_log)
        read_log(w, header->creation_log);
    w.each(header->change_logs, read_log);
}

void read_status(Walk &w, const CaptureStatusRecord *status) {
    w.text(status->value);
    w.text(status->description);
}

// What every register has: name, purpose and length.
template <typename Register>
void read_register_head(Walk &w, const Register *r) {
    w.text(r->name);
    w.text(r->purpose);
    w.number(r->length);
}

// The capture value and status list of a register.
template <typename Register>
void read_capture(Walk &w, const Register *r) {
    w.text(r->capture_value);
    w.each(r->capture_status, read_status);
}

void read_pin(Walk &w, const PinRecord *pin) {
    w.text(pin->name);
    w.number(pin->form + pin->type * 16 + pin->reserved * 256);
    w.text(pin->family);
    if (const PinNumberingRecord *numbering = pin->numbering) {
        w.text(numbering->number);
        w.each(numbering->numbers, read_index);
        w.each(numbering->indices, read_index);
    }
}

void read_pin_list(Walk &w, const ItemList *pins) { w.each(pins, read_pin); }

void read_instruction(Walk &w, const InstructionRecord *instruction) {
    w.number(instruction->kind + instruction->mode * 16 + instruction->reserved * 1024);
    w.text(instruction->name);
    w.text(instruction->code);
    w.text(instruction->register_name);
    w.text(instruction->mode_name);
    w.texts(instruction->registers);
}

void read_instruction_register(Walk &w, const InstructionRegisterRecord *r) {
    read_register_head(w, r);
    read_capture(w, r);
    w.each(r->instructions, read_instruction);
}

void read_mode_record(Walk &w, const ModeSpecRecord *spec) {
    w.number(spec->code + spec->reserved * 16);
    w.text(spec->name);
}

void read_cell_mode(Walk &w, const CellModeRecord *mode) {
    w.text(mode->mode_name);
    w.number(mode->mode);
    w.text(mode->select);
    if (mode->capture)
        read_mode_record(w, mode->capture);
    w.each(mode->outputs, read_mode_record);
}

void read_cell(Walk &w, const CellRecord *cell) {
    w.text(cell->name);
    w.text(cell->init_update);
    w.texts(cell->data_inputs);
    w.texts(cell->data_outputs);
    w.texts(cell->data_select);
    w.each(cell->modes, read_cell_mode);
}

void read_chain_element(Walk &w, const ChainElementRecord *element) {
    w.number(element->position);
    w.text(element->cell_name);
    if (element->pin)
        read_pin_ref(w, element->pin);
    for (const ItemList *params : {element->input_params, element->output_params, element->third_params,
                                   element->control_cells, element->disable_values})
        w.texts(params);
}

void read_boundary_scan_register(Walk &w, const BoundaryScanRegisterRecord *r) {
    read_register_head(w, r);
    w.each(r->chain, read_chain_element);
}

void read_bypass_register(Walk &w, const BypassRegisterRecord *r) {
    read_register_head(w, r);
    read_capture(w, r);
}

void read_id_register(Walk &w, const IdRegisterRecord *r) {
    read_register_head(w, r);
    read_capture(w, r);
    w.text(r->manufacturer);
    w.text(r->part_number);
    w.text(r->version);
    w.texts(r->concatenation);
}

void read_bist_register(Walk &w, const BistRegisterRecord *r) {
    read_register_head(w, r);
    if (r->preload) {
        w.text(r->preload->register_name);
        w.number(r->preload->reserved);
        w.text(r->preload->value);
    }
    read_capture(w, r);
    w.real(r->coverage);
    if (r->clock)
        read_pin_ref(w, r->clock);
    w.real(r->min_duration);
    w.number(r->parallel_outputs);
    w.texts(r->altered_registers);
    w.texts(r->concatenation);
}

void read_data_register(Walk &w, const DataRegisterRecord *r) {
    read_register_head(w, r);
    read_capture(w, r);
    w.number(r->parallel_outputs);
    w.texts(r->altered_registers);
    w.texts(r->concatenation);
}

void read_operand(Walk &w, const VrakOperandRecord *operand) {
    w.number(operand->reserved + operand->count * 2);
    w.text(operand->target);
    w.text(operand->value);
}

void read_serial_group(Walk &w, const PpaSerialGroupRecord *group) {
    w.text(group->name);
    for (const ItemList *names : {group->tdi, group->tdo, group->tms, group->tck, group->trst})
        w.texts(names);
}

void read_parallel_group(Walk &w, const PpaParallelGroupRecord *group) {
    w.text(group->name);
    w.each(group->pins, read_pin_ref);
}

void read_vrak(Walk &w, const VrakInstructionRecord *vrak) {
    w.number(vrak->kind);
    if (vrak->kind == OXEL_VRAK_CMT) {
        w.text(static_cast<const char *>(vrak->operand));
    } else if (vrak->kind != OXEL_VRAK_PPA) {
        w.each(static_cast<const ItemList *>(vrak->operand), read_operand);
    } else if (const auto *ppa = static_cast<const PpaRecord *>(vrak->operand)) {
        w.each(ppa->serial_groups, read_serial_group);
        w.each(ppa->parallel_groups, read_parallel_group);
    }
}

void read_sequence(Walk &w, const SequenceRecord *sequence) {
    w.text(sequence->name);
    w.each(sequence->instructions, read_vrak);
}

void read_global_family(Walk &w, const GlobalPerformanceRecord *g) {
    w.text(g->name);
    for (const double *value : {g->test_freq_min, g->test_freq_typ, g->test_freq_max, g->clock_freq_min,
                                g->clock_freq_typ, g->clock_freq_max, g->temperature_min,
                                g->temperature_typ, g->temperature_max})
        w.real(value);
    w.number(g->tck_stop_at_one + g->tck_stop_at_one_given * 2 + g->reserved * 4);
}

void read_pin_family(Walk &w, const PinFamilyRecord *f) {
    w.text(f->name);
    for (const double *value : {f->setup_time, f->hold_time, f->tplh_min, f->tplh_typ, f->tplh_max,
                                f->tphl_min, f->tphl_typ, f->tphl_max, f->iil, f->iih, f->vil, f->vih,
                                f->iol, f->ioh, f->vol, f->voh, f->vcc_min, f->vcc_typ, f->vcc_max})
        w.real(value);
}

// What boards and components share.
template <typename Section>
void read_section(Walk &w, const Section *section) {
    w.text(section->name);
    w.text(section->source_ref);
    read_header(w, section->header);
    w.each(section->pin_lists, read_pin_list);
    w.each(section->test_sequences, read_sequence);
    w.each(section->illegal_sequences, read_sequence);
    w.each(section->global_performances, read_global_family);
}

void read_part(Walk &w, const PartChainRecord *part) {
    w.text(part->component_name);
    w.text(part->part_name);
    w.number(part->position);
    w.text(part->tms_net);
    w.text(part->tck_net);
    w.text(part->trst_net);
}

void read_board_chain(Walk &w, const BoardChainRecord *chain) {
    for (const char *text : {chain->name, chain->tdi_net, chain->tdo_net, chain->tms_net, chain->tck_net,
                             chain->trst_net})
        w.text(text);
    w.each(chain->parts, read_part);
}

void read_net(Walk &w, const NetRecord *net) {
    w.text(net->component_name);
    if (net->pin)
        read_pin_ref(w, net->pin);
    w.texts(net->nets);
}

void read_netlist(Walk &w, const ItemList *nets) { w.each(nets, read_net); }

void read_board(Walk &w, const BoardRecord *board) {
    read_section(w, board);
    w.each(board->chains, read_board_chain);
    w.each(board->netlists, read_netlist);
}

void read_component(Walk &w, const ComponentRecord *c) {
    read_section(w, c);
    w.number(c->standard);
    w.each(c->instruction_registers, read_instruction_register);
    w.each(c->cells, read_cell);
    w.each(c->boundary_scan_registers, read_boundary_scan_register);
    w.each(c->bypass_registers, read_bypass_register);
    w.each(c->identification_registers, read_id_register);
    w.each(c->usercode_registers, read_id_register);
    w.each(c->bist_registers, read_bist_register);
    w.each(c->data_registers, read_data_register);
}

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
    read_header(w, root->header);
    w.each(root->boards, read_board);
    w.each(root->components, read_component);
    w.each(root->pin_families, read_pin_family);
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

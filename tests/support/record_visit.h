// One walk over every field of every record of a description, for any visitor that reads them
#pragma once

#include <initializer_list>

#include "oxel32.h"

// Items of lists of lists, told apart by type.
struct PinList;
struct Netlist;

// Hands every field to a visitor `V` by name: `v(name, value)` for a text, a
// number, a list of texts or a group of reals; `indices`, `pin`, `mode` and
// `modes` for an index list, a pin reference, a mode record and a list of
// them. `line(word)` opens a record, `list(name, list)` a named list;
// `down()` and `up()` step one level in and out. Each field returns the
// visitor, so that fields chain.
template <typename V>
struct RecordVisit {
    V &v;

    // The records of a list one level down; null items are passed over.
    template <typename Record>
    void items(const ItemList *list) {
        v.down();
        for (int32_t i = 0; list && i < list->count; i++)
            if (list->items[i])
                record(static_cast<const Record *>(list->items[i]));
        v.up();
    }
    // A list one level down by name, its records below it.
    template <typename Record>
    void below(const char *name, const ItemList *list) {
        if (!list)
            return;
        v.down();
        v.list(name, list);
        items<Record>(list);
        v.up();
    }
    // What every register opens with, and its capture value and status list.
    template <typename Register>
    V &head(const char *word, const Register *r) {
        return v.line(word)("name", r->name)("purpose", r->purpose)("length", r->length);
    }
    template <typename Register>
    void capture(const Register *r) {
        v("capture", r->capture_value);
        below<CaptureStatusRecord>("capture_status", r->capture_status);
    }
    // What boards and components open with, and what they close with.
    template <typename Section>
    void open(const char *word, const Section *s, int32_t standard) {
        v.line(word)("name", s->name)("source_ref", s->source_ref)("standard", standard);
        v.down();
        record(s->header);
        v.up();
        below<PinList>("pin_lists", s->pin_lists);
    }
    template <typename Section>
    void close(const Section *s) {
        below<SequenceRecord>("test_sequences", s->test_sequences);
        below<SequenceRecord>("illegal_sequences", s->illegal_sequences);
        below<GlobalPerformanceRecord>("global_families", s->global_performances);
    }

    void log(const char *word, const LogRecord *l) {
        v.line(word)("date", l->date)("creator", l->creator)("tool", l->tool)("reason", l->reason);
    }
    void record(const LogRecord *l) { log("log", l); }
    void record(const HeaderRecord *h) {
        if (!h)
            return;
        v.line("header");
        v.down();
        if (h->creation_log)
            log("creation_log", h->creation_log);
        v.up();
        below<LogRecord>("change_logs", h->change_logs);
    }
    void record(const PinList *pins) {
        v.line("pin_list");
        items<PinRecord>(reinterpret_cast<const ItemList *>(pins));
    }
    void record(const Netlist *nets) {
        v.line("netlist");
        items<NetRecord>(reinterpret_cast<const ItemList *>(nets));
    }
    void record(const PinRecord *p) {
        v.line("pin")("name", p->name)("form", p->form)("type", p->type)("reserved", p->reserved);
        v("family", p->family);
        if (const PinNumberingRecord *n = p->numbering)
            v("number", n->number).indices("numbers", n->numbers).indices("indices", n->indices);
    }
    void record(const CaptureStatusRecord *s) {
        v.line("status")("value", s->value)("description", s->description);
    }
    void record(const InstructionRegisterRecord *r) {
        head("instruction_register", r);
        capture(r);
        below<InstructionRecord>("instructions", r->instructions);
    }
    void record(const InstructionRecord *i) {
        v.line("instruction")("kind", i->kind)("name", i->name)("reserved", i->reserved)("code", i->code);
        v("register", i->register_name)("mode", i->mode)("mode_name", i->mode_name)("registers", i->registers);
    }
    void record(const CellRecord *c) {
        v.line("cell")("name", c->name)("init_update", c->init_update)("inputs", c->data_inputs);
        v("outputs", c->data_outputs)("select", c->data_select);
        below<CellModeRecord>("modes", c->modes);
    }
    void record(const CellModeRecord *m) {
        v.line("mode")("mode", m->mode)("name", m->mode_name)("select", m->select);
        v.mode("capture", m->capture).modes("outputs", m->outputs);
    }
    void record(const BoundaryScanRegisterRecord *r) {
        head("boundary_scan_register", r);
        below<ChainElementRecord>("chain", r->chain);
    }
    void record(const ChainElementRecord *e) {
        v.line("element")("position", e->position)("cell", e->cell_name).pin("pin", e->pin);
        v("in", e->input_params)("out", e->output_params)("third", e->third_params);
        v("control", e->control_cells)("disable", e->disable_values);
    }
    void record(const BypassRegisterRecord *r) {
        head("bypass_register", r);
        capture(r);
    }
    void record(const IdRegisterRecord *r) {
        head("register", r)("manufacturer", r->manufacturer)("part_number", r->part_number);
        v("version", r->version)("concatenation", r->concatenation);
        capture(r);
    }
    void record(const BistRegisterRecord *r) {
        head("bist_register", r)("coverage", {r->coverage}).pin("clock", r->clock);
        v("min_duration", {r->min_duration})("parallel_outputs", r->parallel_outputs);
        v("altered", r->altered_registers)("concatenation", r->concatenation);
        if (const PreloadRecord *p = r->preload)
            v("preload", p->register_name)("reserved", p->reserved)("value", p->value);
        capture(r);
    }
    void record(const DataRegisterRecord *r) {
        head("data_register", r)("parallel_outputs", r->parallel_outputs);
        v("altered", r->altered_registers)("concatenation", r->concatenation);
        capture(r);
    }
    void record(const SequenceRecord *s) {
        v.line("sequence")("name", s->name)("step", s->instructions ? s->instructions->grow_step : 0);
        below<VrakInstructionRecord>("instructions", s->instructions);
    }
    void record(const VrakInstructionRecord *i) {
        v.line("vrak")("kind", i->kind);
        if (i->kind == OXEL_VRAK_CMT) {
            v("comment", static_cast<const char *>(i->operand));
        } else if (i->kind != OXEL_VRAK_PPA) {
            below<VrakOperandRecord>("operands", static_cast<const ItemList *>(i->operand));
        } else if (const auto *ppa = static_cast<const PpaRecord *>(i->operand)) {
            below<PpaSerialGroupRecord>("serial_groups", ppa->serial_groups);
            below<PpaParallelGroupRecord>("parallel_groups", ppa->parallel_groups);
        }
    }
    void record(const VrakOperandRecord *o) {
        v.line("operand")("reserved", o->reserved)("target", o->target)("count", o->count)("value", o->value);
    }
    void record(const PpaSerialGroupRecord *g) {
        v.line("serial")("name", g->name)("tdi", g->tdi)("tdo", g->tdo)("tms", g->tms)("tck", g->tck);
        v("trst", g->trst);
    }
    void record(const PpaParallelGroupRecord *g) {
        v.line("parallel")("name", g->name);
        below<PinRefRecord>("pins", g->pins);
    }
    void record(const PinRefRecord *p) { v.line("ref").pin("pin", p); }
    void record(const GlobalPerformanceRecord *g) {
        v.line("global_family")("name", g->name);
        v("test_freq", {g->test_freq_min, g->test_freq_typ, g->test_freq_max});
        v("clock_freq", {g->clock_freq_min, g->clock_freq_typ, g->clock_freq_max});
        v("temperature", {g->temperature_min, g->temperature_typ, g->temperature_max});
        v("tck_stop_at_one", g->tck_stop_at_one)("given", g->tck_stop_at_one_given)("reserved", g->reserved);
    }
    void record(const BoardChainRecord *c) {
        v.line("chain")("name", c->name)("tdi", c->tdi_net)("tdo", c->tdo_net)("tms", c->tms_net);
        v("tck", c->tck_net)("trst", c->trst_net);
        below<PartChainRecord>("parts", c->parts);
    }
    void record(const PartChainRecord *p) {
        v.line("part")("position", p->position)("part", p->part_name)("component", p->component_name);
        v("tms", p->tms_net)("tck", p->tck_net)("trst", p->trst_net);
    }
    void record(const NetRecord *n) {
        v.line("net")("component", n->component_name).pin("pin", n->pin)("nets", n->nets);
    }
    void record(const ComponentRecord *c) {
        open("component", c, c->standard);
        below<InstructionRegisterRecord>("instruction_registers", c->instruction_registers);
        below<BypassRegisterRecord>("bypass_registers", c->bypass_registers);
        below<IdRegisterRecord>("identification_registers", c->identification_registers);
        below<IdRegisterRecord>("usercode_registers", c->usercode_registers);
        below<BistRegisterRecord>("bist_registers", c->bist_registers);
        below<DataRegisterRecord>("data_registers", c->data_registers);
        below<BoundaryScanRegisterRecord>("boundary_scan_registers", c->boundary_scan_registers);
        below<CellRecord>("cells", c->cells);
        close(c);
    }
    void record(const BoardRecord *b) {
        open("board", b, 0);
        below<BoardChainRecord>("chains", b->chains);
        below<Netlist>("netlists", b->netlists);
        close(b);
    }
    void record(const PinFamilyRecord *f) {
        v.line("pin_family")("name", f->name)("setup_time", {f->setup_time})("hold_time", {f->hold_time});
        v("tplh", {f->tplh_min, f->tplh_typ, f->tplh_max})("tphl", {f->tphl_min, f->tphl_typ, f->tphl_max});
        v("input_current", {f->iil, f->iih})("input_voltage", {f->vil, f->vih});
        v("output_current", {f->iol, f->ioh})("output_voltage", {f->vol, f->voh});
        v("vcc", {f->vcc_min, f->vcc_typ, f->vcc_max});
    }
    // The whole description: its header, then its lists at the header's level.
    void record(const DescriptionRoot *root) {
        record(root->header);
        v.up();
        below<BoardRecord>("boards", root->boards);
        below<ComponentRecord>("components", root->components);
        below<PinFamilyRecord>("pin_families", root->pin_families);
        v.down();
    }
};

template <typename V>
void visit_description(V &visitor, const DescriptionRoot *root) {
    RecordVisit<V>{visitor}.record(root);
}

// Family writer: pin families and global families, figure by figure
#include "write/family_writer.h"

#include <initializer_list>

#include "write/oxel_words.h"
#include "write/section_frame.h"

namespace {

// `KEYWORD: a b c` when any of the figures is given, "-" for one that is
// not; `dashes` says whether the statement takes "-" at all (SETUP_TIME and
// HOLD_TIME take a number only). True when a line was written.
bool write_figures(TextOut &out, const char *keyword, std::initializer_list<const double *> figures, bool dashes,
                   const char *name) {
    bool any = false, all = true;
    for (const double *figure : figures)
        any = any || figure, all = all && figure;
    if (!any || (!dashes && !all))
        return false;
    open_statement(out, keyword);
    for (const double *figure : figures)
        if (!put_number(out, figure))
            cannot_write(out, "Family", name);
    return true;
}

}  // namespace

void write_pin_family(TextOut &out, const PinFamilyRecord *f) {
    if (!open_section(out, "PIN_FAMILY", f->name, "Family"))
        return;
    bool written = write_figures(out, "SETUP_TIME", {f->setup_time}, false, f->name);
    written |= write_figures(out, "HOLD_TIME", {f->hold_time}, false, f->name);
    written |= write_figures(out, "TPLH", {f->tplh_min, f->tplh_typ, f->tplh_max}, true, f->name);
    written |= write_figures(out, "TPHL", {f->tphl_min, f->tphl_typ, f->tphl_max}, true, f->name);
    written |= write_figures(out, "INPUT_CURRENT", {f->iil, f->iih}, true, f->name);
    written |= write_figures(out, "INPUT_VOLTAGE", {f->vil, f->vih}, true, f->name);
    written |= write_figures(out, "OUTPUT_CURRENT", {f->iol, f->ioh}, true, f->name);
    written |= write_figures(out, "OUTPUT_VOLTAGE", {f->vol, f->voh}, true, f->name);
    written |= write_figures(out, "VCC_VOLTAGE", {f->vcc_min, f->vcc_typ, f->vcc_max}, true, f->name);
    // A family holds at least one statement: one of figures not given.
    if (!written) {
        open_statement(out, "TPLH");
        for (int i = 0; i < 3; i++)
            put_token(out, "-");
    }
    close_section(out, "PIN_FAMILY");
}

void write_global_family(TextOut &out, const char *keyword, const GlobalPerformanceRecord *g) {
    if (!open_section(out, keyword, g->name, "Family"))
        return;
    if (g->reserved || (!g->tck_stop_at_one_given && g->tck_stop_at_one) || g->tck_stop_at_one < 0 ||
        g->tck_stop_at_one > 1)
        return cannot_write(out, "Family", g->name);
    bool written =
        write_figures(out, "TEST_FREQUENCY", {g->test_freq_min, g->test_freq_typ, g->test_freq_max}, true, g->name);
    written |= write_figures(out, "CLOCK_FREQUENCY", {g->clock_freq_min, g->clock_freq_typ, g->clock_freq_max},
                             true, g->name);
    written |= write_figures(out, "TEMPERATURE_RANGE",
                             {g->temperature_min, g->temperature_typ, g->temperature_max}, true, g->name);
    if (g->tck_stop_at_one_given) {
        open_statement(out, "TCK_STOP_AT_ONE");
        put_token(out, g->tck_stop_at_one ? "YES" : "NO");
        written = true;
    }
    if (!written) {
        open_statement(out, "TEST_FREQUENCY");
        for (int i = 0; i < 3; i++)
            put_token(out, "-");
    }
    close_section(out, keyword);
}

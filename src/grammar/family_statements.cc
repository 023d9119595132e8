// Technology sections: the pin or global family under construction and the statements that fill it
#include "grammar/family_statements.h"

#include <iterator>

#include "base/memory.h"
#include "model/technology_constructors.h"

namespace {

template <typename Family>
using Field = double *Family::*;

// The fields each statement fills, in the order of its values, one row per
// statement in the order of its enumeration; a statement with fewer values
// leaves the rest of its row null.
using Pin = PinFamilyRecord;
using Global = GlobalPerformanceRecord;

constexpr Field<Pin> kPinFamilyFields[][3] = {
    {&Pin::setup_time},
    {&Pin::hold_time},
    {&Pin::tplh_min, &Pin::tplh_typ, &Pin::tplh_max},
    {&Pin::tphl_min, &Pin::tphl_typ, &Pin::tphl_max},
    {&Pin::iil, &Pin::iih},
    {&Pin::vil, &Pin::vih},
    {&Pin::iol, &Pin::ioh},
    {&Pin::vol, &Pin::voh},
    {&Pin::vcc_min, &Pin::vcc_typ, &Pin::vcc_max},
};
static_assert(std::size(kPinFamilyFields) == FAMILY_VCC_VOLTAGE + 1);

constexpr Field<Global> kGlobalFamilyFields[][3] = {
    {&Global::test_freq_min, &Global::test_freq_typ, &Global::test_freq_max},
    {&Global::clock_freq_min, &Global::clock_freq_typ, &Global::clock_freq_max},
    {&Global::temperature_min, &Global::temperature_typ, &Global::temperature_max},
};
static_assert(std::size(kGlobalFamilyFields) == GLOBAL_TEMPERATURE_RANGE + 1);

// Stores each value into its field, releasing what the field held.
template <typename Family>
void store_values(HostContext *context, Family *family, const Field<Family> (&fields)[3],
                  double *const (&values)[3]) {
    for (int i = 0; i < 3; i++) {
        if (!fields[i]) {
            mem_free(context, values[i]);
            continue;
        }
        mem_free(context, family->*fields[i]);
        family->*fields[i] = values[i];
    }
}

}  // namespace

PinFamilyRecord *open_pin_family(parser_state *parse, char *name) {
    parse->current_pin_family = make_pin_family(parse->host, name);
    return parse->current_pin_family;
}

GlobalPerformanceRecord *open_global_family(parser_state *parse, char *name) {
    parse->current_global_family = make_global_family(parse->host, name);
    return parse->current_global_family;
}

void close_families(parser_state *parse) {
    parse->current_pin_family = nullptr;
    parse->current_global_family = nullptr;
}

void fill_pin_family(parser_state *parse, PinFamilyStatement statement, double *first,
                     double *second, double *third) {
    store_values(parse->host, parse->current_pin_family, kPinFamilyFields[statement],
                 {first, second, third});
}

void fill_global_family(parser_state *parse, GlobalFamilyStatement statement, double *minimum,
                        double *typical, double *maximum) {
    store_values(parse->host, parse->current_global_family, kGlobalFamilyFields[statement],
                 {minimum, typical, maximum});
}

void set_tck_stop_at_one(parser_state *parse, intptr_t yes) {
    parse->current_global_family->tck_stop_at_one = static_cast<int32_t>(yes);
    parse->current_global_family->tck_stop_at_one_given = 1;
}

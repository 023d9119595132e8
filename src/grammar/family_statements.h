// Technology sections: the pin or global family under construction and the statements that fill it
#pragma once

#include <cstdint>

#include "grammar/parser_state.h"

// A family section's record, made when its name has been read: it becomes
// the family under construction that the section's statements fill. Null
// after a failed allocation, the name then released.
PinFamilyRecord *open_pin_family(parser_state *parse, char *name);
GlobalPerformanceRecord *open_global_family(parser_state *parse, char *name);
// The section is complete: no family is under construction any more.
void close_families(parser_state *parse);

// The statements of a pin family, each filling its own fields in order.
enum PinFamilyStatement {
    FAMILY_SETUP_TIME,
    FAMILY_HOLD_TIME,
    FAMILY_TPLH,
    FAMILY_TPHL,
    FAMILY_INPUT_CURRENT,
    FAMILY_INPUT_VOLTAGE,
    FAMILY_OUTPUT_CURRENT,
    FAMILY_OUTPUT_VOLTAGE,
    FAMILY_VCC_VOLTAGE,
};
// The figure statements of a global family: minimum, typical, maximum.
enum GlobalFamilyStatement {
    GLOBAL_TEST_FREQUENCY,
    GLOBAL_CLOCK_FREQUENCY,
    GLOBAL_TEMPERATURE_RANGE,
};

// Stores a statement's values (each a double or null) into the family under
// construction. A statement given again replaces, and releases, what the
// earlier one stored.
void fill_pin_family(parser_state *parse, PinFamilyStatement statement, double *first,
                     double *second = nullptr, double *third = nullptr);
void fill_global_family(parser_state *parse, GlobalFamilyStatement statement, double *minimum,
                        double *typical, double *maximum);
// TCK_STOP_AT_ONE: 1 for YES, 0 for NO, and the statement marked as given.
void set_tck_stop_at_one(parser_state *parse, intptr_t yes);

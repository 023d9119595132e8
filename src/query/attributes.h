// Component queries: fields of the current elements by attribute code
#pragma once

#include "query/query_cursors.h"
#include "oxel32.h"

// An attribute code names an element (the current one of its kind) and a
// field; the register kind codes 27 to 33 name the current register of
// their kind. An attribute whose element is not current reads as null or 0.
enum AttributeCode : int32_t {
    ATTR_COMPONENT_NAME = 2,
    ATTR_PIN_NAME = 4,
    ATTR_PIN_NUMBER = 5,             // single pins only
    ATTR_INSTRUCTION_NAME = 37,      // the instruction under the cursor
    ATTR_TEST_FREQ_MIN = 41,
    ATTR_TEST_FREQ_TYP = 42,
    ATTR_TEST_FREQ_MAX = 43,
    ATTR_COMPONENT_STANDARD = 47,
    ATTR_PIN_TYPE = 51,
    ATTR_CELL_INPUTS = 73,           // the cell view's PI parameters
    ATTR_CELL_OUTPUTS = 74,          // the cell view's PO parameters
    ATTR_CELL_PIN = 80,              // the cell view's pin reference
};

const char *attribute_text(query_cursors &q, int32_t code);
int32_t attribute_integer(query_cursors &q, int32_t code);
const double *attribute_double(query_cursors &q, int32_t code);
int32_t attribute_length(query_cursors &q, int32_t code);
const char *attribute_capture(query_cursors &q, int32_t code);
ItemList *attribute_list(query_cursors &q, int32_t code);
int32_t attribute_pin_kind(query_cursors &q, int32_t code);

// The number of a pin record: a single pin's number; null for a bus.
const char *pin_number_of(const PinRecord *pin);

// Tagged items: the {tag, value} pairs that route section statements
#pragma once

#include "oxel32.h"

// The fixed tag numbers of section statements.
enum ItemTag : int32_t {
    TAG_PIN_LIST = 1,
    TAG_BOARD_CHAIN = 2,
    TAG_TEST_SEQUENCE = 3,
    TAG_PIN_FAMILY = 4,
    TAG_GLOBAL_FAMILY = 5,
    TAG_NETLIST = 6,
    TAG_CELL = 7,
    TAG_INSTRUCTION_REGISTER = 8,
    TAG_BOUNDARY_SCAN_REGISTER = 9,
    TAG_BYPASS_REGISTER = 10,
    TAG_IDENTIFICATION_REGISTER = 11,
    TAG_USERCODE_REGISTER = 12,
    TAG_BIST_REGISTER = 13,
    TAG_DATA_REGISTER = 14,
    TAG_INIT_UPDATE = 15,
    TAG_DATA_INPUTS = 16,
    TAG_DATA_OUTPUTS = 17,
    TAG_DATA_SELECT = 18,
    TAG_MODE_LIST = 19,
    TAG_HEADER = 20,
    TAG_STANDARD = 21,
    TAG_PURPOSE = 22,
    TAG_LENGTH = 23,
    TAG_CAPTURE = 24,
    TAG_INSTRUCTION_LIST = 25,
    TAG_CHAIN_LIST = 26,
    TAG_MANUFACTURER_IDCODE = 27,
    TAG_PARTNUMBER_IDCODE = 28,
    TAG_VERSION_IDCODE = 29,
    TAG_CONCATENATION = 30,
    TAG_PRELOAD = 31,
    TAG_COVERAGE = 32,
    TAG_CLOCK = 33,
    TAG_MIN_DURATION = 34,
    TAG_ALTERED_REGISTERS = 35,
    TAG_PARALLEL_OUTPUTS = 36,
    TAG_ILLEGAL_VECTORS = 37,
};

// The codes of the five test access port signals (also their pin types).
enum TapSignal : int32_t {
    TAP_TMS = 9,
    TAP_TDI = 10,
    TAP_TDO = 11,
    TAP_TCK = 12,
    TAP_TRST = 13,
};

// A new {tag, value}; null on failure (the value stays the caller's).
TaggedItem *item_make(HostContext *context, int32_t tag, intptr_t value);
// A new {first, list}; on failure the list is released and null returned.
TaggedItem *item_make_owning(HostContext *context, intptr_t first, ItemList *list);
// A new {tag, list} only for a list with at least one item; else null
// without allocating.
TaggedItem *item_make_nonempty(HostContext *context, int32_t tag, ItemList *list);

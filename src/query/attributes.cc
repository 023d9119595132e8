// Component queries: the attribute accessors
#include "query/attributes.h"

#include "query/query_cursors.h"

namespace {

// The elements, each null when it is not current.
const PinRecord *pin() { return current_component() ? g_cursors.pin.record : nullptr; }

const ChainElementRecord *cell_view() {
    return current_component() && g_cursors.chain.position >= 1 ? &g_cursors.cell_view : nullptr;
}

const GlobalPerformanceRecord *global_performance() {
    return current_component() ? g_cursors.global_performance : nullptr;
}

}  // namespace

const char *pin_number_of(const PinRecord *pin) {
    if (!pin || pin->form != OXEL_FORM_SINGLE || !pin->numbering)
        return nullptr;
    return pin->numbering->number;
}

const char *attribute_text(int32_t code) {
    if (const RegisterKindRow *row = register_kind_of_query_code(code))
        return register_record_name(*row, current_register(code));
    switch (code) {
    case ATTR_COMPONENT_NAME: {
        const ComponentRecord *component = current_component();
        return component ? component->name : nullptr;
    }
    case ATTR_PIN_NAME: return pin() ? pin()->name : nullptr;
    case ATTR_PIN_NUMBER: return pin_number_of(pin());
    case ATTR_INSTRUCTION_NAME: {
        const InstructionRecord *instruction =
            current_component() ? g_cursors.instruction.record : nullptr;
        return instruction ? instruction->name : nullptr;
    }
    case ATTR_CELL_PIN: {
        const ChainElementRecord *view = cell_view();
        return view && view->pin ? view->pin->name : nullptr;
    }
    default: return nullptr;
    }
}

int32_t attribute_integer(int32_t code) {
    switch (code) {
    case ATTR_COMPONENT_STANDARD: {
        const ComponentRecord *component = current_component();
        return component ? component->standard : 0;
    }
    case ATTR_PIN_TYPE: return pin() ? pin()->type : 0;
    default: return 0;
    }
}

const double *attribute_double(int32_t code) {
    const GlobalPerformanceRecord *performance = global_performance();
    if (!performance)
        return nullptr;
    switch (code) {
    case ATTR_TEST_FREQ_MIN: return performance->test_freq_min;
    case ATTR_TEST_FREQ_TYP: return performance->test_freq_typ;
    case ATTR_TEST_FREQ_MAX: return performance->test_freq_max;
    default: return nullptr;
    }
}

int32_t attribute_length(int32_t code) {
    const RegisterKindRow *row = register_kind_of_query_code(code);
    return row ? register_record_length(*row, current_register(code)) : 0;
}

const char *attribute_capture(int32_t code) {
    const RegisterKindRow *row = register_kind_of_query_code(code);
    return row ? register_record_capture(*row, current_register(code)) : nullptr;
}

ItemList *attribute_list(int32_t code) {
    const ChainElementRecord *view = cell_view();
    if (!view)
        return nullptr;
    switch (code) {
    case ATTR_CELL_INPUTS: return view->input_params;
    case ATTR_CELL_OUTPUTS: return view->output_params;
    default: return nullptr;
    }
}

int32_t attribute_pin_kind(int32_t code) {
    const ChainElementRecord *view = cell_view();
    return code == ATTR_CELL_PIN && view && view->pin ? view->pin->kind : 0;
}

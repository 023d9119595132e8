// Component queries: the attribute accessors
#include "query/attributes.h"

#include "query/query_cursors.h"
#include "query/register_cursors.h"

namespace {

// The elements, each null when it is not current.
const PinRecord *pin(query_cursors &q) { return current_component(q) ? q.pin.record : nullptr; }

const ChainElementRecord *cell_view(query_cursors &q) {
    return current_component(q) && q.chain.position >= 1 ? &q.cell_view : nullptr;
}

const GlobalPerformanceRecord *global_family(query_cursors &q) {
    return current_component(q) ? q.global_family : nullptr;
}

}  // namespace

const char *pin_number_of(const PinRecord *pin) {
    if (!pin || pin->form != OXEL_FORM_SINGLE || !pin->numbering)
        return nullptr;
    return pin->numbering->number;
}

const char *attribute_text(query_cursors &q, int32_t code) {
    if (const RegisterKindRow *row = register_kind_of_query_code(code))
        return register_record_name(*row, current_register(q, code));
    switch (code) {
    case ATTR_COMPONENT_NAME: {
        const ComponentRecord *component = current_component(q);
        return component ? component->name : nullptr;
    }
    case ATTR_PIN_NAME: return pin(q) ? pin(q)->name : nullptr;
    case ATTR_PIN_NUMBER: return pin_number_of(pin(q));
    case ATTR_INSTRUCTION_NAME: {
        const InstructionRecord *instruction =
            current_component(q) ? q.instruction.record : nullptr;
        return instruction ? instruction->name : nullptr;
    }
    case ATTR_CELL_PIN: {
        const ChainElementRecord *view = cell_view(q);
        return view && view->pin ? view->pin->name : nullptr;
    }
    default: return nullptr;
    }
}

int32_t attribute_integer(query_cursors &q, int32_t code) {
    switch (code) {
    case ATTR_COMPONENT_STANDARD: {
        const ComponentRecord *component = current_component(q);
        return component ? component->standard : 0;
    }
    case ATTR_PIN_TYPE: return pin(q) ? pin(q)->type : 0;
    default: return 0;
    }
}

const double *attribute_double(query_cursors &q, int32_t code) {
    const GlobalPerformanceRecord *family = global_family(q);
    if (!family)
        return nullptr;
    switch (code) {
    case ATTR_TEST_FREQ_MIN: return family->test_freq_min;
    case ATTR_TEST_FREQ_TYP: return family->test_freq_typ;
    case ATTR_TEST_FREQ_MAX: return family->test_freq_max;
    default: return nullptr;
    }
}

int32_t attribute_length(query_cursors &q, int32_t code) {
    const RegisterKindRow *row = register_kind_of_query_code(code);
    return row ? register_record_length(*row, current_register(q, code)) : 0;
}

const char *attribute_capture(query_cursors &q, int32_t code) {
    const RegisterKindRow *row = register_kind_of_query_code(code);
    return row ? register_record_capture(*row, current_register(q, code)) : nullptr;
}

ItemList *attribute_list(query_cursors &q, int32_t code) {
    const ChainElementRecord *view = cell_view(q);
    if (!view)
        return nullptr;
    switch (code) {
    case ATTR_CELL_INPUTS: return view->input_params;
    case ATTR_CELL_OUTPUTS: return view->output_params;
    default: return nullptr;
    }
}

int32_t attribute_pin_kind(query_cursors &q, int32_t code) {
    const ChainElementRecord *view = cell_view(q);
    return code == ATTR_CELL_PIN && view && view->pin ? view->pin->kind : 0;
}

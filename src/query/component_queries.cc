// Component queries: the component's source, standard and test frequency
#include "query/component_queries.h"

#include <strings.h>

#include "base/text_input.h"
#include "query/attributes.h"

namespace {

// No component, and a component without usable test frequencies.
constexpr double kNoComponent = -1.0;
constexpr double kNoFrequency = -2.0;

}  // namespace

// A source reference of the form "BSDL <file>" names the BSDL file the
// component came from.
const char *get_current_component_bsd_ref(query_cursors &q) {
    const ComponentRecord *component = current_component(q);
    const char *reference = component ? component->source_ref : nullptr;
    if (!reference || strncasecmp(reference, "BSDL", 4) != 0)
        return nullptr;
    const char *file = reference + 4;
    while (is_white_space(*file))
        file++;
    return file;
}

// The maximum is taken even when it is 0.0; a typical or minimum value of
// 0.0 is passed over.
double get_current_component_highest_frequency(query_cursors &q) {
    if (!current_component(q))
        return kNoComponent;
    if (!q.global_family)
        return kNoFrequency;
    const double *maximum = attribute_double(q, ATTR_TEST_FREQ_MAX);
    const double *typical = attribute_double(q, ATTR_TEST_FREQ_TYP);
    const double *minimum = attribute_double(q, ATTR_TEST_FREQ_MIN);
    if (maximum && *maximum >= 0.0)
        return *maximum;
    if (typical && *typical > 0.0)
        return *typical;
    if (minimum && *minimum > 0.0)
        return *minimum;
    return kNoFrequency;
}

int32_t get_current_component_standard(query_cursors &q) {
    return attribute_integer(q, ATTR_COMPONENT_STANDARD);
}


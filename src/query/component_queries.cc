// Component queries: the component's source, standard and test frequency
#include <strings.h>

#include "query/attributes.h"
#include "query/query_cursors.h"

namespace {

bool is_white(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// No component, and a component without usable test frequencies.
constexpr double kNoComponent = -1.0;
constexpr double kNoFrequency = -2.0;

}  // namespace

extern "C" {

// A source reference of the form "BSDL <file>" names the BSDL file the
// component came from.
OXEL_API const char *oxel_get_current_component_bsd_ref(void) {
    const ComponentRecord *component = current_component();
    const char *reference = component ? component->source_ref : nullptr;
    if (!reference || strncasecmp(reference, "BSDL", 4) != 0)
        return nullptr;
    const char *file = reference + 4;
    while (is_white(*file))
        file++;
    return file;
}

// The maximum is taken even when it is 0.0; a typical or minimum value of
// 0.0 is passed over.
OXEL_API double oxel_get_current_component_highest_frequency(void) {
    if (!current_component())
        return kNoComponent;
    if (!g_cursors.global_performance)
        return kNoFrequency;
    const double *maximum = attribute_double(ATTR_TEST_FREQ_MAX);
    const double *typical = attribute_double(ATTR_TEST_FREQ_TYP);
    const double *minimum = attribute_double(ATTR_TEST_FREQ_MIN);
    if (maximum && *maximum >= 0.0)
        return *maximum;
    if (typical && *typical > 0.0)
        return *typical;
    if (minimum && *minimum > 0.0)
        return *minimum;
    return kNoFrequency;
}

OXEL_API int32_t oxel_get_current_component_standard(HostContext *) {
    return attribute_integer(ATTR_COMPONENT_STANDARD);
}

}  // extern "C"

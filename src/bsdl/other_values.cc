// Other values: the attributes read and checked whose facts a description does not hold
#include "bsdl/other_values.h"

#include "bsdl/value_reader.h"

namespace {

bool read_conformance(BsdlImport &import, BsdlDocument &d) {
    BsdlAttribute &conformance = d.attributes[kComponentConformance];
    if (!conformance.given)
        return true;
    ValueReader r{import, "COMPONENT_CONFORMANCE", {}, {}};
    ValueToken name{};
    return value_start(r, conformance.text) && value_take_word(r, "a standard's name", &name) &&
           (value_at_end(r) || value_expected(r, "the end of the string"));
}

// ( port {, port} ) ( pattern {, pattern} )
bool read_compliance(BsdlImport &import, BsdlDocument &d) {
    BsdlAttribute &compliance = d.attributes[kCompliancePatterns];
    if (!compliance.given)
        return true;
    ValueReader r{import, "COMPLIANCE_PATTERNS", {}, {}};
    if (!value_start(r, compliance.text) || !value_take_symbol(r, '(', "'('"))
        return false;
    int32_t ports = 0;
    for (;;) {
        ValueToken name{};
        if (!value_take_word(r, "a port name", &name))
            return false;
        ports++;
        if (find_port(d, token_slice(name)) < 0) {
            ShownSlice shown;
            import_error(import, value_place(r, name), "COMPLIANCE_PATTERNS names port %s, which is not declared",
                         shown_slice(shown, token_slice(name)));
        }
        if (!value_list_goes_on(r, ')'))
            break;
    }
    if (import.stopped || !value_take_symbol(r, ')', "',' or ')'") || !value_take_symbol(r, '(', "'('"))
        return false;
    for (;;) {
        BsdlPattern pattern{};
        if (!value_take_pattern(r, "a compliance pattern", &pattern))
            return false;
        if (pattern.length != ports) {
            ShownSlice bits;
            import_error(import, pattern.place, "Compliance pattern %s has %d bits for %d ports",
                         shown_slice(bits, BsdlSlice{pattern.bits, pattern.length}), pattern.length, ports);
        }
        if (!value_list_goes_on(r, ')'))
            break;
    }
    return !import.stopped && value_take_symbol(r, ')', "',' or ')'") &&
           (value_at_end(r) || value_expected(r, "the end of the string"));
}

// The warning's text, its runs of blanks (from the joined strings) made one.
void tell_design_warning(BsdlImport &import, BsdlDocument &d) {
    BsdlAttribute &warning = d.attributes[kDesignWarning];
    if (!warning.given)
        return;
    char *text = warning.text.text;
    int32_t length = 0;
    for (int32_t i = 0; i < warning.text.length; i++) {
        char c = text[i] == '\t' ? ' ' : text[i];
        if (c != ' ' || (length > 0 && text[length - 1] != ' '))
            text[length++] = c;
    }
    while (length > 0 && text[length - 1] == ' ')
        length--;
    text[length] = '\0';
    warning.text.length = length;
    import_note(import, warning.place, "BSDL design warning: %s", text);
}

}  // namespace

bool read_other_values(BsdlImport &import, BsdlDocument &d) {
    if (!read_conformance(import, d) || !read_compliance(import, d))
        return false;
    tell_design_warning(import, d);
    return true;
}

// Entity reader: the entity of a BSDL file read into a document as written
#include "bsdl/entity_reader.h"

#include <cstdio>
#include <cstring>

#include "bsdl/bsdl_lexer.h"
#include "oxel32.h"

namespace {

// The widest bit_vector port taken: a bus of the description holds at most
// as many pins.
constexpr int64_t kWidestPort = 65536;

// A fault of meaning met while reading. It is told once the entity has
// been read: a syntax error, which ends the reading, is the import's only
// message.
enum class FindingKind : uint8_t { kEmptyRange, kWideRange, kPortTwice, kAttributeTwice, kPinMapTwice };

struct Finding {
    FindingKind kind;
    BsdlPlace place;
    BsdlSlice name;
    int32_t left, right;
    bool downto;
};

struct Reader {
    BsdlImport &import;
    BsdlDocument &document;
    BsdlLexer lexer;
    BsdlToken token;        // the token being looked at
    BsdlArray<Finding> findings;
};

// ---- Tokens ----

// What a message says was found instead of what was expected.
struct FoundText {
    char text[kShownLength + 16];
};

const char *found_text(FoundText &buffer, const BsdlToken &token) {
    switch (token.kind) {
    case BsdlTokenKind::kEnd: return "the end of the file";
    case BsdlTokenKind::kString: return "a string";
    default: break;
    }
    ShownSlice shown;
    std::snprintf(buffer.text, sizeof buffer.text, "'%s'", shown_slice(shown, token.text));
    return buffer.text;
}

void advance(Reader &r) {
    r.token = next_token(r.lexer);
    if (r.token.kind != BsdlTokenKind::kError)
        return;
    if (r.lexer.error == BsdlLexError::kOpenString) {
        import_syntax_error(r.import, r.token.place, "BSDL syntax error: string not closed on its line");
    } else if (unsigned char c = static_cast<unsigned char>(r.token.text.text[0]); c > ' ' && c < 0x7F) {
        import_syntax_error(r.import, r.token.place, "BSDL syntax error: unexpected character '%c'", c);
    } else {
        import_syntax_error(r.import, r.token.place, "BSDL syntax error: unexpected byte 0x%02X", c);
    }
}

bool stopped(const Reader &r) { return r.import.stopped; }

// Keeps a finding to be told after the reading; false after a failed allocation.
bool note_finding(Reader &r, const Finding &finding) {
    Finding *kept = array_add(r.import.host, r.findings);
    if (!kept) {
        import_out_of_memory(r.import);
        return false;
    }
    *kept = finding;
    return true;
}

void tell_findings(Reader &r) {
    for (int32_t i = 0; i < r.findings.count; i++) {
        const Finding &f = r.findings.items[i];
        const char *direction = f.downto ? "downto" : "to";
        ShownSlice shown;
        switch (f.kind) {
        case FindingKind::kEmptyRange:
            import_error(r.import, f.place, "Empty range %d %s %d of a bit_vector port", f.left, direction, f.right);
            break;
        case FindingKind::kWideRange:
            import_error(r.import, f.place, "Range %d %s %d of a bit_vector port is wider than %d bits", f.left,
                         direction, f.right, static_cast<int>(kWidestPort));
            break;
        case FindingKind::kPortTwice:
            import_error(r.import, f.place, "Port %s is declared twice", shown_slice(shown, f.name));
            break;
        case FindingKind::kAttributeTwice:
            import_error(r.import, f.place, "BSDL attribute %s is given twice", shown_slice(shown, f.name));
            break;
        case FindingKind::kPinMapTwice:
            import_error(r.import, f.place, "Pin map %s is given twice", shown_slice(shown, f.name));
            break;
        }
    }
}

// Reports that `what` was expected where the current token stands; false.
bool expected(Reader &r, const char *what) {
    FoundText found;
    import_syntax_error(r.import, r.token.place, "BSDL syntax error: expected %s, found %s", what,
                        found_text(found, r.token));
    return false;
}

bool at_symbol(const Reader &r, char symbol) {
    return r.token.kind == BsdlTokenKind::kSymbol && r.token.symbol == symbol;
}

bool at_word(const Reader &r, const char *word) {
    return r.token.kind == BsdlTokenKind::kWord && is_name(r.token.text, word);
}

// Takes the symbol, or reports what was expected.
bool take_symbol(Reader &r, char symbol, const char *what) {
    if (!at_symbol(r, symbol))
        return expected(r, what);
    advance(r);
    return !stopped(r);
}

bool take_word(Reader &r, const char *word, const char *what) {
    if (!at_word(r, word))
        return expected(r, what);
    advance(r);
    return !stopped(r);
}

// A name: its text and place, taken.
bool take_name(Reader &r, const char *what, BsdlSlice *name, BsdlPlace *place) {
    if (r.token.kind != BsdlTokenKind::kWord)
        return expected(r, what);
    *name = r.token.text;
    *place = r.token.place;
    advance(r);
    return !stopped(r);
}

bool take_integer(Reader &r, const char *what, int32_t *value, BsdlPlace *place = nullptr) {
    if (r.token.kind != BsdlTokenKind::kInteger)
        return expected(r, what);
    // VHDL lets underscores part the digits (1_024).
    char digits[12];
    int32_t length = 0;
    bool fits = true;
    for (int32_t i = 0; i < r.token.text.length && fits; i++) {
        if (r.token.text.text[i] == '_')
            continue;
        fits = length < static_cast<int32_t>(sizeof digits);
        if (fits)
            digits[length++] = r.token.text.text[i];
    }
    if (!fits || !slice_number(BsdlSlice{digits, length}, value)) {
        ShownSlice shown;
        import_syntax_error(r.import, r.token.place, "BSDL syntax error: number %s is too large",
                            shown_slice(shown, r.token.text));
        return false;
    }
    if (place)
        *place = r.token.place;
    advance(r);
    return !stopped(r);
}

// Passes over whatever comes up to the ';' that ends a declaration
// (parentheses kept in pairs), and takes the ';'.
bool skip_declaration(Reader &r) {
    int32_t depth = 0;
    while (!stopped(r) && !(depth == 0 && at_symbol(r, ';'))) {
        if (r.token.kind == BsdlTokenKind::kEnd)
            return expected(r, "';'");
        if (at_symbol(r, '('))
            depth++;
        else if (at_symbol(r, ')') && depth > 0)
            depth--;
        advance(r);
    }
    return !stopped(r) && take_symbol(r, ';', "';'");
}

// ---- String expressions ----

// Appends a string token's contents (a doubled quote as one) to the value.
bool append_string(Reader &r, BsdlString &value, const BsdlToken &string) {
    HostContext *context = r.import.host;
    BsdlSegment *segment = array_add(context, value.segments);
    // The value's block doubles: a boundary register is thousands of strings.
    int64_t needed = static_cast<int64_t>(value.length) + string.text.length + 1;
    if (segment && needed > value.room && needed < INT32_MAX / 2) {
        int32_t room = static_cast<int32_t>(needed > 2 * static_cast<int64_t>(value.room) ? needed : 2 * value.room);
        char *text = static_cast<char *>(mem_realloc(context, value.text, static_cast<size_t>(room)));
        if (text) {
            value.text = text;
            value.room = room;
        }
    }
    if (!segment || needed > value.room) {
        if (segment && needed >= INT32_MAX / 2)
            report_memory_error(context);
        import_out_of_memory(r.import);
        return false;
    }
    // Its contents begin behind the opening quote.
    *segment = BsdlSegment{value.length, BsdlPlace{string.place.line, string.place.column + 1}};
    char *text = value.text;
    for (int32_t i = 0; i < string.text.length; i++) {
        text[value.length++] = string.text.text[i];
        if (string.text.text[i] == '"')
            i++;
    }
    text[value.length] = '\0';
    return true;
}

// "..." { & "..." }: the strings' contents joined.
bool read_string_expression(Reader &r, BsdlString &value, const char *what) {
    if (r.token.kind != BsdlTokenKind::kString)
        return expected(r, what);
    for (;;) {
        if (!append_string(r, value, r.token))
            return false;
        advance(r);
        if (stopped(r) || !at_symbol(r, '&'))
            break;
        advance(r);
        if (!stopped(r) && r.token.kind != BsdlTokenKind::kString)
            return expected(r, "a string after '&'");
    }
    return !stopped(r);
}

// ---- Generic and ports ----

// generic ( PHYSICAL_PIN_MAP : string [:= "PACKAGE"] {; ...} ) ;
bool read_generic(Reader &r) {
    if (!take_symbol(r, '(', "'('"))
        return false;
    for (;;) {
        BsdlSlice name{};
        BsdlPlace place{};
        bool pin_map = false;
        for (;;) {
            if (!take_name(r, "a generic's name", &name, &place))
                return false;
            pin_map = pin_map || is_name(name, "PHYSICAL_PIN_MAP");
            if (!at_symbol(r, ','))
                break;
            advance(r);
            if (stopped(r))
                return false;
        }
        if (!take_symbol(r, ':', "':'") || !take_name(r, "a type", &name, &place))
            return false;
        if (r.token.kind == BsdlTokenKind::kAssign) {
            advance(r);
            if (stopped(r))
                return false;
            if (pin_map && r.token.kind == BsdlTokenKind::kString) {
                r.document.default_package = r.token.text;
                r.document.default_package_place = r.token.place;
            }
            // The default is one value: a string, a number or a name.
            if (r.token.kind == BsdlTokenKind::kEnd || r.token.kind == BsdlTokenKind::kSymbol)
                return expected(r, "a default value");
            advance(r);
            if (stopped(r))
                return false;
        }
        if (!at_symbol(r, ';'))
            break;
        advance(r);
        if (stopped(r))
            return false;
    }
    return take_symbol(r, ')', "')' or ';'") && take_symbol(r, ';', "';'");
}

bool read_mode(Reader &r, PortMode *mode) {
    static const struct {
        const char *word;
        PortMode mode;
    } kModes[] = {{"in", PortMode::kIn},
                  {"out", PortMode::kOut},
                  {"inout", PortMode::kInout},
                  {"buffer", PortMode::kBuffer},
                  {"linkage", PortMode::kLinkage}};
    for (const auto &entry : kModes)
        if (at_word(r, entry.word)) {
            *mode = entry.mode;
            advance(r);
            return !stopped(r);
        }
    return expected(r, "a port mode (in, out, inout, buffer or linkage)");
}

// bit | bit_vector ( a to b | a downto b )
bool read_port_type(Reader &r, BsdlPort &type) {
    if (at_word(r, "bit")) {
        advance(r);
        return !stopped(r);
    }
    BsdlPlace range{};
    if (!take_word(r, "bit_vector", "'bit' or 'bit_vector'") || !take_symbol(r, '(', "'('") ||
        !take_integer(r, "the range's first index", &type.left, &range))
        return false;
    bool downto = at_word(r, "downto");
    if (!downto && !at_word(r, "to"))
        return expected(r, "'to' or 'downto'");
    advance(r);
    if (stopped(r) || !take_integer(r, "the range's last index", &type.right) || !take_symbol(r, ')', "')'"))
        return false;
    type.vector = true;
    Finding finding{FindingKind::kEmptyRange, range, {}, type.left, type.right, downto};
    if (downto ? type.left < type.right : type.left > type.right) {
        type.right = type.left;
        return note_finding(r, finding);
    }
    if (static_cast<int64_t>(port_high(type)) - port_low(type) >= kWidestPort) {
        finding.kind = FindingKind::kWideRange;
        type.right = type.left;
        return note_finding(r, finding);
    }
    return true;
}

// A port of the name, its mode and type still to come; a name declared
// before is reported and left out.
bool add_port(Reader &r, BsdlSlice name, BsdlPlace place) {
    BsdlDocument &d = r.document;
    if (find_port(d, name) >= 0)
        return note_finding(r, Finding{FindingKind::kPortTwice, place, name, 0, 0, false});
    BsdlPort *port = array_add(r.import.host, d.ports);
    if (!port || !name_index_add(r.import.host, d.port_index, name, d.ports.count - 1)) {
        if (port)
            d.ports.count--;
        import_out_of_memory(r.import);
        return false;
    }
    port->name = name;
    port->place = place;
    port->first_pin = -1;
    return true;
}

// port ( names : mode type {; names : mode type} [;] ) ;
bool read_ports(Reader &r) {
    if (!take_symbol(r, '(', "'('"))
        return false;
    BsdlArray<BsdlPort> &ports = r.document.ports;
    while (!at_symbol(r, ')')) {
        // The names of one declaration, then their mode and type.
        const int32_t first = ports.count;
        for (;;) {
            BsdlSlice name{};
            BsdlPlace place{};
            if (!take_name(r, "a port name", &name, &place) || !add_port(r, name, place))
                return false;
            if (!at_symbol(r, ','))
                break;
            advance(r);
            if (stopped(r))
                return false;
        }
        BsdlPort type{};
        if (!take_symbol(r, ':', "':'") || !read_mode(r, &type.mode) || !read_port_type(r, type))
            return false;
        for (int32_t i = first; i < ports.count; i++) {
            ports.items[i].mode = type.mode;
            ports.items[i].vector = type.vector;
            ports.items[i].left = type.left;
            ports.items[i].right = type.right;
        }
        // The last declaration may be closed by ')' with or without a ';'.
        if (at_symbol(r, ';')) {
            advance(r);
            if (stopped(r))
                return false;
        } else if (!at_symbol(r, ')')) {
            return expected(r, "';' or ')'");
        }
    }
    advance(r);
    return !stopped(r) && take_symbol(r, ';', "';'");
}

// ---- Attributes and constants ----

enum class ValueKind { kString, kNumber, kPinMap };

struct KnownAttribute {
    const char *name;
    AttributeId id;
    ValueKind value;
};

constexpr KnownAttribute kKnownAttributes[] = {
    {"COMPONENT_CONFORMANCE", kComponentConformance, ValueKind::kString},
    {"PIN_MAP", kPinMap, ValueKind::kPinMap},
    {"INSTRUCTION_LENGTH", kInstructionLength, ValueKind::kNumber},
    {"INSTRUCTION_OPCODE", kInstructionOpcode, ValueKind::kString},
    {"INSTRUCTION_CAPTURE", kInstructionCapture, ValueKind::kString},
    {"INSTRUCTION_PRIVATE", kInstructionPrivate, ValueKind::kString},
    {"IDCODE_REGISTER", kIdcodeRegister, ValueKind::kString},
    {"USERCODE_REGISTER", kUsercodeRegister, ValueKind::kString},
    {"REGISTER_ACCESS", kRegisterAccess, ValueKind::kString},
    {"BOUNDARY_LENGTH", kBoundaryLength, ValueKind::kNumber},
    {"BOUNDARY_REGISTER", kBoundaryRegister, ValueKind::kString},
    {"COMPLIANCE_PATTERNS", kCompliancePatterns, ValueKind::kString},
    {"DESIGN_WARNING", kDesignWarning, ValueKind::kString},
};

// The TAP attributes name the port that carries each signal.
constexpr struct {
    const char *name;
    int32_t signal;
} kTapAttributes[] = {
    {"TAP_SCAN_IN", OXEL_PIN_TDI},    {"TAP_SCAN_OUT", OXEL_PIN_TDO},   {"TAP_SCAN_MODE", OXEL_PIN_TMS},
    {"TAP_SCAN_CLOCK", OXEL_PIN_TCK}, {"TAP_SCAN_RESET", OXEL_PIN_TRST},
};

bool read_known_value(Reader &r, const KnownAttribute &known, BsdlAttribute &attribute) {
    attribute.value_place = r.token.place;
    switch (known.value) {
    case ValueKind::kString:
        return read_string_expression(r, attribute.text, "a string");
    case ValueKind::kNumber:
        return take_integer(r, "a number", &attribute.number);
    case ValueKind::kPinMap:
        if (r.token.kind == BsdlTokenKind::kString)
            return read_string_expression(r, attribute.text, "a string");
        if (r.token.kind != BsdlTokenKind::kWord)
            return expected(r, "the name of a pin map");
        attribute.word = r.token.text;
        advance(r);
        return !stopped(r);
    }
    return false;
}

// attribute NAME of TARGET : CLASS is VALUE ;   or the declaration   attribute NAME : TYPE ;
bool read_attribute(Reader &r) {
    BsdlSlice name{}, target{}, entity_class{};
    BsdlPlace place{}, target_place{}, class_place{};
    if (!take_name(r, "an attribute's name", &name, &place))
        return false;
    if (at_symbol(r, ':'))
        return skip_declaration(r);
    if (!take_word(r, "of", "'of' or ':'") || !take_name(r, "what the attribute is of", &target, &target_place) ||
        !take_symbol(r, ':', "':'") || !take_name(r, "an entity class", &entity_class, &class_place) ||
        !take_word(r, "is", "'is'"))
        return false;
    ShownSlice shown;
    for (const auto &tap : kTapAttributes)
        if (is_name(name, tap.name)) {
            BsdlTapAttribute *entry = array_add(r.import.host, r.document.taps);
            if (!entry) {
                import_out_of_memory(r.import);
                return false;
            }
            *entry = BsdlTapAttribute{tap.signal, target, target_place};
            // Its value (true, or a clock's frequency and stop states) tells nothing more.
            return skip_declaration(r);
        }
    for (const KnownAttribute &known : kKnownAttributes)
        if (is_name(name, known.name)) {
            BsdlAttribute &attribute = r.document.attributes[known.id];
            if (attribute.given) {
                if (!note_finding(r, Finding{FindingKind::kAttributeTwice, place, name, 0, 0, false}))
                    return false;
                BsdlAttribute ignored{};
                bool read = read_known_value(r, known, ignored);
                mem_free(r.import.host, ignored.text.text);
                array_release(r.import.host, ignored.text.segments);
                return read && take_symbol(r, ';', "';'");
            }
            attribute.given = true;
            attribute.place = place;
            return read_known_value(r, known, attribute) && take_symbol(r, ';', "';'");
        }
    import_note(r.import, place, "BSDL attribute %s skipped", shown_slice(shown, name));
    return skip_declaration(r);
}

// constant NAME : PIN_MAP_STRING := "..." & ... ;
bool read_constant(Reader &r) {
    BsdlSlice name{}, type{};
    BsdlPlace place{}, type_place{};
    if (!take_name(r, "a constant's name", &name, &place) || !take_symbol(r, ':', "':'") ||
        !take_name(r, "a type", &type, &type_place))
        return false;
    ShownSlice shown;
    if (!is_name(type, "PIN_MAP_STRING")) {
        import_note(r.import, place, "BSDL constant %s skipped", shown_slice(shown, name));
        return skip_declaration(r);
    }
    if (r.token.kind != BsdlTokenKind::kAssign)
        return expected(r, "':='");
    advance(r);
    if (stopped(r))
        return false;
    BsdlDocument &d = r.document;
    bool twice = find_constant(d, name) >= 0;
    BsdlConstant *constant = twice ? nullptr : array_add(r.import.host, d.constants);
    if (twice) {
        if (!note_finding(r, Finding{FindingKind::kPinMapTwice, place, name, 0, 0, false}))
            return false;
        BsdlString ignored{};
        bool read = read_string_expression(r, ignored, "a string");
        mem_free(r.import.host, ignored.text);
        array_release(r.import.host, ignored.segments);
        return read && take_symbol(r, ';', "';'");
    }
    if (!constant || !name_index_add(r.import.host, d.constant_index, name, d.constants.count - 1)) {
        if (constant)
            d.constants.count--;
        import_out_of_memory(r.import);
        return false;
    }
    constant->name = name;
    constant->place = place;
    return read_string_expression(r, constant->value, "a string") && take_symbol(r, ';', "';'");
}

// ---- The entity ----

// Declarations an entity may hold that say nothing the importer reads.
bool is_other_declaration(const Reader &r) {
    static const char *const kWords[] = {"type",  "subtype",    "signal", "alias",    "group",
                                         "file",  "disconnect", "shared", "function", "procedure",
                                         "impure", "pure",      "library"};
    for (const char *word : kWords)
        if (at_word(r, word))
            return true;
    return false;
}

// end [entity] [NAME] ; and whatever follows, which is not read.
bool read_end(Reader &r) {
    advance(r);
    if (!stopped(r) && at_word(r, "entity"))
        advance(r);
    if (!stopped(r) && r.token.kind == BsdlTokenKind::kWord)
        advance(r);
    if (stopped(r))
        return false;
    // A file may stop right after the entity's name.
    if (r.token.kind == BsdlTokenKind::kEnd)
        return true;
    if (!take_symbol(r, ';', "';'"))
        return false;
    if (r.token.kind != BsdlTokenKind::kEnd) {
        ShownSlice shown;
        import_note(r.import, r.token.place, "Text after the end of entity %s is ignored",
                    shown_slice(shown, r.document.entity));
    }
    return true;
}

bool read_declarations(Reader &r) {
    bool ports_read = false, generic_read = false;
    while (!stopped(r)) {
        if (at_word(r, "end"))
            return read_end(r);
        const BsdlToken keyword = r.token;
        bool read;
        if (at_word(r, "attribute")) {
            advance(r);
            read = !stopped(r) && read_attribute(r);
        } else if (at_word(r, "constant")) {
            advance(r);
            read = !stopped(r) && read_constant(r);
        } else if (at_word(r, "port") && !ports_read) {
            ports_read = true;
            advance(r);
            read = !stopped(r) && read_ports(r);
        } else if (at_word(r, "generic") && !generic_read) {
            generic_read = true;
            advance(r);
            read = !stopped(r) && read_generic(r);
        } else if (at_word(r, "use")) {
            read = skip_declaration(r);
        } else if (is_other_declaration(r)) {
            ShownSlice shown;
            import_note(r.import, keyword.place, "BSDL declaration %s skipped", shown_slice(shown, keyword.text));
            read = skip_declaration(r);
        } else {
            return expected(r, "an attribute, a constant or 'end'");
        }
        if (!read)
            return false;
    }
    return false;
}

}  // namespace

bool read_entity(BsdlImport &import, BsdlDocument &document) {
    Reader r{import, document, {}, {}, {}};
    lexer_start(r.lexer, document.source.bytes, document.source.length);
    advance(r);
    bool read = !stopped(r) && take_word(r, "entity", "'entity'") &&
                take_name(r, "the entity's name", &document.entity, &document.entity_place) &&
                take_word(r, "is", "'is'") && read_declarations(r);
    if (read)
        tell_findings(r);
    array_release(import.host, r.findings);
    return read;
}

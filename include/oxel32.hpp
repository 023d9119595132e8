/*
 * oxel32.hpp: a header-only C++20 wrapper over oxel32.h.
 *
 *   oxel::session s([](oxel::message_kind kind, int32_t level, std::string_view text) {
 *       std::cerr << oxel::to_string(kind) << ": " << text << '\n';
 *   });
 *   if (s.parse("board.oxel") && s.check())
 *       for (oxel::component c : s.components())
 *           for (oxel::pin p : c.pins())
 *               std::cout << c.name() << ' ' << p.name << ' ' << oxel::to_string(p.type) << '\n';
 *
 * A session initialises the library and releases its description when it
 * ends; it can be moved, not copied. Results are values: nothing here
 * throws unless asked to (outcome::throw_if_failed), except that an
 * exception thrown by the message handler is caught before it can cross
 * the library and thrown again once the library's call has returned.
 *
 * The library holds one description and one set of query cursors for the
 * whole process, so one session at a time owns it: a session made while
 * another is live, on any thread, is inactive (active() is false), touches
 * nothing, and answers every call with result::no_context. The library is
 * not reentrant and the session takes no lock: use the live session, and
 * the views of its description, from one thread at a time, and do not call
 * the session from inside its message handler.
 *
 * The views (component, pin, instruction, register_info, cell and the text
 * views in them) point into the description. They stay valid until it is
 * released: by the session's end or clear(), by a failed parse, or by a
 * check that finds errors. A text the description does not give (a pin
 * written "-", an absent capture value) is an empty view whose data() is
 * null. The raw records stay reachable through each view's `record` and
 * session::root(). Every coded field is an enum with its text: to_string.
 */
#ifndef OXEL32_HPP
#define OXEL32_HPP

#include <algorithm>
#include <array>
#include <atomic>
#include <charconv>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <iterator>
#include <new>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "oxel32.h"

namespace oxel {

/* ------------------------------------------------------------------ */
/* Results and messages.                                               */

enum class result : int32_t {
    ok = OXEL_OK,
    warnings = OXEL_WARNINGS,     /* a check found warnings only */
    failed = OXEL_FAILED,
    no_context = OXEL_NO_CONTEXT  /* an inactive session: nothing was done */
};

enum class message_kind : int32_t {
    error = OXEL_KIND_ERROR,
    warning = OXEL_KIND_WARNING,
    note = OXEL_KIND_NOTE,
    progress = OXEL_KIND_PROGRESS,
    status = OXEL_KIND_STATUS
};

/* "error", "warning", "note", "progress", "status"; "unknown" otherwise. */
inline std::string_view kind_word(message_kind kind) noexcept {
    switch (kind) {
    case message_kind::error: return "error";
    case message_kind::warning: return "warning";
    case message_kind::note: return "note";
    case message_kind::progress: return "progress";
    case message_kind::status: return "status";
    }
    return "unknown";
}

inline std::string_view to_string(message_kind kind) noexcept { return kind_word(kind); }

/* ------------------------------------------------------------------ */
/* The coded fields of the description, each with its text.            */

/* The STANDARD a component follows. */
enum class standard : int32_t {
    unknown = OXEL_STANDARD_UNKNOWN,                    /* UNKNOWN, or no STANDARD given */
    ieee_1149_1_1990 = OXEL_STANDARD_IEEE_1149_1_1990,  /* IEEE_1149.1_1990, IEEE_1149.1-1990 */
    jtag_v2_0 = OXEL_STANDARD_JTAG_V2_0                 /* JTAG_V2_0, JTAG_V2.0 */
};

/* "UNKNOWN", "IEEE_1149.1_1990", "JTAG_V2_0". */
inline std::string_view to_string(standard code) noexcept {
    switch (code) {
    case standard::ieee_1149_1_1990: return "IEEE_1149.1_1990";
    case standard::jtag_v2_0: return "JTAG_V2_0";
    case standard::unknown: break;
    }
    return "UNKNOWN";
}

/* The type of a pin or bus; tms to trst are the test access port's signals.
 * unknown is no code a parse yields. */
enum class pin_type : int32_t {
    unknown = 0,
    in = OXEL_PIN_IN,
    out = OXEL_PIN_OUT,
    outz = OXEL_PIN_OUTZ,
    io = OXEL_PIN_IO,
    ioz = OXEL_PIN_IOZ,
    nc = OXEL_PIN_NC,
    pwr = OXEL_PIN_PWR,
    gnd = OXEL_PIN_GND,
    tms = OXEL_PIN_TMS,
    tdi = OXEL_PIN_TDI,
    tdo = OXEL_PIN_TDO,
    tck = OXEL_PIN_TCK,
    trst = OXEL_PIN_TRST
};

/* The keyword of the type: "IN", "OUT", ..., "TRST"; "UNKNOWN" outside 1 to 13. */
inline std::string_view to_string(pin_type type) noexcept {
    static constexpr std::string_view texts[] = {"UNKNOWN", "IN",  "OUT", "OUTZ", "IO",  "IOZ", "NC",
                                                 "PWR",     "GND", "TMS", "TDI",  "TDO", "TCK", "TRST"};
    const auto code = static_cast<int32_t>(type);
    return code >= 1 && code <= 13 ? texts[code] : texts[0];
}

/* The kind of an instruction; a named instruction keeps its own name. */
enum class instruction_kind : int32_t {
    unknown = OXEL_INSTRUCTION_UNKNOWN,
    extest = OXEL_INSTRUCTION_EXTEST,
    bypass = OXEL_INSTRUCTION_BYPASS,
    sample_preload = OXEL_INSTRUCTION_SAMPLE_PRELOAD,  /* SAMPLE_PRELOAD or PRELOAD */
    intest = OXEL_INSTRUCTION_INTEST,
    runbist = OXEL_INSTRUCTION_RUNBIST,
    idcode = OXEL_INSTRUCTION_IDCODE,
    usercode = OXEL_INSTRUCTION_USERCODE,
    named = OXEL_INSTRUCTION_NAMED,                    /* any other name, SAMPLE and HIZ among them */
    clamp = OXEL_INSTRUCTION_CLAMP,
    highz = OXEL_INSTRUCTION_HIGHZ
};

/* The display name of an instruction kind: "EXTEST", "SAMPLE/PRELOAD", ...;
 * a named instruction's own name, or "USERINST" without one; "UNKNOWN"
 * outside 1 to 10. */
inline std::string_view instruction_kind_text(int32_t kind, const char *name = nullptr) noexcept {
    static constexpr std::string_view texts[] = {"UNKNOWN", "EXTEST",   "BYPASS",   "SAMPLE/PRELOAD",
                                                 "INTEST",  "RUNBIST",  "IDCODE",   "USERCODE",
                                                 "USERINST", "CLAMP",   "HIGHZ"};
    if (kind == OXEL_INSTRUCTION_NAMED && name)
        return name;
    return kind >= 1 && kind <= 10 ? texts[kind] : texts[0];
}

inline std::string_view to_string(instruction_kind kind) noexcept {
    return instruction_kind_text(static_cast<int32_t>(kind));
}

/* The mode of an instruction; a named mode keeps its own name. */
enum class instruction_mode : int32_t {
    unknown = OXEL_MODE_UNKNOWN,
    internal = OXEL_MODE_INTERNAL,
    external = OXEL_MODE_EXTERNAL,
    sample = OXEL_MODE_SAMPLE,
    private_ = OXEL_MODE_PRIVATE,
    highz = OXEL_MODE_HIGHZ,
    hiz = OXEL_MODE_HIZ,
    named = OXEL_MODE_NAMED,
    none = OXEL_MODE_NONE      /* written "-" */
};

/* "UNKNOWN", "INTERNAL", "EXTERNAL", "SAMPLE", "PRIVATE", "HIGHZ", "HIZ";
 * "NAMED" and "NONE"; "UNKNOWN" for any other code. */
inline std::string_view to_string(instruction_mode code) noexcept {
    static constexpr std::string_view texts[] = {"UNKNOWN", "INTERNAL", "EXTERNAL", "SAMPLE",
                                                 "PRIVATE", "HIGHZ",    "HIZ"};
    const auto value = static_cast<int32_t>(code);
    if (code == instruction_mode::named)
        return "NAMED";
    if (code == instruction_mode::none)
        return "NONE";
    return value >= 0 && value <= 6 ? texts[value] : texts[0];
}

/* What a boundary-scan cell does for a pin it serves, or for itself. */
enum class cell_function : int32_t {
    input = 1,       /* a PI parameter that is not also a PO parameter */
    output = 2,      /* a PO parameter, the cell its own control (or none) */
    tristate = 3,    /* a PO parameter under another cell's control */
    control = 4,     /* the cell itself: a control cell */
    internal = 5,    /* the cell itself: anything else */
    bidir = 6        /* both a PI and a PO parameter */
};

/* "input", "output", "tristate", "control", "internal", "bidir"; "?" otherwise. */
inline std::string_view to_string(cell_function function) noexcept {
    static constexpr std::string_view texts[] = {"?", "input", "output", "tristate", "control", "internal", "bidir"};
    const auto code = static_cast<int32_t>(function);
    return code >= 1 && code <= 6 ? texts[code] : texts[0];
}

/* Receives every message that passes the session's message level. `text`
 * is valid only during the call. */
using message_handler = std::function<void(message_kind kind, int32_t level, std::string_view text)>;

/* What outcome::throw_if_failed throws. */
class error : public std::runtime_error {
public:
    error(result code, const std::string &what) : std::runtime_error(what), code_(code) {}
    result code() const noexcept { return code_; }

private:
    result code_;
};

/* What a parse or a check came to: the library's result code, and the
 * errors and warnings the library counted during that call. */
struct outcome {
    result code = result::no_context;
    int32_t errors = 0;
    int32_t warnings = 0;

    /* The description is held: result::ok, or result::warnings of a check. */
    bool ok() const noexcept { return code == result::ok || code == result::warnings; }
    explicit operator bool() const noexcept { return ok(); }
    /* The opt-in exception: throws oxel::error unless ok(). */
    const outcome &throw_if_failed() const {
        if (!ok())
            throw error(code, "oxel32: result " + std::to_string(static_cast<int32_t>(code)) + " with " +
                                  std::to_string(errors) + " error(s)");
        return *this;
    }
};

/* The version of the library loaded; OXEL32_VERSION_STRING is the header's. */
inline std::string_view library_version() noexcept { return oxel_version(); }

namespace detail {

inline std::string_view text(const char *p) noexcept { return p ? std::string_view(p) : std::string_view(); }

template <typename Record>
const Record *item(const ItemList *list, int32_t index) noexcept {
    return static_cast<const Record *>(list->items[index]);
}

inline int32_t count(const ItemList *list) noexcept { return list && list->items ? list->count : 0; }

/* What an iterator's -> gives: the value it reads, held for the expression. */
template <typename Value>
struct arrow {
    Value value;
    const Value *operator->() const noexcept { return &value; }
};

/* The parts every iterator here shares: each reads its value on * and
 * moves on with prefix ++. */
template <typename Derived, typename Value>
struct value_iterator {
    using iterator_category = std::forward_iterator_tag;
    using value_type = Value;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = Value;

    arrow<Value> operator->() const noexcept { return {*static_cast<const Derived &>(*this)}; }
    Derived operator++(int) noexcept {
        Derived before = static_cast<Derived &>(*this);
        ++static_cast<Derived &>(*this);
        return before;
    }
    bool operator==(const value_iterator &) const noexcept = default;
};

/* A range over an ItemList whose items Read turns into values. */
template <typename Value, typename Record, Value (*Read)(const Record *)>
class list_range {
public:
    class iterator : public value_iterator<iterator, Value> {
    public:
        iterator() noexcept = default;
        iterator(const ItemList *list, int32_t index) noexcept : list_(list), index_(index) {}
        Value operator*() const noexcept { return Read(item<Record>(list_, index_)); }
        iterator &operator++() noexcept {
            ++index_;
            return *this;
        }
        using value_iterator<iterator, Value>::operator++;
        bool operator==(const iterator &other) const noexcept = default;

    private:
        const ItemList *list_ = nullptr;
        int32_t index_ = 0;
    };

    list_range() noexcept = default;
    explicit list_range(const ItemList *list) noexcept : list_(list) {}
    iterator begin() const noexcept { return {list_, 0}; }
    iterator end() const noexcept { return {list_, count(list_)}; }
    std::size_t size() const noexcept { return static_cast<std::size_t>(count(list_)); }
    bool empty() const noexcept { return count(list_) == 0; }

private:
    const ItemList *list_ = nullptr;
};

/* The first item of a list (a component's first pin list, its first
 * register of a kind); null when there is none. */
template <typename Record>
const Record *first_of(const ItemList *list) noexcept {
    return count(list) > 0 ? item<Record>(list, 0) : nullptr;
}

}  // namespace detail

/* A list of texts (register names, chain parameters), as written. */
using text_list = detail::list_range<std::string_view, char, detail::text>;

/* ------------------------------------------------------------------ */
/* Views of the description.                                           */

namespace detail {

/* An entry of a bus's index list or pin number list as the values it stands
 * for, low to high: a range written high to low stands for none, as the
 * check counts it. A pin number written as a name is one value of its own;
 * an index written so is none. */
struct span {
    int64_t low = 0, high = -1;
    const char *name = nullptr;

    int64_t size() const noexcept { return name ? 1 : high >= low ? high - low + 1 : 0; }
};

inline span span_of(const IndexRecord *entry, bool names) noexcept {
    if (!entry)
        return {};
    switch (entry->kind) {
    case OXEL_INDEX_NUMBER: return {entry->first, entry->first, nullptr};
    case OXEL_INDEX_RANGE: return {entry->first, entry->last, nullptr};
    case OXEL_INDEX_NAME:
        if (names && entry->first)
            return {0, 0, reinterpret_cast<const char *>(entry->first)};
        break;
    }
    return {};
}

inline const IndexRecord *index_entry(const ItemList *list, int32_t i) noexcept {
    return item<IndexRecord>(list, i);
}

}  // namespace detail

/* The pin number of a bus element: written as a name, or a number standing
 * alone or in a range. */
class pin_number {
public:
    explicit pin_number(std::string_view name) noexcept : name_(name) {}
    explicit pin_number(int64_t value) noexcept : value_(value) {
        length_ = static_cast<uint8_t>(std::to_chars(digits_.data(), digits_.data() + digits_.size(), value).ptr -
                                       digits_.data());
    }

    /* As written: the name, or the number in decimal (a view into this object). */
    std::string_view text() const noexcept {
        return name_.data() ? name_ : std::string_view(digits_.data(), length_);
    }
    bool is_name() const noexcept { return name_.data() != nullptr; }
    /* The number; none for a name. */
    std::optional<int64_t> value() const noexcept {
        return is_name() ? std::nullopt : std::optional<int64_t>(value_);
    }
    friend bool operator==(const pin_number &a, const pin_number &b) noexcept { return a.text() == b.text(); }

private:
    std::string_view name_;
    std::array<char, 24> digits_{};
    uint8_t length_ = 0;
    int64_t value_ = 0;
};

/* One element of a bus: its index and its pin number (none where the bus
 * lists fewer pin numbers than indices). */
struct bus_element {
    int32_t index = 0;
    std::optional<pin_number> number;
};

/* The lowest and the highest index of a bus. */
struct index_bounds {
    int32_t low = 0, high = 0;
    friend bool operator==(const index_bounds &, const index_bounds &) noexcept = default;
};

namespace detail {

/* The pin number a bus lists at `offset`, counted through its pin number
 * entries in the order written. */
inline std::optional<pin_number> bus_number_at(const PinNumberingRecord *numbering, int64_t offset) noexcept {
    const ItemList *numbers = numbering ? numbering->numbers : nullptr;
    for (int32_t i = 0; i < count(numbers); i++) {
        const span entry = span_of(index_entry(numbers, i), true);
        if (offset < entry.size())
            return entry.name ? pin_number(std::string_view(entry.name)) : pin_number(entry.low + offset);
        offset -= entry.size();
    }
    return std::nullopt;
}

}  // namespace detail

/* The elements of a bus in index order, each with the pin number written at
 * its place: (6:21) D(0:15) puts pin 6 at D(0). Read from the records as
 * the walk goes, without a copy. */
class bus_element_range {
public:
    class iterator : public detail::value_iterator<iterator, bus_element> {
    public:
        iterator() noexcept = default;
        iterator(const PinNumberingRecord *numbering, bool begin) noexcept : numbering_(numbering) {
            if (begin)
                step();
        }
        bus_element operator*() const noexcept {
            return {static_cast<int32_t>(index_), detail::bus_number_at(numbering_, offset_)};
        }
        iterator &operator++() noexcept {
            step();
            return *this;
        }
        using detail::value_iterator<iterator, bus_element>::operator++;
        bool operator==(const iterator &other) const noexcept = default;

    private:
        // Moves to the element after the current one in the order (index,
        // place written); with none left, to the end.
        void step() noexcept {
            const ItemList *indices = numbering_ ? numbering_->indices : nullptr;
            bool found = false;
            int64_t best_index = 0, best_offset = 0, base = 0;
            for (int32_t i = 0; i < detail::count(indices); i++) {
                const detail::span entry = detail::span_of(detail::index_entry(indices, i), false);
                if (const std::optional<int64_t> value = next_in(entry, base)) {
                    const int64_t offset = base + *value - entry.low;
                    if (!found || *value < best_index || (*value == best_index && offset < best_offset)) {
                        found = true;
                        best_index = *value;
                        best_offset = offset;
                    }
                }
                base += entry.size();
            }
            current_ = found;
            index_ = found ? best_index : 0;
            offset_ = found ? best_offset : 0;
        }

        // The least index of an entry (written from `base` on) whose element
        // comes after the current one; any of its indices before the first step.
        std::optional<int64_t> next_in(const detail::span &entry, int64_t base) const noexcept {
            if (entry.size() == 0 || (current_ && index_ > entry.high))
                return std::nullopt;
            if (!current_ || index_ < entry.low)
                return entry.low;
            if (base + index_ - entry.low > offset_)
                return index_;
            return index_ < entry.high ? std::optional<int64_t>(index_ + 1) : std::nullopt;
        }

        const PinNumberingRecord *numbering_ = nullptr;
        bool current_ = false;
        int64_t index_ = 0, offset_ = 0;
    };

    explicit bus_element_range(const PinNumberingRecord *numbering = nullptr) noexcept : numbering_(numbering) {}
    iterator begin() const noexcept { return {numbering_, true}; }
    iterator end() const noexcept { return {numbering_, false}; }
    bool empty() const noexcept { return begin() == end(); }

private:
    const PinNumberingRecord *numbering_;
};

/* One entry of a component's first pin list: a single pin or a bus. */
struct pin {
    std::string_view name;     /* empty for "-" */
    std::string_view number;   /* a single pin's number as written; empty for a bus */
    pin_type type = pin_type::unknown;  /* as written (oxel_get_current_component_pin_type
                                           answers 7 for an IN pin that no cell reads) */
    bool bus = false;
    std::string_view family;   /* empty for "-" */
    const PinRecord *record = nullptr;

    /* How many indices a bus has; 0 for a single pin. */
    int64_t width() const noexcept {
        const ItemList *indices = bus_numbering() ? bus_numbering()->indices : nullptr;
        int64_t width = 0;
        for (int32_t i = 0; i < detail::count(indices); i++)
            width += detail::span_of(detail::index_entry(indices, i), false).size();
        return width;
    }
    /* The lowest and the highest index of a bus; none for a single pin. */
    std::optional<index_bounds> indices() const noexcept {
        const ItemList *indices = bus_numbering() ? bus_numbering()->indices : nullptr;
        std::optional<index_bounds> bounds;
        for (int32_t i = 0; i < detail::count(indices); i++) {
            const detail::span entry = detail::span_of(detail::index_entry(indices, i), false);
            if (entry.size() == 0)
                continue;
            const auto low = static_cast<int32_t>(entry.low), high = static_cast<int32_t>(entry.high);
            bounds = bounds ? index_bounds{std::min(bounds->low, low), std::max(bounds->high, high)}
                            : index_bounds{low, high};
        }
        return bounds;
    }
    /* Each element of a bus with its pin number, in index order; none for a single pin. */
    bus_element_range elements() const noexcept { return bus_element_range(bus_numbering()); }
    /* The pin number of the bus element of that index; none when the bus has
     * no such index or lists no pin number for it. */
    std::optional<pin_number> number_of(int32_t index) const noexcept {
        const ItemList *indices = bus_numbering() ? bus_numbering()->indices : nullptr;
        int64_t base = 0;
        for (int32_t i = 0; i < detail::count(indices); i++) {
            const detail::span entry = detail::span_of(detail::index_entry(indices, i), false);
            if (entry.size() > 0 && index >= entry.low && index <= entry.high)
                return detail::bus_number_at(bus_numbering(), base + index - entry.low);
            base += entry.size();
        }
        return std::nullopt;
    }

private:
    const PinNumberingRecord *bus_numbering() const noexcept {
        return bus && record ? record->numbering : nullptr;
    }
};

/* One instruction of a component's first instruction register. */
struct instruction {
    instruction_kind kind = instruction_kind::unknown;
    std::string_view name;           /* instruction_kind_text of the instruction */
    std::string_view code;           /* opcode as written */
    std::string_view register_name;  /* register between TDI and TDO; empty for "-" */
    instruction_mode mode = instruction_mode::unknown;
    text_list registers;             /* further registers */
    const InstructionRecord *record = nullptr;
    std::string_view mode_name;      /* a named mode's own name; empty otherwise */
};

/* The register kinds, in the order session::component::registers() gives them. */
enum class register_kind : int32_t {
    instruction,
    boundary_scan,
    bypass,
    identification,
    usercode,
    bist,
    data
};

/* "instruction", "boundary_scan", "bypass", "identification", "usercode",
 * "bist", "data"; "unknown" otherwise. */
inline std::string_view to_string(register_kind kind) noexcept {
    static constexpr std::string_view texts[] = {"instruction", "boundary_scan", "bypass", "identification",
                                                 "usercode",    "bist",          "data"};
    const auto code = static_cast<int32_t>(kind);
    return code >= 0 && code <= 6 ? texts[code] : "unknown";
}

/* Any register of a component. */
struct register_info {
    register_kind kind = register_kind::instruction;
    std::string_view name;
    int32_t length = 0;
    std::string_view capture;        /* CAPTURE value; empty when not given (always for boundary-scan) */
    const void *record = nullptr;    /* the record of its kind (InstructionRegisterRecord, ...) */
};

/* One function of a boundary-scan cell: a PI or PO parameter and what the
 * cell does for it; the parameter is empty (data() null) for the cell itself. */
struct cell_function_entry {
    std::string_view parameter;
    cell_function function = cell_function::internal;
};

/* What a cell does, as oxel_get_current_component_current_cell_function_list
 * tells it: at most ten entries for PI and ten for PO parameters. */
class cell_functions {
public:
    static constexpr std::size_t capacity = 20;

    const cell_function_entry *begin() const noexcept { return entries_.data(); }
    const cell_function_entry *end() const noexcept { return entries_.data() + count_; }
    std::size_t size() const noexcept { return count_; }
    bool empty() const noexcept { return count_ == 0; }
    const cell_function_entry &operator[](std::size_t i) const noexcept { return entries_[i]; }

private:
    friend struct cell;
    void push_back(cell_function_entry entry) noexcept {
        if (count_ < capacity)
            entries_[count_++] = entry;
    }

    std::array<cell_function_entry, capacity> entries_{};
    std::size_t count_ = 0;
};

namespace detail {

inline bool same_ignoring_case(std::string_view a, std::string_view b) noexcept {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [&](char x, char y) { return lower(x) == lower(y); });
}

/* The first ten entries of a parameter list other than "-". */
struct parameters {
    std::array<std::string_view, 10> names{};
    std::size_t count = 0;

    explicit parameters(const text_list &list) noexcept {
        for (std::string_view entry : list)
            if (count < names.size() && entry.data() && entry != "-")
                names[count++] = entry;
    }
    bool holds(std::string_view name) const noexcept {
        return std::any_of(names.begin(), names.begin() + count,
                           [&](std::string_view held) { return same_ignoring_case(held, name); });
    }
};

/* The first entry of a parameter list, unless it is "-" (the library reads no
 * list longer than 65536 entries). */
inline std::string_view first_parameter(const text_list &list) noexcept {
    if (list.empty() || list.size() > 65536)
        return {};
    std::string_view first = *list.begin();
    return first == "-" ? std::string_view() : first;
}

}  // namespace detail

/* One element of the chain of a component's first boundary-scan register. */
struct cell {
    int32_t position = 0;
    std::string_view name;                 /* the cell's kind, BC_1 ... */
    std::string_view pin;                  /* the pin or bus served; empty for "-" */
    std::optional<int32_t> pin_index;      /* the bus element, when one element is served */
    text_list inputs, outputs, controls, disables;  /* parameter lists, "-" entries as written */
    const ChainElementRecord *record = nullptr;

    /* The chain position of the cell that controls this one, read from its
     * first control parameter (decimal digits, blanks around them); none
     * when there is none or it is no such number. */
    std::optional<int32_t> control_cell() const noexcept {
        const std::string_view text = detail::first_parameter(controls);
        if (!text.data())
            return std::nullopt;
        auto white = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; };
        std::size_t at = 0;
        while (at < text.size() && white(text[at]))
            at++;
        int64_t value = 0;
        for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; at++)
            if ((value = value * 10 + (text[at] - '0')) > INT32_MAX)
                return std::nullopt;
        if (at < text.size() && !white(text[at]))
            return std::nullopt;
        return static_cast<int32_t>(value);
    }
    /* The first character of the first disable value ('0', '1', 'Z', ...); none for none. */
    std::optional<char> disable_value() const noexcept {
        const std::string_view text = detail::first_parameter(disables);
        return text.empty() ? std::nullopt : std::optional<char>(text[0]);
    }
    /* What the cell does: for each of its first ten PI parameters input, or
     * bidir when it is also a PO parameter; then for each of its first ten PO
     * parameters that is no PI parameter output, or tristate when another
     * cell controls it. A cell with neither is one entry without a
     * parameter: control for a cell named ...CONTROL... that has a control
     * cell, else internal. */
    cell_functions functions() const noexcept {
        const detail::parameters in(inputs), out(outputs);
        const std::optional<int32_t> control = control_cell();
        cell_functions result;
        if (in.count == 0 && out.count == 0) {
            bool named = false;
            for (std::size_t at = 0; !named && at + 7 <= name.size(); at++)
                named = detail::same_ignoring_case(name.substr(at, 7), "control");
            result.push_back({{}, control && named ? cell_function::control : cell_function::internal});
            return result;
        }
        for (std::size_t i = 0; i < in.count; i++)
            result.push_back({in.names[i], out.holds(in.names[i]) ? cell_function::bidir : cell_function::input});
        const bool own = !control || *control == position;
        for (std::size_t i = 0; i < out.count; i++)
            if (!in.holds(out.names[i]))
                result.push_back({out.names[i], own ? cell_function::output : cell_function::tristate});
        return result;
    }
};

namespace detail {

inline pin read_pin(const PinRecord *r) noexcept {
    const bool bus = r->form == OXEL_FORM_BUS;
    return {text(r->name), text(!bus && r->numbering ? r->numbering->number : nullptr),
            static_cast<pin_type>(r->type), bus, text(r->family), r};
}

inline instruction read_instruction(const InstructionRecord *r) noexcept {
    return {static_cast<instruction_kind>(r->kind), instruction_kind_text(r->kind, r->name), text(r->code),
            text(r->register_name), static_cast<instruction_mode>(r->mode), text_list(r->registers), r,
            text(r->mode_name)};
}

inline cell read_cell(const ChainElementRecord *r) noexcept {
    cell c{r->position, text(r->cell_name), {}, {}, {}, {}, {}, {}, r};
    if (r->pin) {
        c.pin = text(r->pin->name);
        if (r->pin->kind == OXEL_PINREF_ELEMENT)
            c.pin_index = static_cast<int32_t>(r->pin->selector);
    }
    c.inputs = text_list(r->input_params);
    c.outputs = text_list(r->output_params);
    c.controls = text_list(r->control_cells);
    c.disables = text_list(r->disable_values);
    return c;
}

/* Every register record begins with its name, purpose and length; the
 * capture value sits where each kind keeps it, and the boundary-scan
 * register has none. */
template <typename Record>
register_info read_register(register_kind kind, const void *record) noexcept {
    const auto *r = static_cast<const Record *>(record);
    register_info info{kind, text(r->name), r->length, {}, record};
    if constexpr (requires { r->capture_value; })
        info.capture = text(r->capture_value);
    return info;
}

/* One row per register kind: the component's list and its reader. */
struct register_list {
    ItemList *ComponentRecord::*field;
    register_info (*read)(register_kind, const void *) noexcept;
};

inline constexpr register_list register_lists[] = {
    {&ComponentRecord::instruction_registers, read_register<InstructionRegisterRecord>},
    {&ComponentRecord::boundary_scan_registers, read_register<BoundaryScanRegisterRecord>},
    {&ComponentRecord::bypass_registers, read_register<BypassRegisterRecord>},
    {&ComponentRecord::identification_registers, read_register<IdRegisterRecord>},
    {&ComponentRecord::usercode_registers, read_register<IdRegisterRecord>},
    {&ComponentRecord::bist_registers, read_register<BistRegisterRecord>},
    {&ComponentRecord::data_registers, read_register<DataRegisterRecord>},
};
inline constexpr int32_t register_kinds = static_cast<int32_t>(std::size(register_lists));

}  // namespace detail

/* Every register of a component, kind by kind in register_kind order and
 * in file order within a kind. */
class register_range {
public:
    class iterator : public detail::value_iterator<iterator, register_info> {
    public:
        iterator() noexcept = default;
        iterator(const ComponentRecord *component, int32_t kind) noexcept
            : component_(component), kind_(kind) {
            settle();
        }
        register_info operator*() const noexcept {
            const auto &row = detail::register_lists[kind_];
            return row.read(static_cast<register_kind>(kind_), list()->items[index_]);
        }
        iterator &operator++() noexcept {
            ++index_;
            settle();
            return *this;
        }
        using detail::value_iterator<iterator, register_info>::operator++;
        bool operator==(const iterator &other) const noexcept = default;

    private:
        const ItemList *list() const noexcept { return component_->*detail::register_lists[kind_].field; }
        // Moves past the end of each kind's list to the next kind that has a register.
        void settle() noexcept {
            while (component_ && kind_ < detail::register_kinds && index_ >= detail::count(list())) {
                ++kind_;
                index_ = 0;
            }
        }

        const ComponentRecord *component_ = nullptr;
        int32_t kind_ = detail::register_kinds;
        int32_t index_ = 0;
    };

    explicit register_range(const ComponentRecord *component) noexcept : component_(component) {}
    iterator begin() const noexcept { return {component_, component_ ? 0 : detail::register_kinds}; }
    iterator end() const noexcept { return {component_, detail::register_kinds}; }

private:
    const ComponentRecord *component_;
};

using pin_range = detail::list_range<pin, PinRecord, detail::read_pin>;
using instruction_range = detail::list_range<instruction, InstructionRecord, detail::read_instruction>;
using cell_range = detail::list_range<cell, ChainElementRecord, detail::read_cell>;

/* One component of the description. The pins, instructions and cells are
 * those the library's own queries walk: the first pin list, the first
 * instruction register's instructions and the first boundary-scan
 * register's chain. */
class component {
public:
    explicit component(const ComponentRecord *record) noexcept : record_(record) {}

    std::string_view name() const noexcept { return detail::text(record_->name); }
    oxel::standard standard() const noexcept { return static_cast<oxel::standard>(record_->standard); }
    pin_range pins() const noexcept { return pin_range(detail::first_of<ItemList>(record_->pin_lists)); }
    instruction_range instructions() const noexcept {
        const auto *ir = detail::first_of<InstructionRegisterRecord>(record_->instruction_registers);
        return instruction_range(ir ? ir->instructions : nullptr);
    }
    register_range registers() const noexcept { return register_range(record_); }
    cell_range cells() const noexcept {
        const auto *bsr = detail::first_of<BoundaryScanRegisterRecord>(record_->boundary_scan_registers);
        return cell_range(bsr ? bsr->chain : nullptr);
    }
    const ComponentRecord *record() const noexcept { return record_; }

private:
    const ComponentRecord *record_;
};

namespace detail {
inline component read_component(const ComponentRecord *r) noexcept { return component(r); }
}  // namespace detail

using component_range = detail::list_range<component, ComponentRecord, detail::read_component>;

/* ------------------------------------------------------------------ */
/* The session.                                                        */

namespace detail {

/* What the library is handed: the host context points back at it. Kept on
 * the heap so that moving the session leaves its address unchanged. */
struct session_state {
    message_handler handler;
    HostContext context{};
    MessageCounters counters{};
    std::exception_ptr handler_failure;  /* the first exception of the current call */
};

/* The one session that owns the library, or null: claimed and given back
 * atomically, so that of sessions made at once on several threads one owns it. */
inline std::atomic<session_state *> live_session{nullptr};

/* The callback: no exception may cross the library's frames. */
inline int32_t OXEL_CALLBACK deliver(void *user_data, const MessageRecord *message) noexcept {
    auto *state = static_cast<session_state *>(user_data);
    if (!state->handler || state->handler_failure)
        return 0;
    try {
        state->handler(static_cast<message_kind>(message->kind), message->level, text(message->text));
    } catch (...) {
        state->handler_failure = std::current_exception();
    }
    return 0;
}

/* Where oxel_write_description's pieces go; no exception leaves the
 * callback: a piece that cannot be kept marks the text as failed. */
struct text_sink {
    std::string *text;
    bool failed;
};

inline void OXEL_CALLBACK append_text(void *user, const char *bytes, int32_t length) {
    auto *sink = static_cast<text_sink *>(user);
    if (sink->failed)
        return;
    try {
        sink->text->append(bytes, static_cast<size_t>(length));
    } catch (...) {
        sink->failed = true;
    }
}

}  // namespace detail

class session {
public:
    /* Owns the library unless another session does; message_level as in
     * HostContext (1 errors, 2 also warnings, 3 notes, 4 progress and status). */
    explicit session(message_handler handler = {}, int32_t message_level = 2) noexcept {
        if (detail::live_session.load())
            return;
        auto *state = new (std::nothrow) detail::session_state{std::move(handler), {}, {}, nullptr};
        if (!state)
            return;
        detail::session_state *none = nullptr;
        if (!detail::live_session.compare_exchange_strong(none, state)) {
            delete state;
            return;
        }
        state_ = state;
        state_->context.callback = detail::deliver;
        state_->context.counters = &state_->counters;
        state_->context.user_data = state_;
        state_->context.message_level = message_level;
        oxel_initialize(&state_->context);
    }
    ~session() { end(); }

    session(const session &) = delete;
    session &operator=(const session &) = delete;
    session(session &&other) noexcept : state_(std::exchange(other.state_, nullptr)) {}
    session &operator=(session &&other) noexcept {
        if (this != &other) {
            end();
            state_ = std::exchange(other.state_, nullptr);
        }
        return *this;
    }

    /* This session owns the library. */
    bool active() const noexcept { return state_ != nullptr; }

    /* Parses a file into the description; a successful parse adds to what
     * is held (clear() first to read a file alone), a failed one releases
     * the whole description. */
    outcome parse(const char *path) {
        return call([path](HostContext *context) { return oxel_parse(context, path); });
    }
    outcome parse(const std::string &path) { return parse(path.c_str()); }

    /* Imports a BSDL file as one component added to the description, as a
     * parse adds its components; `package` names the PIN_MAP_STRING
     * constant the pins take their numbers from (null or empty: the file's
     * default). A failed import releases the whole description. */
    outcome import_bsdl(const char *path, const char *package = nullptr) {
        const char *chosen = package && *package ? package : nullptr;
        return call([path, chosen](HostContext *context) { return oxel_import_bsdl(context, path, chosen); });
    }
    outcome import_bsdl(const std::string &path, const std::string &package = {}) {
        return import_bsdl(path.c_str(), package.c_str());
    }

    /* The description held, written as the text of one OXEL file in the
     * library's canonical layout (it parses back to the same records) into
     * `text`, replacing what it held; on failure (result::failed, told to
     * the handler) `text` is left empty. */
    outcome to_oxel(std::string &text) {
        text.clear();
        detail::text_sink sink{&text, false};
        outcome out = call([&sink](HostContext *context) {
            return oxel_write_description(context, detail::append_text, &sink);
        });
        if (sink.failed && out.code == result::ok)
            out.code = result::failed;
        if (out.code != result::ok)
            text.clear();
        return out;
    }
    /* The same as a value: empty when it could not be written. */
    std::string to_oxel() {
        std::string text;
        to_oxel(text);
        return text;
    }

    /* Runs the checks: result::warnings keeps the description, errors
     * release it (result::failed). */
    outcome check() {
        return call([](HostContext *context) { return oxel_check(context); });
    }

    /* The checks, then the strict IEEE 1149.1 rules (oxel_check_strict):
     * the same outcomes as check(). */
    outcome check_strict() {
        return call([](HostContext *context) { return oxel_check_strict(context); });
    }

    /* 1 when the file's first token is OXEL. */
    bool is_oxel(const char *path) {
        bool answer = false;
        call([&](HostContext *context) {
            answer = file_is_oxel(context, path) == 1;
            return OXEL_OK;
        });
        return answer;
    }

    /* Releases the description; the session stays ready for another parse. */
    void clear() {
        call([](HostContext *context) {
            oxel_destroy(context);
            return OXEL_OK;
        });
    }

    /* Names the host in syntax messages. */
    result set_program_name(const char *name) {
        if (!name)
            return result::failed;
        return call([name](HostContext *context) { return oxel_set_prog_name(context, name); }).code;
    }

    int32_t message_level() const noexcept { return state_ ? state_->context.message_level : 0; }
    void set_message_level(int32_t level) noexcept {
        if (state_)
            state_->context.message_level = level;
    }

    /* Errors and warnings counted over the session's life. */
    int32_t errors() const noexcept { return state_ ? state_->counters.errors : 0; }
    int32_t warnings() const noexcept { return state_ ? state_->counters.warnings : 0; }
    /* The syntax error count of the last parse. */
    int32_t syntax_errors() const noexcept { return state_ ? oxel_get_syntax_errors() : 0; }

    /* The components held, in file order; none for an inactive session. */
    component_range components() const noexcept {
        return component_range(state_ ? oxel_get_info()->components : nullptr);
    }
    /* The library's own roots; null for an inactive session. */
    const DescriptionRoot *root() const noexcept { return state_ ? oxel_get_info() : nullptr; }

private:
    /* Runs one library call with the counters watched; an exception the
     * handler threw during it is thrown here, after the library returned. */
    template <typename Call>
    outcome call(Call &&entry) {
        if (!state_)
            return {};
        const MessageCounters before = state_->counters;
        state_->handler_failure = nullptr;
        outcome out{static_cast<result>(entry(&state_->context)), state_->counters.errors - before.errors,
                    state_->counters.warnings - before.warnings};
        if (std::exception_ptr failure = std::exchange(state_->handler_failure, nullptr))
            std::rethrow_exception(failure);
        return out;
    }

    void end() noexcept {
        if (!state_)
            return;
        // A message sent while releasing has no caller left to hear of a
        // handler's exception: it is dropped.
        oxel_destroy(&state_->context);
        delete state_;
        detail::live_session.store(nullptr);
        state_ = nullptr;
    }

    detail::session_state *state_ = nullptr;
};

}  // namespace oxel

#endif /* OXEL32_HPP */

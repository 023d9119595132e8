/*
 * oxel32.hpp: a header-only C++20 wrapper over oxel32.h.
 *
 *   oxel::session s([](oxel::message_kind kind, int32_t level, std::string_view text) {
 *       std::cerr << oxel::kind_word(kind) << ": " << text << '\n';
 *   });
 *   if (s.parse("board.oxel") && s.check())
 *       for (oxel::component c : s.components())
 *           for (oxel::pin p : c.pins())
 *               std::cout << c.name() << ' ' << p.name << '\n';
 *
 * A session initialises the library and releases its description when it
 * ends; it can be moved, not copied. Results are values: nothing here
 * throws unless asked to (outcome::throw_if_failed), except that an
 * exception thrown by the message handler is caught before it can cross
 * the library and thrown again once the library's call has returned.
 *
 * The library holds one description and one set of query cursors for the
 * whole process, so one session at a time owns it: a session made while
 * another is live is inactive (active() is false), touches nothing, and
 * answers every call with result::no_context. Serve it from one thread, and
 * do not call the session from inside its message handler.
 *
 * The views (component, pin, instruction, register_info, cell and the text
 * views in them) point into the description. They stay valid until it is
 * released: by the session's end or clear(), by a failed parse, or by a
 * check that finds errors. A text the description does not give (a pin
 * written "-", an absent capture value) is an empty view whose data() is
 * null. The raw records stay reachable through each view's `record` and
 * session::root().
 */
#ifndef OXEL32_HPP
#define OXEL32_HPP

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

/* One entry of a component's first pin list: a single pin or a bus. */
struct pin {
    std::string_view name;     /* empty for "-" */
    std::string_view number;   /* a single pin's number as written; empty for a bus */
    int32_t type = 0;          /* PinType as written (oxel_get_current_component_pin_type
                                  answers 7 for an IN pin that no cell reads) */
    bool bus = false;
    std::string_view family;   /* empty for "-" */
    const PinRecord *record = nullptr;
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

/* One instruction of a component's first instruction register. */
struct instruction {
    int32_t kind = 0;                /* InstructionKind */
    std::string_view name;           /* instruction_kind_text of the instruction */
    std::string_view code;           /* opcode as written */
    std::string_view register_name;  /* register between TDI and TDO; empty for "-" */
    int32_t mode = 0;                /* ModeCode */
    text_list registers;             /* further registers */
    const InstructionRecord *record = nullptr;
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

/* Any register of a component. */
struct register_info {
    register_kind kind = register_kind::instruction;
    std::string_view name;
    int32_t length = 0;
    std::string_view capture;        /* CAPTURE value; empty when not given (always for boundary-scan) */
    const void *record = nullptr;    /* the record of its kind (InstructionRegisterRecord, ...) */
};

/* One element of the chain of a component's first boundary-scan register. */
struct cell {
    int32_t position = 0;
    std::string_view name;                 /* the cell's kind, BC_1 ... */
    std::string_view pin;                  /* the pin or bus served; empty for "-" */
    std::optional<int32_t> pin_index;      /* the bus element, when one element is served */
    text_list inputs, outputs, controls, disables;  /* parameter lists, "-" entries as written */
    const ChainElementRecord *record = nullptr;
};

namespace detail {

inline pin read_pin(const PinRecord *r) noexcept {
    const bool bus = r->form == OXEL_FORM_BUS;
    return {text(r->name), text(!bus && r->numbering ? r->numbering->number : nullptr), r->type, bus,
            text(r->family), r};
}

inline instruction read_instruction(const InstructionRecord *r) noexcept {
    return {r->kind, instruction_kind_text(r->kind, r->name), text(r->code), text(r->register_name),
            r->mode, text_list(r->registers), r};
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
    int32_t standard() const noexcept { return record_->standard; }  /* StandardCode */
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

/* The one session that owns the library, or null. */
inline session_state *live_session = nullptr;

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

}  // namespace detail

class session {
public:
    /* Owns the library unless another session does; message_level as in
     * HostContext (1 errors, 2 also warnings, 3 notes, 4 progress and status). */
    explicit session(message_handler handler = {}, int32_t message_level = 2) noexcept {
        if (detail::live_session)
            return;
        state_ = new (std::nothrow) detail::session_state{std::move(handler), {}, {}, nullptr};
        if (!state_)
            return;
        state_->context.callback = detail::deliver;
        state_->context.counters = &state_->counters;
        state_->context.user_data = state_;
        state_->context.message_level = message_level;
        detail::live_session = state_;
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

    /* Runs the checks: result::warnings keeps the description, errors
     * release it (result::failed). */
    outcome check() {
        return call([](HostContext *context) { return oxel_check(context); });
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
        detail::live_session = nullptr;
        delete state_;
        state_ = nullptr;
    }

    detail::session_state *state_ = nullptr;
};

}  // namespace oxel

#endif /* OXEL32_HPP */

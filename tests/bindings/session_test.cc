// The C++ wrapper: messages, outcomes, iteration beside the library's cursors, ownership and moves
#include <atomic>
#include <latch>
#include <memory>
#include <ranges>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "oxel32.hpp"
#include "support/recorder.h"

// The views work with the standard range algorithms.
static_assert(std::ranges::forward_range<oxel::component_range>);
static_assert(std::ranges::forward_range<oxel::text_list>);
static_assert(std::ranges::forward_range<oxel::register_range>);

namespace {

const std::string kSyntaxError = "OXEL\nCOMPONENT U1\n  PIN_LIST 1 TDI TDI -\nEND OXEL\n";

std::string message_line(int32_t kind, int32_t level, std::string_view text) {
    return std::string(oxel::kind_word(static_cast<oxel::message_kind>(kind))) + "/" + std::to_string(level) +
           ": " + std::string(text) + "\n";
}

// Parse and check through the C entry points with the tests' recording host.
std::string through_c(const std::string &path, int32_t level) {
    Recorder host(level);
    OxelInitialize(host.host());
    if (OxelParse(host.host(), path.c_str()) == OXEL_OK)
        OxelCheck(host.host());
    OxelDestroy(host.host());
    std::string out;
    for (const RecordedMessage &m : host.messages)
        out += message_line(m.kind, m.level, m.text);
    return out + row(host.counters.errors, host.counters.warnings);
}

std::string through_session(const std::string &path, int32_t level) {
    std::string out;
    oxel::session s([&out](oxel::message_kind kind, int32_t lvl, std::string_view text) {
        out += message_line(static_cast<int32_t>(kind), lvl, text);
    }, level);
    if (s.parse(path))
        s.check();
    return out + row(s.errors(), s.warnings());
}

std::string shown(const oxel::outcome &o) { return row(static_cast<int32_t>(o.code), o.errors, o.warnings); }

TEST(Session, TheHandlerHearsWhatACallbackHears) {
    const std::string broken = write_temp_file("session_broken.oxel", kSyntaxError);
    for (const std::string &path : {broken, example_path("kx300_bridge.oxel")})
        for (int32_t level : {2, 4})
            EXPECT_EQ(through_session(path, level), through_c(path, level)) << path << " at level " << level;
}

TEST(Session, OutcomesCarryTheCodeAndTheCountsOfTheirCall) {
    oxel::session s;
    EXPECT_EQ(shown(s.parse(example_path("kx300_bridge.oxel"))), "0|0|0");
    EXPECT_EQ(shown(s.check()), "1|0|1");
    EXPECT_NO_THROW(s.check().throw_if_failed());
    // A second parse adds: the component is then defined twice, and the failing check releases both.
    s.clear();
    ASSERT_TRUE(s.parse(example_path("jx200.oxel")) && s.parse(example_path("jx200.oxel")));
    EXPECT_EQ(std::distance(s.components().begin(), s.components().end()), 2);
    oxel::outcome checked = s.check();
    EXPECT_TRUE(checked.code == oxel::result::failed && checked.errors > 0 && s.components().empty());
    try {
        checked.throw_if_failed();
        ADD_FAILURE() << "a failed check throws";
    } catch (const oxel::error &e) {
        EXPECT_EQ(static_cast<int32_t>(e.code()), OXEL_FAILED);
    }
    EXPECT_EQ(shown(s.parse(write_temp_file("session_broken.oxel", kSyntaxError))), "4|1|0");
    EXPECT_EQ(s.syntax_errors(), 1);
    EXPECT_EQ(shown(s.parse("no/such/file.oxel")), "4|1|0");
    EXPECT_EQ(s.errors(), checked.errors + 2);
}

// A component's pins, instructions and cells as the views give them.
std::string viewed(const oxel::component &comp) {
    std::string out;
    for (const oxel::pin &p : comp.pins())
        out += row("pin", std::string(p.name), p.bus ? "(null)" : std::string(p.number)) + ";";
    for (const oxel::instruction &i : comp.instructions())
        out += row("instruction", static_cast<int32_t>(i.kind), std::string(i.name), std::string(i.code),
                   std::string(i.register_name)) + ";";
    for (const oxel::cell &cell : comp.cells())
        out += row("cell", cell.position, std::string(cell.name)) + ";";
    return out;
}

// The same as the library's cursors walk the current component.
std::string walked(HostContext *c) {
    std::string out;
    oxel_get_current_component_first_pin_nr();
    for (int32_t i = 0; i < oxel_nr_current_component_pins(); i++) {
        out += row("pin", oxel_get_current_component_current_pin_name(),
                   oxel_get_current_component_current_pin_nr()) + ";";
        oxel_get_current_component_next_pin_nr();
    }
    for (int32_t kind = oxel_get_current_component_first_instruction(); kind != -1;
         kind = oxel_get_current_component_next_instruction())
        out += row("instruction", kind, oxel_get_current_component_current_instruction_name(),
                   oxel_get_current_component_current_instruction_code(),
                   oxel_get_current_component_register_selected()) + ";";
    for (int32_t more = oxel_get_current_component_first_cell(c); more;
         more = oxel_get_current_component_next_cell(c))
        out += row("cell", oxel_get_current_component_current_cell_position(),
                   oxel_get_current_component_current_cell_name()) + ";";
    return out;
}

}  // namespace

// What the views give equals what the library's own cursors walk, and
// moving those cursors does not disturb the views' iteration.
TEST(Session, IterationMatchesTheCursors) {
    Recorder host;
    HostContext *c = host.host();
    for (const char *file : {"jx200.oxel", "kx300_bridge.oxel", "dual_jx200_board.oxel"}) {
        oxel::session s;
        ASSERT_TRUE(s.parse(example_path(file)) && s.check()) << file;
        std::string names, walked_names;
        for (int32_t more = oxel_get_first_component(); more; more = oxel_get_next_component())
            walked_names += shown(oxel_get_current_component_name()) + ";";
        for (const oxel::component &comp : s.components()) {
            names += std::string(comp.name()) + ";";
            ASSERT_EQ(oxel_open_component(c, std::string(comp.name()).c_str()), 1);
            std::string seen = viewed(comp);
            EXPECT_EQ(seen, walked(c)) << file;
            for (const char *part : {"pin|", "instruction|", "cell|"})
                EXPECT_NE(seen.find(part), std::string::npos) << file << " has no " << part;
            for (const oxel::register_info &r : comp.registers()) {
                std::string name(r.name);
                EXPECT_EQ(r.length, oxel_get_current_component_register_length(c, name.c_str())) << name;
            }
        }
        EXPECT_EQ(names, walked_names) << file;
    }
}

TEST(Session, AbsentTextsAreNullViews) {
    oxel::session s;
    ASSERT_TRUE(s.parse(example_path("jx200.oxel")));
    oxel::component jx200 = *s.components().begin();
    std::string kinds;
    for (const oxel::register_info &r : jx200.registers())
        kinds += row(static_cast<int32_t>(r.kind), std::string(r.name), r.capture.data() != nullptr) + ";";
    EXPECT_EQ(kinds, "0|IR|1;1|BSR|0;2|BPR|1;3|IDR|1;5|BISTR|1;6|SCANREG|1;");
    auto cell = std::next(jx200.cells().begin(), 13);
    EXPECT_EQ(row(cell->position, cell->pin.data() == nullptr, cell->pin_index.has_value()), "13|1|0");
    ++cell;
    EXPECT_EQ(row(std::string(cell->pin), cell->pin_index.value_or(-1), std::string(*cell->controls.begin())),
              "D|0|13");
    auto bus = std::next(jx200.pins().begin(), 5);
    EXPECT_EQ(row(std::string(bus->name), bus->bus, bus->number.data() == nullptr), "D|1|1");
}

// One session owns the library at a time; a move takes the description and
// the handler along, and assigning a session releases what the target held.
TEST(Session, OneSessionOwnsTheLibraryAndAMoveTakesItAlong) {
    int32_t heard = 0;
    auto first = std::make_unique<oxel::session>(
        [&heard](oxel::message_kind, int32_t, std::string_view) { heard++; }, 4);
    ASSERT_TRUE(first->active());
    ASSERT_TRUE(first->parse(example_path("jx200.oxel")));
    oxel::session second;
    EXPECT_FALSE(second.active());
    EXPECT_EQ(shown(second.parse(example_path("kx300_bridge.oxel"))), "8|0|0");
    EXPECT_TRUE(second.components().empty());
    EXPECT_EQ(second.root(), nullptr);
    oxel::session moved(std::move(*first));
    first.reset();
    EXPECT_EQ(std::string(moved.components().begin()->name()), "JX200");
    heard = 0;
    EXPECT_TRUE(moved.check());
    EXPECT_GT(heard, 0);
    moved = oxel::session();
    EXPECT_FALSE(moved.active());
    EXPECT_TRUE(no_description());
    oxel::session third;
    EXPECT_TRUE(third.active());
}

// Of sessions made at once on several threads, one owns the library; once
// it ends, the next session made owns it.
TEST(Session, OfSessionsMadeAtOnceOneOwnsTheLibrary) {
    constexpr int kThreads = 8;
    std::latch start(kThreads);
    std::atomic<int> active{0};
    std::vector<std::unique_ptr<oxel::session>> sessions(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; t++)
        threads.emplace_back([&, t] {
            start.arrive_and_wait();
            sessions[t] = std::make_unique<oxel::session>();
            active += sessions[t]->active();
        });
    for (std::thread &thread : threads)
        thread.join();
    EXPECT_EQ(active.load(), 1);
    sessions.clear();
    EXPECT_TRUE(oxel::session().active());
}

// The library finishes its call before the handler's exception goes on.
TEST(Session, AHandlerExceptionWaitsForTheLibraryToReturn) {
    int32_t heard = 0;
    oxel::session s([&heard](oxel::message_kind, int32_t, std::string_view) {
        heard++;
        throw std::runtime_error("handler");
    }, 4);
    EXPECT_THROW(s.parse(example_path("jx200.oxel")), std::runtime_error);
    EXPECT_EQ(heard, 1);
    EXPECT_EQ(std::distance(s.components().begin(), s.components().end()), 1);
    s.set_message_level(0);
    EXPECT_EQ(shown(s.check()), "0|0|0");
}

namespace {

// A device whose instruction register captures 000: clean to the check, an error to the strict rules.
const std::string kCapturesZeros =
    "OXEL\nCOMPONENT U1\n  INSTRUCTION_REGISTER IR\n    PURPOSE \"Instructions\"\n    LENGTH 2\n"
    "    CAPTURE \"00\"\n    INSTRUCTION_LIST\n      BYPASS \"11\" BPR SAMPLE -\n    END INSTRUCTION_LIST\n"
    "  END INSTRUCTION_REGISTER\n  BYPASS_REGISTER BPR\n    PURPOSE \"Bypass\"\n    LENGTH 1\n"
    "    CAPTURE \"0\"\n  END BYPASS_REGISTER\nEND COMPONENT\nEND OXEL\n";

}  // namespace

TEST(Session, CheckStrictAddsTheStrictRulesToTheCheck) {
    const std::string path = write_temp_file("session_strict.oxel", kCapturesZeros);
    std::vector<std::string> heard;
    oxel::session s([&heard](oxel::message_kind, int32_t, std::string_view text) { heard.emplace_back(text); }, 2);
    ASSERT_TRUE(s.parse(path));
    EXPECT_EQ(shown(s.check()), row(static_cast<int32_t>(oxel::result::ok), 0, 0));
    EXPECT_EQ(heard, std::vector<std::string>{});
    const oxel::outcome strict = s.check_strict();
    EXPECT_EQ(shown(strict), row(static_cast<int32_t>(oxel::result::failed), 1, 0));
    EXPECT_EQ(heard, std::vector<std::string>{"Instruction-register capture value \"00\" of \"IR\" does not end in 01"});
    EXPECT_EQ(oxel_nr_components(), 0) << "the errors released the description";
}

// A BSDL import and the written text: the imported component reads back from the text, and a written
// parse is a fixed point; a failed import or an empty session writes nothing.
TEST(Session, ImportsBsdlAndWritesTheDescriptionAsOxelText) {
    const std::string bsdl = std::string(OXEL_SOURCE_DIR) + "/tests/bsdl/bridge_1994.bsd";
    std::string imported_text, ball_grid_text;
    std::vector<std::string> imported_names;
    {
        std::vector<std::string> errors;
        oxel::session session([&](oxel::message_kind kind, int32_t, std::string_view text) {
            if (kind == oxel::message_kind::error)
                errors.emplace_back(text);
        });
        ASSERT_TRUE(session.import_bsdl(bsdl));
        for (const oxel::component &c : session.components())
            imported_names.emplace_back(c.name());
        EXPECT_EQ(session.to_oxel(imported_text).code, oxel::result::ok);
        EXPECT_EQ(session.to_oxel(), imported_text);
        session.clear();
        ASSERT_TRUE(session.import_bsdl(bsdl, "BGA49"));
        ball_grid_text = session.to_oxel();
        session.clear();
        const oxel::outcome unknown = session.import_bsdl(bsdl.c_str(), "SOIC8");
        EXPECT_EQ(unknown.code, oxel::result::failed);
        EXPECT_EQ(unknown.errors, 1);
        std::string text = "stale";
        EXPECT_EQ(session.to_oxel(text).code, oxel::result::failed);
        EXPECT_EQ(text, "");
        EXPECT_EQ(errors.back(), "No description to write");
    }
    EXPECT_EQ(imported_names, std::vector<std::string>{"Bridge_Ctl"});
    EXPECT_NE(ball_grid_text, imported_text);
    oxel::session session;
    ASSERT_TRUE(session.parse(write_temp_file("bridge_written.oxel", imported_text)));
    std::vector<std::string> names;
    for (const oxel::component &c : session.components())
        names.emplace_back(c.name());
    EXPECT_EQ(names, imported_names);
    EXPECT_EQ(session.to_oxel(), imported_text);
    oxel::session inactive;
    std::string text;
    EXPECT_EQ(inactive.to_oxel(text).code, oxel::result::no_context);
}

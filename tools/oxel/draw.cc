// oxel draw: one SVG picture of a board's scan chains or of a component
#include <cstdio>
#include <string>
#include <vector>

#include "commands.h"
#include "description_input.h"
#include "draw_board.h"
#include "draw_component.h"
#include "exit_status.h"
#include "output_file.h"
#include "suggestions.h"
#include "tool_host.h"

namespace {

constexpr int kUsageError = 2;

std::string name_of(const Text &name) { return name ? *name : "-"; }

// "no board X in FILE; its boards: A, B", with a near name first.
std::string unknown_name(const char *what, const char *plural, const std::string &name, const std::string &file,
                         const std::vector<std::string> &names) {
    std::string text = std::string("no ") + what + " named " + name + " in " + file;
    const std::vector<std::string> near = near_misses(name, names);
    if (!near.empty())
        text += "; did you mean " + alternatives(near) + "?";
    if (names.empty())
        return text + "; it has no " + plural;
    text += std::string("; its ") + plural + ": ";
    for (size_t i = 0; i < names.size(); i++)
        text += (i ? ", " : "") + names[i];
    return text;
}

// The index of the first entry named `name`, or -1.
template <typename Entry>
long find_named(const std::vector<Entry> &entries, const std::string &name, std::vector<std::string> &names) {
    long found = -1;
    for (size_t i = 0; i < entries.size(); i++) {
        names.push_back(name_of(entries[i].name));
        if (found < 0 && entries[i].name == name)
            found = static_cast<long>(i);
    }
    return found;
}

}  // namespace

int run_draw(const Options &options) {
    Host host(options.level, false);
    host.include_folders = options.include_folders;
    if (!host_begin_file(host, options.files[0], true)) {
        host_end_file(host);
        return OXEL_FAILED;
    }
    DescriptionReport description;
    const int32_t result = gather_description(host, options, description);
    int status = file_status(result, host.sink, false);
    const std::string file = host.file.name;
    host_end_file(host);
    if (result != OXEL_OK)
        return status;

    Figure figure;
    std::string title;
    std::vector<std::string> names;
    if (options.board) {
        const long at = find_named(description.boards, options.board, names);
        if (at < 0) {
            std::fprintf(stderr, "oxel: %s\n", unknown_name("board", "boards", options.board, file, names).c_str());
            return kUsageError;
        }
        figure = draw_board(description.boards[at]);
        title = "Board " + name_of(description.boards[at].name) + ": scan chains";
    } else if (options.component) {
        const long at = find_named(description.components, options.component, names);
        if (at < 0) {
            std::fprintf(stderr, "oxel: %s\n",
                         unknown_name("component", "components", options.component, file, names).c_str());
            return kUsageError;
        }
        figure = draw_component(description.components[at]);
        title = "Component " + name_of(description.components[at].name) + ": boundary-scan register and package";
    } else if (!description.boards.empty()) {
        figure = draw_board(description.boards.front());
        title = "Board " + name_of(description.boards.front().name) + ": scan chains";
    } else if (!description.components.empty()) {
        figure = draw_component(description.components.front());
        title = "Component " + name_of(description.components.front().name) +
                ": boundary-scan register and package";
    } else {
        std::fprintf(stderr, "oxel: %s: no board or component to draw\n", file.c_str());
        return OXEL_FAILED;
    }
    const std::string reason = write_output(options.output, svg_document(figure, title));
    if (!reason.empty()) {
        std::fprintf(stderr, "oxel: %s: %s\n", options.output ? options.output : "standard output", reason.c_str());
        return OXEL_FAILED;
    }
    return status;
}

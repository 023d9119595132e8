// oxel: the tool's host context and the file it is working on
#include "tool_host.h"

#include "input_kind.h"

Host::Host(int32_t level, bool keep_messages) {
    context.callback = receive_message;
    context.counters = &counters;
    context.user_data = &sink;
    // Every message reaches the sink, shown or not: a note of the tool's may
    // need one the user does not see (the component a check is at).
    context.message_level = 4;
    sink.shown_level = level;
    sink.keep = keep_messages;
    if (!keep_messages)
        sink.colours = palette(stream_wants_colour(stderr));
}

Host::~Host() { oxel_set_include_search(&context, 0, nullptr, 0); }

namespace {

// The library's quick test of the file's first token.
bool file_is_oxel(Host &host) {
    const int32_t level = host.context.message_level;
    if (!host.tell_probe)
        host.context.message_level = 0;
    const bool yes = FileIsOxel(&host.context, host.file.path.c_str()) != 0;
    host.context.message_level = level;
    return yes;
}

}  // namespace

bool host_begin_file(Host &host, const char *argument, bool probe) {
    host.file = input_file(argument);
    std::string reason = prepare_input(host.file);
    sink_start_file(host.sink, host.file.name, host.file.path);
    // The folder of a copy of standard input is no folder of the user's.
    const int32_t beside = host.file.standard_input
                               ? OXEL_INCLUDE_BESIDE_INCLUDES
                               : OXEL_INCLUDE_BESIDE_MAIN | OXEL_INCLUDE_BESIDE_INCLUDES;
    oxel_set_include_search(&host.context, beside, host.include_folders.data(),
                            static_cast<int32_t>(host.include_folders.size()));
    const char *id = "file-cannot-be-read";
    if (reason.empty() && probe) {
        host.file.bsdl = file_is_bsdl(host.file.path);
        if (!host.file.bsdl && !file_is_oxel(host)) {
            reason = "not an OXEL description";
            id = "not-an-oxel-description";
        }
    }
    if (reason.empty())
        return true;
    sink_file_error(host.sink, reason, id);
    return false;
}

void host_end_file(Host &host) { release_input(host.file); }

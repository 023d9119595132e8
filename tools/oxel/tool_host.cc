// oxel: the tool's host context and the file it is working on
#include "tool_host.h"

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

bool host_begin_file(Host &host, const char *argument, bool probe) {
    host.file = input_file(argument);
    std::string reason = prepare_input(host.file);
    sink_start_file(host.sink, host.file.name, host.file.path);
    const char *id = "file-cannot-be-read";
    if (reason.empty() && probe && !FileIsOxel(&host.context, host.file.path.c_str())) {
        reason = "not an OXEL description";
        id = "not-an-oxel-description";
    }
    if (reason.empty())
        return true;
    sink_file_error(host.sink, reason, id);
    return false;
}

void host_end_file(Host &host) { release_input(host.file); }

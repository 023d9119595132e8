// oxel: the tool's host context and the file it is working on
#include "tool_host.h"

#include <algorithm>

#include "input_kind.h"

Host::Host(int32_t level, bool keep_messages) {
    context.callback = receive_message;
    context.counters = &counters;
    context.user_data = &sink;
    context.message_level = std::max<int32_t>(level, 2);
    sink.shown_level = level;
    sink.keep = keep_messages;
    if (!keep_messages)
        sink.colours = palette(stream_wants_colour(stderr));
}

bool host_begin_file(Host &host, const char *argument, bool probe) {
    host.file = input_file(argument);
    std::string reason = prepare_input(host.file);
    sink_start_file(host.sink, host.file.name, host.file.path);
    if (reason.empty() && probe) {
        host.file.bsdl = file_is_bsdl(host.file.path);
        if (!host.file.bsdl && !FileIsOxel(&host.context, host.file.path.c_str()))
            reason = "not an OXEL description";
    }
    if (reason.empty())
        return true;
    sink_file_error(host.sink, reason);
    return false;
}

void host_end_file(Host &host) { release_input(host.file); }

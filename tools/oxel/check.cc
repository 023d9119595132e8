// oxel parse and oxel check: each file read, and checked, as a host does it
#include <algorithm>

#include "commands.h"
#include "input_kind.h"
#include "json_writer.h"
#include "tool_host.h"

namespace {

// Parses the current file and checks it when asked and the parse
// succeeded; the library's result.
int32_t read_current_file(Host &host, const Options &options, bool check) {
    OxelInitialize(&host.context);
    if (options.prog_name)
        OxelSetProgName(&host.context, options.prog_name);
    int32_t result = read_description(&host.context, host.file);
    if (result == OXEL_OK && check)
        result = OxelCheck(&host.context);
    OxelDestroy(&host.context);
    return result;
}

void write_file_json(JsonWriter &json, const DiagnosticSink &sink, int32_t result) {
    json.begin_object();
    json.key("file");
    json.string(sink.name);
    json.key("result");
    json.number(static_cast<long long>(result));
    json.key("errors");
    json.number(static_cast<long long>(sink.errors));
    json.key("warnings");
    json.number(static_cast<long long>(sink.warnings));
    json.key("messages");
    json.begin_array();
    for (const Diagnostic &message : sink.kept) {
        json.begin_object();
        json.key("kind");
        json.string(std::string(kind_word(message.kind)));
        json.key("level");
        json.number(static_cast<long long>(message.level));
        json.key("text");
        json.string(message.text);
        if (!message.file.empty()) {
            json.key("file");
            json.string(message.file);
            json.key("line");
            json.number(static_cast<long long>(message.line));
            json.key("column");
            json.number(static_cast<long long>(message.column));
        }
        json.end_object();
    }
    json.end_array();
    json.end_object();
}

}  // namespace

int run_parse(const Options &options) {
    Host host(options.level, false);
    int32_t worst = OXEL_OK;
    for (const char *argument : options.files) {
        int32_t result = host_begin_file(host, argument, true) ? read_current_file(host, options, false)
                                                               : OXEL_FAILED;
        worst = std::max(worst, result);
        host_end_file(host);
    }
    return worst;
}

int run_check(const Options &options) {
    Host host(options.level, options.json);
    ProgressLine progress;
    const int total = static_cast<int>(options.files.size());
    if (!options.json && total > 1 && stream_is_terminal(stderr)) {
        progress.stream = stderr;
        host.sink.progress = &progress;
    }
    JsonWriter json(stdout);
    if (options.json) {
        json.begin_object();
        json.key("format");
        json.number(1LL);
        json.key("files");
        json.begin_array();
    }
    int32_t worst = OXEL_OK;
    for (int i = 0; i < total; i++) {
        progress_show(progress, i + 1, total, input_file(options.files[i]).name);
        bool readable = host_begin_file(host, options.files[i], true);
        int32_t result = readable ? read_current_file(host, options, true) : OXEL_FAILED;
        worst = std::max(worst, result);
        if (options.json)
            write_file_json(json, host.sink, result);
        else if (readable)
            sink_summary(host.sink);
        host_end_file(host);
    }
    progress_finish(progress);
    if (options.json) {
        json.end_array();
        json.end_object();
        json.finish();
    }
    return worst;
}

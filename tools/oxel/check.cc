// oxel parse and oxel check: each file read, and checked, as a host does it
#include <algorithm>

#include "check_file.h"
#include "commands.h"
#include "exit_status.h"
#include "input_kind.h"
#include "json_writer.h"
#include "sarif_output.h"
#include "silent_findings.h"
#include "tool_host.h"

int32_t read_current_file(Host &host, const Options &options, bool check) {
    OxelInitialize(&host.context);
    if (options.prog_name)
        OxelSetProgName(&host.context, options.prog_name);
    int32_t result = read_description(&host.context, host.file, options.package);
    if (result == OXEL_OK && check) {
        const std::vector<SilentFinding> silent = find_silent_findings(OxelGetInfo());
        result = options.strict ? oxel_check_strict(&host.context) : OxelCheck(&host.context);
        tell_silent_findings(host.sink, silent, result);
    }
    OxelDestroy(&host.context);
    return result;
}

namespace {

void write_file_json(JsonWriter &json, const DiagnosticSink &sink, int32_t result, int status) {
    json.begin_object();
    json.key("file");
    json.string(sink.name);
    json.key("result");
    json.number(static_cast<long long>(result));
    json.key("status");
    json.number(static_cast<long long>(status));
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
        if (!message.id.empty()) {
            json.key("id");
            json.string(message.id);
        }
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
    host.include_folders = options.include_folders;
    int worst = OXEL_OK;
    for (const char *argument : options.files) {
        int32_t result = host_begin_file(host, argument, true) ? read_current_file(host, options, false)
                                                               : OXEL_FAILED;
        worst = std::max(worst, file_status(result, host.sink, false));
        host_end_file(host);
    }
    return worst;
}

int run_check(const Options &options) {
    Host host(options.level, options.json || options.sarif);
    host.include_folders = options.include_folders;
    SarifRun sarif;
    ProgressLine progress;
    const int total = static_cast<int>(options.files.size());
    if (!options.json && !options.sarif && total > 1 && stream_is_terminal(stderr)) {
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
    int worst = OXEL_OK;
    for (int i = 0; i < total; i++) {
        progress_show(progress, i + 1, total, input_file(options.files[i]).name);
        bool readable = host_begin_file(host, options.files[i], true);
        int32_t result = readable ? read_current_file(host, options, true) : OXEL_FAILED;
        const int status = file_status(result, host.sink, options.warnings_fail);
        worst = std::max(worst, status);
        if (options.json)
            write_file_json(json, host.sink, result, status);
        else if (options.sarif)
            sarif_add_file(sarif, host.sink);
        else if (readable)
            sink_summary(host.sink);
        host_end_file(host);
    }
    progress_finish(progress);
    if (options.sarif)
        write_sarif(stdout, sarif, worst);
    if (options.json) {
        json.end_array();
        json.end_object();
        json.finish();
    }
    return worst;
}

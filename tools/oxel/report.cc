// oxel report: a file checked, drawn and written as one HTML page
#include <cstdio>
#include <string>

#include "check_file.h"
#include "commands.h"
#include "description_input.h"
#include "exit_status.h"
#include "html_report.h"
#include "output_file.h"
#include "source_lines.h"
#include "tool_host.h"

int run_report(const Options &options) {
    // The messages are kept for the page, not printed.
    Host host(options.level, true);
    host.include_folders = options.include_folders;
    if (!host_begin_file(host, options.files[0], true)) {
        for (const Diagnostic &message : host.sink.kept)
            std::fprintf(stderr, "oxel: %s: %s\n", host.sink.name.c_str(), message.text.c_str());
        host_end_file(host);
        return OXEL_FAILED;
    }
    ReportPage page;
    page.file = host.file.name;
    page.version = oxel_version();
    // The pictures show the description as written; the check that follows
    // on a second reading may settle some of its values.
    DescriptionReport description;
    int32_t result = gather_description(host, options, description);
    if (result == OXEL_OK) {
        page.description = std::move(description);
        sink_start_file(host.sink, host.file.name, host.file.path);
        result = read_current_file(host, options, true);
    }
    const int status = file_status(result, host.sink, options.warnings_fail);
    page.errors = host.sink.errors;
    page.warnings = host.sink.warnings;
    SourceLines lines;
    for (Diagnostic &message : host.sink.kept) {
        Finding finding{std::move(message), std::nullopt};
        if (!finding.message.file.empty()) {
            // Standard input is read from its copy, while it lasts.
            const std::string &path =
                finding.message.file == host.file.name ? host.file.path : finding.message.file;
            finding.source_line = lines.line(path, finding.message.line);
        }
        page.findings.push_back(std::move(finding));
    }
    host_end_file(host);
    const std::string reason = write_output(options.output, html_report(page));
    if (!reason.empty()) {
        std::fprintf(stderr, "oxel: %s: %s\n", options.output ? options.output : "standard output", reason.c_str());
        return OXEL_FAILED;
    }
    return status;
}

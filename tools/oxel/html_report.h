// oxel report: one self-contained HTML page of a file: summary, findings, boards and components
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "description_report.h"
#include "diagnostics.h"

// A message about the file, with the line it points at as the file holds it.
struct Finding {
    Diagnostic message;
    std::optional<std::string> source_line;
};

struct ReportPage {
    std::string file;                                // as the user named it
    std::optional<DescriptionReport> description;    // none when the parse failed
    std::vector<Finding> findings;                   // in the order told
    int32_t errors = 0, warnings = 0;                // as the check counts them
    std::string version;                             // the library's
};

// The page: every text escaped, its style within it, nothing for the
// browser to fetch, and the same bytes for the same input.
std::string html_report(const ReportPage &page);

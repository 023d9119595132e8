// oxel check --format=sarif: the findings of a run as one SARIF 2.1.0 log
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "diagnostics.h"

// The messages about one file, as the sink kept them.
struct SarifFile {
    std::string name;   // as the user named it; "<stdin>" for standard input
    std::vector<Diagnostic> messages;
};

struct SarifRun {
    std::vector<SarifFile> files;
};

// Takes the file's kept messages over.
void sarif_add_file(SarifRun &run, DiagnosticSink &sink);

// A URI reference for a path as messages name it: relative to the working
// directory (`base` true) where the path lies under it, else an absolute
// file URI. Empty for "<stdin>", which has none.
std::string artifact_uri(const std::string &path, const std::string &working_directory, bool *base);

// Writes the log: one run of oxel with one rule per message id the results
// use, its text from the catalogue; errors, warnings and notes are results,
// progress and status lines notifications of the run's invocation.
void write_sarif(FILE *out, const SarifRun &run, int exit_status);

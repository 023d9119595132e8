// oxel: the command line as read, and the commands that run it
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Options {
    int32_t level = 3;
    bool level_given = false;
    const char *prog_name = nullptr;
    bool json = false;
    bool sarif = false;     // check writes one SARIF document
    bool warnings_fail = true;                   // --fail-on=warning (the default) or error
    bool strict = false;    // check and report add the strict rules
    std::vector<const char *> include_folders;   // -I, in order
    const char *output = nullptr;      // -o: where draw and report write; standard output without
    const char *board = nullptr;       // draw --board
    const char *component = nullptr;   // draw --component
    bool oxel_text = false;            // show --oxel: the description as OXEL text
    const char *package = nullptr;     // --package: the BSDL pin map a BSDL file is read with
    bool help = false;
    bool version = false;
    std::string command;
    std::vector<const char *> files;   // the message ids, for explain
};

struct Command {
    const char *name;
    int (*run)(const Options &options);   // the process's exit status
};
// The command of that name, or null.
const Command *find_command(const std::string &name);

// Reads the arguments into `options`; what is wrong with them, or empty.
std::string read_command_line(int argc, char **argv, Options &options);

// Parses each file and reports its syntax errors.
int run_parse(const Options &options);
// Parses and checks each file: one line per message and a summary per
// file, or one JSON document.
int run_check(const Options &options);
// Answers whether the file's first word is OXEL.
int run_is_oxel(const Options &options);
// Lists the component names of each file through the quick scanner.
int run_components(const Options &options);
// Prints the catalogue's entry of each message id given, or lists them all.
int run_explain(const Options &options);
// Parses the file and prints its boards and components through the records
// and the query exports: a report for a person, or one JSON document.
int run_show(const Options &options);
// Parses the file and writes one SVG picture: a board's scan chains, or a
// component's boundary-scan register and package.
int run_draw(const Options &options);
// Parses and checks the file and writes one HTML page: a summary, the
// check's findings with their source lines, and every board and component
// in tables and pictures.
int run_report(const Options &options);
// Imports one BSDL file and writes the OXEL description it gives to standard
// output, or with -o to a file replaced only once the whole text is written.
int run_import_bsdl(const Options &options);
